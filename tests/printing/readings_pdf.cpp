// Prints the readings of several days, built by the readings window on the
// sample content, into a PDF file through the print host's printer, for a
// look page by page: readings_pdf <out.pdf> [first date yyyy-MM-dd] [days].
#include "ErrorHandler.h"
#include "MainNew.h"
#include "PrintRich.h"
#include "Readings.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "ScriptedDialogs.h"
#include "Startup.h"
#include "ZIZ_Cldr.h"

#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: readings_pdf <out.pdf> [yyyy-MM-dd] [days]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QDate first = argc > 2 ? QDate::fromString(argv[2], Qt::ISODate) : QDate::currentDate();
    const int days = argc > 3 ? std::atoi(argv[3]) : 7;

    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope scope(dialogs);
    TStartupOptions options;
    options.SplashCloseDelay = 0;
    StartUp(options);
    app.processEvents();

    TRichEdit all;
    dialogs.WhileModal = [&](QWidget*) {
        QTextCursor c(all.document());
        c.movePosition(QTextCursor::End);
        if (!all.document()->isEmpty())
            c.insertBlock();
        c.insertFragment(QTextDocumentFragment(frmReadings->rchedtReadings->document()));
    };
    for (int i = 0; i < days; ++i) {
        frmMainNew->clndrDate->SetDate(first.addDays(i));
        app.processEvents();
        frmReadings->VelmTypeID = frmMainNew->VelmTypeID;
        frmReadings->DayID = frmMainNew->DayID;
        frmReadings->ReadingTimeID = 0;
        frmReadings->AllServices = true;
        frmReadings->lblReadingTitle->setText(frmMainNew->DayName);
        ShowModal(frmReadings);
    }
    for (const auto& m : dialogs.Messages)
        std::fprintf(stderr, "message: %s\n", qPrintable(m.Text));

    QPrinter& printer = *frmPrintRich->RichPrinter1->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out);
    TRichPrinter& rp = *frmPrintRich->RichPrinter1;
    rp.SetHeader(QStringLiteral("Readings from %1").arg(first.toString("d MMMM yyyy")));
    // READINGS_PDF_SHOT=<png>: the screen while page 3 prints.
    const QString shot = qEnvironmentVariable("READINGS_PDF_SHOT");
    if (!shot.isEmpty())
        rp.OnNewPage = [&](QObject*) {
            if (rp.PageNumber() != 3)
                return;
            for (int i = 0; i < 20; ++i) {
                app.processEvents();
                QThread::msleep(50);
            }
            QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
        };
    rp.PrintRichEdit(&all, 1);
    std::printf("%d characters printed into %s\n", all.Length(), qPrintable(out));
    // READINGS_PDF_PREVIEW=<png>: the screen with the preview of the same pages.
    const QString preview = qEnvironmentVariable("READINGS_PDF_PREVIEW");
    if (!preview.isEmpty()) {
        rp.OnNewPage = nullptr;
        rp.PreviewRichEdit(&all);
        for (int i = 0; i < 20; ++i) {
            app.processEvents();
            QThread::msleep(50);
        }
        QGuiApplication::primaryScreen()->grabWindow(0).save(preview);
    }
    ShutDown();
    return 0;
}
