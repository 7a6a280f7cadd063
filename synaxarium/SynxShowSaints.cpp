#include "SynxShowSaints.h"

#include "ClickFilter.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "ErrorHandler.h"
#include "GridModel.h"
#include "LinkSynx.h"
#include "PanelScroller.h"
#include "SynxCommon.h"
#include "SynxSearch.h"
#include "UpDown.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TfrmSynxShowSaints* frmSynxShowSaints = nullptr;

namespace {

const QString YearHint =
    QStringLiteral("Select Gregorian Year, for the Greg. Month & Day to be Correct");

// Letter-divider rows on the tooltip background, maroon, bold, 12 points.
class TSaintsDelegate : public QStyledItemDelegate {
public:
    TSaintsDelegate(TGridModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!IsDividerName(model_->FieldValue(index.row(), QStringLiteral("Name")).toString())) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->fillRect(option.rect, option.palette.color(QPalette::ToolTipBase));
        QFont font = option.font;
        font.setBold(true);
        font.setPointSize(12);
        painter->setFont(font);
        painter->setPen(SynxMaroon);
        painter->drawText(option.rect.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
    }

private:
    TGridModel* model_;
};

// Widths that show whole names and dates at the grid's font; other fields
// keep the grid's default.
struct TColumnWidth {
    const char* field;
    int width;
};
constexpr TColumnWidth SaintsColumnWidths[] = {
    {"Name", 190},           {"SynxID", 55},        {"SynxNumber", 85},  {"SynxName", 230},
    {"CopticMonthDay", 105}, {"GregMonthDay", 105}, {"CopticMonth", 85}, {"CopticDay", 70}};

} // namespace

TfrmSynxShowSaints::TfrmSynxShowSaints(QWidget* parent) : QWidget(parent) {
    CreateControls();
}

TfrmSynxShowSaints::~TfrmSynxShowSaints() {
    if (frmSynxShowSaints == this)
        frmSynxShowSaints = nullptr;
}

void TfrmSynxShowSaints::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOverOpener(this);
    }
    QWidget::setVisible(visible);
}

void TfrmSynxShowSaints::FormShow() {
    if (model_->DataSource() != &MainDM->dsSynxSaints) {
        model_->SetDataSource(&MainDM->dsSynxSaints);
        model_->FollowSelection(dbgrdSynxSaints->selectionModel());
        for (int c = 0; c < model_->columnCount(); ++c) {
            const QString field = model_->headerData(c, Qt::Horizontal).toString();
            for (const TColumnWidth& w : SaintsColumnWidths)
                if (field == QLatin1String(w.field))
                    dbgrdSynxSaints->setColumnWidth(c, w.width);
        }
    }
    // The box shows the year whose dates the grid shows: the year the
    // Synaxarium window chose, and the rows computed again with it, since
    // the grid still holds the dates of the year of its last showing.
    const int year = DayState->SelectedGregorianYear != 0 ? DayState->SelectedGregorianYear
                                                          : DayState->DayEngine->Year;
    updwnSynxYear->SetPosition(year);
    if (MainDM->tblSynxSaints.Active())
        MainDM->tblSynxSaints.Refresh();
    FocusOnOpening(edtSearch);
}

void TfrmSynxShowSaints::updwnSynxYearClick() {
    DayState->SelectedGregorianYear = quint16(updwnSynxYear->Position());
    MainDM->tblSynxSaints.Refresh();
    dbgrdSynxSaints->viewport()->update();
}

void TfrmSynxShowSaints::SeekKeyword() {
    ShowFound(SeekSaint(MainDM->tblSynxSaints, edtSearch->text()));
}

void TfrmSynxShowSaints::ShowFound(bool found) {
    pnlFound->setText(found ? QStringLiteral("Found") : QStringLiteral("Not Found"));
    QPalette p = pnlFound->palette();
    p.setColor(QPalette::Window, palette().color(found ? QPalette::ToolTipBase : QPalette::Button));
    pnlFound->setPalette(p);
    btnSynxShowText->setEnabled(found);
}

void TfrmSynxShowSaints::OpenSelectedSaint() {
    TTable& saints = MainDM->tblSynxSaints;
    frmLinkSynx->Keyword = saints.FieldByName(QStringLiteral("Name"))->AsString();
    const int synxID = saints.FieldByName(QStringLiteral("SynxID"))->AsInteger();
    const int number = saints.FieldByName(QStringLiteral("SynxNumber"))->AsInteger();
    if (synxID != 0 && number != 0)
        OpenSynxEntry(synxID, number);
}

