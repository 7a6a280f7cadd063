#include "PrinterJob.h"

#include "FileOutput.h"
#include "GrayscaleDevice.h"
#include "RichPrint.h"

#include <QPdfWriter>
#include <QPrinter>

namespace {

bool PrintsToFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

} // namespace

TPrinterJob::TPrinterJob(QPrinter& printer) : printer_(printer) {}

TPrinterJob::~TPrinterJob() {
    Abandon();
}

QPainter& TPrinterJob::Begin() {
    if (!PrintsToFile(printer_)) {
        if (!painter_.begin(&printer_))
            throw ELinePrinter(QStringLiteral("Not be able to start the printing."));
        active_ = true;
        return painter_;
    }
    const QString name = printer_.outputFileName();
    file_ = std::make_unique<TFileOutput>(name);
    if (!file_->Open())
        throw ELinePrinter(file_->OpenFailure());
    writer_ = std::make_unique<QPdfWriter>(file_->Device());
    writer_->setResolution(printer_.resolution());
    QPageLayout layout = printer_.pageLayout();
    layout.setMode(printer_.fullPage() ? QPageLayout::FullPageMode : QPageLayout::StandardMode);
    writer_->setPageLayout(layout);
    writer_->setTitle(printer_.docName());
    writer_->setCreator(printer_.creator());
    writer_->setPdfVersion(printer_.pdfVersion());
    QPaintDevice* device = writer_.get();
    if (printer_.colorMode() == QPrinter::GrayScale) {
        gray_ = std::make_unique<TGrayscaleDevice>(writer_.get());
        device = gray_.get();
    }
    if (!painter_.begin(device))
        throw ELinePrinter(QStringLiteral("Not be able to start the printing."));
    active_ = true;
    return painter_;
}

void TPrinterJob::NewPage() {
    if (!file_) {
        if (!printer_.newPage())
            throw ELinePrinter(QStringLiteral("Not be able to print a new page."));
        return;
    }
    // A file error passes its own message: the file and the system's reason.
    if (!writer_->newPage() || file_->Failed())
        throw ELinePrinter(file_->WriteFailure());
}

void TPrinterJob::End() {
    active_ = false;
    const bool ended = painter_.end();
    if (!file_) {
        if (!ended)
            throw ELinePrinter(QStringLiteral("Not be able to end the printing."));
        return;
    }
    gray_.reset();
    writer_.reset();
    if (ended && file_->Commit()) {
        file_.reset();
        return;
    }
    // A file error passes its own message; the file cut short goes.
    const QString failure = file_->ErrorString().isEmpty()
                                ? QStringLiteral("Not be able to print to a file.")
                                : file_->WriteFailure();
    file_.reset();
    throw ELinePrinter(failure);
}

void TPrinterJob::Abandon() {
    if (active_ && !file_)
        printer_.abort();
    active_ = false;
    if (painter_.isActive())
        painter_.end();
    gray_.reset();
    writer_.reset();
    if (file_)
        file_->Cancel();
    file_.reset();
}
