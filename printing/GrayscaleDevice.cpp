#include "GrayscaleDevice.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QColor gray(const QColor& c) {
    const int g = qGray(c.rgb());
    return QColor(g, g, g, c.alpha());
}

QImage gray(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_Grayscale8);
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return out;
}

QBrush gray(const QBrush& brush) {
    QBrush out = brush;
    if (const QGradient* gradient = brush.gradient()) {
        QGradient g = *gradient;
        QGradientStops stops = g.stops();
        for (QGradientStop& stop : stops)
            stop.second = gray(stop.second);
        g.setStops(stops);
        out = QBrush(g);
        out.setTransform(brush.transform());
    } else if (brush.style() == Qt::TexturePattern) {
        out.setTextureImage(gray(brush.textureImage()));
    } else {
        out.setColor(gray(brush.color()));
    }
    return out;
}

QPen gray(const QPen& pen) {
    QPen out = pen;
    out.setBrush(gray(pen.brush()));
    return out;
}

} // namespace

// Hands each drawing, its state turned gray, to a painter on the target.
class TGrayscaleEngine : public QPaintEngine {
public:
    explicit TGrayscaleEngine(QPaintDevice* target) : QPaintEngine(AllFeatures), target_(target) {}

    bool begin(QPaintDevice*) override { return painter_.begin(target_); }
    bool end() override { return painter_.end(); }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& s) override {
        const DirtyFlags f = s.state();
        // The transform first: a clip is given in the coordinates it sets.
        if (f & DirtyTransform)
            painter_.setTransform(s.transform());
        if (f & DirtyPen)
            painter_.setPen(gray(s.pen()));
        if (f & DirtyBrush)
            painter_.setBrush(gray(s.brush()));
        if (f & DirtyBrushOrigin)
            painter_.setBrushOrigin(s.brushOrigin());
        if (f & DirtyFont)
            painter_.setFont(s.font());
        if (f & DirtyBackground)
            painter_.setBackground(gray(s.backgroundBrush()));
        if (f & DirtyBackgroundMode)
            painter_.setBackgroundMode(s.backgroundMode());
        if (f & DirtyClipRegion)
            painter_.setClipRegion(s.clipRegion(), s.clipOperation());
        if (f & DirtyClipPath)
            painter_.setClipPath(s.clipPath(), s.clipOperation());
        if (f & DirtyClipEnabled)
            painter_.setClipping(s.isClipEnabled());
        if (f & DirtyHints)
            painter_.setRenderHints(s.renderHints());
        if (f & DirtyCompositionMode)
            painter_.setCompositionMode(s.compositionMode());
        if (f & DirtyOpacity)
            painter_.setOpacity(s.opacity());
    }

    void drawRects(const QRectF* rects, int count) override { painter_.drawRects(rects, count); }
    void drawLines(const QLineF* lines, int count) override { painter_.drawLines(lines, count); }
    void drawEllipse(const QRectF& r) override { painter_.drawEllipse(r); }
    void drawPath(const QPainterPath& path) override { painter_.drawPath(path); }
    void drawPoints(const QPointF* points, int count) override {
        painter_.drawPoints(points, count);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        switch (mode) {
        case OddEvenMode:
            painter_.drawPolygon(points, count, Qt::OddEvenFill);
            break;
        case WindingMode:
            painter_.drawPolygon(points, count, Qt::WindingFill);
            break;
        case ConvexMode:
            painter_.drawConvexPolygon(points, count);
            break;
        case PolylineMode:
            painter_.drawPolyline(points, count);
            break;
        }
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
        painter_.drawImage(r, gray(pm.toImage()), sr);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags flags) override {
        painter_.drawImage(r, gray(image), sr, flags);
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap& pm, const QPointF& s) override {
        painter_.drawTiledPixmap(r, QPixmap::fromImage(gray(pm.toImage())), s);
    }
    // Text stays text, drawn with the gray pen.
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        painter_.drawTextItem(p, item);
    }

private:
    QPaintDevice* target_;
    QPainter painter_;
};

TGrayscaleDevice::TGrayscaleDevice(QPaintDevice* target)
    : target_(target), engine_(std::make_unique<TGrayscaleEngine>(target)) {}

TGrayscaleDevice::~TGrayscaleDevice() = default;

QPaintEngine* TGrayscaleDevice::paintEngine() const {
    return engine_.get();
}

int TGrayscaleDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return target_->width();
    case PdmHeight:
        return target_->height();
    case PdmWidthMM:
        return target_->widthMM();
    case PdmHeightMM:
        return target_->heightMM();
    case PdmNumColors:
        return target_->colorCount();
    case PdmDepth:
        return target_->depth();
    case PdmDpiX:
        return target_->logicalDpiX();
    case PdmDpiY:
        return target_->logicalDpiY();
    case PdmPhysicalDpiX:
        return target_->physicalDpiX();
    case PdmPhysicalDpiY:
        return target_->physicalDpiY();
    case PdmDevicePixelRatio:
        return int(target_->devicePixelRatio());
    case PdmDevicePixelRatioScaled:
        return int(target_->devicePixelRatio() * devicePixelRatioFScale());
    }
    return 0;
}
