#pragma once
// The one-chapter window: one chapter of one Bible book with its verse
// numbers, highlighted words or phrase, stepping within the book, find, and
// printing. Openers fill the parameter block and the highlight controls,
// then show it modally. Its passage writer also fills the reader hub's text.
//
//   BibleChapter.cpp        showing, the passage writer, verses, find
//   BibleChapterLayout.cpp  the controls and their handlers

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class TRichEdit;

class TfrmBibleChapter : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBibleChapter(QWidget* parent = nullptr);
    ~TfrmBibleChapter() override;

    // ------------------------------------------------ parameter block ---
    QString PassageText; // the chapter last fetched; written by the window
    int BookID = 0;
    QString BookName;
    QString TranslationTag;
    int Chapter = 1;
    int FirstChapter = 1;
    int LastChapter = 1;
    int FirstVerse = 0; // written by the window
    int LastVerse = 0;  // written by the window
    int StartSkipWords = 0;
    int EndSkipWords = 0;
    bool WithVerseNumbers = true;
    int FontSize = 12; // from the readings font at every show
    bool NewLinePerVerse = true;
    bool WithChapterInLabel = true;
    bool WithChapterHeadings = true;
    bool FindFromStart = true;
    QStringList HighlightList; // upper-cased words of word mode
    int TargetVerse = 0;       // 0: the chapter's first verse
    int VerseLength = 0;       // the selection covers this and the verse's number
    bool SelectVerse = false;

    // ----------------------------------------------------- operations ---
    void FormShow();
    void ShowChapter(bool Select);
    void WritePassage(TRichEdit* RichEdit, const QString& Text, QProgressBar* ProgressBar,
                      bool HighlightOn, const QString& Tag, bool StepPerHeading, int Size);
    bool GotoVerse(TRichEdit* RichEdit, int Verse, bool Select);
    void BuildHighlightList(const QString& Text);
    bool IsHighlightWord(const QString& Word) const;
    void Rehighlight();
    bool FindNext(const QString& SearchText, TRichEdit* RichEdit, bool FromStart);

    // ------------------------------------------------------- handlers ---
    void btSearchClick();
    void HighlightClick(); // btnHighlight and the two highlight check boxes
    // The highlight text, "As Phrase" and "Highlight Now" are enabled
    // exactly while "No Highlight" is unchecked.
    void EnableHighlightControls();
    void spdbtnPrevDayClick();
    void spdbtnNextDayClick();
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();

    // ------------------------------------------------------- controls ---
    QLabel* lblBookAndChapter = nullptr;
    QToolButton* spdbtnPrevDay = nullptr;
    QToolButton* spdbtnNextDay = nullptr;
    QLineEdit* edtSearch = nullptr;
    QPushButton* btSearch = nullptr;
    QLineEdit* edtHighlight = nullptr;
    QCheckBox* chkbxNoHighlight = nullptr;
    QCheckBox* chkbxAsPhrase = nullptr;
    QPushButton* btnHighlight = nullptr;
    TRichEdit* rchedtReadings = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QPushButton* btnClose = nullptr;

    // Opening runs FormShow before the window appears, as a show handler
    // does; closing resets the target verse and its selection.
    void setVisible(bool visible) override;

private:
    void CreateControls();
    QString PrintHeader() const;
    // Shows another chapter of the book; after a failure the window shows
    // the chapter it showed.
    void StepTo(int chapter);
};

extern TfrmBibleChapter* frmBibleChapter;

// Steps the progress window's bar once; nothing when there is none.
void StepBuildingBar();
