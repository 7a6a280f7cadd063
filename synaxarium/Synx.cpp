#include "Synx.h"

#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "Picture.h"
#include "RichEdit.h"
#include "Shell.h"
#include "SynxText.h"
#include "TableEngine.h"
#include "UpDown.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QToolButton>

#include <algorithm>

TfrmSynx* frmSynx = nullptr;

namespace {

const QString CaptionPrefix = QStringLiteral("The Coptic Synaxarium Readings for: ");
const QString TwoTabs = QStringLiteral("\t\t");

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

// Hides a widget's repaints while its text is rewritten.
class TFrozen {
public:
    explicit TFrozen(QWidget* w) : w_(w) { w_->setUpdatesEnabled(false); }
    ~TFrozen() { w_->setUpdatesEnabled(true); }

private:
    QWidget* w_;
};

} // namespace

TfrmSynx::TfrmSynx(QWidget* parent) : QWidget(parent) {
    CreateControls();
    FormCreate();
}

TfrmSynx::~TfrmSynx() {
    if (frmSynx == this)
        frmSynx = nullptr;
}

void TfrmSynx::FormCreate() {
    TextSize = 12;
    EntryToShow = 1;
}

void TfrmSynx::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOnScreen(this);
    }
    QWidget::setVisible(visible);
}

void TfrmSynx::FormShow() {
    if (const QSize large = LargeFontsSize({810, 600}); !large.isEmpty())
        resize(large);

    TTable& head = MainDM->tblSynxHead;
    ShownMonth = Int(head, "Month");
    ShownDay = Int(head, "Day");
    MainDM->tblSynxHdBrowse.FindKey({ShownMonth, ShownDay});
    ShowSynxDay(SynxID);

    const int year = DayState->DayEngine->Year;
    DayState->SelectedGregorianYear = quint16(year);
    updwnSynxYear->SetPosition(year);
    ShowGregorianDate(BrowseGregorianText(), year);
}

void TfrmSynx::ShowGregorianDate(const QString& text, int year) {
    lblSynxDateGreg->setText(text);
    lblSynxDateGreg->setToolTip(text + QStringLiteral(", ") + QString::number(year));
}

void TfrmSynx::LocateShownDay(int ID) {
    if (ID != 0) {
        TTable& byID = MainDM->tblSynxHeadID;
        if (byID.FindKey({ID})) {
            ShownMonth = Int(byID, "Month");
            ShownDay = Int(byID, "Day");
        }
    } else {
        TTable& browse = MainDM->tblSynxHdBrowse;
        ShownMonth = Int(browse, "Month");
        ShownDay = Int(browse, "Day");
        SynxID = Int(browse, "ID");
    }
}

void TfrmSynx::ShowSynxDay(int ID) {
    {
        TFrozen frozen(rchedtSynx);
        LocateShownDay(ID);
        DateCaption = SynxDateCaption(ShownMonth, ShownDay);
        lblSynxDate->setText(DateCaption);
        ShowGregorianDate(CopticToGregorianText(ShownMonth, ShownDay),
                          DayState->SelectedGregorianYear);
        setWindowTitle(CaptionPrefix + DateCaption);
        FillSynxEntries();
    }
    // A day without that entry stays at the start of its text.
    if (!GoToEntry(rchedtSynx, EntryToShow))
        rchedtSynx->SetSelStart(0);
}

void TfrmSynx::FillSynxEntries() {
    TFrozen frozen(rchedtSynx);
    rchedtSynx->Clear();
    AddRichHeading(rchedtSynx, TwoTabs + windowTitle(), false, true, false, SynxDayColor);

    // A day without entry 1 lists nothing rather than the previous day's
    // entries, whose links would still open.
    const QList<TSynxEntry> entries = ReadSynxEntries(MainDMSynxTables(), SynxID);
    SetListRows(int(entries.size()));
    for (int k = 1; k <= MaxSynxEntries; ++k) {
        if (k <= entries.size())
            ShowSlot(k, entries[k - 1]);
        else
            HideSlot(k);
    }
    for (int k = 1; k <= entries.size(); ++k) {
        const TSynxEntry& e = entries[k - 1];
        AddRichHeading(rchedtSynx, SynxEntryHeading(k, e.Name), true, true, true, SynxEntryColor);
        AddRichBody(rchedtSynx, e.Desc);
    }
}

