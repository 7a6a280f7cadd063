// The printer's preview through the preview window: the pages the printer
// would print, one page file each.
#include "RichPreview.h"

#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

int pdfPages(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

class RichPreviewPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("print.pdf"));
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(5, 6, 7, 8), QPageLayout::Millimeter));
        for (int i = 0; i < 60; ++i) {
            edit.SetSelStart(edit.Length());
            edit.SelAttributes().SetName("Times New Roman");
            edit.SelAttributes().SetSize(i % 5 == 0 ? 16 : 12);
            edit.SetSelText(QString("Paragraph %1. ").arg(i + 1).repeated(30) + "\r\n");
        }
        InstallRichPreview();
    }
    void TearDown() override {
        if (RichPreviewForm)
            RichPreviewForm->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    TRichEdit edit;
    TTestEnvironment testEnv; // registry and dialogs of the test's own
    TScriptedDialogs& dialogs = testEnv.Dialogs;
};

TEST_F(RichPreviewPrinter, EveryPrintedPageBecomesAPageFile) {
    for (bool compress : {true, false}) {
        TRichPrinter rp(nullptr, &printer);
        rp.SetShowProgress(false);
        rp.SetCompressPreview(compress);
        rp.PrintRichEdit(&edit, 1);
        const int printed = pdfPages(dir.filePath("print.pdf"));
        ASSERT_GT(printed, 2);

        rp.PreviewRichEdit(&edit);
        TRichPreviewForm* form = RichPreviewForm;
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Files().Compress(), compress);
        EXPECT_EQ(form->View().PageCount(), printed);
        EXPECT_EQ(QDir(form->Files().Folder()).entryList(QDir::Files).size(), printed);
        EXPECT_FALSE(form->View().Building());
        EXPECT_EQ(form->windowTitle(), "Print Preview");
        EXPECT_EQ(form->edtPage->text(), "   1");

        // Printing from the preview gives the printer's pages again.
        QFile::remove(dir.filePath("print.pdf"));
        dialogs.PrintAnswers.push_back(true);
        form->SpeedButton1Click();
        EXPECT_EQ(pdfPages(dir.filePath("print.pdf")), printed);

        // A range chosen there is printed up to the last page, however far
        // past it the range goes; a direct print after it offers no range,
        // and prints every page. Each dialog opens on all pages.
        TEnvironment user;
        QList<int> offered; // the last page each dialog offers, 0: no range
        QList<QPrinter::PrintRange> ranges;
        user.PrintDialog = [&](QWidget*, QPrinter* p) {
            offered << p->toPage();
            ranges << p->printRange();
            if (p->toPage() > 0) {
                p->setPrintRange(QPrinter::PageRange);
                p->setFromTo(2, p->toPage() + 1);
            }
            return true;
        };
        TEnvironmentScope scope(user);
        form->SpeedButton1Click();
        EXPECT_EQ(pdfPages(dir.filePath("print.pdf")), printed - 1);
        if (TPrintDialog(&printer).Execute())
            rp.PrintRichEdit(&edit, 1);
        EXPECT_EQ(offered, QList<int>({printed, 0}));
        EXPECT_EQ(ranges, QList<QPrinter::PrintRange>({QPrinter::AllPages, QPrinter::AllPages}));
        EXPECT_EQ(pdfPages(dir.filePath("print.pdf")), printed);
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(RichPreviewPrinter, PrintingIntoAFullDeviceSaysSoAndThePreviewGoesOn) {
    if (!QFileInfo::exists("/dev/full") || QFileInfo("/dev/full").isFile())
        GTEST_SKIP() << "no full device";
    TRichEdit page;
    page.SetSelText("One page only.");
    TRichPrinter rp(nullptr, &printer);
    rp.SetShowProgress(false);
    rp.PreviewRichEdit(&page);
    TRichPreviewForm* form = RichPreviewForm;
    ASSERT_NE(form, nullptr);
    // The user picks the file in the print dialog.
    QString chosen;
    TEnvironment user;
    user.PrintDialog = [&](QWidget*, QPrinter* p) {
        p->setOutputFileName(chosen);
        return true;
    };
    TEnvironmentScope scope(user);
    const struct {
        const char* File;
        const char* Message; // nullptr: printed
    } cases[] = {{"/dev/full", "Error writing file \"/dev/full\". No space left on device"},
                 {"again.pdf", nullptr}};
    for (const auto& c : cases) {
        chosen = c.File[0] == '/' ? QString(c.File) : dir.filePath(c.File);
        dialogs.Messages.clear();
        form->SpeedButton1Click();
        if (c.Message) {
            ASSERT_EQ(dialogs.Messages.size(), 1);
            EXPECT_EQ(dialogs.Messages[0].Text, c.Message);
            EXPECT_EQ(dialogs.Messages[0].Type, mtError);
        } else {
            EXPECT_TRUE(dialogs.Messages.isEmpty());
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(form->isVisible() && form->SpeedButton1->isEnabled());
    }
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
    EXPECT_EQ(pdfPages(dir.filePath("again.pdf")), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"again.pdf"});
}

TEST_F(RichPreviewPrinter, PagesThatCannotBeSavedAreSaidOnceTheBuildingIsWhole) {
    TRichPrinter rp(nullptr, &printer);
    rp.SetShowProgress(false);
    rp.PrintRichEdit(&edit, 1);
    const int printed = pdfPages(dir.filePath("print.pdf"));
    // A temporary folder where no folder can be made, and a message box
    // that runs the event loop, as the real one does.
    QTemporaryDir tmp;
    QFile(tmp.filePath("a file")).open(QIODevice::WriteOnly);
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.filePath("a file").toLocal8Bit());
    TEnvironment user;
    QStringList messages;
    user.MessageDlg = [&](const QString& text, TMsgDlgType, TMsgDlgButtons) {
        QApplication::processEvents();
        messages << text;
        return int(mrOk);
    };
    TEnvironmentScope scope(user);
    testEnv.Screen = TScreenMetrics{1600, 1000, 96};
    rp.PreviewRichEdit(&edit);
    qputenv("TMPDIR", before);
    TRichPreviewForm* form = RichPreviewForm;
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(messages, QStringList{"Can not save the page information (MetaFiles)"});
    EXPECT_EQ(form->View().PageCount(), printed);
    EXPECT_NE(form->SecondWindow(), nullptr); // set up when the last page came
    EXPECT_EQ(form->SecondWindow() ? form->SecondWindow()->lblPage->text() : "", "   2");
}

TEST_F(RichPreviewPrinter, ARenderingCutShortEndsItsBuildingAtTheNextTurnOfTheLoop) {
    TRichPrinter rp(nullptr, &printer);
    QPointer<TRichPreviewForm> form = OpenRichPreview(rp);
    QPicture page;
    QPainter(&page).drawLine(0, 0, 10, 10);
    form->SavePage(page);
    form->SavePage(page);
    EXPECT_TRUE(form->View().Building());
    QApplication::processEvents();
    ASSERT_FALSE(form.isNull());
    EXPECT_FALSE(form->View().Building());
    EXPECT_EQ(form->windowTitle(), "Print Preview");
    EXPECT_EQ(form->View().PageCount(), 2);
}

} // namespace
