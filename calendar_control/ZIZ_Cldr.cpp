#include "ZIZ_Cldr.h"

#include "CldrDates.h"
#include "Environment.h"
#include "TButPanel.h"
#include "TCalendarLighted.h"
#include "TYearSpin.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>

TFullCalendarAncestor::TFullCalendarAncestor(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFocusPolicy(Qt::StrongFocus);

    FEdit = new QLineEdit(this);
    FGrid = new TCalendarLighted(this);
    FCombo = new QComboBox(this);
    FSpin = new TYearSpin(this);
    // The year is taken when typing ends, not at each digit.
    FSpin->setKeyboardTracking(false);
    FSpin->setRange(MinCalendarYear, MaxCalendarYear);
    // Up and Down go on past the limits, which follow the year.
    FSpin->OnStepPastLimit = [this](int year) { SetSpinYear(year); };
    setFocusProxy(FEdit);

    for (int tag = 1; tag <= 6; ++tag) {
        auto* button = new TButPanel(this);
        button->SetTag(tag);
        button->OnTick = [this](TButPanel* b) { StepDate(b); };
        FButtons[tag - 1] = button;
    }

    connect(FEdit, &QLineEdit::textEdited, this, [this] {
        if (!FAttached)
            return;
        // While typing the edit keeps its text; Enter rewrites it.
        if (!FDateBeforeTyping)
            FDateBeforeTyping = Date();
        FTypingInEdit = true;
        StepDate(FEdit);
        FTypingInEdit = false;
    });
    connect(FEdit, &QLineEdit::returnPressed, this, [this] { EditDone(true); });
    connect(FCombo, &QComboBox::currentIndexChanged, this, [this] {
        if (FAttached)
            StepDate(FCombo);
    });
    connect(FSpin, &QSpinBox::valueChanged, this, [this] {
        if (FAttached)
            StepDate(FSpin);
    });
    FGrid->OnChange = [this](TCalendar*) {
        if (FAttached)
            StepDate(FGrid);
    };
    FGrid->OnDateClick = [this](TCalendarLighted*, const QDate& d, Qt::MouseButton b) {
        if (OnDateClick)
            OnDateClick(this, d, b);
    };
    FGrid->OnDateDblClick = [this](TCalendarLighted*, const QDate&) {
        if (OnDateDblClick)
            OnDateDblClick(this, Date());
    };
    for (QWidget* part : Parts())
        part->installEventFilter(this);

    resize(209, 209);
    Arrange();
    UpdateParts();
}

TFullCalendarAncestor::~TFullCalendarAncestor() {
    Detach();
}

TButPanel* TFullCalendarAncestor::StepButton(int tag) const {
    return tag >= 1 && tag <= 6 ? FButtons[tag - 1] : nullptr;
}

QDate TFullCalendarAncestor::Date() const {
    return FDate.isValid() ? FDate : Today();
}

void TFullCalendarAncestor::SetDate(const QDate& date) {
    const QDate value = date.isValid() ? date : Today();
    if (value.year() < FFirstYear || value.year() > MaxCalendarYear)
        return;
    const QDate previous = FDate;
    FDate = value;
    UpdateParts();
    if (value != previous)
        DoChange();
}

void TFullCalendarAncestor::SetYearRange(int range) {
    FYearRange = qBound(0, range, 65535);
    const int thisYear = Today().year();
    FSpinMin = thisYear - FYearRange;
    FSpinMax = thisYear + FYearRange;
    const bool wasAttached = FAttached;
    Detach();
    ApplySpinLimits();
    SetSpinYear(Date().year());
    FAttached = wasAttached;
}

void TFullCalendarAncestor::ApplySpinLimits() {
    int lo = FFirstYear;
    int hi = MaxCalendarYear;
    if (FSpinMin != FSpinMax) {
        lo = qBound(FFirstYear, qMin(FSpinMin, FSpinMax), MaxCalendarYear);
        hi = qBound(FFirstYear, qMax(FSpinMin, FSpinMax), MaxCalendarYear);
    }
    FSpin->setRange(lo, hi);
    FSpin->SetOuterRange(FFirstYear, MaxCalendarYear);
}

