#pragma once
// The linked Synaxarium entry: one entry of one day as a rich text with a
// keyword highlighted, opened from a related date of the Synaxarium window,
// a search result, a row of the saints index or an icon. An opener writes the
// public fields and shows the window modally; fields it leaves alone keep the
// previous opening's values.

#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class TRichEdit;

class TfrmLinkSynx : public QWidget {
    Q_OBJECT
public:
    explicit TfrmLinkSynx(QWidget* parent = nullptr);
    ~TfrmLinkSynx() override;

    // ------------------------------------------------------- fields ---
    int SynxID = 0;      // SynxHead ID of the entry's day
    int EntryNumber = 0; // Number of the entry on that day
    QString FromText;    // date of the opening window; empty unless a link
    QString Keyword;     // highlighted; empty for none
    int TextSize = 12;   // handed over, not used by the text
    QString LinkDateText;
    QString LinkGregorianText;
    QString PageHeading;
    QString EntryHeading;
    QString LinkPictureFile;
    QString LinkPictSaintName;

    // --------------------------------------------------- operations ---
    void FormShow();
    void FillEntryText();
    void AddTextHighlighted(const QString& Text);
    void AddHighlightedPiece(const QString& S);
    void AddPlainPiece(const QString& S);
    void PopupMenu1Popup();
    void mnuitmSelectAllClick();
    void btnSetFontClick();

    // ------------------------------------------------------ controls ---
    QFrame* pnlDayName = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblSynxDateGreg = nullptr;
    QToolButton* btnSynx1 = nullptr;
    QLabel* lblSynx1 = nullptr;
    QCheckBox* chkbxShowSearchWord = nullptr;
    TRichEdit* rchedtSynx = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mnuitmSelectAll = nullptr;
    QAction* mnuitmCopy = nullptr;
    QFrame* pnlClose = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QPushButton* btnSetFont = nullptr;
    QPushButton* btnClose = nullptr;

    // Opening runs FormShow first; an opening that fails stays closed.
    void setVisible(bool visible) override;

private:
    void CreateControls();
};

extern TfrmLinkSynx* frmLinkSynx;

// The opening of an entry by its day and number with a keyword, from a
// window that is not a link (search, saints index, icons list).
void OpenSynxEntry(int SynxID, int EntryNumber);
