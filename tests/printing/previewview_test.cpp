#include "PreviewView.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TPreviewView viewOf(int pages, bool second, bool compact) {
    TPreviewView v;
    for (int i = 0; i < pages; ++i)
        v.AddPage();
    v.EndBuilding();
    v.SetSecond(second);
    v.SetCompact(compact);
    return v;
}

struct MoveCase {
    const char* Name;
    int Pages;
    bool Second;
    bool Compact;
    std::function<void(TPreviewView&)> Commands;
    int Index;
    bool Next;
    bool Previous;
    const char* FirstText;
};

TEST(PreviewView, CommandsMoveTheViewAndEnableTheArrows) {
    const MoveCase cases[] = {
        {"one page", 1, false, false, [](TPreviewView&) {}, 0, false, false, "   1"},
        {"next", 5, false, false, [](TPreviewView& v) { v.Next(); }, 1, true, true, "   2"},
        {"next stops at the last", 3, false, false,
         [](TPreviewView& v) {
             for (int i = 0; i < 5; ++i)
                 v.Next();
         },
         2, false, true, "   3"},
        {"pairs step by two", 5, true, false,
         [](TPreviewView& v) {
             v.Next();
             v.Next();
         },
         4, false, true, "   5"},
        {"pair of two pages", 2, true, false, [](TPreviewView&) {}, 0, false, false, "   1"},
        {"previous from the end", 5, false, false,
         [](TPreviewView& v) {
             v.End();
             v.Previous();
         },
         3, true, true, "   4"},
        {"end of pairs is even", 6, true, false, [](TPreviewView& v) { v.End(); }, 4, false, true,
         "   5"},
        {"compact next", 9, false, true, [](TPreviewView& v) { v.Next(); }, 4, true, true, "5-8"},
        {"compact last group", 5, false, true, [](TPreviewView& v) { v.Next(); }, 4, false, true,
         "5"},
        {"compact end", 7, false, true, [](TPreviewView& v) { v.End(); }, 4, false, true, "5-7"},
        {"compact pairs end", 20, true, true, [](TPreviewView& v) { v.End(); }, 16, false, true,
         "17-20"},
        {"home", 5, false, false,
         [](TPreviewView& v) {
             v.End();
             v.Home();
         },
         0, true, false, "   1"},
        {"typed page", 5, false, false, [](TPreviewView& v) { v.GoToTyped(" 3 "); }, 2, true, true,
         "   3"},
        {"typed last page", 5, false, false, [](TPreviewView& v) { v.GoToTyped("5"); }, 4, false,
         true, "   5"},
        {"typed even page of a pair", 6, true, false, [](TPreviewView& v) { v.GoToTyped("4"); }, 2,
         true, true, "   3"},
        {"typed page in compact pairs", 20, true, true, [](TPreviewView& v) { v.GoToTyped("12"); },
         8, true, true, "9-12"},
        {"typed page in compact", 9, false, true,
         [](TPreviewView& v) {
             v.Next();
             v.GoToTyped("7");
         },
         0, true, false, "1-4"},
        {"typed page out of range", 5, false, false,
         [](TPreviewView& v) {
             v.Next();
             EXPECT_FALSE(v.GoToTyped("6"));
             EXPECT_FALSE(v.GoToTyped("0"));
             EXPECT_FALSE(v.GoToTyped("x"));
         },
         1, true, true, "   2"},
        {"compact switch returns to the start", 5, false, false,
         [](TPreviewView& v) {
             v.Next();
             v.SetCompact(true);
         },
         0, true, false, "1-4"},
    };
    for (const MoveCase& c : cases) {
        TPreviewView v = viewOf(c.Pages, c.Second, c.Compact);
        c.Commands(v);
        EXPECT_EQ(v.Index(), c.Index) << c.Name;
        EXPECT_EQ(v.NextEnabled(), c.Next) << c.Name;
        EXPECT_EQ(v.PreviousEnabled(), c.Previous) << c.Name;
        EXPECT_EQ(v.PageText(0).toStdString(), std::string(c.FirstText)) << c.Name;
    }
}

TEST(PreviewView, BuildingShowsTheNewestPageThenTheFirst) {
    TPreviewView v;
    v.AddPage();
    v.AddPage();
    v.AddPage();
    EXPECT_EQ(v.Index(), 2);
    v.EndBuilding();
    EXPECT_EQ(v.Index(), 0);
}

TEST(PreviewView, SecondWindowShowsTheFollowingPagesOrNothing) {
    TPreviewView v = viewOf(7, true, false);
    v.End();
    EXPECT_EQ(v.FirstOf(1), 7);
    EXPECT_EQ(v.CountOf(1), 0);
    v.Previous();
    EXPECT_EQ(v.CountOf(1), 1);
    EXPECT_EQ(v.PageText(1).toStdString(), "   6");
    v.SetCompact(true);
    EXPECT_EQ(v.CountOf(0), 4);
    EXPECT_EQ(v.CountOf(1), 3);
    EXPECT_EQ(v.PageText(1).toStdString(), "5-7");
}

TEST(PreviewView, ZoomStepsStopAtOneAndAtTheCap) {
    TPreviewView v;
    EXPECT_FALSE(v.SmallerEnabled());
    v.Larger();
    EXPECT_DOUBLE_EQ(v.Zoom(), 1.25);
    EXPECT_TRUE(v.SmallerEnabled());
    v.Smaller();
    v.Smaller();
    EXPECT_DOUBLE_EQ(v.Zoom(), 1.0);
    EXPECT_FALSE(v.SmallerEnabled());
    for (int i = 0; i < 100; ++i)
        v.Larger();
    EXPECT_DOUBLE_EQ(v.Zoom(), TPreviewView::MaxZoom);
    v.ResetZoom();
    // Tenths do not add up exactly in binary; back at one is one.
    v.SetZoomStepText("0.100");
    for (int i = 0; i < 7; ++i)
        v.Larger();
    for (int i = 0; i < 7; ++i)
        v.Smaller();
    EXPECT_FALSE(v.SmallerEnabled());
    v.SetZoomStepText(" .   ");
    EXPECT_DOUBLE_EQ(v.ZoomStep(), TPreviewView::FallbackZoomStep);
}

TEST(PreviewView, SheetsArePagesOrGroupsOfFour) {
    TPreviewView v = viewOf(5, false, false);
    EXPECT_EQ(v.SheetCount(), 5);
    EXPECT_EQ(v.PageOnSheet(4, 0), 4);
    v.SetCompact(true);
    EXPECT_EQ(v.SheetCount(), 2);
    EXPECT_EQ(v.PageOnSheet(1, 0), 4);
    EXPECT_EQ(v.PageOnSheet(1, 1), -1);
    EXPECT_EQ(v.PageOnSheet(0, 3), 3);
}

} // namespace