void TFullCalendarAncestor::SetSpinYear(int year) {
    if (year < FSpinMin)
        FSpinMin = year;
    else if (year > FSpinMax)
        FSpinMax = year;
    ApplySpinLimits();
    FSpin->setValue(year);
}

void TFullCalendarAncestor::SetFirstYear(int year) {
    FFirstYear = qBound(MinCalendarYear, year, MaxCalendarYear);
    const bool wasAttached = FAttached;
    Detach();
    ApplySpinLimits();
    FAttached = wasAttached;
}

void TFullCalendarAncestor::SetStartOfWeek(int day) {
    FStartOfWeek = ((day % 7) + 7) % 7;
    UpdateParts();
}

void TFullCalendarAncestor::SetWeekEnd(TLightDay weekEnd) {
    FWeekEnd = weekEnd;
    UpdateParts();
}

QColor TFullCalendarAncestor::Color() const {
    return palette().color(QPalette::Window);
}

void TFullCalendarAncestor::SetColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
    Rearrange(); // the glyphs are drawn on this colour
}

void TFullCalendarAncestor::AddLightDate(const QDate& date) {
    const bool was = IsDateLighted(date);
    FGrid->AddLight(date);
    if (!was && OnListChange)
        OnListChange(this);
}

bool TFullCalendarAncestor::IsDateLighted(const QDate& date) const {
    return FGrid ? FGrid->IsLighted(date) : false;
}

void TFullCalendarAncestor::ClearLightDates() {
    FGrid->ClearLights();
    if (OnClear)
        OnClear(this);
}

void TFullCalendarAncestor::DoChange() {
    if (OnChange)
        OnChange(this);
}

void TFullCalendarAncestor::SetEnabled(bool value) {
    FGrid->setEnabled(value);
    FEdit->setEnabled(value);
    FSpin->setEnabled(value);
    FCombo->setEnabled(value);
    FEnabled = value;
    update();
}

void TFullCalendarAncestor::UpdateParts() {
    Detach();
    if (!FDate.isValid())
        FDate = Today();
    FGrid->CopyDayColours(*this);
    FGrid->SetStartOfWeek(FStartOfWeek);
    FGrid->SetWeekEnd(FWeekEnd);
    if (FCombo->count() < 2) {
        FCombo->clear();
        for (int m = 1; m <= 12; ++m)
            FCombo->addItem(CldrLocale::LongMonthName(m));
    }
    const int y = FDate.year();
    FCombo->setCurrentIndex(FDate.month() - 1);
    if (FSpinMin == 0) {
        FSpinMin = y - FYearRange - 1;
        FSpinMax = y + FYearRange + 1;
    }
    SetSpinYear(y);
    const QString text = CldrLocale::FormatShortDate(FDate);
    FDateBeforeTyping.reset();
    if (FEdit->text() != text)
        FEdit->setText(text);
    FGrid->SetCalendarDate(FDate);

    if (!FFirstUpdateDone && OnChange) {
        FFirstUpdateDone = true;
        DoChange();
    }
    Attach();
}

void TFullCalendarAncestor::ShowDateText(const QDate& date) {
    const QString text = CldrLocale::FormatShortDate(date);
    if (!FTypingInEdit) {
        FDateBeforeTyping.reset(); // the typing ends where the text is rewritten
        if (FEdit->text() != text)
            FEdit->setText(text);
    }
    FCombo->setCurrentIndex(date.month() - 1);
}

