#pragma once
// The Bible search window: all the words of a text looked up in the
// concordance, or a phrase found in the verse texts; the verses found in a
// grid, opened in the one-chapter window, copied, saved, previewed, printed.
//
//   Search.cpp        both searches, opening a verse, the output text
//   SearchLayout.cpp  the controls and their handlers

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QTableView;
class QToolButton;
class TGridModel;
class TPhraseSearch;
class TRichEdit;

class TfrmSearch : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSearch(QWidget* parent = nullptr);
    ~TfrmSearch() override;

    // ----------------------------------------------------- operations ---
    void FormShow();
    void FormClose();
    void SearchAllWords();
    bool LookupWordID(const QString& Word, int& WordID);
    void SearchPhrase();
    bool WriteSelectedVerses();
    bool WriteAllVerses();
    bool PrepareOutputText(const QString& Verb);
    void CopyVerses(const QString& Verb);
    void CopyRichEditToClipboard();
    QString BuildPrintHeader() const;
    void UpdateSelectionCount();
    int ScopeIndex() const;
    void SetScopeIndex(int index);
    bool ShowsPhraseResults() const;

    // ------------------------------------------------------- handlers ---
    void btSearchClick();
    void dbgrdSearchCellClick();
    void chkBxLiteralSearchClick();
    void rdgrpBibleScopeClick();
    void edtSearchChange();
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();
    void SpeedButton1Click();
    void mnuCopySelectionClick();
    void mnuCopyAllClick();
    void btnCloseClick();

    // ------------------------------------------------------- controls ---
    QLabel* lblSearch = nullptr;
    QLineEdit* edtSearch = nullptr;
    QPushButton* btSearch = nullptr;
    QCheckBox* chkBxLiteralSearch = nullptr;
    QCheckBox* chkbxCaseSensitive = nullptr;
    QWidget* rdgrpBibleScope = nullptr;
    QButtonGroup* scopeButtons = nullptr;
    QComboBox* dblkupcmbxBibleBooks = nullptr;
    QLabel* lblFoundRecs = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* lblOmittedWords = nullptr;
    QLabel* lblNotFoundWords = nullptr;
    QComboBox* dblkupcmbxBibleOmittedWordsw = nullptr;
    QTableView* dbgrdSearch = nullptr;
    QWidget* dbnvgtrWordVerse = nullptr;
    QLabel* lblSelectCount = nullptr;
    TRichEdit* rchedtReadings = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mnuCopySelection = nullptr;
    QAction* mnuCopyAll = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* btnClose = nullptr;
    TGridModel* gridModel = nullptr;

    // Opening runs FormShow before the window appears; closing FormClose.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FillBookCombo();
    int BookComboKey() const;
    void ShowBanner(bool on);
    QString VerseLine(const QString& citation, const QString& text) const;
    int TextSize() const;

    QStringList SearchWordList;
    QString SearchedWords;
    QString NotFoundWords;
    QString OmittedWords;
    bool AllVersesWritten = false;
    QString SavedBookFilter;
    int SavedBookOrder = 0;
    int SavedBookID = 0;
    bool searching_ = false;
    std::unique_ptr<TPhraseSearch> phrase_;
};

extern TfrmSearch* frmSearch;
