// The parts of the preview windows besides the first window's commands:
// the window sizes, the page image, the rulers and the second window.
#include "RichPreview.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

int rnd(double v) {
    return int(std::lround(v));
}

// The window's frame around its client area, as the sizes below count it.
constexpr int FrameExtraWidth = 8;
constexpr int FrameExtraHeight = 27;
// Width of a window for a given image width.
constexpr double WidthPerImage = 1.0204;
// Widths the panel needs: everything, and without the zoom-step controls.
constexpr int PanelWidthAll = 417;
constexpr int PanelWidthLeast = 310;
// Height the panel needs for its lowest row of buttons (y 54, 22 high).
constexpr int PanelHeightLeast = 78;
constexpr double A4Ratio = 0.707;

constexpr int RulerDepth = 22;

} // namespace

TPreviewGeometry TPreviewGeometry::Compute(const QSize& screen, double ratio) {
    TPreviewGeometry g;
    int h = rnd(screen.height() * 0.95);
    int clientH = h - FrameExtraHeight;
    int iw = ratio > 0 ? rnd((clientH * 0.98 - 87) / ratio) : rnd((clientH * 0.98 - 87) * A4Ratio);
    if (iw > 0 && rnd(iw * WidthPerImage) > screen.width()) {
        h = rnd(h * (screen.width() / WidthPerImage) / iw);
        iw = rnd(screen.width() * 0.98);
    }
    clientH = h - FrameExtraHeight;
    int w = rnd(iw * WidthPerImage);
    int clientW = w - FrameExtraWidth;
    g.ZoomControls = rnd(clientW * 0.02) + PanelWidthAll <= clientW;
    if (!g.ZoomControls && rnd(clientW * 0.02) + PanelWidthLeast > clientW) {
        w = rnd((clientW * 0.02 + PanelWidthLeast) * WidthPerImage);
        clientW = w - FrameExtraWidth;
    }
    g.FrameWidth = w;
    g.FrameHeight = h;
    g.Client = QSize(clientW, clientH);
    g.Image = QRect(rnd(clientW * 0.01) + 18, rnd(clientH * 0.01) + 16, rnd(clientW * 0.98) - 18,
                    rnd(clientH * 0.98) - 87);
    // On a low screen the image gives up what the buttons below need.
    g.Image.setBottom(std::min(g.Image.bottom(), clientH - PanelHeightLeast - 4));
    g.Panel = QRect(0, g.Image.bottom() + 1 + 3, g.Image.width() + 22,
                    std::max(0, clientH - (g.Image.bottom() + 1 + 3)));
    return g;
}

// --- Page image --------------------------------------------------------------

TPageImage::TPageImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPageImage::SetPages(std::vector<std::optional<QPicture>> pages, int places,
                          const QSize& paperPx) {
    pages_ = std::move(pages);
    places_ = places;
    paperPx_ = paperPx;
    update();
}

int TPageImage::ShownPages() const {
    return int(std::count_if(pages_.begin(), pages_.end(), [](const auto& p) { return bool(p); }));
}

void TPageImage::DrawPage(QPainter& painter, const QPicture& page, const QRectF& target,
                          const QSize& paperPx) {
    const QSize paper = paperPx.isEmpty() ? page.boundingRect().size() : paperPx;
    if (paper.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / paper.width(), target.height() / paper.height());
    // A picture plays scaled by the device's resolution over its own; a
    // printer's page must not come out many times too large.
    if (const QPaintDevice* device = painter.device()) {
        static const QPicture reference;
        painter.scale(qreal(reference.logicalDpiX()) / device->logicalDpiX(),
                      qreal(reference.logicalDpiY()) / device->logicalDpiY());
    }
    painter.drawPicture(0, 0, page);
    painter.restore();
}

void TPageImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const int columns = places_ == 4 ? 2 : 1;
    const double w = double(width()) / columns;
    const double h = double(height()) / columns;
    for (int i = 0; i < int(pages_.size()) && i < places_; ++i) {
        if (!pages_[size_t(i)])
            continue;
        const QRectF place((i % columns) * w, (i / columns) * h, w, h);
        if (place.intersects(event->rect()))
            DrawPage(painter, *pages_[size_t(i)], place, paperPx_);
    }
}

void TPageImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && OnRightClick)
        OnRightClick();
    QWidget::mousePressEvent(event);
}

// --- Rulers ------------------------------------------------------------------

QRect RulerLabelRect(const QRect& strip, int tick, const QSize& text, bool vertical) {
    // After its tick, or before it where the strip ends too soon.
    if (vertical) {
        const int y = tick + 1 + text.height() > strip.bottom() ? tick - text.height() : tick + 1;
        return QRect(strip.left() + 1, y, RulerDepth - 2, text.height());
    }
    const int x = tick + 2 + text.width() > strip.right() ? tick - 1 - text.width() : tick + 2;
    return QRect(x, strip.top() + 1, text.width(), text.height());
}

void DrawRulers(QPainter& painter, const QScrollArea* box, const QWidget* image,
                const TPreviewPaper& paper) {
    const QRect sb = box->geometry();
    const int scrollX = box->horizontalScrollBar()->value();
    const int scrollY = box->verticalScrollBar()->value();
    const QRect left(sb.left() - RulerDepth - 1, sb.top(), RulerDepth, sb.height() + 7);
    const QRect top(sb.left(), sb.top() - RulerDepth - 1, sb.width() + 7, RulerDepth);
    const bool inches = paper.Unit == muInches;
    // A tick every 10 mm or every inch.
    const double per = inches ? 1.0 : 10.0;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(7);
    painter.save();
    painter.setFont(font);
    for (bool vertical : {true, false}) {
        const QRect strip = vertical ? left : top;
        painter.setClipping(false);
        painter.fillRect(strip, box->palette().color(QPalette::Button));
        painter.setPen(Qt::gray);
        painter.drawRect(strip.adjusted(0, 0, -1, -1));
        painter.setClipRect(strip.adjusted(1, 1, -1, -1));
        painter.setPen(Qt::black);
        const double size = vertical ? paper.Height : paper.Width;
        const int ticks = std::max(1, int(std::floor(size / per)));
        const double imageSize = vertical ? image->height() : image->width();
        const double dist = imageSize / ticks;
        // The ruler line 11 pixels in, the ticks from 5 to 17.
        if (vertical)
            painter.drawLine(strip.left() + 11, strip.top(), strip.left() + 11, strip.bottom());
        else
            painter.drawLine(strip.left(), strip.top() + 11, strip.right(), strip.top() + 11);
        for (int i = 0; i <= ticks; ++i) {
            const int at = rnd(i * dist) - (vertical ? scrollY : scrollX);
            if (vertical) {
                const int y = sb.top() + at;
                painter.drawLine(strip.left() + 5, y, strip.left() + 17, y);
            } else {
                const int x = sb.left() + at;
                painter.drawLine(x, strip.top() + 5, x, strip.top() + 17);
            }
            if (i == 0 || (!inches && i % 2 != 0))
                continue;
            const QString label = QString::number(int(i * per));
            const int tick = (vertical ? sb.top() : sb.left()) + at;
            painter.drawText(
                RulerLabelRect(strip, tick, painter.fontMetrics().size(0, label), vertical),
                Qt::AlignLeft | Qt::AlignTop, label);
        }
    }
    painter.restore();
}
