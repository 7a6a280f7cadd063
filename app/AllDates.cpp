#include "AllDates.h"

#include "Apaqty.h"
#include "Controls.h"
#include "DayState.h"
#include "Environment.h"
#include "ErrorHandler.h"
#include "NativityCalculator.h"
#include "PanelScroller.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

TfrmAllDates* frmAllDates = nullptr;

namespace {

const QColor Red(255, 0, 0); // $0000FF
const QColor Black(0, 0, 0);
// The control's own font: every line is counted in its characters.
QFont FixedPitchFont(int points) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(points);
    return f;
}

QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QString& glyph,
                             const char* hint) {
    QToolButton* b = MakeToolButton(parent, QLatin1String(name), glyph, QLatin1String(hint));
    // Never narrower than the caption: a narrow window scrolls instead.
    b->setMinimumSize(b->sizeHint().expandedTo(QSize(28, 26)));
    return b;
}

QLabel* makeTitleLabel(QWidget* parent, const char* name, const QString& caption) {
    QLabel* l = MakeLabel(parent, QLatin1String(name), caption);
    QFont f = l->font();
    f.setPointSize(12);
    f.setBold(true);
    l->setFont(f);
    SetTextColor(l, QColor(128, 0, 0), {QPalette::WindowText});
    return l;
}

} // namespace