void TFullCalendarAncestor::StepDate(QObject* sender) {
    Detach();
    auto* button = qobject_cast<TButPanel*>(sender);
    if (button) {
        StepByButton(button);
    } else if (sender == FGrid) {
        FDate = FGrid->CalendarDate();
        ShowDateText(FDate);
    } else if (sender == FEdit) {
        if (!StepByEdit()) {
            Attach();
            return;
        }
    } else if (sender == FSpin) {
        // A day the new year lacks (29 February) becomes the month's last day.
        const int year = FSpin->value();
        const int day = qMin(FGrid->Day(), DaysInMonth(year, FGrid->Month()));
        FDate = QDate(year, FGrid->Month(), day);
        FGrid->SetCalendarDate(FDate);
        ShowDateText(FDate);
    } else if (sender == FCombo) {
        const int month = FCombo->currentIndex() + 1;
        if (month < 1) {
            Attach();
            return;
        }
        const int year = FGrid->Year();
        const int day = qMin(FGrid->Day(), DaysInMonth(year, month));
        FDate = QDate(year, month, day);
        FGrid->SetCalendarDate(FDate);
        ShowDateText(FDate);
    }
    Attach();
    if (!button || button->Down())
        DoChange();
}

void TFullCalendarAncestor::StepByButton(TButPanel* button) {
    const QDate current = Date();
    const std::optional<QDate> next = SteppedDate(current, button->Tag());
    if (!next || next->year() < FFirstYear) {
        // A step past the years a date can hold changes nothing, and a held
        // button stops rather than failing again at every tick.
        button->StopRepeat();
        return;
    }
    const int thisYear = Today().year();
    const int year = current.year();
    if (button->Tag() == StepYearNext && qAbs(year + 1 - thisYear) > FYearRange)
        SetYearRange(qAbs(year + 1 - thisYear));
    // Going back resets the range only past five years, to the shown year's
    // distance; SetSpinYear below still moves the lower limit to the new year.
    if (button->Tag() == StepYearPrior && qAbs(year - 1 - thisYear) > 5)
        SetYearRange(qAbs(year - thisYear));
    FDate = *next;
    FGrid->SetCalendarDate(FDate);
    SetSpinYear(FDate.year());
    FCombo->setCurrentIndex(FDate.month() - 1);
    ShowDateText(FDate);
}

std::optional<QDate> TFullCalendarAncestor::EditDate(bool* centuryAdded) const {
    const std::optional<QDate> parsed =
        ParseDateText(FEdit->text(), CldrLocale::ShortDateFormat(), CldrLocale::DateSeparator(),
                      Date(), Today().year());
    if (!parsed)
        return std::nullopt;
    QDate date = *parsed;
    const bool added = date.year() < 1910;
    if (centuryAdded)
        *centuryAdded = added;
    if (added) {
        date = QDate(date.year() + 100, date.month(), date.day());
        if (!date.isValid()) // 29 February of a leap year whose +100 is common
            return std::nullopt;
    }
    if (date.year() < FFirstYear)
        return std::nullopt;
    return date;
}

void TFullCalendarAncestor::EditDone(bool returnPressed) {
    if (!FAttached)
        return;
    const QDate before = FDateBeforeTyping.value_or(Date());
    const std::optional<QDate> typed = EditDate();
    if (!typed) {
        // Part of a date may have shown a day on the way ("2023-02-2" of
        // "2023-02-29"): the day the user saw before typing comes back.
        SetDate(before);
        return;
    }
    FDateBeforeTyping.reset();
    if (returnPressed || *typed != Date()) {
        StepDate(FEdit);
    } else {
        Detach();
        ShowDateText(Date());
        Attach();
    }
}

bool TFullCalendarAncestor::StepByEdit() {
    bool centuryAdded = false;
    const std::optional<QDate> parsed = EditDate(&centuryAdded);
    if (!parsed)
        return false;
    FDate = *parsed;
    FGrid->SetCalendarDate(FDate);
    FCombo->setCurrentIndex(FDate.month() - 1);
    SetSpinYear(FDate.year());
    ShowDateText(FDate);
    // The box shows the year the day is in, also while typing once the
    // year is typed whole; a shorter one may still be growing.
    if (centuryAdded && (!FTypingInEdit || parsed->year() >= 1100))
        FEdit->setText(CldrLocale::FormatShortDate(FDate));
    return true;
}

