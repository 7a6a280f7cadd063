// Properties, derived lengths, the column and macro helpers and the page
// set-up of the rich-text printer. The print job itself is in
// RichPrintJob.cpp.
#include "RichPrint.h"

#include "Dialogs.h"
#include "PrinterJob.h"
#include "RichPrintSettings.h"
#include "RichPrntProgDlg.h"

#include <QApplication>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr double MmPerInch = 25.4;
// The least text area page set-up accepts each way (on paper of at least
// twice that; smaller paper needs half its size).
constexpr double MinTextAreaMm = 50;

QPageLayout::Unit LayoutUnit(TMeasureUnit unit) {
    return unit == muMillimeters ? QPageLayout::Millimeter : QPageLayout::Inch;
}

} // namespace

double TRichPrinter::previewRatio_ = 0;

namespace {
QPrinter* programPrinter = nullptr;
}

QPrinter& ProgramPrinter() {
    // Freed with the application object, before the print plugins unload.
    if (!programPrinter) {
        programPrinter = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete programPrinter;
            programPrinter = nullptr;
        });
    }
    return *programPrinter;
}

TRichPrinter::TRichPrinter(QObject* owner, QPrinter* printer)
    : QObject(owner), printer_(printer ? printer : &ProgramPrinter()) {
    SetFont_HeaderFooter(QFont(QStringLiteral("Courier New"), 10));
    SetOptions_Dialog(0);
    constructing_ = false;
}

TRichPrinter::~TRichPrinter() {
    delete progress_.data();
}

// --- Device and derived lengths ----------------------------------------------

int TRichPrinter::DpiX() const {
    return std::max(1, printer_->logicalDpiX());
}

int TRichPrinter::DpiY() const {
    return std::max(1, printer_->logicalDpiY());
}

int TRichPrinter::UnitToPixelsX(double v) const {
    const double inches = measureUnit_ == muMillimeters ? v / MmPerInch : v;
    return int(std::lround(DpiX() * inches));
}

int TRichPrinter::UnitToPixelsY(double v) const {
    const double inches = measureUnit_ == muMillimeters ? v / MmPerInch : v;
    return int(std::lround(DpiY() * inches));
}

double TRichPrinter::PixelsToUnitX(int px) const {
    const double inches = double(px) / DpiX();
    return measureUnit_ == muMillimeters ? inches * MmPerInch : inches;
}

double TRichPrinter::PixelsToUnitY(int px) const {
    const double inches = double(px) / DpiY();
    return measureUnit_ == muMillimeters ? inches * MmPerInch : inches;
}

int TRichPrinter::PaperWidthPx() const {
    return qRound(printer_->paperRect(QPrinter::DevicePixel).width());
}

int TRichPrinter::PaperHeightPx() const {
    return qRound(printer_->paperRect(QPrinter::DevicePixel).height());
}

double TRichPrinter::PaperWidth() const {
    return PixelsToUnitX(PaperWidthPx());
}

double TRichPrinter::PaperHeight() const {
    return PixelsToUnitY(PaperHeightPx());
}

double TRichPrinter::GutterTop() const {
    return PixelsToUnitY(qRound(printer_->pageRect(QPrinter::DevicePixel).top()));
}

double TRichPrinter::GutterLeft() const {
    return PixelsToUnitX(qRound(printer_->pageRect(QPrinter::DevicePixel).left()));
}

double TRichPrinter::GutterBottom() const {
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    return PixelsToUnitY(PaperHeightPx() - qRound(page.height()) - qRound(page.top()));
}

double TRichPrinter::GutterRight() const {
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    return PixelsToUnitX(PaperWidthPx() - qRound(page.width()) - qRound(page.left()));
}

int TRichPrinter::LeftOffset() const {
    return UnitToPixelsX(marginLeft_ - GutterLeft());
}

int TRichPrinter::TopOffset() const {
    return UnitToPixelsY(marginTop_ - GutterTop());
}

int TRichPrinter::RightOffset() const {
    return UnitToPixelsX(marginRight_ - GutterRight());
}

int TRichPrinter::BottomOffset() const {
    return std::max(UnitToPixelsY(marginBottom_ - GutterBottom()), LineHeight());
}

int TRichPrinter::ContentWidth() const {
    const qint64 w = qint64(qRound(printer_->pageRect(QPrinter::DevicePixel).width())) -
                     LeftOffset() - RightOffset();
    return w < 0 || w > INT_MAX ? 0 : int(w);
}

int TRichPrinter::ContentHeight() const {
    const qint64 h = qint64(qRound(printer_->pageRect(QPrinter::DevicePixel).height())) -
                     TopOffset() - BottomOffset();
    return h < 0 || h > INT_MAX ? 0 : int(h);
}

