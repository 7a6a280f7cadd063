// Readings window: the one-chapter Bible window at a citation.

#include "Readings.h"

#include "BibleChapter.h"
#include "BibleMain.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "TableEngine.h"

#include <QCheckBox>
#include <QLineEdit>

void TfrmReadings::ShowBibleChapter(const QString& BookName, int BookID, int Chapter, int Verse) {
    TfrmBibleChapter& c = *frmBibleChapter;
    c.BookID = BookID;
    c.BookName = BookName;
    GetTranslationTag(BookID, c.TranslationTag);
    c.FirstChapter = MainDM->GetFirstChapter(BookID);
    c.Chapter = Chapter;
    c.LastChapter = MainDM->GetLastChapter(BookID);
    c.NewLinePerVerse = frmBibleMain != nullptr && frmBibleMain->chkbxNewLinePerVerse->isChecked();
    const QFont font = ReadingsFont();
    c.FontSize = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    c.WithVerseNumbers = true;
    c.WithChapterInLabel = true;
    c.WithChapterHeadings = true;
    c.chkbxNoHighlight->setChecked(false);
    c.edtHighlight->clear();
    c.TargetVerse = Verse;
    TTable& bible = MainDM->tblBible;
    if (!bible.Active())
        bible.Open();
    c.VerseLength = bible.FindKey({BookID, Chapter, Verse})
                        ? int(bible.FieldByName(QStringLiteral("Text"))->AsString().size())
                        : 0;
    c.SelectVerse = true;
    c.chkbxNoHighlight->setChecked(false);
    c.chkbxAsPhrase->setChecked(false);
    ShowModal(&c);
}
