// The verse of the day in its box and its window, and the readings font:
// the registry's values without a window, then the first show, "Set Font"
// and the defaults.

#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "ReadingsFontSettings.h"
#include "Registry.h"
#include "RichEdit.h"
#include "TestEnvironment.h"
#include "VerseOfTheDay.h"
#include "day_fixture.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QVariant>

#include <gtest/gtest.h>

#include <optional>

namespace {

using ReadingsFontSettings::TFontValues;

// One registry value: a string, an integer or binary data.
using TValue = QVariant;

// An integer wider than 32 bits, which the registry cannot read, written
// into the key's file as a damaged value.
void AppendDamagedInteger(const QString& name, qint64 value) {
    QFile f(TRegistry::StorageRoot(HKEY_LOCAL_MACHINE) +
            QStringLiteral("/Software/Tavrin/EVelmorande/Font/.values"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(name.toUtf8() + "\tdword\t" + QByteArray::number(value) + '\n');
}

void WriteFontKey(const QList<std::pair<QString, TValue>>& values) {
    TRegistry reg(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey(QLatin1String(ReadingsFontSettings::Key), true));
    for (const auto& [name, value] : values) {
        if (value.typeId() == QMetaType::QString)
            reg.WriteString(name, value.toString());
        else if (value.typeId() == QMetaType::Int)
            reg.WriteInteger(name, value.toInt());
        else if (value.typeId() == QMetaType::LongLong)
            AppendDamagedInteger(name, value.toLongLong());
        else
            reg.WriteBinaryData(name, value.toByteArray());
    }
    reg.CloseKey();
}

struct TBlock {
    QString Text;
    QColor Color;
    bool Bold;
    int Size;
    QString Family;
};

// Each paragraph with the format of its first character (or of the
// paragraph mark when it is empty).
QList<TBlock> BlocksOf(const TRichEdit& e) {
    QList<TBlock> out;
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next()) {
        const QTextCharFormat f =
            b.begin().atEnd() ? b.charFormat() : b.begin().fragment().charFormat();
        out.push_back({b.text(), f.foreground().color(), f.fontWeight() >= QFont::Bold,
                       int(f.fontPointSize()), f.fontFamilies().toStringList().value(0)});
    }
    return out;
}

const QColor Maroon(128, 0, 0);
const QColor Navy(0, 0, 128);

} // namespace

// ------------------------------------------------------ registry values ---

TEST(ReadingsFontRegistry, ValuesEachWithTheirOwnDefault) {
    struct Case {
        const char* what;
        QList<std::pair<QString, TValue>> values;
        TFontValues expected;
        QStringList problems;
    };
    const TFontValues defaults = ReadingsFontSettings::Defaults();
    const QList<Case> cases = {
        {"all four",
         {{"Name", "Arial"}, {"bold", 0}, {"italic", 1}, {"size", 14}},
         {"Arial", 14, false, true},
         {}},
        {"empty name and no style",
         {{"Name", ""}, {"size", 16}},
         {"Times New Roman", 16, true, false},
         {}},
        {"size too small",
         {{"size", 2}},
         {"Times New Roman", 6, true, false},
         {"The size 2 is outside 6 to 48; 6 is used"}},
        {"size too large",
         {{"size", 100}},
         {"Times New Roman", 48, true, false},
         {"The size 100 is outside 6 to 48; 48 is used"}},
        {"values of other types",
         {{"Name", 5}, {"bold", "yes"}, {"italic", 1}, {"size", QByteArray("\x0e\0\0\0", 4)}},
         {"Times New Roman", 12, true, true},
         {"Invalid data type for 'Name'", "Invalid data type for 'bold'",
          "Invalid data type for 'size'"}},
        {"a damaged bold",
         {{"italic", 1}, {"size", 14}, {"bold", qlonglong(99999999999)}},
         {"Times New Roman", 14, true, true},
         {"Failed to get data for 'bold'"}},
    };
    for (const Case& c : cases) {
        TTestEnvironment env;
        WriteFontKey(c.values);
        TFontValues font = defaults;
        EXPECT_EQ(ReadingsFontSettings::Read(font), c.problems) << c.what;
        EXPECT_EQ(font.Name, c.expected.Name) << c.what;
        EXPECT_EQ(font.Size, c.expected.Size) << c.what;
        EXPECT_EQ(font.Bold, c.expected.Bold) << c.what;
        EXPECT_EQ(font.Italic, c.expected.Italic) << c.what;
    }
    TTestEnvironment env; // no key at all
    TFontValues font = defaults;
    EXPECT_TRUE(ReadingsFontSettings::Read(font).isEmpty());
    EXPECT_EQ(font.Name, "Times New Roman");
    EXPECT_EQ(font.Size, 12);
}

// ------------------------------------------------------------- windows ---

namespace {

class VerseAndFont : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        db = std::make_unique<DayFixture::TDayDatabase>();
        frmVerseOfTheDay = new TfrmVerseOfTheDay;
        CreateWindow();
    }
    void TearDown() override {
        delete frmVerseOfTheDay;
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    TfrmMainNew& w() { return *window; }
    void Show(const QDate& date) {
        w().CurrentDate = date;
        w().RefreshDay();
    }

    std::unique_ptr<DayFixture::TDayDatabase> db;
};

} // namespace

