// The print job of the rich-text printer: the line printer layer, page
// decoration, printing a rich edit and rendering its pages for the preview.
#include "RichPrint.h"

#include "ErrorHandler.h"
#include "PrinterJob.h"
#include "RichEdit.h"
#include "RichPrintSettings.h"
#include "RichPrntProgDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>

namespace {

TRichPrinter::TPreviewWindowFactory& Factory() {
    static TRichPrinter::TPreviewWindowFactory factory;
    return factory;
}

} // namespace

void TRichPrinter::SetPreviewWindowFactory(TPreviewWindowFactory factory) {
    Factory() = std::move(factory);
}

void TRichPrinter::ApplyFont() {
    const QFontMetrics fm(DeviceFont(), printer_);
    ascent_ = fm.ascent();
    if (canvas_) {
        canvas_->setFont(DeviceFont());
        canvas_->setPen(fontColor_);
    }
}

void TRichPrinter::ShowStatus(const QString& status) {
    if (!showProgress_ || !(Printing() || preview_))
        return;
    if (!progress_) {
        progress_ = new TRichPrntProgDlg;
        progress_->SetStatus(status, Title(), pageNumber_);
        progress_->show();
    }
    progress_->SetStatus(status, Title(), pageNumber_);
}

void TRichPrinter::BeginDoc() {
    if (saveMargins_)
        LoadPrinterSettings(*this);
    ClampMargins();
    if (ContentHeight() < 1 || ContentWidth() < 1)
        throw ELinePrinter(QStringLiteral("The margins leave no room for text on the paper."));
    if (OnBeginDoc)
        OnBeginDoc(this);
    if (!preview_) {
        job_ = std::make_unique<TPrinterJob>(*printer_);
        canvas_ = &job_->Begin();
    }
    jobActive_ = true;
    ApplyFont();
    ShowStatus(preview_ ? QStringLiteral("Preparing to Print Preview")
                        : QStringLiteral("Preparing to Print"));
    lineCount_ = 0;
    pageNumber_ = firstPage_;
    StartPage();
}

void TRichPrinter::NewPage() {
    if (!preview_)
        job_->NewPage();
    ++pageNumber_;
    if (preview_)
        FlushPreviewPage(false);
    StartPage();
}

void TRichPrinter::EndDoc() {
    ShowStatus(preview_ ? QStringLiteral("Finished Preparing Preview")
                        : QStringLiteral("Finished Printing"));
    if (!preview_) {
        canvas_ = nullptr;
        const std::unique_ptr<TPrinterJob> job = std::move(job_);
        job->End();
    } else {
        FlushPreviewPage(true);
        preview_ = false;
    }
    jobActive_ = false;
    delete progress_.data();
    if (OnEndDoc)
        OnEndDoc(this);
}

void TRichPrinter::EndJobAfterError() {
    canvas_ = nullptr;
    // A print file cut short is never left behind.
    job_.reset();
    if (picturePainter_)
        picturePainter_->end();
    picturePainter_.reset();
    picture_.reset();
    preview_ = false;
    jobActive_ = false;
    delete progress_.data();
}

void TRichPrinter::StartPage() {
    ShowStatus(QStringLiteral("Currently Printing"));
    if (!header_.isEmpty()) {
        ApplyFont();
        y_ = int(std::lround((TopOffset() - LineHeight()) / 2.0)) - TopOffset();
        lineFormat_ = headerFormat_;
        PrintColumns(header_);
        if (!bitmapLogo_.isNull())
            DrawLogo();
    }
    if (!footer_.isEmpty()) {
        ApplyFont();
        y_ = (BottomOffset() - LineHeight()) / 2 + ContentHeight();
        lineFormat_ = footerFormat_;
        PrintColumns(footer_);
    }
    x_ = 0;
    y_ = 0;
    lineCount_ = 0;
    if (OnNewPage)
        OnNewPage(this);
    DrawBorders();
}

void TRichPrinter::DrawLogo() {
    if (!canvas_)
        return;
    const int lineHeight = LineHeight();
    const int x0 = LeftOffset();
    const int y0 = (TopOffset() - lineHeight) / 2 + lineHeight;
    const double pw = PaperWidth(), ph = PaperHeight();
    if (pw <= 0 || ph <= 0)
        return;
    const int cw = ContentWidth(), ch = ContentHeight();
    const int left = x0 + int(std::lround(logoLeft_ / pw * cw));
    const int top = y0 + int(std::lround(logoTop_ / ph * ch));
    const int right = left + int(std::lround(logoWidth_ / pw * cw));
    const int bottom = top + int(std::lround(logoHeight_ / ph * ch));
    const QRect r(QPoint(left, top), QPoint(right - 1, bottom - 1));
    canvas_->save();
    canvas_->setPen(QPen(Qt::black, 0, Qt::DotLine));
    canvas_->setBrush(Qt::NoBrush);
    canvas_->drawRect(r);
    canvas_->drawImage(r, bitmapLogo_);
    canvas_->restore();
}

void TRichPrinter::DrawBorders() {
    if (!canvas_ || !pageBorders_)
        return;
    const int ox = UnitToPixelsX(borderOffset_);
    const int oy = UnitToPixelsY(borderOffset_);
    const int left = LeftOffset(), top = TopOffset();
    const int cw = ContentWidth(), ch = ContentHeight();
    canvas_->save();
    canvas_->setPen(QPen(Qt::black, (DpiX() / 600) * 2));
    if (pageBorders_ & pbTop)
        canvas_->drawLine(left - oy, top - oy, left + cw + oy, top - oy);
    if (pageBorders_ & pbBottom)
        canvas_->drawLine(left - oy, top + ch + 2 * oy, left + cw + oy, top + ch + 2 * oy);
    if (pageBorders_ & pbLeft)
        canvas_->drawLine(left - ox, top - ox, left - ox, top + ch + 2 * ox);
    if (pageBorders_ & pbRight)
        canvas_->drawLine(left + cw + ox, top - ox, left + cw + ox, top + ch + 2 * ox);
    canvas_->restore();
}

