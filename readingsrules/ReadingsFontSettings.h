#pragma once
// The readings font as the registry keeps it, read without a widget: each
// value has its own default, the size stays within what the font dialog
// offers, and what cannot be used is reported rather than thrown.

#include <QString>
#include <QStringList>

namespace ReadingsFontSettings {

// Under HKEY_LOCAL_MACHINE; opened without being created.
extern const char* const Key;

constexpr int MinSize = 6;
constexpr int MaxSize = 48;

struct TFontValues {
    QString Name;
    int Size = 12;
    bool Bold = true;
    bool Italic = false;
};

// The default readings font: "Times New Roman", 12 points, bold.
TFontValues Defaults();

// Replaces in `font` each value the key holds; a value that is missing keeps
// the one `font` had, one of another type too, and a size outside
// MinSize..MaxSize is brought to the nearer end. Returns one line per value
// that could not be used as it stands; a missing key reads nothing.
QStringList Read(TFontValues& font);

// The one message that reports the lines Read returned.
QString ProblemMessage(const QStringList& problems);

} // namespace ReadingsFontSettings