bool TfrmSynxShowSaints::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtSearch) {
        switch (event->type()) {
        case QEvent::FocusIn:
            // The box has the keys whenever the window does: only the user
            // moving into it seeks, so the grid keeps its row at an opening.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
                RunGuarded([this] { SeekKeyword(); });
            break;
        case QEvent::MouseButtonRelease:
            edtSearch->selectAll();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmSynxShowSaints::CreateControls() {
    setObjectName(QStringLiteral("frmSynxShowSaints"));
    setWindowTitle(QStringLiteral("Index for all Saints / Keywords"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(990, 560);

    // What a small or scaled screen cannot hold scrolls; the body is no
    // window, so it keeps the window's margins.
    auto* layout = new QVBoxLayout(TPanelScroller::WindowBody(this));
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    pnlTop = MakePanel(this, QStringLiteral("pnlTop"));
    pnlTop->setToolTip(QStringLiteral("Seek a letter"));
    auto* top = new QHBoxLayout(pnlTop);
    top->setContentsMargins(0, 0, 0, 0);

    dbnvgtrSynxSaints = MakeNavigator(pnlTop, QStringLiteral("dbnvgtrSynxSaints"),
                                      [] { return &MainDM->tblSynxSaints; });

    auto* yearPanel = MakePanel(pnlTop, QStringLiteral("pnlYear"));
    yearPanel->setToolTip(YearHint);
    auto* year = new QHBoxLayout(yearPanel);
    year->setContentsMargins(0, 0, 0, 0);
    edtGregYear = new QLineEdit(yearPanel);
    edtGregYear->setObjectName(QStringLiteral("edtGregYear"));
    edtGregYear->setToolTip(YearHint);
    edtGregYear->setFixedWidth(50);
    updwnSynxYear = new TUpDown(edtGregYear, yearPanel);
    updwnSynxYear->setObjectName(QStringLiteral("updwnSynxYear"));
    updwnSynxYear->Min = 1900;
    updwnSynxYear->Max = 5000;
    updwnSynxYear->OnClick = [this] { RunGuarded([this] { updwnSynxYearClick(); }); };
    year->addWidget(new QLabel(QStringLiteral("Year:"), yearPanel));
    year->addWidget(edtGregYear);
    year->addWidget(updwnSynxYear);

    edtSearch = new QLineEdit(pnlTop);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->installEventFilter(this);
    pnlFound = new QLabel(QStringLiteral("Not Found"), pnlTop);
    pnlFound->setObjectName(QStringLiteral("pnlFound"));
    pnlFound->setAutoFillBackground(true);
    pnlFound->setFrameShape(QFrame::Panel);
    pnlFound->setFrameShadow(QFrame::Sunken);
    pnlFound->setAlignment(Qt::AlignCenter);
    pnlFound->setMinimumWidth(80);
    pnlFound->setFixedHeight(edtSearch->sizeHint().height());
    btnSynxShowText = MakeButton(pnlTop, QStringLiteral("btnSynxShowText"), "Show Text");
    btnSynxShowText->setToolTip(QStringLiteral("Show Text"));
    btnSynxShowText->setDefault(true);

    top->addWidget(dbnvgtrSynxSaints);
    top->addSpacing(12);
    top->addWidget(yearPanel);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Keyword:"), pnlTop));
    top->addWidget(edtSearch, 1);
    top->addWidget(pnlFound);
    top->addWidget(btnSynxShowText);
    layout->addWidget(pnlTop);

    dbgrdSynxSaints = new QTableView(this);
    dbgrdSynxSaints->setObjectName(QStringLiteral("dbgrdSynxSaints"));
    dbgrdSynxSaints->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgrdSynxSaints->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgrdSynxSaints->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgrdSynxSaints->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    dbgrdSynxSaints->verticalHeader()->setDefaultSectionSize(22);
    dbgrdSynxSaints->viewport()->setCursor(Qt::PointingHandCursor);
    dbgrdSynxSaints->setFont(QFont(QStringLiteral("Times New Roman"), 10));
    model_ = new TGridModel(this);
    model_->OnError = [](const std::exception& e) { ShowException(e); };
    dbgrdSynxSaints->setModel(model_);
    dbgrdSynxSaints->setItemDelegate(new TSaintsDelegate(model_, this));
    layout->addWidget(dbgrdSynxSaints, 1);

    btnClose = MakeButton(this, QStringLiteral("btnClose"), "&Close");
    layout->addWidget(btnClose, 0, Qt::AlignHCenter);

    connect(edtSearch, &QLineEdit::textEdited, this, Guard([this] { SeekKeyword(); }));
    connect(edtSearch, &QLineEdit::returnPressed, this, Guard([this] {
                if (btnSynxShowText->isEnabled())
                    OpenSelectedSaint();
            }));
    connect(btnSynxShowText, &QPushButton::clicked, this, Guard([this] { OpenSelectedSaint(); }));
    connect(dbgrdSynxSaints, &QTableView::clicked, this, Guard([this] { OpenSelectedSaint(); }));
    OpenRowOnEnter(dbgrdSynxSaints, [this] { OpenSelectedSaint(); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    CloseOnEscape(this);
}
