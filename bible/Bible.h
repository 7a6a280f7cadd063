#pragma once
// The whole-book window: every chapter of one book in one text, a tree of
// the chapters for jumping, find, and printing. The hub fills the
// parameters and shows it modally.

#include <QString>
#include <QWidget>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidget;
class TRichEdit;

class TfrmBible : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBible(QWidget* parent = nullptr);
    ~TfrmBible() override;

    // ------------------------------------------------ parameter block ---
    int BookID = 0;
    QString BookName;
    int FirstChapter = 1;
    int LastChapter = 1;
    int FirstVerse = 0; // written by the window
    int LastVerse = 0;  // written by the window
    int StartSkipWords = 0;
    int EndSkipWords = 0;
    bool WithVerseNumbers = true;
    bool NewLinePerVerse = true;
    bool WithChapterInLabel = true;
    bool WithChapterHeadings = true;
    bool FindFromStart = true;
    QString TranslationTag;

    // ----------------------------------------------------- operations ---
    void FormShow();
    void WritePassage(TRichEdit* RichEdit, const QString& Text, QProgressBar* ProgressBar,
                      const QString& Tag, bool StepPerHeading);
    bool ScrollToText(const QString& Text);
    bool FindNext(const QString& SearchText, TRichEdit* RichEdit, bool FromStart);
    QString PrintHeader() const;

    // ------------------------------------------------------- handlers ---
    void trvwCitiationsClick();
    void btSearchClick();
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();

    // ------------------------------------------------------- controls ---
    QTreeWidget* trvwCitiations = nullptr;
    QLineEdit* edtSearch = nullptr;
    QPushButton* btSearch = nullptr;
    TRichEdit* rchedtReadings = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QPushButton* btnClose = nullptr;

    void setVisible(bool visible) override;

private:
    void CreateControls();
};

extern TfrmBible* frmBible;