QFont TRichPrinter::DeviceFont() const {
    // The point size kept, at the printer's resolution; a pixel size so that a
    // page picture draws it the same.
    QFont f = font_;
    f.setPixelSize(std::max(1, int(std::lround(font_.pointSizeF() * DpiY() / 72.0))));
    return f;
}

int TRichPrinter::LineHeight() const {
    const QFontMetrics fm(DeviceFont(), printer_);
    if (!jobActive_)
        return fm.height();
    return fm.height() + std::max(0, fm.leading());
}

bool TRichPrinter::Printing() const {
    return (jobActive_ && !preview_) || printer_->printerState() == QPrinter::Active;
}

// --- Properties --------------------------------------------------------------

void TRichPrinter::SetFont_HeaderFooter(const QFont& font, const QColor& color) {
    font_ = font;
    if (font_.pointSizeF() <= 0) // a pixel size at the screen's 96 pixels per inch
        font_.setPointSizeF(font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96.0 : 10);
    fontColor_ = color == QColor(Qt::white) ? QColor(Qt::black) : color;
    if (!constructing_)
        ApplyFont();
}

TPrinterOrientation TRichPrinter::Orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape
                                                                          : poPortrait;
}

void TRichPrinter::SetOrientation(TPrinterOrientation o) {
    if (Printing())
        throw ELinePrinter(QStringLiteral("Unable to change orientation while printing"));
    printer_->setPageOrientation(o == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!constructing_)
        ClampMargins();
}

QString TRichPrinter::Title() const {
    return printer_->docName();
}

void TRichPrinter::SetTitle(const QString& title) {
    if (Printing())
        throw ELinePrinter(QStringLiteral("Unable to change title while printing"));
    printer_->setDocName(title);
}

void TRichPrinter::SetHeaderFormat(const QString& s) {
    headerFormat_ = s;
}

void TRichPrinter::SetFooterFormat(const QString& s) {
    footerFormat_ = s;
}

void TRichPrinter::SetOptions_Dialog(TPageOptions options) {
    if (options & poDisableMargins)
        options &= ~poMargins;
    optionsDialog_ = options;
    int flags = 0;
    if (options & poDisableMargins)
        flags |= 0x10;
    else if (options & poMargins)
        flags |= 0x2;
    if (options & poDisableOrientation)
        flags |= 0x100;
    if (options & poDisablePaper)
        flags |= 0x200;
    if (options & poDisablePrinter)
        flags |= 0x20;
    flags |= measureUnit_ == muMillimeters ? 0x8 : 0x4;
    pageSetupFlags_ = flags;
}

QString TRichPrinter::ConvertedFormat(const QString& format, double factor) const {
    QStringList items = SplitColumns(format);
    for (QString& item : items) {
        const TColumnFormat cf = ParseColumnFormat(item);
        const QChar align = cf.Align == TColumnAlign::Right    ? '>'
                            : cf.Align == TColumnAlign::Center ? '^'
                                                               : '<';
        item = align + QString::number(cf.Width * factor, 'g', 6);
    }
    return items.join('|');
}

void TRichPrinter::SetMeasureUnit(TMeasureUnit unit) {
    if (unit == measureUnit_)
        return;
    const double factor = unit == muMillimeters ? MmPerInch : 1 / MmPerInch;
    // Formats are converted in the old unit, where their widths are parsed.
    const QString header = ConvertedFormat(headerFormat_, factor);
    const QString footer = ConvertedFormat(footerFormat_, factor);
    measureUnit_ = unit;
    if (constructing_)
        return;
    for (double* v : {&marginTop_, &marginBottom_, &marginLeft_, &marginRight_, &borderOffset_,
                      &defaultColumnWidth_, &logoTop_, &logoLeft_, &logoWidth_, &logoHeight_})
        *v *= factor;
    SetHeaderFormat(header);
    SetFooterFormat(footer);
    SetOptions_Dialog(optionsDialog_);
    ClampMargins();
}

void TRichPrinter::SetMeasureUnitOnly(TMeasureUnit unit) {
    measureUnit_ = unit;
    SetOptions_Dialog(optionsDialog_);
}

// --- Margins -----------------------------------------------------------------

void TRichPrinter::SetMarginTop(double value) {
    SetMargin(MarginSide::Top, value);
}

void TRichPrinter::SetMarginBottom(double value) {
    SetMargin(MarginSide::Bottom, value);
}

void TRichPrinter::SetMarginLeft(double value) {
    SetMargin(MarginSide::Left, value);
}

