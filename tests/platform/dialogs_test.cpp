#include "Dialogs.h"
#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ScriptedDialogs, MessageBoxRecordsTextTypeAndButtonsAndAnswersInOrder) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    d.MessageAnswers = {mrNo, mrYes};
    EXPECT_EQ(
        MessageDlg("a.rtf already exists\n\rDo you want to replace it?", mtWarning, mbYes | mbNo),
        mrNo);
    EXPECT_EQ(MessageDlg("second", mtConfirmation, mbYes | mbNo), mrYes);
    ASSERT_EQ(d.Messages.size(), 2);
    EXPECT_EQ(d.Messages[0].Text, "a.rtf already exists\n\rDo you want to replace it?");
    EXPECT_EQ(d.Messages[0].Type, mtWarning);
    EXPECT_EQ(d.Messages[0].Buttons, mbYes | mbNo);
    EXPECT_EQ(d.Messages[1].Type, mtConfirmation);
}

TEST(ScriptedDialogs, UnscriptedMessageBoxAnswersWithoutBlocking) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    EXPECT_EQ(MessageDlg("x", mtInformation, mbOK), mrOk);
    EXPECT_EQ(MessageDlg("x", mtWarning, mbYes | mbNo), mrNo);
    EXPECT_EQ(MessageDlg("x", mtConfirmation, mbOK | mbCancel), mrOk);
}

TEST(ScriptedDialogs, ScopesNestAndTheInnermostAnswers) {
    TScriptedDialogs outer;
    TScriptedDialogs::Scope s1(outer);
    {
        TScriptedDialogs inner;
        TScriptedDialogs::Scope s2(inner);
        MessageDlg("inner", mtError, mbOK);
        EXPECT_EQ(inner.Messages.size(), 1);
        // A scope that scripts only the date leaves the dialogs to the outer.
        TEnvironment dateOnly;
        dateOnly.Today = [] { return QDate(2001, 9, 11); };
        TEnvironmentScope s3(dateOnly);
        MessageDlg("still inner", mtError, mbOK);
        EXPECT_EQ(inner.Messages.size(), 2);
        EXPECT_EQ(Today(), QDate(2001, 9, 11));
    }
    MessageDlg("outer", mtError, mbOK);
    EXPECT_EQ(outer.Messages.size(), 1);
    EXPECT_EQ(TEnvironmentScope::Scripted(&TEnvironment::Today), nullptr);
}

TEST(ScriptedDialogs, ModalShowShowsTheWindowRunsTheScriptAndHidesIt) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    QWidget w;
    bool visibleDuring = false;
    d.WhileModal = [&](QWidget* shown) { visibleDuring = shown == &w && w.isVisible(); };
    d.ModalAnswers = {mrCancel};
    EXPECT_EQ(ShowModal(&w), mrCancel);
    EXPECT_TRUE(visibleDuring);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(d.ModalShows.size(), 1);
    EXPECT_EQ(d.ModalShows[0], &w);
}

TEST(ScriptedDialogs, SaveFontPrintAndPageSetupAreAnsweredAndRecorded) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    TSaveDialogRequest req;
    req.Filter = "Rich Text Format (*.RTF)|*.RTF";
    QString name = "unchanged";
    EXPECT_FALSE(ExecuteSaveDialog(nullptr, req, name));
    EXPECT_EQ(name, "unchanged");
    d.SaveAnswers = {"/tmp/out.rtf"};
    EXPECT_TRUE(ExecuteSaveDialog(nullptr, req, name));
    EXPECT_EQ(name, "/tmp/out.rtf");
    ASSERT_EQ(d.SaveRequests.size(), 2);
    EXPECT_EQ(d.SaveRequests[0].Filter, req.Filter);

    QFont f("Times New Roman", 12);
    d.FontAnswers = {std::nullopt, QFont("Arial", 14)};
    EXPECT_FALSE(ExecuteFontDialog(nullptr, f));
    EXPECT_EQ(f.family(), "Times New Roman");
    EXPECT_TRUE(ExecuteFontDialog(nullptr, f));
    EXPECT_EQ(f.pointSize(), 14);
    EXPECT_EQ(d.FontRequests.size(), 2);

    QPrinter printer;
    d.PrintAnswers = {true};
    EXPECT_TRUE(ExecutePrintDialog(nullptr, &printer));
    EXPECT_FALSE(ExecutePrintDialog(nullptr, &printer));
    EXPECT_EQ(d.PrintCalls, 2);
    EXPECT_FALSE(ExecutePageSetupDialog(nullptr, &printer));
    EXPECT_EQ(d.PageSetupCalls, 1);
}

