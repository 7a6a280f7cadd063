#pragma once
// The Bible reader hub: a book (from a list narrowed to a part of the Bible
// or to one translation) and a chapter, shown at once in the window's own
// text; from here the whole book, the concordance and the search open. Its
// "Every Verse on a New Line" box is the reader-wide setting.
//
//   BibleMain.cpp        book information, the chapter, the filters
//   BibleMainLayout.cpp  the controls and their handlers

#include "BibleText.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class TRadioGroup;
class TRichEdit;

// What the hub hands the whole-book window.
struct TWholeBookRequest {
    int BookID = 0;
    QString BookName;
    int FirstChapter = 1;
    int LastChapter = 1;
    bool WithVerseNumbers = true;
    bool NewLinePerVerse = true;
    bool WithChapterInLabel = true;
    bool WithChapterHeadings = true;
};

class TfrmBibleMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBibleMain(QWidget* parent = nullptr);
    ~TfrmBibleMain() override;

    QString CurrentTranslationTag;

    void FormShow();
    void UpdateBookInfo();
    void ShowChapter();
    void FilterBooks();
    void ShowWholeBook();
    // The whole-book window opens here once it exists.
    void OpenWholeBook(const TWholeBookRequest& request);
    // The concordance and the Bible search open here once they exist.
    void OpenConcordance();
    void OpenSearch();

    // The book of the current row of the filtered book list; 0 when none.
    int CurrentBookID() const;
    BibleText::TBookScope Scope() const;

    // ------------------------------------------------------- handlers ---
    void BookChosen(int index); // the combo closed up on a book
    void spnedtChapterChange();
    void chkbxNKJVClick();
    void btnSetFontClick();
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();

    // ------------------------------------------------------- controls ---
    QRadioButton* rdbtnAllBooks = nullptr;
    QRadioButton* rdbtnNewTestament = nullptr;
    QRadioButton* rdbtnOldTestament = nullptr;
    QRadioButton* rdbtnSecondCanonical = nullptr;
    QCheckBox* chkbxNKJV = nullptr;
    // Hidden: its click filters the list by the scope buttons, as theirs do.
    TRadioGroup* rdgrpBibleBooks = nullptr;
    QComboBox* dblkupcmbxBibleBooks = nullptr;
    QLabel* lblChapter = nullptr;
    QSpinBox* spnedtChapter = nullptr;
    QLabel* lblChapterRange = nullptr;
    QLabel* lblBookMoreInfo = nullptr;
    QCheckBox* chkbxShowChapter = nullptr;
    QCheckBox* chkbxNewLinePerVerse = nullptr;
    // Hidden, and no choice of it changes the text.
    QLabel* lblTextSize = nullptr;
    QComboBox* cmbxTextSize = nullptr;
    QPushButton* btnSetFont = nullptr;
    QPushButton* btnShowWholeBook = nullptr;
    QPushButton* btnBibleIndex = nullptr;
    QPushButton* BitBtn2 = nullptr;
    TRichEdit* rchedtReadings = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QPushButton* btnClose = nullptr;

    void setVisible(bool visible) override;

private:
    void CreateControls();
    // The combo's items from the filtered book list; the current row selected.
    void FillBookCombo();
    QString PrintHeader() const;
    // After a failed showing the book and chapter boxes go back to what the
    // text still shows.
    void ShowWhatTheTextShows();
    int shownBook_ = 0; // of the text; 0 before a chapter was shown
    int shownChapter_ = 0;
};

extern TfrmBibleMain* frmBibleMain;
