// Failures of page set-up and of printing from the preview, and the print
// dialog's colour mode and page range, through the real dialogs and message
// boxes under Xvfb with Qt's X11 platform; mouse and keys are the X server's
// own (xdotool). After each message the windows take clicks again.
#include "Environment.h"
#include "PrintRich.h"
#include "PrintTestSupport.h"
#include "RichEdit.h"
#include "RichPreview.h"
#include "RichPrint.h"
#include "support/XInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Replaces the text of an edit or spin box as a user would.
void TypeInto(QWidget* w, const QString& text) {
    Click(w);
    Key("ctrl+a");
    Xdo({"type", text});
}

// Hands every modal window that comes up, once active, to answer; the
// messages it shows are kept. A window still the modal one ten seconds after
// it came up, or after its answer, fails the test with what it shows and is
// closed, so no modal loop outlives the test's own waits.
class ModalAnswers {
public:
    explicit ModalAnswers(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        poll_.setInterval(50);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w != up_) {
                up_ = w;
                since_.start();
            } else if (w != nullptr && w != gaveUp_ && since_.elapsed() > 10000) {
                QStringList shown;
                if (auto* box = qobject_cast<QMessageBox*>(w))
                    shown << box->text();
                for (const QLineEdit* e : w->findChildren<QLineEdit*>())
                    if (e->isVisible())
                        shown << e->text();
                ADD_FAILURE() << w->metaObject()->className() << " \""
                              << w->windowTitle().toStdString() << "\" still up after 10 s, "
                              << (w == last_ ? "answered" : "never active, so not answered")
                              << "; it shows: " << shown.join(" / ").toStdString();
                gaveUp_ = w;
                if (auto* dialog = qobject_cast<QDialog*>(w))
                    QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
                return;
            }
            if (!w || w == last_ || !w->isVisible() || !w->isActiveWindow())
                return;
            last_ = w;
            if (auto* box = qobject_cast<QMessageBox*>(w))
                Messages << box->text();
            answer_(w);
            // The ten seconds run from the answer: typing it may be slow.
            since_.start();
        });
        poll_.start();
    }
    QStringList Messages;

private:
    std::function<void(QWidget*)> answer_;
    QTimer poll_;
    QPointer<QWidget> up_, last_, gaveUp_;
    QElapsedTimer since_;
};

// The dialog's own question on replacing a file, or a message.
void ClickYesElseOk(QMessageBox* box) {
    Click(box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)
                                        : box->button(QMessageBox::Ok));
}

class PrintingOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run under Xvfb with QT_QPA_PLATFORM=xcb";
        ASSERT_TRUE(dir.isValid());
        env.RegistryFolder = [this] { return dir.filePath("registry"); };
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("out.pdf"));
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(), QPageLayout::Millimeter));
        InstallRichPreview();
    }
    // The preview of the text, once it takes the keys; null when it does not.
    QPointer<TRichPreviewForm> OpenPreview(TRichPrinter& rp, TRichEdit& edit) {
        rp.SetShowProgress(false);
        rp.PreviewRichEdit(&edit);
        QPointer<TRichPreviewForm> preview = RichPreviewForm;
        return preview && WaitFor([&] { return preview->isActiveWindow(); }) ? preview : nullptr;
    }
    QTemporaryDir dir;
    TEnvironment env; // the dialogs and message boxes are the real ones
    TEnvironmentScope scope{env};
    QPrinter printer{QPrinter::HighResolution};
};

} // namespace

TEST_F(PrintingOnX11, PageSetUpRefusesASliverOfTextAndSaysWhatIsLeft) {
    TRichPrinter rp(nullptr, &printer);
    rp.SetMargins(20, 15, 20, 15);
    ModalAnswers answers([](QWidget* w) {
        if (auto* left = w->findChild<QDoubleSpinBox*>("leftMargin")) {
            TypeInto(left, "185");
            Xdo({"key", "Tab"});
            Click(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            Click(box->button(QMessageBox::Ok));
        }
    });
    // The value typed into the real dialog reaches the check; its message
    // closes and leaves no modal window behind.
    EXPECT_FALSE(rp.PageSetup());
    ASSERT_EQ(answers.Messages.size(), 1);
    EXPECT_TRUE(answers.Messages[0].startsWith("The margins leave a text area of 5 by"))
        << answers.Messages[0].toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PrintingOnX11, PrintingFromThePreviewIntoAFullDeviceSaysSoAndThePreviewGoesOn) {
    if (!QFileInfo::exists("/dev/full") || QFileInfo("/dev/full").isFile())
        GTEST_SKIP() << "no full device";
    TRichEdit edit;
    edit.SetSelText("One page of text.");
    TRichPrinter rp(nullptr, &printer);
    QPointer<TRichPreviewForm> preview = OpenPreview(rp, edit);
    ASSERT_TRUE(preview) << "the preview did not open or never became active";

    QString file = "/dev/full";
    ModalAnswers answers([&](QWidget* w) {
        if (qobject_cast<QPrintDialog*>(w)) {
            TypeInto(w->findChild<QLineEdit*>("filename"), file);
            Xdo({"key", "Return"});
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            ClickYesElseOk(box);
        }
    });
    // The name typed into the real dialog reaches the job and its message.
    Click(preview->SpeedButton1);
    ASSERT_TRUE(WaitFor([&] { return !answers.Messages.filter("\"/dev/full\"").isEmpty(); }))
        << answers.Messages.join(" / ").toStdString();

    // The preview takes the next click, and that job prints.
    file = dir.filePath("again.pdf");
    Click(preview->SpeedButton1);
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(file).size() > 0; }));
    Click(preview->btnClose);
    EXPECT_TRUE(WaitFor([&] { return preview.isNull(); }));
}