// The dialog lists installed families only: it opens on the face that draws
// the font (the substitute of a family that is not installed), and OK
// without a change leaves the font as it was, name and style.
TEST(Dialogs, FontDialogOpensOnTheDrawnFaceAndOkUnchangedKeepsTheFont) {
    const struct {
        const char* name;
        QFont font;
    } cases[] = {{"substituted, bold", QFont("Times New Roman", 12, QFont::Bold)},
                 {"substituted, italic", QFont("Arial", 10, QFont::Normal, true)},
                 {"installed, regular", QFont(QFontInfo(QFont("Courier New")).family(), 9)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QFontInfo drawn(c.font);
        const QFont shown(drawn.family(), c.font.pointSize(), c.font.bold() ? QFont::Bold : -1,
                          c.font.italic());
        TScriptedDialogs d;
        TScriptedDialogs::Scope scope(d);
        QFont unchanged = c.font, cancelled = c.font, larger = c.font;
        QFont bigger = shown;
        bigger.setPointSize(shown.pointSize() + 2);
        d.FontAnswers = {shown, std::nullopt, bigger};

        EXPECT_TRUE(ExecuteFontDialog(nullptr, unchanged));
        ASSERT_EQ(d.FontRequests.size(), 1);
        const QFont& opened = d.FontRequests[0];
        EXPECT_EQ(opened.family(), drawn.family());
        EXPECT_EQ(opened.pointSize(), c.font.pointSize());
        EXPECT_EQ(opened.bold(), c.font.bold());
        EXPECT_EQ(opened.italic(), c.font.italic());
        EXPECT_EQ(unchanged, c.font);

        EXPECT_FALSE(ExecuteFontDialog(nullptr, cancelled));
        EXPECT_EQ(cancelled, c.font);

        EXPECT_TRUE(ExecuteFontDialog(nullptr, larger));
        EXPECT_EQ(larger.family(), drawn.family());
        EXPECT_EQ(larger.pointSize(), c.font.pointSize() + 2);
        EXPECT_EQ(larger.bold(), c.font.bold());
        EXPECT_EQ(larger.italic(), c.font.italic());
    }
}

TEST(Dialogs, FilterPairsBecomeQtFilters) {
    EXPECT_EQ(QtFilterList("JPEG Image (*.JPG)|*.JPG"), QStringList{"JPEG Image (*.JPG) (*.JPG)"});
    EXPECT_EQ(QtFilterList("Text|*.txt;*.rtf|All|*.*"),
              (QStringList{"Text (*.txt *.rtf)", "All (*.*)"}));
    EXPECT_TRUE(QtFilterList("").isEmpty());
}

namespace {

// Answers the real message box once it runs: records what it shows, then
// presses the button with the given role.
struct BoxAnswer {
    QString Title;
    QStringList LabelTexts;
    int Buttons = 0;
    QRect Frame, Screen;
    void Arm(QMessageBox::StandardButton press) {
        QTimer::singleShot(0, [this, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return Arm(press);
            Title = box->windowTitle();
            for (QLabel* l : box->findChildren<QLabel*>())
                if (l->textFormat() == Qt::PlainText)
                    LabelTexts << l->text();
            Buttons = int(box->standardButtons());
            Frame = box->frameGeometry();
            Screen = box->screen()->availableGeometry();
            box->button(press)->click();
        });
    }
};

} // namespace

TEST(Dialogs, RealMessageBoxShowsTheTextAsPlainTextAndMapsTheAnswer) {
    const QString text = "Chapter <b>3</b> of \"Ruth & Esther\" not found";
    BoxAnswer a;
    a.Arm(QMessageBox::No);
    EXPECT_EQ(MessageDlg(text, mtWarning, mbYes | mbNo), mrNo);
    EXPECT_EQ(a.Title, "Warning");
    EXPECT_TRUE(a.LabelTexts.contains(text)) << a.LabelTexts.join('|').toStdString();
    EXPECT_EQ(a.Buttons, int(QMessageBox::Yes | QMessageBox::No));

    BoxAnswer b;
    b.Arm(QMessageBox::Ok);
    EXPECT_EQ(MessageDlg("Done", mtInformation, mbOK), mrOk);
    EXPECT_EQ(b.Title, "Information");

    // However long the text, the box and its button stay within the screen;
    // a path is shown whole, broken where it may end a line.
    const QString path = QStringLiteral("/tmp/") + QString(120, QLatin1Char('x')) +
                         QStringLiteral("/userdata.sqlite");
    const QString fifteenLines = QStringLiteral("line\n").repeated(14) + QStringLiteral("line");
    const struct {
        QString text;
        QString shown; // without the breaks
    } longTexts[] = {
        {QStringLiteral("SELECT V1.BookOrder FROM WVN V1 WHERE V1.WordID = 7 ").repeated(450),
         QStringLiteral("SELECT V1.BookOrder FROM WVN V1 WHERE V1.WordID = 7 ")
                 .repeated(450)
                 .left(800) +
             QChar(0x2026)},
        {QStringLiteral("Words Not Found: ") + QString(20000, QLatin1Char('Q')),
         QStringLiteral("Words Not Found: ") + QString(783, QLatin1Char('Q')) + QChar(0x2026)},
        {QStringLiteral("line\n").repeated(400),
         fifteenLines + QStringLiteral("\n") + QChar(0x2026)},
        {fifteenLines, fifteenLines},
        {path + QStringLiteral(" is in use by another copy"),
         path + QStringLiteral(" is in use by another copy")},
    };
    for (const auto& t : longTexts) {
        BoxAnswer c;
        c.Arm(QMessageBox::Ok);
        EXPECT_EQ(MessageDlg(t.text, mtError, mbOK), mrOk);
        EXPECT_TRUE(c.Screen.contains(c.Frame))
            << t.text.size() << ' ' << c.Frame.width() << 'x' << c.Frame.height();
        ASSERT_EQ(c.LabelTexts.size(), 1);
        EXPECT_EQ(c.LabelTexts[0].remove(QChar(0x200B)).toStdString(), t.shown.toStdString());
    }
}

namespace {

// HOME and the configuration folder moved into a folder of the test's own.
class HomeScope {
public:
    HomeScope() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", dir_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (dir_.path() + "/.config").toLocal8Bit());
    }
    ~HomeScope() {
        qputenv("HOME", home_);
        config_.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config_);
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QByteArray home_, config_;
};

} // namespace

