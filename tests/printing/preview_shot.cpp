// Shows the page preview of a readings-like text on the real display and
// saves what the screen shows: preview_shot <folder> writes single.png
// (pages one and two), compact.png, zoom.png and far.png (the compact view
// of pages 97 to 104, for the widest page numbers). Run it under Xvfb with
// the X11 platform to look at the preview as users see it.
#include "Environment.h"
#include "RichEdit.h"
#include "RichPreview.h"
#include "RichPrint.h"
#include "ScriptedDialogs.h"
#include "arrowbtn.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

void fill(TRichEdit& edit, int services = 6) {
    auto run = [&](const QString& text, const QColor& colour, int size, TFontStyles style) {
        edit.SetSelStart(edit.Length());
        edit.SelAttributes().SetName(QStringLiteral("Times New Roman"));
        edit.SelAttributes().SetColor(colour);
        edit.SelAttributes().SetSize(size);
        edit.SelAttributes().SetStyle(style);
        edit.SetSelText(text);
    };
    const QString verse = QStringLiteral(
        "In the beginning was the Word, and the Word was with God, and the Word was God. "
        "The same was in the beginning with God. All things were made through him. ");
    for (int service = 0; service < services; ++service) {
        run(QStringLiteral("Liturgy %1\r\n").arg(service + 1), Qt::red, 18, fsBold);
        for (int reading = 0; reading < 4; ++reading) {
            run(QStringLiteral("John %1:1-14\r\n").arg(reading + 1), QColor(0, 0, 0x80), 14,
                fsBold | fsItalic);
            QString text;
            for (int v = 1; v <= 12; ++v)
                text += QStringLiteral("(%1) ").arg(v) + verse;
            run(text + QStringLiteral("\r\nGlory be to God forever.\r\n\r\n"), Qt::black, 12, 0);
        }
    }
}

void shot(const QString& file) {
    QTest::qWait(700);
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    // Registry and dialogs of its own; the screen is the display's.
    QTemporaryDir registry;
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope scope(dialogs);
    TEnvironment env;
    env.RegistryFolder = [&registry] { return registry.path(); };
    TEnvironmentScope envScope(env);
    InstallRichPreview();

    TRichEdit edit;
    fill(edit);
    TRichPrinter printer;
    printer.SetMarginTop(15);
    printer.SetMarginBottom(15);
    printer.SetMarginLeft(20);
    printer.SetMarginRight(20);
    printer.SetHeaderFormat(QStringLiteral("<1500"));
    printer.SetFooter(QStringLiteral("Page {$PAGE}|{$TITLE}"));
    printer.SetFooterFormat(QStringLiteral("<100|<500"));
    printer.SetTitle(QStringLiteral("Readings of the day"));
    printer.PreviewRichEdit(&edit);
    TRichPreviewForm* form = RichPreviewForm;
    shot(QDir(folder).filePath("single.png"));
    form->chkCompact->click();
    shot(QDir(folder).filePath("compact.png"));
    form->chkCompact->click();
    form->SpeedButton2Click();
    form->SpeedButton2Click();
    shot(QDir(folder).filePath("zoom.png"));
    form->close();

    TRichEdit longer;
    fill(longer, 60);
    printer.PreviewRichEdit(&longer);
    form = RichPreviewForm;
    form->chkCompact->click();
    while (form->edtPage->text().trimmed() != QStringLiteral("97-100") &&
           form->ArrowButton2->isEnabled())
        form->ArrowButton2Click();
    shot(QDir(folder).filePath("far.png"));
    form->close();
    return 0;
}