TEST_F(PrintingOnX11, GrayscaleIsPrintedGrayAndADirectPrintPrintsTheRangeItOffers) {
    TRichEdit edit;
    for (int i = 0; i < 60; ++i) {
        edit.SetSelStart(edit.Length());
        edit.SelAttributes().SetColor(i % 2 ? Qt::red : Qt::blue);
        edit.SelAttributes().SetSize(14);
        edit.SetSelText(QString("Coloured paragraph %1. ").arg(i + 1).repeated(12) + "\r\n");
    }
    TRichPrinter rp(nullptr, &printer);
    QPointer<TRichPreviewForm> preview = OpenPreview(rp, edit);
    ASSERT_TRUE(preview) << "the preview did not open or never became active";
    const int pages = preview->View().PageCount();
    ASSERT_GE(pages, 4);

    // What the user picks in the real dialog, and whether it offered a range.
    struct {
        QString File;
        bool Gray = false;
        bool Range = false; // pages 2 to 3
    } pick;
    bool rangeOffered = false;
    ModalAnswers answers([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w))
            ClickYesElseOk(box);
        if (!qobject_cast<QPrintDialog*>(w))
            return;
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text().contains("Options >>"))
                Click(b);
        auto* tabs = w->findChild<QTabWidget*>("tabs");
        auto* range = w->findChild<QRadioButton*>("printRange");
        ASSERT_TRUE(WaitFor([&] { return tabs->isVisible() && range->isVisible(); }));
        rangeOffered = range->isEnabled();
        if (pick.Range) {
            Click(range);
            TypeInto(w->findChild<QSpinBox*>("from"), "2");
            TypeInto(w->findChild<QSpinBox*>("to"), "3");
        }
        TypeInto(w->findChild<QLineEdit*>("filename"), pick.File);
        const int options = tabs->indexOf(w->findChild<QWidget*>("optionsTab"));
        Click(tabs->tabBar(), tabs->tabBar()->tabRect(options).center());
        auto* mode = w->findChild<QRadioButton*>(pick.Gray ? "grayscale" : "color");
        ASSERT_TRUE(WaitFor([&] { return mode->isVisible(); }));
        Click(mode);
        Key("Return");
    });
    auto coloured = [](const QString& file) { return ColouredPixels(PdfPageImage(file, 50)); };

    // From the preview: pages 2 to 3, in gray.
    pick = {dir.filePath("preview-gray.pdf"), true, true};
    Click(preview->SpeedButton1);
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(pick.File).size() > 0; }));
    EXPECT_TRUE(rangeOffered);
    EXPECT_EQ(PdfPageCount(pick.File), 2);
    EXPECT_EQ(coloured(pick.File), 0);

    // The direct print after it offers no range and prints every page, in
    // colour or in gray as chosen.
    for (const bool gray : {false, true}) {
        pick = {dir.filePath(gray ? "direct-gray.pdf" : "direct-colour.pdf"), gray, false};
        rangeOffered = true;
        if (TPrintDialog(&printer).Execute(preview))
            rp.PrintRichEdit(&edit, 1);
        EXPECT_FALSE(rangeOffered) << gray;
        EXPECT_EQ(PdfPageCount(pick.File), pages) << gray;
        if (gray)
            EXPECT_EQ(coloured(pick.File), 0);
        else
            EXPECT_GT(coloured(pick.File), 1000);
    }
    EXPECT_TRUE(answers.Messages.isEmpty()) << answers.Messages.join(" / ").toStdString();
    Click(preview->btnClose);
    EXPECT_TRUE(WaitFor([&] { return preview.isNull(); }));
}