void TRichPrinter::SetMarginRight(double value) {
    SetMargin(MarginSide::Right, value);
}

// Each margin lies between its gutter and the paper less the opposite gutter;
// beyond that, the pair leaves room for at least one line of text (one line
// height both ways), giving way on the other margin only when the new value
// cannot.
void TRichPrinter::SetMargin(MarginSide side, double value) {
    static const char* const names[] = {"top", "bottom", "left", "right"};
    if (Printing())
        throw ELinePrinter(QStringLiteral("Unable to change %1 margin while printing")
                               .arg(QLatin1String(names[int(side)])));
    if (!std::isfinite(value))
        value = 0;
    const bool vertical = side == MarginSide::Top || side == MarginSide::Bottom;
    const int room = LineHeight() + 2;
    const double paper = vertical ? PaperHeight() : PaperWidth();
    const double line = vertical ? PixelsToUnitY(room) : PixelsToUnitX(room);
    double gThis, gOther;
    double *mine, *other;
    switch (side) {
    case MarginSide::Top:
        gThis = GutterTop(), gOther = GutterBottom(), mine = &marginTop_, other = &marginBottom_;
        break;
    case MarginSide::Bottom:
        gThis = GutterBottom(), gOther = GutterTop(), mine = &marginBottom_, other = &marginTop_;
        break;
    case MarginSide::Left:
        gThis = GutterLeft(), gOther = GutterRight(), mine = &marginLeft_, other = &marginRight_;
        break;
    default:
        gThis = GutterRight(), gOther = GutterLeft(), mine = &marginRight_, other = &marginLeft_;
        break;
    }
    value = std::clamp(value, gThis, std::max(gThis, paper - gOther));
    // What a margin takes from the paper: the bottom one at least a line
    // more than its gutter, the room of the footer.
    auto use = [&](const double* m, double v) {
        return m == &marginBottom_ ? std::max(v, GutterBottom() + line) : v;
    };
    value = std::max(gThis, std::min(value, paper - line - use(other, *other)));
    if (use(mine, value) + use(other, *other) + line > paper)
        *other = std::max(gOther, paper - line - use(mine, value));
    *mine = value;
}

void TRichPrinter::SetMargins(double left, double top, double right, double bottom) {
    if (Printing())
        throw ELinePrinter(QStringLiteral("Unable to change top margin while printing"));
    marginLeft_ = left;
    marginTop_ = top;
    marginRight_ = right;
    marginBottom_ = bottom;
    ClampMargins();
}

void TRichPrinter::ClampMargins() {
    const double top = marginTop_, bottom = marginBottom_, left = marginLeft_, right = marginRight_;
    SetMarginTop(top);
    SetMarginBottom(bottom);
    SetMarginLeft(left);
    SetMarginRight(right);
}

// --- Columns and macros --------------------------------------------------------

QStringList TRichPrinter::SplitColumns(const QString& s) {
    return s.split('|');
}

TColumnFormat TRichPrinter::ParseColumnFormat(const QString& item) const {
    const QString defaultWidth = QString::number(defaultColumnWidth_, 'g', 10);
    QString f = item;
    if (f.isEmpty())
        f = '<' + defaultWidth;
    else if (f == "<" || f == ">" || f == "^")
        f += defaultWidth;
    TColumnFormat cf;
    QString width = f.mid(1);
    switch (f.at(0).unicode()) {
    case '<':
        break;
    case '>':
        cf.Align = TColumnAlign::Right;
        break;
    case '^':
        cf.Align = TColumnAlign::Center;
        break;
    default:
        width = f;
    }
    bool ok = false;
    cf.Width = QLocale::c().toDouble(width.trimmed(), &ok);
    if (!ok || !std::isfinite(cf.Width) || cf.Width < 0)
        throw ELinePrinter(QStringLiteral("\"%1\" is not a valid column format").arg(item));
    return cf;
}

QString TRichPrinter::FitText(const QString& text, int columnWidth) const {
    const QFontMetrics fm(DeviceFont(), printer_);
    if (fm.horizontalAdvance(text) <= columnWidth)
        return text;
    int low = 1, high = int(text.size()), mid = 0, previous;
    do {
        previous = mid;
        mid = (low + high) / 2;
        const int w = fm.horizontalAdvance(text.left(mid));
        if (w > columnWidth)
            high = mid;
        else if (w == columnWidth)
            low = high;
        else
            low = mid;
    } while (mid != previous && high > low);
    // The bisection can stop one character past the column: that one goes.
    QString fitted = text.left(mid);
    while (!fitted.isEmpty() && fm.horizontalAdvance(fitted) > columnWidth)
        fitted.chop(1);
    return fitted;
}

