#include "PreviewView.h"

#include <algorithm>
#include <cmath>

namespace {

// Steps such as 0.1 do not add up exactly; a zoom this close to 1 is 1.
double snapToOne(double zoom) {
    return std::abs(zoom - 1.0) < 1e-9 ? 1.0 : zoom;
}

} // namespace

void TPreviewView::EndBuilding() {
    building_ = false;
    index_ = 0;
}

void TPreviewView::SetCompact(bool on) {
    compact_ = on;
    index_ = 0;
}

int TPreviewView::Index() const {
    return building_ ? std::max(0, LastIndex()) : index_;
}

int TPreviewView::CountOf(int window) const {
    const int first = FirstOf(window);
    if (first < 0 || first > LastIndex())
        return 0;
    return std::min(PagesPerWindow(), LastIndex() - first + 1);
}

QString TPreviewView::PageText(int window) const {
    const int first = FirstOf(window) + 1;
    if (!compact_)
        return QStringLiteral("%1").arg(first, 4);
    const int last = first + std::max(1, CountOf(window)) - 1;
    return last == first ? QString::number(first)
                         : QString::number(first) + QLatin1Char('-') + QString::number(last);
}

void TPreviewView::Next() {
    if (compact_)
        index_ += Step();
    else
        index_ = std::min(index_ + Step(), std::max(0, LastIndex()));
}

void TPreviewView::Previous() {
    index_ = std::max(0, std::min(index_, LastIndex()) - Step());
}

void TPreviewView::End() {
    const int last = std::max(0, LastIndex());
    // The last group starts at a multiple of the step, so its pages are the
    // pages of the last printed sheet.
    if (compact_ || second_)
        index_ = last / Step() * Step();
    else
        index_ = last;
}

bool TPreviewView::GoToTyped(const QString& text) {
    bool ok = false;
    int number = text.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > pageCount_)
        return false;
    if (compact_ && !second_) {
        index_ = 0;
        return true;
    }
    if (compact_)
        number = (number - 1) / Step() * Step() + 1;
    else if (second_ && number % 2 == 0)
        --number;
    index_ = number - 1;
    return true;
}

void TPreviewView::Larger() {
    zoom_ = snapToOne(std::min(zoom_ + zoomStep_, MaxZoom));
}

void TPreviewView::Smaller() {
    zoom_ = snapToOne(std::max(zoom_ - zoomStep_, 1.0));
}

void TPreviewView::SetZoomStepText(const QString& text) {
    bool ok = false;
    const double step = text.trimmed().toDouble(&ok);
    zoomStep_ = ok && std::isfinite(step) && step >= 0 ? step : FallbackZoomStep;
}

int TPreviewView::SheetCount() const {
    return compact_ ? (pageCount_ + PagesPerCompactWindow - 1) / PagesPerCompactWindow : pageCount_;
}

int TPreviewView::PageOnSheet(int sheet, int place) const {
    const int page = compact_ ? sheet * PagesPerCompactWindow + place : sheet + place;
    const int places = compact_ ? PagesPerCompactWindow : 1;
    return place >= 0 && place < places && page >= 0 && page < pageCount_ ? page : -1;
}
