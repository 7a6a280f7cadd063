#pragma once
// The search over the whole Synaxarium: entry names only, or names and
// stories; a clicked result opens in the linked-entry window with the
// searched text highlighted.

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmSynxSearchResults : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSynxSearchResults(QWidget* parent = nullptr);
    ~TfrmSynxSearchResults() override;

    QString SearchText;      // as typed, not trimmed
    bool FullSearch = false; // names and stories, else names only
    QStringList ResultKeys;  // per result line: "SynxID?Number"

    void FormShow();
    void RunSearch();
    void btnSynxSearchAllClick();
    // A click on result line k (0-based).
    void lstbxSearchResultsClick(int k);
    void OpenResult(int SynxID, int Number);

    QLineEdit* edtSynxSearchAll = nullptr;
    QPushButton* btnSynxSearchAll = nullptr;
    QCheckBox* chkbxSearchTitlesOnly = nullptr;
    QLabel* lblMatched = nullptr;
    QListWidget* lstbxSearchResults = nullptr;
    QPushButton* btnClose = nullptr;

    void setVisible(bool visible) override;

private:
    void CreateControls();
};

extern TfrmSynxSearchResults* frmSynxSearchResults;
