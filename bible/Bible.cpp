// The whole-book window: showing a book, its chapter tree, find, printing.

#include "Bible.h"

#include "BibleChapter.h"
#include "BibleLayout.h"
#include "BibleText.h"
#include "Building.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "PrintRich.h"
#include "ReadingsRules.h"
#include "RichEdit.h"
#include "RichPrint.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmBible* frmBible = nullptr;

using namespace BibleLayout;

TfrmBible::TfrmBible(QWidget* parent) : QWidget(parent, Qt::Window) {
    CreateControls();
}

TfrmBible::~TfrmBible() = default;

void TfrmBible::CreateControls() {
    setObjectName(QStringLiteral("frmBible"));
    resize(800, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* findRow = new QHBoxLayout;
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    btSearch = MakeButton(this, QStringLiteral("btSearch"), QStringLiteral("Find Now"),
                          TAutoDefault::Unchanged);
    findRow->addWidget(edtSearch, 1);
    findRow->addWidget(btSearch);
    findRow->addStretch();
    const TPrintingButtons print = MakePrintingPanel(this);
    findRow->addWidget(print.Panel);
    spdbtnPrint = print.Print;
    spdbtnPreview = print.Preview;
    spdbtnPageSetup = print.PageSetup;
    spdbtnSaveAs = print.SaveAs;
    layout->addLayout(findRow);

    auto* split = new QSplitter(this);
    trvwCitiations = new QTreeWidget(split);
    trvwCitiations->setObjectName(QStringLiteral("trvwCitiations"));
    trvwCitiations->setHeaderHidden(true);
    trvwCitiations->setFont(QFont(QStringLiteral("Arial"), 9));
    trvwCitiations->setToolTip(QStringLiteral("Click to move the cursor to a reading."));
    rchedtReadings =
        ReadingsEdit(split, QStringLiteral("mnuitmCopy"), QStringLiteral("mnuitmSelectAll"));
    rchedtReadings->setObjectName(QStringLiteral("rchedtReadings"));
    split->addWidget(trvwCitiations);
    split->addWidget(rchedtReadings);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 630});
    layout->addWidget(split, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    btnClose = MakeButton(this, QStringLiteral("btnClose"), QStringLiteral("&Close"),
                          TAutoDefault::Unchanged);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);
    CloseOnEscape(this);

    auto guarded = [this](void (TfrmBible::*handler)()) {
        return [this, handler] { RunGuarded([&] { (this->*handler)(); }); };
    };
    connect(trvwCitiations, &QTreeWidget::itemClicked, this,
            guarded(&TfrmBible::trvwCitiationsClick));
    connect(btSearch, &QPushButton::clicked, this, guarded(&TfrmBible::btSearchClick));
    connect(edtSearch, &QLineEdit::returnPressed, this, guarded(&TfrmBible::btSearchClick));
    connect(edtSearch, &QLineEdit::textChanged, this, [this] { FindFromStart = true; });
    connect(spdbtnPrint, &QToolButton::clicked, this, guarded(&TfrmBible::spdbtnPrintClick));
    connect(spdbtnPreview, &QToolButton::clicked, this, guarded(&TfrmBible::spdbtnPreviewClick));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            guarded(&TfrmBible::spdbtnPageSetupClick));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, guarded(&TfrmBible::spdbtnSaveAsClick));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmBible::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        CentreOnScreen(this);
        QWidget::setVisible(true);
        RunGuarded([this] { FormShow(); });
        return;
    }
    if (!visible && isVisible())
        rchedtReadings->Clear();
    QWidget::setVisible(visible);
}

