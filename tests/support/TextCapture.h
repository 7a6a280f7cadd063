#pragma once
// A page device for tests that draws nothing and records every text item
// painted on it, with the point where the item starts on the device.

#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QSize>
#include <QStringList>
#include <QTextItem>
#include <QTransform>

class TTextCaptureEngine : public QPaintEngine {
public:
    TTextCaptureEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & QPaintEngine::DirtyTransform)
            transform_ = s.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& ti) override {
        texts << ti.text();
        points << transform_.map(p);
    }
    Type type() const override { return QPaintEngine::User; }
    void clear() {
        texts.clear();
        points.clear();
    }

    QStringList texts;
    QList<QPointF> points; // baseline start of each text item

private:
    QTransform transform_;
};

// An A4 page at 150 dpi unless told otherwise.
class TTextCaptureDevice : public QPaintDevice {
public:
    explicit TTextCaptureDevice(const QSize& size = QSize(1240, 1754), int dpi = 150)
        : size_(size), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return qRound(size_.width() * 25.4 / dpi_);
        case PdmHeightMM:
            return qRound(size_.height() * 25.4 / dpi_);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0xffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }
    mutable TTextCaptureEngine engine;

private:
    QSize size_;
    int dpi_;
};
