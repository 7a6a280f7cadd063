#pragma once
// The readings window: the tree of services and citations on the left and
// the formatted readings on the right, for one service, one day or a range
// of days. Openers fill the parameter block and show the window modally; its
// show handler builds the text.
//
// Member functions are spread over several sources:
//   Readings.cpp       creation, controls, show handler, building helpers
//   ReadingsDay.cpp    the readings of one day
//   ReadingsFormat.cpp citations, headings, passages, tags, closing sentences
//   ReadingsRange.cpp  the readings of a range of days
//   ReadingsCommands.cpp tree, rebuilds, printing, copying, the Bible link,
//                      closing

#include "ReadingsParameters.h"
#include "ReadingsRules.h"

#include <QColor>
#include <QDate>
#include <QDialog>
#include <QFont>

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QAction;
class QToolButton;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class TRichEdit;
class TInputHold;

// The state of the check box "Show Verse Number", passed to passage texts.
extern bool ShowVerseNumbers;

class TfrmReadings : public QDialog, public TReadingsParameters {
    Q_OBJECT
public:
    explicit TfrmReadings(QWidget* parent = nullptr);
    ~TfrmReadings() override;

    // ------------------------------------------------------- own state ---
    int ReadingType = 0;
    int TextSize = ReadingsRules::DefaultTextSize;
    QDate ReadingsDate;

    void FormCreate();
    void FormShow();

    // ---------------------------------------------------------- builds ---
    void BuildDayReadings(bool Standalone, const QString& DayNodeText);
    void BuildRangeReadings();
    void GetRangeTitle(QString& Title);
    // True from the start of a build to its finish.
    bool Building() const { return building_; }

    void BeginBuilding();
    void SetBuildingProgressMax(int N);
    void EndBuilding(bool Expand);
    // Searches from position From (0: the whole text).
    bool GotoReading(const QString& Text, int From = 0);

    // ------------------------------------------------------- commands ---
    void trvwCitiationsClick();
    void chkbxTreeSmartExpansionClick();
    void btnExpandTreeClick();
    void btnMinimizeTreeClick();
    void chkbxVerseNumClick();
    void btnSetFontClick();
    // One day again from the unchanged parameters, or the whole range.
    void Rebuild();
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();
    void OpenBibleAtCitation();
    void ShowBibleChapter(const QString& BookName, int BookID, int Chapter, int Verse);
    // The main window goes back to the date it showed when this window was
    // opened.
    void HandBackDate();

    // ------------------------------------------------------ formatting ---
    void BuildCitation(QString& Result);
    void AddServiceHeading(const QString& Text, bool BlankLineBefore, bool BlankLineAfter,
                           bool RuleBefore, bool RuleAfter, const QColor& Colour);
    void AddReadingHeading(const QString& Text);
    void AppendPassage(TRichEdit& RichEdit, QString& Passage, QString& Closing,
                       QProgressBar* ProgressBar, const QString& Tag, bool StepProgress);
    void GetTranslationTag(int BookID, QString& Tag);
    void GetClosingSentence(int BookID, int ReadingType, int VelmTypeID, QString& Result);

    // ------------------------------------------------------- controls ---
    QLabel* lblReadingTitle = nullptr;
    QSplitter* splitter = nullptr;
    QFrame* pnlLeft = nullptr;
    QTreeWidget* trvwCitiations = nullptr;
    TRichEdit* rchedtReadings = nullptr;
    QCheckBox* chkbxTreeSmartExpansion = nullptr;
    QPushButton* btnExpandTree = nullptr;
    QPushButton* btnMinimizeTree = nullptr;
    QCheckBox* chkbxVerseNum = nullptr;
    QPushButton* btnSetFont = nullptr;
    QToolButton* BitBtn1 = nullptr;
    QFrame* pnlOptions = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QMenu* mnuTree = nullptr;
    QAction* ShowBibleChapter1 = nullptr;
    QMenu* mnuText = nullptr;
    QAction* mnuitmCopy = nullptr;
    QAction* SelectAll1 = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    // The main window's readings font, read at the moment of writing.
    QFont ReadingsFont() const;
    // Appends text in the style of its kind; service headings take colour.
    void AppendStyledRun(TRichEdit& edit, ReadingsRules::TRunKind kind, const QString& text,
                         const QColor& colour = QColor());
    void NewLine(TRichEdit& edit);
    // Lets the progress window repaint; user input to the held windows waits.
    void LetPendingMessagesRun();
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& text);
    void CreateCommands(QWidget* treePanel);
    // Widens the tree's pane, never narrows it, so its top nodes (the days
    // of a range) show whole, as far as the pane may grow.
    void FitTreeToTopNodes();
    void ConnectCommands();
    // Where the text of a range day's nodes is looked for (see MarkDayNode).
    static constexpr int SearchFromRole = Qt::UserRole;
    static constexpr int ChildrenSearchFromRole = Qt::UserRole + 1;
    void MarkDayNode(int dayStart, int headingStart, bool withSynaxarium);
    int SearchStartOf(const QTreeWidgetItem* node) const;
    QString PrintHeader() const;
    // "Expand Only Current Hour": the selected node is the one open branch.
    void ExpandOnlyCurrentNode();
    // A node chosen with the keys shows its reading as a click does; the
    // keys stay in the tree.
    void ShowNodeReadingByKey();
    // The caret and the view at the start of the text, or at its end.
    void GotoTextEnd(bool end);

    bool building_ = false;
    // Set by Esc or the progress window's close while a build runs.
    bool stopAsked_ = false;
    // A node chosen with the mouse opens only once the button is up.
    bool treeMouseDown_ = false;
    bool expandPending_ = false;
    std::unique_ptr<TInputHold> inputHold_;
};

extern TfrmReadings* frmReadings;
