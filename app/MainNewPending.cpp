// Main-window operations that the feast pages, the verse of the day, the
// readings font and the range of readings fill in their own sources. Until
// those land, first show and refresh call these, which leave the window as it
// is. Each later source removes its function from this file.

#include "MainNew.h"

void TfrmMainNew::FillFeastTabs() {}

void TfrmMainNew::ShowVerseOfTheDay() {}

void TfrmMainNew::LoadReadingsFont() {}

void TfrmMainNew::ShowReadingsForDateRange(const QDate&, const QDate&) {}