TEST_F(VerseAndFont, HeadingGapAndVerseInTheReadingsFont) {
    Show(QDate(2024, 10, 22));
    w().DayComment = "Day comment";
    w().VerseOfTheDay = "Verse text";
    w().ReadingsFont.setPointSize(20);
    w().ShowVerseOfTheDay();
    const QList<TBlock> b = BlocksOf(*w().rchedtVOD);
    ASSERT_EQ(b.size(), 4);
    EXPECT_EQ(b[0].Text, "Day comment");
    EXPECT_EQ(b[0].Color, Maroon);
    EXPECT_TRUE(b[0].Bold);
    EXPECT_EQ(b[0].Size, 22);
    EXPECT_EQ(b[0].Family, "Times New Roman");
    EXPECT_EQ(b[1].Text, "");
    EXPECT_EQ(b[1].Size, 4);
    EXPECT_EQ(b[2].Text, "Verse text");
    EXPECT_EQ(b[2].Color, Navy);
    EXPECT_TRUE(b[2].Bold);
    EXPECT_EQ(b[2].Size, 20);
    EXPECT_EQ(w().rchedtVOD->SelStart(), 0);
}

TEST_F(VerseAndFont, NoCommentNoGapAndATrimmedVerse) {
    Show(QDate(2024, 10, 22));
    w().DayComment.clear();
    w().VerseOfTheDay = "\r\n \tVerse text\t \r\n";
    w().ReadingsFont.setItalic(true);
    w().ShowVerseOfTheDay();
    EXPECT_EQ(w().VerseOfTheDay, "Verse text");
    EXPECT_EQ(w().rchedtVOD->Text(), "Verse text\r\n");
    const QList<TBlock> b = BlocksOf(*w().rchedtVOD);
    ASSERT_FALSE(b.isEmpty());
    EXPECT_EQ(b[0].Size, 12);
    EXPECT_EQ(b[0].Color, Navy);
    // Bold whatever the readings font's own style.
    EXPECT_TRUE(b[0].Bold);
}