std::array<QWidget*, 4> TFullCalendarAncestor::Parts() const {
    return {FEdit, FGrid, FCombo, FSpin};
}

bool TFullCalendarAncestor::IsPart(QWidget* w) const {
    for (QWidget* part : Parts()) {
        if (w && (w == part || part->isAncestorOf(w)))
            return true;
    }
    return false;
}

bool TFullCalendarAncestor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FEdit && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        EditDone(false);
    if (event->type() == QEvent::FocusIn && !FEntered) {
        FEntered = true;
        if (OnEnter)
            OnEnter(this);
    } else if (event->type() == QEvent::FocusOut && FEntered) {
        if (!IsPart(QApplication::focusWidget())) {
            FEntered = false;
            if (OnExit)
                OnExit(this);
        }
    }
    return QFrame::eventFilter(watched, event);
}

TFullCalendarAncestor::TArrangement TFullCalendarAncestor::Measure(const QFont& font) const {
    const QFontMetrics fm(font);
    TArrangement a;
    int widestMonth = 0;
    for (int m = 1; m <= 12; ++m)
        widestMonth = qMax(widestMonth, fm.horizontalAdvance(CldrLocale::LongMonthName(m)));
    const int widest =
        qMax(widestMonth, fm.horizontalAdvance(CldrLocale::FormatShortDate(QDate(2000, 12, 31))));
    a.editWidth = widest + 23;
    // The style's frame and arrow take more than 23 pixels of a month box.
    QStyleOptionComboBox box;
    box.initFrom(FCombo);
    box.fontMetrics = fm;
    a.monthWidth = qMax(a.editWidth, FCombo->style()
                                         ->sizeFromContents(QStyle::CT_ComboBox, &box,
                                                            QSize(widestMonth, fm.height()), FCombo)
                                         .width());
    a.rowHeight = fm.height() + 8;
    int dayName = fm.horizontalAdvance(QStringLiteral("30"));
    for (int d = 0; d < 7; ++d)
        dayName = qMax(dayName, fm.horizontalAdvance(CldrLocale::ShortDayName(d)));
    a.gridWidth = 7 * (dayName + 2) - 3;
    a.gridHeight = 7 * (fm.height() + 4) + 3;
    a.glyph = a.rowHeight < 20 ? ((a.rowHeight - 6) / 2) * 2 : 16;
    // The grid carries the step buttons at its edges, so it is at least as
    // wide as a button row; the calendar holds both.
    a.gridWidth = qMax(a.gridWidth, a.editWidth + 2 * a.rowHeight + 4);
    a.width = qMax(a.editWidth + 68, a.gridWidth + 4);
    a.height = 2 + a.rowHeight + 2 + a.gridHeight + 2 + a.rowHeight + 2 + a.rowHeight + 2;
    return a;
}

void TFullCalendarAncestor::Arrange() {
    const TArrangement a = Measure(font());
    const int gaps[5] = {2, 0, 0, 0, 2};
    PlaceParts(a, qMax(a.width, width()), a.gridHeight, gaps);
    FArrangedWidth = a.width;
    FArrangedHeight = a.height;
}