TfrmAllDates::TfrmAllDates(QWidget* parent)
    : QDialog(parent), YearEngine(std::make_unique<TApaqty>()),
      YearNativity(std::make_unique<TNativityCalculator>()) {
    setObjectName(QStringLiteral("frmAllDates"));
    setWindowTitle(QStringLiteral("Coptic Feasts and Events"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(800, 600);
    // Its size when the user restores it from maximized.
    FitOnScreen(this);
    setWindowState(Qt::WindowMaximized);
    CreateControls();
}

TfrmAllDates::~TfrmAllDates() {
    if (frmAllDates == this)
        frmAllDates = nullptr;
}

void TfrmAllDates::CreateControls() {
    auto* outer = new QVBoxLayout(TPanelScroller::WindowBody(this));
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    pnlTop = new QFrame(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setFrameShape(QFrame::StyledPanel);
    auto* top = new QHBoxLayout(pnlTop);
    top->setContentsMargins(4, 2, 4, 2);
    top->setSpacing(2);
    spdbtnPrevYear =
        makeSpeedButton(pnlTop, "spdbtnPrevYear", QStringLiteral("<<"), "Previous Year");
    spdbtnNextYear = makeSpeedButton(pnlTop, "spdbtnNextYear", QStringLiteral(">>"), "Next Year");
    cmbxTextSize = new QComboBox(pnlTop);
    cmbxTextSize->setObjectName(QStringLiteral("cmbxTextSize"));
    for (FeastEvents::TTextSize s :
         {FeastEvents::tsLarge, FeastEvents::tsMedium, FeastEvents::tsSmall})
        cmbxTextSize->addItem(FeastEvents::TextSizeName(s));
    cmbxTextSize->setCurrentIndex(FeastEvents::tsMedium);
    spdbtnPrint = makeSpeedButton(pnlTop, "spdbtnPrint", QStringLiteral("Print"), "Print");
    spdbtnPreview =
        makeSpeedButton(pnlTop, "spdbtnPreview", QStringLiteral("Preview"), "Print Preview");
    spdbtnPageSetup =
        makeSpeedButton(pnlTop, "spdbtnPageSetup", QStringLiteral("Page Setup"), "Page Setup");
    spdbtnSaveAs = makeSpeedButton(pnlTop, "spdbtnSaveAs", QStringLiteral("Save As"), "Save As");

    pnlTitle = new QFrame(pnlTop);
    pnlTitle->setObjectName(QStringLiteral("pnlTitle"));
    auto* title = new QHBoxLayout(pnlTitle);
    title->setContentsMargins(0, 0, 0, 0);
    title->setSpacing(6);
    lblGregYear = makeTitleLabel(pnlTitle, "lblGregYear", QString());
    lblCopticYear1 = makeTitleLabel(pnlTitle, "lblCopticYear1", QString());
    lblCopticYear2 = makeTitleLabel(pnlTitle, "lblCopticYear2", QString());
    title->addWidget(makeTitleLabel(pnlTitle, nullptr, QStringLiteral("Year:")));
    title->addWidget(lblGregYear);
    title->addSpacing(12);
    title->addWidget(lblCopticYear1);
    title->addWidget(makeTitleLabel(pnlTitle, nullptr, QStringLiteral("/")));
    title->addWidget(lblCopticYear2);
    title->addWidget(makeTitleLabel(pnlTitle, nullptr, QStringLiteral("A.M. (Coptic)")));

    top->addWidget(spdbtnPrevYear);
    top->addWidget(spdbtnNextYear);
    top->addSpacing(8);
    top->addWidget(cmbxTextSize);
    // The title stays centred whatever the window's width.
    top->addStretch(1);
    top->addWidget(pnlTitle);
    top->addStretch(1);
    top->addWidget(spdbtnPrint);
    top->addWidget(spdbtnPreview);
    top->addWidget(spdbtnPageSetup);
    top->addWidget(spdbtnSaveAs);
    outer->addWidget(pnlTop);

    rchedtAllDates = new TRichEdit(this);
    rchedtAllDates->setObjectName(QStringLiteral("rchedtAllDates"));
    rchedtAllDates->setReadOnly(true);
    // Read-only, yet the caret is shown where the listing begins.
    rchedtAllDates->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
    const QFont fixed = FixedPitchFont(TextSize);
    rchedtAllDates->setFont(fixed);
    rchedtAllDates->document()->setDefaultFont(fixed);
    outer->addWidget(rchedtAllDates, 1);

    pnlBottom = new QFrame(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    auto* bottom = new QHBoxLayout(pnlBottom);
    bottom->setContentsMargins(4, 4, 4, 4);
    btnClose = new QPushButton(QStringLiteral("&Close"), pnlBottom);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setToolTip(QStringLiteral("Back to main Screen"));
    btnClose->setAutoDefault(false);
    bottom->addStretch(1);
    bottom->addWidget(btnClose);
    bottom->addStretch(1);
    outer->addWidget(pnlBottom);

    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(spdbtnPrevYear, &QToolButton::clicked, this, Guard([this] { spdbtnPrevYearClick(); }));
    connect(spdbtnNextYear, &QToolButton::clicked, this, Guard([this] { spdbtnNextYearClick(); }));
    connect(cmbxTextSize, &QComboBox::currentIndexChanged, this,
            Guard([this] { cmbxTextSizeChange(); }));
    connect(spdbtnPrint, &QToolButton::clicked, this, Guard([this] { spdbtnPrintClick(); }));
    connect(spdbtnPreview, &QToolButton::clicked, this, Guard([this] { spdbtnPreviewClick(); }));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            Guard([this] { spdbtnPageSetupClick(); }));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, Guard([this] { spdbtnSaveAsClick(); }));
}

void TfrmAllDates::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the desktop keeps its year; only the opener's
    // show starts again.
    if (!event->spontaneous())
        FormShow();
}

void TfrmAllDates::FormShow() {
    EventList.clear();
    const int year = DayState != nullptr && DayState->DayEngine && DayState->DayEngine->Year != 0
                         ? DayState->DayEngine->Year
                         : Today().year();
    ShowYear(year);
}

void TfrmAllDates::ShowYear(int Year) {
    lblGregYear->setText(QString::number(Year));
    YearEngine->SetDate(QDate(Year, 1, 1));
    const int cy = YearEngine->CopticYearOfJanuary;
    lblCopticYear1->setText(QString::number(cy));
    lblCopticYear2->setText(QString::number(cy + 1));
    YearNativity->Calculate(Year);
    BuildEventList();
    RenderEvents();
}

void TfrmAllDates::BuildEventList() {
    EventList = FeastEvents::BuildEventRows(*YearEngine, *YearNativity);
}

void TfrmAllDates::ApplyTabStops() {
    const double charWidth =
        QFontMetricsF(FixedPitchFont(TextSize), rchedtAllDates).horizontalAdvance(QLatin1Char('0'));
    QTextOption option = rchedtAllDates->document()->defaultTextOption();
    option.setTabStopDistance(CharsPerTab * charWidth);
    rchedtAllDates->document()->setDefaultTextOption(option);
}

void TfrmAllDates::RenderEvents() {
    rchedtAllDates->Clear();
    ApplyTabStops();
    const int cy = YearEngine->CopticYearOfJanuary;
    AppendTitle(FeastEvents::ListingTitle(YearEngine->Year, cy), false);
    for (const QString& line : FeastEvents::ListingLines(EventList, CharsPerTab))
        AppendEventLine(line);
    rchedtAllDates->setFocus();
    const int at =
        rchedtAllDates->FindText(QStringLiteral("Date"), 0, rchedtAllDates->Length(), stMatchCase);
    rchedtAllDates->SetSelStart(at < 0 ? 0 : at);
    // From the top, the title stays in view above the caret.
    rchedtAllDates->verticalScrollBar()->setValue(0);
    rchedtAllDates->ScrollCaret();
}

void TfrmAllDates::AppendEventLine(const QString& S) {
    TRichEdit& e = *rchedtAllDates;
    e.SetSelStart(e.Length());
    e.SelAttributes().SetColor(Black);
    e.SelAttributes().SetStyle(fsBold);
    e.SelAttributes().SetSize(TextSize);
    e.SetSelText(S);
    e.SetSelText(QStringLiteral("\r\n"));
}

void TfrmAllDates::AppendTitle(const QString& S, bool BlankLineBefore) {
    TRichEdit& e = *rchedtAllDates;
    e.SetSelStart(e.Length());
    if (BlankLineBefore)
        e.SetSelText(QStringLiteral("\r\n"));
    e.SelAttributes().SetColor(Red);
    e.SelAttributes().SetStyle(fsBold);
    e.SelAttributes().SetSize(FeastEvents::TitleSize(TextSize));
    e.SetSelText(S);
    e.SetSelText(QStringLiteral("\r\n"));
}

QString TfrmAllDates::PrintHeader() const {
    return FeastEvents::PrintHeader(YearEngine->Year, YearEngine->CopticYearOfJanuary);
}

// ------------------------------------------------------------ commands ---

void TfrmAllDates::spdbtnPrevYearClick() {
    ShowYear(FeastEvents::StepYear(YearEngine->Year, -1));
}

void TfrmAllDates::spdbtnNextYearClick() {
    ShowYear(FeastEvents::StepYear(YearEngine->Year, +1));
}

void TfrmAllDates::cmbxTextSizeChange() {
    const auto size = static_cast<FeastEvents::TTextSize>(cmbxTextSize->currentIndex());
    const FeastEvents::TTextMetrics m = FeastEvents::MetricsOf(size);
    TextSize = m.TextSize;
    CharsPerTab = m.CharsPerTab;
    // The same rows in another size; nothing is computed again.
    RenderEvents();
}

void TfrmAllDates::spdbtnPrintClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    if (frmPrintRich->PrintDialog1->Execute(this))
        frmPrintRich->RichPrinter1->PrintRichEdit(rchedtAllDates, 1);
}

void TfrmAllDates::spdbtnPreviewClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    frmPrintRich->RichPrinter1->PreviewRichEdit(rchedtAllDates);
}

void TfrmAllDates::spdbtnPageSetupClick() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void TfrmAllDates::spdbtnSaveAsClick() {
    frmPrintRich->SaveRichEditAs(rchedtAllDates);
}
