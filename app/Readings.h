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
    // True from the start of a build to its finish.
    bool Building() const { return building_; }

    void BeginBuilding();
    void SetBuildingProgressMax(int N);
    void EndBuilding(bool Expand);
    bool GotoReading(const QString& Text);

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
    QCheckBox* chkbxVerseNum = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

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

    bool building_ = false;
    std::unique_ptr<TInputHold> inputHold_;
};

extern TfrmReadings* frmReadings;