TEST(Dialogs, SaveAndPrintToFileStartInTheLastFolderUsedElseTheDocuments) {
    HomeScope home;
    ASSERT_TRUE(QDir().mkpath(home.Path("Documents")));
    ASSERT_TRUE(QDir().mkpath(home.Path("saved")));
    ASSERT_TRUE(QDir().mkpath(home.Path("printed")));
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    QString chosen;

    // A folder used for saving is where both dialogs start next.
    d.SaveAnswers = {home.Path("saved/psalm.rtf")};
    ASSERT_TRUE(ExecuteSaveDialog(nullptr, TSaveDialogRequest{}, chosen));
    EXPECT_FALSE(ExecuteSaveDialog(nullptr, TSaveDialogRequest{}, chosen));
    EXPECT_EQ(d.SaveRequests.last().Directory, home.Path("saved"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setDocName("Readings");
    d.PrintAnswers = {true};
    ASSERT_TRUE(ExecutePrintDialog(nullptr, &printer));
    EXPECT_EQ(printer.outputFileName(), home.Path("saved/Readings.pdf"));

    // A file of an earlier job stays, unless its folder cannot be written.
    printer.setOutputFileName(home.Path("printed/day.pdf"));
    d.PrintAnswers = {true};
    ExecutePrintDialog(nullptr, &printer);
    EXPECT_EQ(printer.outputFileName(), home.Path("printed/day.pdf"));
    ExecuteSaveDialog(nullptr, TSaveDialogRequest{}, chosen);
    EXPECT_EQ(d.SaveRequests.last().Directory, home.Path("printed"));
    printer.setOutputFileName(home.Path("gone/day.pdf"));
    ExecutePrintDialog(nullptr, &printer);
    EXPECT_EQ(printer.outputFileName(), home.Path("printed/Readings.pdf"));

    // Once the last folder is gone: the documents folder.
    QDir(home.Path("printed")).removeRecursively();
    ExecuteSaveDialog(nullptr, TSaveDialogRequest{}, chosen);
    EXPECT_EQ(d.SaveRequests.last().Directory, home.Path("Documents"));
    EXPECT_EQ(StartFolder(), home.Path("Documents"));
}

TEST(Dialogs, ThePrintDialogOffersItsFileInTheStartFolder) {
    HomeScope home;
    ASSERT_TRUE(QDir().mkpath(home.Path("Documents")));
    QPrinter printer;
    printer.setDocName("Synaxarium");
    QString offered;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        if (auto* box = dialog->findChild<QLineEdit*>("filename"))
            offered = box->text();
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(ExecutePrintDialog(nullptr, &printer));
    EXPECT_EQ(offered, StartFolder() + "/Synaxarium.pdf");
    EXPECT_TRUE(offered.startsWith(home.Path("")));
}
