#pragma once
// A paint device that passes every drawing on to another device in shades
// of gray: pens, brushes and their gradients and textures, images and
// pictures; text stays text. For a PDF writer, which has no colour mode of
// its own.
#include <QPaintDevice>

#include <memory>

class TGrayscaleEngine;

class TGrayscaleDevice : public QPaintDevice {
public:
    // target must outlive the device, and no painter may work on it while
    // one works on the device.
    explicit TGrayscaleDevice(QPaintDevice* target);
    ~TGrayscaleDevice() override;
    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPaintDevice* target_;
    std::unique_ptr<TGrayscaleEngine> engine_;
};