void TRichPrinter::NewLine() {
    x_ = 0;
    y_ += LineHeight();
    ++lineCount_;
    if (y_ + LineHeight() >= ContentHeight())
        NewPage();
}

void TRichPrinter::PrintColumns(const QString& text) {
    const QStringList formats = SplitColumns(lineFormat_);
    const QStringList texts = SplitColumns(text);
    const QFontMetrics fm(DeviceFont(), printer_);
    const int indent = 6 * (DpiX() / 600);
    const int right = LeftOffset() + ContentWidth();
    int x = LeftOffset();
    for (int i = 0; i < formats.size(); ++i) {
        const TColumnFormat cf = ParseColumnFormat(formats[i]);
        // A column ends at the text area's edge at the latest; a text cut
        // there ends with an ellipsis, so the reader sees that it goes on.
        const int full = UnitToPixelsX(cf.Width);
        const int width = std::clamp(right - x, 0, full);
        QString t = i < texts.size() ? texts[i] : QString();
        if (t.contains(QLatin1String("{$")))
            t = ExpandMacros(t);
        if (width < full && fm.horizontalAdvance(t) > width) {
            const QString ellipsis(QChar(0x2026));
            const int room = width - fm.horizontalAdvance(ellipsis);
            t = room > 0 ? FitText(t, room) + ellipsis : QString();
        } else {
            t = FitText(t, width);
        }
        const int tw = fm.horizontalAdvance(t);
        int offset = 0;
        if (cf.Align == TColumnAlign::Right)
            offset = width - tw;
        else if (cf.Align == TColumnAlign::Center)
            offset = (width - tw) / 2;
        if (tw < width - indent) {
            if (cf.Align == TColumnAlign::Right)
                offset -= indent;
            else if (cf.Align == TColumnAlign::Left)
                offset += indent;
        }
        if (canvas_ && !t.isEmpty())
            canvas_->drawText(x + offset, TopOffset() + y_ + ascent_, t);
        x += width;
    }
    x_ = x;
    if (y_ >= 0 && y_ < ContentHeight())
        NewLine();
}

// --- Printing a rich edit -------------------------------------------------------

void TRichPrinter::PrintPages(TRichEdit* RichEdit, int FirstPage) {
    firstPage_ = FirstPage;
    try {
        BeginDoc();
        const QRectF rect(LeftOffset(), TopOffset(), ContentWidth(), ContentHeight());
        const int total = RichEdit ? RichEdit->Length() : 0;
        int first = 0;
        while (RichEdit) {
            const int next = RichEdit->FormatRange(canvas_, printer_, rect, first);
            if (next < total && next != -1 && next > first) {
                NewPage();
                first = next;
            } else {
                break;
            }
        }
        if (RichEdit)
            RichEdit->FormatRangeDone();
        EndDoc();
    } catch (...) {
        if (RichEdit)
            RichEdit->FormatRangeDone();
        EndJobAfterError();
        throw;
    }
}

void TRichPrinter::PrintRichEdit(TRichEdit* RichEdit, int FirstPage) {
    preview_ = false;
    PrintPages(RichEdit, FirstPage);
}

void TRichPrinter::StartPreviewPage() {
    preview_ = true;
    picture_ = std::make_unique<QPicture>();
    picturePainter_ = std::make_unique<QPainter>(picture_.get());
    // The printer draws from its printable area's corner; the picture is the
    // whole sheet.
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    picturePainter_->translate(qRound(page.left()), qRound(page.top()));
    canvas_ = picturePainter_.get();
    if (jobActive_)
        ApplyFont();
}

void TRichPrinter::FlushPreviewPage(bool last) {
    picturePainter_->end();
    picturePainter_.reset();
    canvas_ = nullptr;
    picture_->setBoundingRect(QRect(0, 0, PaperWidthPx(), PaperHeightPx()));
    if (sink_)
        sink_->SavePage(*picture_);
    picture_.reset();
    if (!last)
        StartPreviewPage();
}

void TRichPrinter::RenderPreviewPages(TRichEdit* RichEdit, TPreviewPageSink& sink) {
    sink_ = &sink;
    TScopeGuard clearSink([this] { sink_ = nullptr; });
    StartPreviewPage();
    PrintPages(RichEdit, 1);
    sink.EndPages();
}

void TRichPrinter::PreviewRichEdit(TRichEdit* RichEdit) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TScopeGuard restoreCursor([] { QApplication::restoreOverrideCursor(); });
    // The switch is only remembered: a store that cannot take it is no
    // reason to refuse the preview.
    try {
        SaveCompressSetting(*this);
    } catch (const std::exception& e) {
        qWarning("The preview setting was not stored: %s", e.what());
    }
    previewRatio_ = PaperWidth() > 0 ? PaperHeight() / PaperWidth() : 0;
    TPreviewPageSink* window = Factory() ? Factory()(*this) : nullptr;
    if (!window)
        throw ELinePrinter(QStringLiteral("The print preview is not available."));
    RenderPreviewPages(RichEdit, *window);
}
