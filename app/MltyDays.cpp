#include "MltyDays.h"

#include "Controls.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "MainNew.h"
#include "PanelScroller.h"
#include "RadioGroup.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "CldrTypes.h"

#include <algorithm>
#include <utility>

TfrmMltyDays* frmMltyDays = nullptr;

const char* const InvalidDateRangeMessage = "Invalid Date Range";
const char* const LongRangeMessage =
    "End Date is More Than 60 Days of the Start Date, The Required Readings Might Take Longer "
    "Than Expected To Be Retrieved!";
const char* const RangeTooLongMessage =
    "The Longest Range That Can Be Shown is 10 Years, Please Choose an End Date Nearer the Start "
    "Date";
const char* const ShowSynxAlwaysMessage =
    "Synaxarium will be shown even at the days when it is not read in the church, e.g. Passion "
    "Week, Holy 50 Days, Uncheck this box to show the Synaxaruim only when it is read in the "
    "church";

namespace {

// The editor drops every digit typed over more than one part of the date,
// so after Ctrl+A the year stayed as it was: a key typed there goes to the
// first part selected, as if the user had selected that part alone. And a
// part filled by its digits moves on by itself, so the separator the user
// types next must not move on once more.
class TTypedDateEdit : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        const bool printable = typed.size() == 1 && typed.at(0).isPrint();
        if (printable && IsSeparator(typed.at(0)) && std::exchange(FMovedOn, false)) {
            event->accept();
            return;
        }
        const QLineEdit* edit = lineEdit();
        const QString selected = edit->selectedText();
        if (printable && std::any_of(selected.begin(), selected.end(), IsSeparator)) {
            const QString before = edit->text().left(edit->selectionStart());
            int part = 0;
            for (int i = 1; i < before.size(); ++i)
                part += IsSeparator(before.at(i)) && !IsSeparator(before.at(i - 1)) ? 1 : 0;
            setSelectedSection(sectionAt(part));
        }
        const int partBefore = currentSectionIndex();
        QDateEdit::keyPressEvent(event);
        FMovedOn = printable && typed.at(0).isDigit() && currentSectionIndex() != partBefore;
    }

    // Reached by the keys, the picker's whole date is selected, as a text
    // box's is, so that a date typed over it replaces it.
    void focusInEvent(QFocusEvent* event) override {
        QDateEdit::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
            selectAll();
    }

private:
    static bool IsSeparator(QChar c) { return !c.isLetterOrNumber(); }
    bool FMovedOn = false;
};

} // namespace

TfrmMltyDays::TfrmMltyDays(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMltyDays"));
    CreateControls();
    ResetSelection();
}