TEST_F(VerseAndFont, VerseWindowHasTheDaysDatesOnOneLine) {
    Show(QDate(2024, 1, 7)); // a two-line day title
    QString title, verse, family;
    int size = 0;
    dialogs.WhileModal = [&](QWidget* shown) {
        ASSERT_EQ(shown, frmVerseOfTheDay);
        title = frmVerseOfTheDay->lblVODTitle->text();
        verse = frmVerseOfTheDay->memoVerse->toPlainText();
        family = frmVerseOfTheDay->memoVerse->font().family();
        size = frmVerseOfTheDay->memoVerse->font().pointSize();
    };
    w().ReadingsFont = QFont("Arial", 15);
    QTest::mouseClick(w().pblShowAllTheVerse, Qt::LeftButton, {},
                      w().pblShowAllTheVerse->rect().center());
    ASSERT_EQ(dialogs.ModalShows.size(), 1);
    EXPECT_EQ(title, "Kiahk 28, 1740 - January 7, 2024 (Sunday (Nativity Feast Observed))");
    EXPECT_EQ(verse, w().VerseOfTheDay);
    EXPECT_FALSE(verse.isEmpty());
    EXPECT_EQ(family, "Arial");
    EXPECT_EQ(size, 15);
    EXPECT_EQ(frmVerseOfTheDay->windowTitle(), "Verse of The Day:");
    EXPECT_EQ(frmVerseOfTheDay->btnClose->text(), "OK");

    QTest::mouseDClick(w().pnlTopRight, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(dialogs.ModalShows.size(), 2);
}

TEST_F(VerseAndFont, SetFontTakesTheDialogsFontConfirmedOrNot) {
    Show(QDate(2024, 10, 22));
    dialogs.FontAnswers.push_back(QFont("Arial", 14));
    w().btnSetFont->click();
    EXPECT_EQ(w().ReadingsFont.family(), "Arial");
    EXPECT_EQ(w().ReadingsFont.pointSize(), 14);
    // The verse is written again in the new font.
    const QList<TBlock> blocks = BlocksOf(*w().rchedtVOD);
    ASSERT_GE(blocks.size(), 3);
    EXPECT_EQ(blocks[2].Text, w().VerseOfTheDay);
    EXPECT_EQ(blocks[2].Family, "Arial");
    EXPECT_EQ(blocks[2].Size, 14);

    // Cancel: the dialog opens with the readings font (in the face that
    // draws it) and leaves it.
    dialogs.FontAnswers.push_back(std::nullopt);
    w().btnSetFont->click();
    ASSERT_EQ(dialogs.FontRequests.size(), 2);
    EXPECT_EQ(dialogs.FontRequests[1].family(), QFontInfo(QFont("Arial")).family());
    EXPECT_EQ(w().ReadingsFont.family(), "Arial");
    EXPECT_EQ(w().ReadingsFont.pointSize(), 14);

    // A size beyond what the dialog offers is brought within it.
    dialogs.FontAnswers.push_back(QFont("Arial", 72));
    w().btnSetFont->click();
    EXPECT_EQ(w().ReadingsFont.pointSize(), 48);
}

TEST_F(VerseAndFont, RestoreDefaultsIsBoldOnly) {
    w().SetReadingsFont(QFont("Arial", 14, QFont::Normal, true));
    w().btnRestoreDefaults->click();
    EXPECT_EQ(w().ReadingsFont.family(), "Times New Roman");
    EXPECT_EQ(w().ReadingsFont.pointSize(), 12);
    EXPECT_TRUE(w().ReadingsFont.bold());
    EXPECT_FALSE(w().ReadingsFont.italic());
    EXPECT_EQ(w().FontDialog1.Font, w().ReadingsFont);
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "Default Font Has Been Restored To 'Times New Roman' Size:12, Bold");
    EXPECT_EQ(dialogs.Messages[0].Type, mtInformation);
}

TEST_F(VerseAndFont, RegistryFontReachesTheDialog) {
    WriteFontKey({{"Name", "Arial"}, {"bold", 0}, {"italic", 1}, {"size", 14}});
    w().LoadReadingsFont();
    EXPECT_EQ(w().ReadingsFont.family(), "Arial");
    EXPECT_EQ(w().ReadingsFont.pointSize(), 14);
    EXPECT_FALSE(w().ReadingsFont.bold());
    EXPECT_TRUE(w().ReadingsFont.italic());
    EXPECT_EQ(w().FontDialog1.Font, w().ReadingsFont);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

// The first show with a value missing and two wrong ones: one warning, and
// the show goes on to the verse of the day.
TEST_F(VerseAndFont, FirstShowReportsWrongValuesOnceAndShowsTheVerse) {
    WriteFontKey({{"Name", "Arial"}, {"italic", "1"}, {"size", 3}});
    w().show();
    QCoreApplication::processEvents();
    const QList<TScriptedDialogs::Message> warnings = MessagesOf(mtWarning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0].Text, "The readings font in the registry is used only in part:\n"
                                "Invalid data type for 'italic'\n"
                                "The size 3 is outside 6 to 48; 6 is used");
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
    EXPECT_EQ(w().ReadingsFont.family(), "Arial");
    EXPECT_TRUE(w().ReadingsFont.bold());
    EXPECT_EQ(w().ReadingsFont.pointSize(), 6);
    EXPECT_EQ(w().CurrentDate, env.Today);
    EXPECT_FALSE(w().VerseOfTheDay.isEmpty());
    EXPECT_TRUE(w().rchedtVOD->Text().contains(w().VerseOfTheDay));
}