QString TRichPrinter::ExpandMacros(const QString& text) const {
    QString s = text;
    const QLocale locale = QLocale::system();
    const std::pair<QString, QString> macros[] = {
        {QStringLiteral("{$LINE}"), QString::number(lineCount_)},
        {QStringLiteral("{$PAGE}"), QString::number(pageNumber_)},
        {QStringLiteral("{$DATE}"), locale.toString(Today(), QLocale::ShortFormat)},
        {QStringLiteral("{$TIME}"), locale.toString(QTime::currentTime(), QLocale::LongFormat)},
        {QStringLiteral("{$TITLE}"), Title()},
    };
    for (const auto& [macro, value] : macros)
        if (!value.contains(macro))
            s.replace(macro, value);
    return s;
}

// --- Page set-up -----------------------------------------------------------------

bool TRichPrinter::PageSetup() {
    if (saveMargins_)
        LoadPrinterSettings(*this);
    const QPageLayout::Unit unit = LayoutUnit(measureUnit_);
    const QPageLayout before = printer_->pageLayout();
    // The dialog edits the printer's layout; its margins stand for ours while
    // it runs, the printer's own (its non-printable edges) come back after.
    QPageLayout asked = before;
    asked.setUnits(unit);
    asked.setMode(QPageLayout::FullPageMode);
    asked.setMargins(QMarginsF(marginLeft_, marginTop_, marginRight_, marginBottom_));
    printer_->setPageLayout(asked);

    QPointer<QWidget> focus = QApplication::focusWidget();
    bool ok = false;
    try {
        ok = ExecutePageSetupDialog(QApplication::activeWindow(), printer_);
    } catch (...) {
        printer_->setPageLayout(before);
        throw;
    }
    if (focus)
        focus->setFocus();

    const QPageLayout answer = printer_->pageLayout();
    const double old[] = {marginLeft_, marginTop_, marginRight_, marginBottom_};
    const TMeasureUnit oldUnit = measureUnit_;
    QPageLayout restored = before;
    if (!(optionsDialog_ & poDisablePaper))
        restored.setPageSize(answer.pageSize(), before.minimumMargins());
    if (!(optionsDialog_ & poDisableOrientation))
        restored.setOrientation(answer.orientation());
    printer_->setPageLayout(restored);
    // The unit chosen in the dialog stays for the next set-up when it is one
    // of ours; another (points, picas) keeps ours.
    for (TMeasureUnit ours : {muMillimeters, muInches})
        if (ok && answer.units() == LayoutUnit(ours))
            SetMeasureUnit(ours);
    if (!(optionsDialog_ & poDisableMargins)) {
        const QMarginsF m = answer.margins(LayoutUnit(measureUnit_));
        SetMargins(m.left(), m.top(), m.right(), m.bottom());
    }
    ClampMargins();
    const QString sliver = TextAreaProblem();
    if (!sliver.isEmpty()) {
        printer_->setPageLayout(before);
        SetMeasureUnit(oldUnit);
        SetMargins(old[0], old[1], old[2], old[3]);
        MessageDlg(sliver, mtWarning, mbOK);
        return false;
    }
    if (saveMargins_)
        SavePrinterSettings(*this);
    return ok;
}

QString TRichPrinter::TextAreaProblem() const {
    // Measured as the message shows it: what it would call 50 mm is enough.
    const int decimals = measureUnit_ == muMillimeters ? 0 : 2;
    const double scale = std::pow(10.0, decimals);
    auto shown = [scale](double v) { return std::round(v * scale) / scale; };
    const double factor = measureUnit_ == muMillimeters ? 1 : 1 / MmPerInch;
    const double width = shown(PixelsToUnitX(ContentWidth()));
    const double height = shown(PixelsToUnitY(ContentHeight()));
    const double needWidth = shown(std::min(MinTextAreaMm * factor, PaperWidth() / 2));
    const double needHeight = shown(std::min(MinTextAreaMm * factor, PaperHeight() / 2));
    if (width >= needWidth && height >= needHeight)
        return {};
    const QString unit =
        measureUnit_ == muMillimeters ? QStringLiteral("mm") : QStringLiteral("inches");
    auto n = [decimals](double v) { return QString::number(v, 'f', decimals); };
    return QStringLiteral("The margins leave a text area of %1 by %2 %5 (width by height); at "
                          "least %3 by %4 %5 is needed. Please choose smaller margins.")
        .arg(n(width), n(height), n(needWidth), n(needHeight), unit);
}