void TfrmBible::FormShow() {
    FindFromStart = true;
    TMainDM& dm = *MainDM;
    const int psalmsID = dm.tblBibleBooksbyName.FindKey({QStringLiteral("Psalms")})
                             ? dm.tblBibleBooksbyName.FieldByName(QStringLiteral("ID"))->AsInteger()
                             : 0;
    const QString prefix =
        BookID == psalmsID ? QStringLiteral("Psalm ") : QStringLiteral("Chapter ");
    TranslationTag =
        ReadingsRules::TranslationTag(MainDM->tblBookNames, MainDM->tblBibleTranslations, BookID);
    if (frmBuilding != nullptr)
        frmBuilding->show();
    TScopeGuard finally([] {
        if (frmBuilding != nullptr)
            frmBuilding->close();
    });
    trvwCitiations->clear();
    QCoreApplication::processEvents();
    setWindowTitle(QStringLiteral("Book Name: ") + BookName);
    FirstVerse = dm.GetFirstVerse(BookID, FirstChapter);
    LastVerse = dm.GetLastVerse(BookID, LastChapter);
    StartSkipWords = 0;
    EndSkipWords = 0;
    auto* top = new QTreeWidgetItem(trvwCitiations, {BookName});
    for (int c = FirstChapter; c <= LastChapter; ++c)
        new QTreeWidgetItem(top, {prefix + QString::number(c)});
    QProgressBar* bar = frmBuilding != nullptr ? frmBuilding->prgrsbarChapter : nullptr;
    const QString text =
        dm.GetPassageText(BookID, FirstChapter, LastChapter, FirstVerse, LastVerse, StepBuildingBar,
                          StartSkipWords, EndSkipWords, WithVerseNumbers, NewLinePerVerse,
                          WithChapterInLabel, WithChapterHeadings, true);
    rchedtReadings->Clear();
    WritePassage(rchedtReadings, text, bar, TranslationTag, true);
    rchedtReadings->repaint();
    trvwCitiations->expandAll();
    ScrollToText(QStringLiteral("["));
}

void TfrmBible::WritePassage(TRichEdit* RichEdit, const QString& Text, QProgressBar* ProgressBar,
                             const QString& Tag, bool StepPerHeading) {
    const QFont f = DayState != nullptr ? DayState->ReadingsFont : font();
    frmBibleChapter->WritePassage(RichEdit, Text, ProgressBar, false, Tag, StepPerHeading,
                                  f.pointSize() > 0 ? f.pointSize() : 12);
}

bool TfrmBible::ScrollToText(const QString& Text) {
    const int p = rchedtReadings->FindText(Text, 0, rchedtReadings->Length(), stMatchCase);
    if (p < 0)
        return false;
    rchedtReadings->setFocus();
    rchedtReadings->SetSelStart(p);
    rchedtReadings->ScrollNearTop(p, JumpLinesAbove);
    return true;
}

bool TfrmBible::FindNext(const QString& SearchText, TRichEdit* RichEdit, bool FromStart) {
    return frmBibleChapter->FindNext(SearchText, RichEdit, FromStart);
}

QString TfrmBible::PrintHeader() const {
    return BibleText::PrintHeader(windowTitle());
}

void TfrmBible::trvwCitiationsClick() {
    if (QTreeWidgetItem* node = trvwCitiations->currentItem())
        ScrollToText(node->text(0));
}

void TfrmBible::btSearchClick() {
    if (!FindNext(edtSearch->text(), rchedtReadings, FindFromStart))
        MessageDlg(QStringLiteral("No Further Match"), mtWarning, mbOK);
    FindFromStart = false;
    btSearch->setFocus();
}

void TfrmBible::spdbtnPrintClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    if (frmPrintRich->PrintDialog1->Execute(this))
        frmPrintRich->RichPrinter1->PrintRichEdit(rchedtReadings, 1);
}

void TfrmBible::spdbtnPreviewClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    frmPrintRich->RichPrinter1->PreviewRichEdit(rchedtReadings);
}

void TfrmBible::spdbtnPageSetupClick() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void TfrmBible::spdbtnSaveAsClick() {
    frmPrintRich->SaveRichEditAs(rchedtReadings);
}
