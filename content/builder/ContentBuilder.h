#pragma once
// Builds the sample content beside the program: <out>/DataEng (the content
// database) and <out>/pict (the pictures). Everything is written into a
// temporary sibling folder first and moved into place at the end, so a
// failed build leaves the previous content as it was.

#include "SwordBible.h"

#include <QString>

#include <functional>

// Bump when the content changes, so that installed content is rebuilt.
inline constexpr const char* kContentBuilderVersion = "3";

struct ContentBuildResult {
    bool Skipped = false; // the content was already up to date
    int Books = 0;
    int Verses = 0;
    int Words = 0;
    int IncludedWords = 0;
    int WordVerseRows = 0;
    int ReadingRows = 0;
    int Pictures = 0;
};

// Raises std::runtime_error with a message for the user when the Bible
// module is missing or anything cannot be written. `log` gets progress lines.
// `swordModule` names the Bible module (tests name a missing one).
ContentBuildResult BuildContent(const QString& outputFolder, bool force,
                                const std::function<void(const QString&)>& log = {},
                                const char* swordModule = kSwordModuleName);

// The stamp that the content of this builder carries.
QString ContentStamp(const char* swordModule = kSwordModuleName);
inline constexpr const char* kStampFileName = "content.stamp";