void TfrmMltyDays::CreateControls() {
    setWindowFlags(Qt::Tool);
    setWindowTitle(QStringLiteral("Readings' Range"));
    auto* outer = new QVBoxLayout(TPanelScroller::WindowBody(this));
    // The body is no window: it keeps the window's margins.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    outer->setContentsMargins(margin, margin, margin, margin);

    auto* heading = new QLabel(QStringLiteral("Readings Range"), this);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    heading->setFont(f);
    heading->setAlignment(Qt::AlignCenter);
    outer->addWidget(heading);

    auto* dates = new QGridLayout;
    auto datePicker = [&](const char* name, const char* label, int column) {
        auto* picker = new TTypedDateEdit(this);
        picker->setObjectName(QLatin1String(name));
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(CldrLocale::ShortDateFormat());
        auto* l = new QLabel(QLatin1String(label), this);
        l->setBuddy(picker);
        dates->addWidget(l, 0, column);
        dates->addWidget(picker, 1, column);
        return picker;
    };
    dtpckrStartDate = datePicker("dtpckrStartDate", "From Date:", 0);
    dtpckrEndDate = datePicker("dtpckrEndDate", "To Date:", 1);
    outer->addLayout(dates);

    rdgrpShowAllReadings = new QRadioButton(QStringLiteral("Show All Readings"), this);
    rdgrpShowAllReadings->setObjectName(QStringLiteral("rdgrpShowAllReadings"));
    rdgrpShowAllReadings->setToolTip(
        QStringLiteral("Show All Readings That Will Be Read In The Church During This Time Frame"));
    rdgrpShowAllReadings->setChecked(true);
    rdbtnSelectSomeReadings = new QRadioButton(QStringLiteral("Select Some Readings"), this);
    rdbtnSelectSomeReadings->setObjectName(QStringLiteral("rdbtnSelectSomeReadings"));
    rdbtnSelectSomeReadings->setToolTip(
        QStringLiteral("Pick The Readings You Want, Can Override The  Syanxaruim Rule"));
    outer->addWidget(rdgrpShowAllReadings);
    outer->addWidget(rdbtnSelectSomeReadings);

    pnlDetails = new QGroupBox(QStringLiteral("Readings Selection"), this);
    pnlDetails->setObjectName(QStringLiteral("pnlDetails"));
    pnlDetails->setToolTip(
        QStringLiteral("Check the Show All Readings Above To  Select All Readings  "));
    auto* grid = new QGridLayout(pnlDetails);
    const QStringList services = {QStringLiteral("Full Readins"), QStringLiteral("Citations Only"),
                                  QStringLiteral("Not Shown")};
    auto group = [&](const char* name, const char* caption, const QStringList& items, int at) {
        auto* g = new TRadioGroup(QLatin1String(caption), items, pnlDetails);
        g->setObjectName(QLatin1String(name));
        grid->addWidget(g, at / 2, at % 2);
        return g;
    };
    rdgrpVespers = group("rdgrpVespers", "Vespers", services, 0);
    rdgrpMatains = group("rdgrpMatains", "Matins", services, 1);
    rdgrpLiturgy = group("rdgrpLiturgy", "Liturgy", services, 2);
    rdgrpEvening = group("rdgrpEvening", "Evening (Holy Lent)", services, 3);
    rdgrpPassion = group("rdgrpPassion", "Passion Week", services, 4);
    rdgrpSynx = group(
        "rdgrpSynx", "Synaxarium",
        {QStringLiteral("Full Readins"), QStringLiteral("Names Only"), QStringLiteral("Not Shown")},
        5);
    chkbxShowSynxAlways = new QCheckBox(QStringLiteral("Show Synaxarium Every Day"), pnlDetails);
    chkbxShowSynxAlways->setObjectName(QStringLiteral("chkbxShowSynxAlways"));
    chkbxShowSynxAlways->setToolTip(
        QStringLiteral("Show Synaxarium Even In Holy Week and Holy 50 Days"));
    grid->addWidget(chkbxShowSynxAlways, 3, 0, 1, 2);
    outer->addWidget(pnlDetails);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("Show Readings"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    connect(rdgrpShowAllReadings, &QRadioButton::clicked, this, [this] { ShowAllOrSomeClick(); });
    connect(rdbtnSelectSomeReadings, &QRadioButton::clicked, this,
            [this] { ShowAllOrSomeClick(); });
    connect(rdgrpSynx, &TRadioGroup::Clicked, this, [this] { rdgrpSynxClick(); });
    connect(chkbxShowSynxAlways, &QCheckBox::clicked, this,
            Guard([this] { chkbxShowSynxAlwaysClick(); }));
    connect(dtpckrStartDate->calendarWidget(), &QCalendarWidget::clicked, this,
            [this] { dtpckrStartDateCloseUp(); });
    connect(dtpckrStartDate->calendarWidget(), &QCalendarWidget::activated, this,
            [this] { dtpckrStartDateCloseUp(); });
    connect(btnOK, &QPushButton::clicked, this, Guard([this] { btnOKClick(); }));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<TRadioGroup*> TfrmMltyDays::Groups() const {
    return {rdgrpVespers, rdgrpMatains, rdgrpLiturgy, rdgrpEvening, rdgrpPassion, rdgrpSynx};
}

void TfrmMltyDays::showEvent(QShowEvent* event) {
    FitOnScreen(this);
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMltyDays::FormShow() {
    ResetSelection();
    FocusOnOpening(dtpckrStartDate);
}

void TfrmMltyDays::ResetSelection() {
    for (TRadioGroup* g : Groups()) {
        g->SetItemIndex(0);
        g->SetCaptionColour(palette().color(QPalette::Shadow));
    }
    chkbxShowSynxAlways->setChecked(false);
    chkbxShowSynxAlways->setEnabled(true);
    pnlDetails->setEnabled(false);
}

void TfrmMltyDays::ShowAllOrSomeClick() {
    if (rdgrpShowAllReadings->isChecked()) {
        ResetSelection();
        return;
    }
    pnlDetails->setEnabled(true);
    for (TRadioGroup* g : Groups())
        g->SetCaptionColour(palette().color(QPalette::WindowText));
}

void TfrmMltyDays::rdgrpSynxClick() {
    const bool shown = rdgrpSynx->ItemIndex() >= 0 && rdgrpSynx->ItemIndex() < 2;
    chkbxShowSynxAlways->setEnabled(shown);
    if (!shown)
        chkbxShowSynxAlways->setChecked(false);
}

void TfrmMltyDays::chkbxShowSynxAlwaysClick() {
    if (chkbxShowSynxAlways->isChecked())
        MessageDlg(QString::fromLatin1(ShowSynxAlwaysMessage), mtInformation, mbOK);
}

void TfrmMltyDays::dtpckrStartDateCloseUp() {
    if (dtpckrEndDate->date() < dtpckrStartDate->date())
        dtpckrEndDate->setDate(dtpckrStartDate->date());
}

void TfrmMltyDays::btnOKClick() {
    const QDate start = dtpckrStartDate->date();
    const QDate end = dtpckrEndDate->date();
    if (start > end) {
        MessageDlg(QString::fromLatin1(InvalidDateRangeMessage), mtWarning, mbOK);
        return;
    }
    // Asked before the long-range warning: a range whose readings would not
    // fit in memory is not offered at all.
    if (end > start.addYears(RangeLimitYears)) {
        MessageDlg(QString::fromLatin1(RangeTooLongMessage), mtWarning, mbOK);
        return;
    }
    if (start.daysTo(end) > RangeWarningDays &&
        MessageDlg(QString::fromLatin1(LongRangeMessage), mtWarning, mbOK | mbCancel) != mrOk)
        return;
    frmMainNew->ShowReadingsForDateRange(start, end);
}