void TfrmSynx::ShowSlot(int k, const TSynxEntry& e) {
    const QString caption = SynxEntryCaption(e);
    lblSynx[k]->setText(caption);
    lblSynx[k]->setToolTip(caption);
    lblSynx[k]->setVisible(true);

    const bool icon = !e.PictureFile.isEmpty();
    btnSynx[k]->setVisible(icon);
    btnSynx[k]->setToolTip(icon ? QStringLiteral("Icon for: ") + e.PictSaintName : QString());
    EntryPictureFile[k] = e.PictureFile;
    EntryPictSaintName[k] = e.PictSaintName;

    EntryKeyword[k] = e.Keyword;
    lblLink[k]->setText(e.LinkA.Caption);
    lblLink[k]->setVisible(e.LinkA.Shown);
    LinkHeadID[k] = e.LinkA.HeadID;
    LinkEntryNumber[k] = e.LinkA.EntryNumber;
    lblLinkB[k]->setText(e.LinkB.Caption);
    lblLinkB[k]->setVisible(e.LinkB.Shown);
    LinkHeadIDB[k] = e.LinkB.HeadID;
    LinkEntryNumberB[k] = e.LinkB.EntryNumber;
}

void TfrmSynx::HideSlot(int k) {
    lblSynx[k]->setVisible(false);
    btnSynx[k]->setVisible(false);
    lblLink[k]->setVisible(false);
    lblLinkB[k]->setVisible(false);
}

void TfrmSynx::StepDay(bool Forward) {
    StepBrowseCursor(MainDM->tblSynxHdBrowse, SynxID, Forward);
    ShowSynxDay(0);
    QCoreApplication::processEvents();
}

QString TfrmSynx::BrowseGregorianText() {
    const TTable& browse = MainDM->tblSynxHdBrowse;
    return CopticToGregorianText(Int(browse, "Month"), Int(browse, "Day"));
}

QString TfrmSynx::GetEntryKeyword(int SynxID, int Number) {
    return ::GetEntryKeyword(MainDM->tblSynxSaintByIdNum, SynxID, Number);
}

void TfrmSynx::updwnSynxYearClick() {
    const int year = updwnSynxYear->Position();
    DayState->SelectedGregorianYear = quint16(year);
    ShowGregorianDate(BrowseGregorianText(), year);
}

void TfrmSynx::lblSynxClick(int n) {
    if (!GoToEntry(rchedtSynx, n))
        MessageDlg(QStringLiteral("Not Found"), mtInformation, mbOK);
}

// ---------------------------------------------------------------- writers ---

void TfrmSynx::AddRichHeading(TRichEdit* RichEdit, const QString& Text, bool BlankLine,
                              bool RuleBefore, bool RuleAfter, const QColor& Color) {
    ::AddRichHeading(*RichEdit, DayState->ReadingsFont, Text, BlankLine, RuleBefore, RuleAfter,
                     Color);
}

void TfrmSynx::AddRichBody(TRichEdit* RichEdit, const QString& Text) {
    ::AddRichBody(*RichEdit, DayState->ReadingsFont, Text);
}

QString TfrmSynx::CopticToGregorianText(int CopticMonth, int CopticDay) {
    return ::CopticToGregorianText(DayState->SelectedGregorianYear, CopticMonth, CopticDay);
}

bool TfrmSynx::GoToEntry(TRichEdit* RichEdit, int N) {
    return ::GoToEntry(*RichEdit, N);
}

// ------------------------------------------------------------ call points ---

void TfrmSynx::ShowIconPicture(const QString& PictureFile, const QString& PictSaintName) {
    frmPicture->ShowPicture(PictureFile, PictSaintName, QColor(255, 251, 240));
    ShowModal(frmPicture);
}
