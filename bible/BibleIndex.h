#pragma once
// The concordance: an indexed word chosen by its beginning, from the list or
// by an initial letter, and every verse of a scope that holds it, the word
// between its left and right context; a verse opens its chapter.
//
//   BibleIndex.cpp        jumping to a word, statistics, scopes, a verse
//   BibleIndexLayout.cpp  the controls and their handlers

#include <QList>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QButtonGroup;
class QTableView;
class TGridModel;

class TfrmBibleIndex : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBibleIndex(QWidget* parent = nullptr);
    ~TfrmBibleIndex() override;

    // ----------------------------------------------------- operations ---
    void FormShow();
    void FormClose();
    void JumpToWord(const QString& Prefix);
    void ShowWordStatistics(bool Found);
    void ApplyScopeFilter();
    void FitWordColumn();
    void ShowVerseChapter();
    int ScopeIndex() const;
    void SetScopeIndex(int index);

    // ------------------------------------------------------- handlers ---
    void edtSearchChange();
    void LetterClick(QChar letter);
    void ScopeClick();
    void WordChosen(int row);

    // ------------------------------------------------------- controls ---
    QLineEdit* edtSearch = nullptr;
    QComboBox* dblkupcmbxBibleWords = nullptr;
    QWidget* dbnvgtrBibleWords = nullptr;
    QWidget* dbnvgtrWordVerse = nullptr;
    QWidget* rdgrpBibleScope = nullptr;
    QButtonGroup* scopeButtons = nullptr;
    QComboBox* dblkupcmbxBibleBooks = nullptr;
    QLabel* pnlFound = nullptr;
    QList<QLabel*> letterLabels; // A .. Z
    QPushButton* btnShowChapter = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lblWidth = nullptr;
    QTableView* dbgridWVerses = nullptr;
    TGridModel* versesModel = nullptr;
    TGridModel* wordsModel = nullptr;

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FitContextColumn();
    QString SavedBookFilter;
    int SavedBookOrder = 0;
    bool jumping_ = false;
};

extern TfrmBibleIndex* frmBibleIndex;