void TFullCalendarAncestor::PlaceParts(const TArrangement& a, int totalWidth, int gridHeight,
                                       const int gaps[5]) {
    const int bw = a.rowHeight; // square buttons, as high as the edit
    const int gridWidth = qMin(a.gridWidth, totalWidth - 4);
    const int gx = (totalWidth - gridWidth) / 2;
    const int ex = (totalWidth - a.editWidth) / 2;
    const int leftX = gx;
    const int rightX = gx + gridWidth - bw;

    FGlyphSize = a.glyph;
    const QPixmap left = MakeArrowGlyph(true, FGlyphSize);
    const QPixmap right = MakeArrowGlyph(false, FGlyphSize);

    int y = gaps[0];
    // The month box widens into the room between its buttons.
    const int monthWidth = qMax(a.editWidth, qMin(a.monthWidth, rightX - leftX - bw - 4));
    auto placeRow = [&](TButPanel* prior, QWidget* middle, TButPanel* next) {
        prior->setGeometry(leftX, y, bw, a.rowHeight);
        prior->SetGlyph(left);
        if (middle == FCombo)
            middle->setGeometry((totalWidth - monthWidth) / 2, y, monthWidth, a.rowHeight);
        else
            middle->setGeometry(ex, y, a.editWidth, a.rowHeight);
        next->setGeometry(rightX, y, bw, a.rowHeight);
        next->SetGlyph(right);
    };
    placeRow(StepButton(StepDayPrior), FEdit, StepButton(StepDayNext));
    y += a.rowHeight + 2 + gaps[1];
    FGrid->setGeometry(gx, y, gridWidth, gridHeight);
    y += gridHeight + 2 + gaps[2];
    placeRow(StepButton(StepMonthPrior), FCombo, StepButton(StepMonthNext));
    y += a.rowHeight + 2 + gaps[3];
    placeRow(StepButton(StepYearPrior), FSpin, StepButton(StepYearNext));
}

QPixmap TFullCalendarAncestor::MakeArrowGlyph(bool left, int size) const {
    QPixmap glyph(size, size);
    glyph.fill(Color());
    QPainter p(&glyph);
    p.setPen(BgrColor(0x808080));
    p.setBrush(BgrColor(0xFF0000));
    const int mid = size / 2 - 1;
    const int tipX = left ? 3 : 10;
    const int baseX = left ? 10 : 3;
    const QPoint triangle[3] = {QPoint(tipX, mid), QPoint(baseX, 0), QPoint(baseX, size - 2)};
    p.drawPolygon(triangle, 3);
    return glyph;
}

void TFullCalendarAncestor::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (OnPaint)
        OnPaint(this);
}

void TFullCalendarAncestor::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    UpdateParts();
}

void TFullCalendarAncestor::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Rearrange();
}

void TFullCalendarAncestor::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        Rearrange();
}

// TFullCalendarLight

TFullCalendarLight::TFullCalendarLight(QWidget* parent) : TFullCalendarAncestor(parent) {
    Loaded();
}

void TFullCalendarLight::Loaded() {
    Arrange();
    if (width() < ArrangedWidth())
        resize(ArrangedWidth(), height());
    update();
}

void TFullCalendarLight::FitFont() {
    if (FFitting)
        return;
    FFitting = true;
    QFont f = font();
    int size = 6;
    for (int s = 50; s >= 6; --s) {
        f.setPointSize(s);
        const TArrangement a = Measure(f);
        if (a.height <= height() && a.width <= width()) {
            size = s;
            break;
        }
    }
    f.setPointSize(size);
    if (font() != f)
        setFont(f);
    Arrange();
    const TArrangement a = Measure(f);
    // Never narrower than the calendar at the smallest size; a larger floor
    // would keep a grown calendar from shrinking again.
    QFont smallest = f;
    smallest.setPointSize(6);
    const int floorWidth = Measure(smallest).width;
    if (minimumWidth() != floorWidth)
        setMinimumWidth(floorWidth);

    const int rows = 3 * a.rowHeight;
    int gridHeight = qMax(10, (height() - rows - 6) / 7 * 7 + 3);
    while (rows + gridHeight + 6 > height() && gridHeight > 10)
        gridHeight -= 7;
    const int spare = qMax(0, height() - rows - gridHeight - 6);
    int gaps[5];
    for (int i = 0; i < 5; ++i)
        gaps[i] = spare / 5 + (i < spare % 5 ? 1 : 0);
    PlaceParts(a, qMax(a.width, width()), gridHeight, gaps);
    FFitting = false;
}

void TFullCalendarLight::paintEvent(QPaintEvent* event) {
    if (!FFitted) {
        FFitted = true;
        FitFont();
    }
    TFullCalendarAncestor::paintEvent(event);
}
