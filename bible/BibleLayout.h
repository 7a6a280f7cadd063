#pragma once
// Small builders of the Bible windows' controls.

#include <QString>

#include <functional>

class QButtonGroup;
class TDataSet;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QWidget;
class TRichEdit;
struct TGridColumn;

namespace BibleLayout {

// A read-only rich edit with a vertical scroll bar and the pop-up menu
// "&Copy" (enabled with a selection) and "Select &All".
TRichEdit* ReadingsEdit(QWidget* parent, const QString& copyName, const QString& selectAllName);

// The grid column "Citation" of the search results and the concordance, on
// money green.
TGridColumn CitationColumn();

// The "Search In: " scope group of the concordance and the search: five
// radio buttons (ids 0..4) over the book combo, which the group's column holds.
struct TScopeGroup {
    QGroupBox* Group = nullptr;
    QButtonGroup* Buttons = nullptr;
    QComboBox* Books = nullptr;
};
TScopeGroup ScopeGroup(QWidget* parent);

} // namespace BibleLayout
