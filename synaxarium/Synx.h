#pragma once
// The Synaxarium window: one Coptic day's entries (at most twelve) with their
// icons and related dates above the day's text, stepping from day to day and
// the Gregorian year in which the day's date is shown. The main window opens
// it modally at one of its saints; the writers of every Synaxarium text are
// its methods too, called on frmSynx by the other windows.
//
//   Synx.cpp        opening, one day's entries, stepping, the year
//   SynxLayout.cpp  the controls and their placement
//   SynxCommands.cpp printing, font, copying, the links and the other windows

#include "SynxDay.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QToolButton;
class TRichEdit;
class TUpDown;

// Per list slot, indexed 1..12 like the slots; element 0 is unused.
template <class T> using TSlots = std::array<T, MaxSynxEntries + 1>;

class TfrmSynx : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSynx(QWidget* parent = nullptr);
    ~TfrmSynx() override;

    // --------------------------------------------------------- fields ---
    int EntryToShow = 1; // entry to scroll to when a day is shown
    int SynxID = 0;      // SynxHead ID of the shown day
    QString DateCaption; // "Tut 5"
    TSlots<int> LinkHeadID{};
    TSlots<int> LinkEntryNumber{};
    TSlots<int> LinkHeadIDB{};
    TSlots<int> LinkEntryNumberB{};
    TSlots<QString> EntryKeyword;
    TSlots<QString> EntryPictureFile;
    TSlots<QString> EntryPictSaintName;
    int TextSize = 12;
    int ShownMonth = 0;
    int ShownDay = 0;

    // ----------------------------------------------------- operations ---
    void FormCreate();
    void FormShow();
    void ShowSynxDay(int ID);
    void FillSynxEntries();
    void StepDay(bool Forward);
    void spdbtnPrevDayClick() { StepDay(false); }
    void spdbtnNextDayClick() { StepDay(true); }
    QString BrowseGregorianText();
    QString GetEntryKeyword(int SynxID, int Number);
    void updwnSynxYearClick();
    // A click on the label of slot n.
    void lblSynxClick(int n);

    // Shared writers of the Synaxarium texts, in the readings font of the
    // moment and the selected Gregorian year; they read no field of this
    // window.
    void AddRichHeading(TRichEdit* RichEdit, const QString& Text, bool BlankLine, bool RuleBefore,
                        bool RuleAfter, const QColor& Color);
    void AddRichBody(TRichEdit* RichEdit, const QString& Text);
    QString CopticToGregorianText(int CopticMonth, int CopticDay);
    bool GoToEntry(TRichEdit* RichEdit, int N);
    // Appends the Synaxarium section of a day of the readings to RichEdit
    // (hidden, and left hidden) and hands back its title; with WriteText
    // false only the title is made. SynxID 0 takes the day under the browse
    // cursor.
    void AppendSynxToRichEdit(int SynxID, bool WriteText, bool WithDescriptions, bool ReadInChurch,
                              TRichEdit* RichEdit, QString& Title);

    // Call points of the windows that the icons and related dates open.
    void ShowIconPicture(const QString& PictureFile, const QString& PictSaintName);
    void OpenLinkedEntry(int HeadID, int EntryNumber, const QString& Keyword);

    // Commands.
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();
    void btnSetFontClick();
    void cmbxTextSizeChange();
    void btnSynxSearchAllClick();
    void chkbxSearchTitlesOnlyClick();
    void btnSynxSaintsShowClick();
    void BitBtn1Click();
    void PopupMenu1Change();
    void mnuitmSelectAllClick();
    void mnuitmCopyClick();

    // ------------------------------------------------------- controls ---
    QFrame* pnlTitle = nullptr;
    QFrame* pnlDayName = nullptr;
    QToolButton* spdbtnPrevDay = nullptr;
    QLabel* lblSynxDate = nullptr;
    QToolButton* spdbtnNextDay = nullptr;
    QLabel* lblSynxDateGreg = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* btnSynxSaintsShow = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLineEdit* edtGregYear = nullptr;
    TUpDown* updwnSynxYear = nullptr;
    QFrame* pnlSearch = nullptr;
    QLineEdit* edtSynxSearchAll = nullptr;
    QCheckBox* chkbxSearchTitlesOnly = nullptr;
    QPushButton* btnSynxSearchAll = nullptr;

    QSplitter* splitter = nullptr;
    QScrollArea* scrlbxTop = nullptr;
    QFrame* pnlLeft = nullptr;
    QFrame* pnlRight = nullptr;
    TSlots<QLabel*> lblSynx{};
    TSlots<QToolButton*> btnSynx{};
    TSlots<QLabel*> lblLink{};
    TSlots<QLabel*> lblLinkB{};
    TRichEdit* rchedtSynx = nullptr;

    QFrame* pnlClose = nullptr;
    QFrame* pnlPrinting = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    QLabel* lblTextSize = nullptr;
    QComboBox* cmbxTextSize = nullptr;
    QPushButton* btnSetFont = nullptr;
    QPushButton* btnClose = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mnuitmSelectAll = nullptr;
    QAction* mnuitmCopy = nullptr;

    // The entry list: a title row, then one row an entry; its height for k
    // entries, held within the list's limits.
    static constexpr int ListTitleHeight = 30;
    static constexpr int ListRowHeight = 19;
    static int ListHeight(int entries);

    // Opening runs FormShow before the window appears, as a show handler does.
    void setVisible(bool visible) override;

private:
    void CreateControls();
    void ConnectCommands();
    QWidget* CreateTitleBar();
    QWidget* CreateEntryList();
    QWidget* CreateBottomBar();
    void ShowSlot(int k, const TSynxEntry& entry);
    void HideSlot(int k);
    void SetListRows(int entries);
    void ShowGregorianDate(const QString& text, int year);
    // The shown month and day of the day with that ID; ID 0 takes the
    // browse table's current day and its ID.
    void LocateShownDay(int ID);
};

extern TfrmSynx* frmSynx;
