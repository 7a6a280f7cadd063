#pragma once
// What a page preview shows where, and how its commands move it: one page
// per window, or four in compact mode; a second window shows the pages that
// follow the first window's. No widget here, so tests drive it directly.
#include <QString>

#include <optional>

class TPreviewView {
public:
    static constexpr double MaxZoom = 8.0;
    static constexpr double DefaultZoomStep = 0.25;
    // What the zoom step becomes when its edit holds no number.
    static constexpr double FallbackZoomStep = 0.1;
    static constexpr int PagesPerCompactWindow = 4;

    int PageCount() const { return pageCount_; }
    int LastIndex() const { return pageCount_ - 1; }
    // A new page was saved; while building, the newest page is shown.
    void AddPage() { ++pageCount_; }

    bool Building() const { return building_; }
    // Building ends: the view returns to the first page.
    void EndBuilding();

    bool Compact() const { return compact_; }
    void SetCompact(bool on); // back to the first page
    bool Second() const { return second_; }
    void SetSecond(bool on) { second_ = on; }

    // The first page shown (the index of the newest page while building).
    int Index() const;
    void SetIndex(int index) { index_ = index; }
    // Pages in one window, and how far a next or previous command moves.
    int PagesPerWindow() const { return compact_ ? PagesPerCompactWindow : 1; }
    int Step() const { return PagesPerWindow() * (second_ ? 2 : 1); }
    // First page index of a window (0 first, 1 second), and how many of its
    // places hold a page (0 when the window has nothing to show).
    int FirstOf(int window) const { return Index() + window * PagesPerWindow(); }
    int CountOf(int window) const;
    // The page number text of a window: one page right-aligned in four
    // characters, a compact group as "first-last" or one number.
    QString PageText(int window) const;

    void Next();
    void Previous();
    void Home() { index_ = 0; }
    void End();
    bool NextEnabled() const { return index_ + Step() - 1 < LastIndex(); }
    bool PreviousEnabled() const { return index_ > 0; }
    // A number typed into the page edit: false when it names no page. In
    // compact mode without the second window the view returns to page 1.
    bool GoToTyped(const QString& text);

    double Zoom() const { return zoom_; }
    double ZoomStep() const { return zoomStep_; }
    void Larger();
    void Smaller();
    void ResetZoom() { zoom_ = 1.0; }
    bool SmallerEnabled() const { return zoom_ != 1.0; }
    // The step edit's text; no number gives the fallback step.
    void SetZoomStepText(const QString& text);

    // Printing: the sheets offered (pages, or groups of four when compact)
    // and the page on one place of a sheet (-1: none).
    int SheetCount() const;
    int PageOnSheet(int sheet, int place) const;

private:
    int pageCount_ = 0;
    int index_ = 0;
    bool building_ = true;
    bool compact_ = false;
    bool second_ = false;
    double zoom_ = 1.0;
    double zoomStep_ = DefaultZoomStep;
};
