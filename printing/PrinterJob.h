#pragma once
// One print job on a printer. A job that prints to a file has a PDF writer
// of its own (the printer's keeps a write error from one job into every
// later one) and writes through TFileOutput, so the file appears only when
// the job ends whole; Grayscale on the printer is drawn in gray into it.
// Failures are raised as ELinePrinter.
#include <QPainter>

#include <memory>

class QPdfWriter;
class QPrinter;
class TFileOutput;
class TGrayscaleDevice;

class TPrinterJob {
public:
    explicit TPrinterJob(QPrinter& printer);
    ~TPrinterJob(); // a job not ended is abandoned: no file is left
    TPrinterJob(const TPrinterJob&) = delete;
    TPrinterJob& operator=(const TPrinterJob&) = delete;

    // Starts the job and gives its painter; the geometry is the printer's.
    QPainter& Begin();
    QPainter& Painter() { return painter_; }
    void NewPage();
    void End();
    void Abandon();
    bool ToFile() const { return bool(file_); }

private:
    QPrinter& printer_;
    QPainter painter_;
    std::unique_ptr<TFileOutput> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<TGrayscaleDevice> gray_;
    bool active_ = false;
};
