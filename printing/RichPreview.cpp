// The first preview window: building, commands, printing and closing.
#include "RichPreview.h"

#include "Controls.h"
#include "Dialogs.h"
#include "PrinterJob.h"
#include "RichPrintSettings.h"
#include "Shell.h"
#include "arrowbtn.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <cmath>

TRichPreviewForm* RichPreviewForm = nullptr;
TPreview2* Preview2 = nullptr;

namespace {

const char* const CaptionBuilding = "Print Preview (Formatting)";
const char* const CaptionDone = "Print Preview";
const char* const SaveFailedMessage = "Can not save the page information (MetaFiles)";
const char* const ZoomedHint = "Click right mouse button for original size";
// Where the zoom controls begin in the button panel at the least, after the
// unit; they end near 417, the panel width from which they are shown.
constexpr int ZoomLeft = 296;

// In the window's own pixels, as its sizes and places are: on a scaled
// screen the device pixels would make the preview larger than the screen.
QSize screenSize() {
    return ScreenInWindowPixels(PrimaryScreenMetrics());
}

// Keeps the hourglass for the length of a scope.
struct TWaitCursor {
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
};

QLabel* label(QWidget* parent, const QString& text, const QRect& r, const QString& hint = {}) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setToolTip(hint);
    return l;
}

QToolButton* speedButton(QWidget* parent, const QString& text, const QRect& r,
                         const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setGeometry(r);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QScrollArea* scrollBox(QWidget* parent, const QRect& r, TPageImage* image) {
    auto* box = new QScrollArea(parent);
    box->setGeometry(r);
    box->setFrameShape(QFrame::NoFrame);
    box->setWidget(image);
    box->setWidgetResizable(false);
    image->resize(r.size());
    return box;
}

} // namespace

TRichPreviewForm::TRichPreviewForm(const TPreviewPaper& paper, bool compress, QWidget* parent)
    : QWidget(parent, Qt::Window), paper_(paper), screen_(screenSize()), files_(compress) {
    RichPreviewForm = this;
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whatever previews are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QString::fromLatin1(CaptionBuilding));
    geometry_ = TPreviewGeometry::Compute(screen_, paper_.Ratio());
    BuildControls();
    // The least width counts on the design's font; a wider one must not cut
    // the panel's last caption.
    const int over = pnlButtons->childrenRect().right() + 1 - geometry_.Panel.width();
    if (over > 0) {
        geometry_.FrameWidth += over;
        geometry_.Client.rwidth() += over;
        geometry_.Panel.setWidth(geometry_.Panel.width() + over);
        pnlButtons->setGeometry(geometry_.Panel);
    }
    resize(geometry_.Client);
    move(std::max(0, (screen_.width() - geometry_.FrameWidth) / 2),
         std::max(0, (screen_.height() - geometry_.FrameHeight) / 2));
    // The place counts on a frame of the design's size: once a window manager
    // has framed the window, its frame is put back on the screen.
    FitOnScreen(this);
    lblPageCount->hide();
    chkCompact->hide();
    UpdateControls();
    // A preview still open when the program ends takes its files along.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { files_.RemoveAll(); });
}

TRichPreviewForm::~TRichPreviewForm() {
    delete second_.data();
    if (RichPreviewForm == this)
        RichPreviewForm = nullptr;
}

void TRichPreviewForm::BuildControls() {
    const TPreviewGeometry& g = geometry_;
    Image1 = new TPageImage;
    Image1->OnRightClick = [this] { ResetZoom(); };
    ScrollBox1 = scrollBox(this, g.Image, Image1);

    pnlButtons = new QWidget(this);
    pnlButtons->setGeometry(g.Panel);
    QWidget* p = pnlButtons;
    ArrowButton2 = new TArrowButton(p);
    ArrowButton2->move(2, 2);
    ArrowButton2->SetDirection(arwUP);
    ArrowButton2->setToolTip(QStringLiteral("Showing next pages [PgUp]"));
    ArrowButton2->OnClick = [this] { ArrowButton2Click(); };
    ArrowButton1 = new TArrowButton(p);
    ArrowButton1->move(2, 38);
    ArrowButton1->SetDirection(arwDOWN);
    ArrowButton1->setToolTip(QStringLiteral("Showing previous pages [PgDn]"));
    ArrowButton1->OnClick = [this] { ArrowButton1Click(); };
    QFont small = font();
    small.setPointSize(7);
    lblNext = label(p, QStringLiteral("NEXT "), QRect(36, 6, 44, 12));
    lblNextPage = label(p, QStringLiteral("page"), QRect(36, 19, 44, 12));
    lblPrevious = label(p, QStringLiteral("PREVIOUS"), QRect(36, 42, 44, 12));
    lblPreviousPage = label(p, QStringLiteral("page"), QRect(36, 55, 44, 12));
    for (QLabel* l : {lblNext, lblNextPage, lblPrevious, lblPreviousPage})
        l->setFont(small);

    // Captions as wide as their text in the panel's font.
    auto width = [p](const char* text) {
        return p->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + 6;
    };
    const int editX = 82 + width("Page number:");
    edtPage = new QLineEdit(p);
    // Wide enough for the pages of a compact view, "97-100" and beyond.
    const QMargins frame = edtPage->textMargins() + edtPage->contentsMargins();
    const int editWidth = edtPage->fontMetrics().horizontalAdvance(QStringLiteral("9999-9999")) +
                          frame.left() + frame.right() + 8;
    const int countX = editX + editWidth + 2;
    const int unitX = countX + width("(9999)") + 2;
    lblPageCaption = label(p, QStringLiteral("Page number:"), QRect(82, 4, editX - 82, 22));
    edtPage->setGeometry(editX, 4, editWidth, 22);
    edtPage->setToolTip(QStringLiteral("Number of current page (can be changed manually) "));
    connect(edtPage, &QLineEdit::textEdited, this, [this] { edtPageKeyUp(); });
    connect(edtPage, &QLineEdit::returnPressed, this, [this] { edtPageExit(); });
    lblPageCount = label(p, QString(), QRect(countX, 4, unitX - 2 - countX, 22),
                         QStringLiteral("Total number of pages"));
    lblPageCount->setAutoFillBackground(true);
    QPalette yellow = lblPageCount->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    lblPageCount->setPalette(yellow);
    lblPageCount->setAlignment(Qt::AlignCenter);

    SpeedButton1 = speedButton(p, QStringLiteral("&Printing"), QRect(82, 29, 68, 22),
                               QStringLiteral("Printing of selection from document ['P' key]"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    chkCompact = new QCheckBox(QStringLiteral("Compact"), p);
    chkCompact->setGeometry(154, 29, 90, 22);
    chkCompact->setToolTip(QStringLiteral("Four pages on one window"));
    chkCompact->setFocusPolicy(Qt::NoFocus);
    connect(chkCompact, &QCheckBox::clicked, this, [this] { chkCompactClick(); });
    SpeedButton2 = speedButton(p, QStringLiteral("&Larger"), QRect(82, 54, 68, 22),
                               QStringLiteral("Larger zoom ['L' key]"));
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    SpeedButton3 = speedButton(p, QStringLiteral("&Smaller"), QRect(152, 54, 68, 22),
                               QStringLiteral("Smaller zoom ['S' key]"));
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });

    lblUnit = label(p, paper_.Unit == muInches ? QStringLiteral("inch") : QStringLiteral("mm"),
                    QRect(unitX, 4, width("inch"), 22));
    btnClose = new QPushButton(QStringLiteral("&Close"), p);
    btnClose->setGeometry(222, 54, 68, 22);
    btnClose->setToolTip(QStringLiteral("Closing this preview"));
    btnClose->setFocusPolicy(Qt::NoFocus);
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });

    const int zoomLeft = std::max(ZoomLeft, unitX + width("inch") + 6);
    const int zoomX = zoomLeft + std::max(width("Zoom factor:"), width("Zoom step:"));
    lblZoomCaption =
        label(p, QStringLiteral("Zoom factor:"), QRect(zoomLeft, 4, zoomX - zoomLeft, 22));
    lblZoom = label(p, QStringLiteral("1.000"), QRect(zoomX, 4, 40, 22),
                    QStringLiteral("Actual size of the zoom (double click for a value of one)"));
    lblZoom->installEventFilter(this);
    lblZoomStepCaption =
        label(p, QStringLiteral("Zoom step:"), QRect(zoomLeft, 29, zoomX - zoomLeft, 22));
    medtZoomStep = new QLineEdit(p);
    medtZoomStep->setGeometry(zoomX, 29, 40, 22);
    medtZoomStep->setInputMask(QStringLiteral("9.999"));
    medtZoomStep->setText(QStringLiteral("0.250"));
    medtZoomStep->setToolTip(QStringLiteral("Input step size zooming"));
    connect(medtZoomStep, &QLineEdit::textEdited, this, [this] { medtZoomStepChange(); });
    for (QWidget* w :
         {static_cast<QWidget*>(lblZoomCaption), static_cast<QWidget*>(lblZoom),
          static_cast<QWidget*>(lblZoomStepCaption), static_cast<QWidget*>(medtZoomStep)})
        w->setVisible(g.ZoomControls);

    // The form sees every key first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

// --- Building ----------------------------------------------------------------

void TRichPreviewForm::SavePage(const QPicture& page) {
    const int index = view_.PageCount();
    const QByteArray data(page.data(), qsizetype(page.size()));
    // Said once, when the building ends: a message box now would run the
    // event loop in the middle of the rendering. The page is kept anyway.
    if (!files_.Save(index, data))
        saveFailed_ = true;
    view_.AddPage();
    if (setupDone_) {
        Changed();
        return;
    }
    // While building, the newest page is shown as it comes.
    std::vector<std::optional<QPicture>> pages;
    pages.emplace_back(page);
    Image1->SetPages(std::move(pages), 1, QSize(paper_.WidthPx, paper_.HeightPx));
    edtPage->setText(view_.PageText(0));
    if (isVisible())
        Image1->repaint();
}

void TRichPreviewForm::EndBuild() {
    if (setupDone_)
        return;
    setupDone_ = true;
    view_.EndBuilding();
    lblPageCount->show();
    if (view_.PageCount() >= 2 && !second_) {
        const int w = geometry_.FrameWidth;
        int left = std::max(0, int(std::lround((screen_.width() - 2.0 * w) / 2)));
        // Moved before a window manager has framed it, the window may be put
        // at the place meant for its frame, its frame off the screen: the
        // fit looks again.
        if (screen_.width() < left + 2 * w) {
            left = int(std::lround((screen_.width() - w) / 2.0));
            move(left, y());
            FitOnScreenAgain(this);
        } else {
            move(left, y());
            FitOnScreenAgain(this);
            second_ = new TPreview2(this);
            view_.SetSecond(true);
            second_->show();
        }
    }
    setWindowTitle(QString::fromLatin1(CaptionDone));
    Changed();
    if (saveFailed_)
        MessageDlg(QString::fromLatin1(SaveFailedMessage), mtError, mbOK);
}

void TRichPreviewForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && setupDone_)
        UpdateControls();
    QWidget::changeEvent(event);
}

// --- Showing -----------------------------------------------------------------

std::optional<QPicture> TRichPreviewForm::LoadPage(int index) const {
    const std::optional<QByteArray> data = files_.Load(index);
    if (!data)
        return std::nullopt;
    QPicture picture;
    picture.setData(data->constData(), uint(data->size()));
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

void TRichPreviewForm::ShowWindowPages(int window, TPageImage* image) {
    std::vector<std::optional<QPicture>> pages;
    const int first = view_.FirstOf(window);
    for (int i = 0; i < view_.CountOf(window); ++i)
        pages.push_back(LoadPage(first + i));
    image->SetPages(std::move(pages), view_.PagesPerWindow(),
                    QSize(paper_.WidthPx, paper_.HeightPx));
}

void TRichPreviewForm::ShowPages() {
    ShowWindowPages(0, Image1);
    edtPage->setText(view_.PageText(0));
    lblPageCount->setText(QStringLiteral("(%1)").arg(view_.PageCount()));
    if (second_) {
        ShowWindowPages(1, second_->Image1);
        const bool any = view_.CountOf(1) > 0;
        second_->lblPage->setText(view_.PageText(1));
        second_->lblPage->setVisible(any);
        second_->lblPageCaption->setVisible(any);
        second_->lblUnit->setVisible(any);
    }
}

void TRichPreviewForm::SizeImageForZoom() {
    const double zoom = view_.Zoom();
    auto size = [zoom](QScrollArea* box, TPageImage* image) {
        const QSize s = box->size();
        image->resize(zoom <= 1.0 ? s
                                  : QSize(int(std::lround(s.width() * zoom)),
                                          int(std::lround(s.height() * zoom))));
    };
    size(ScrollBox1, Image1);
    if (second_)
        size(second_->ScrollBox1, second_->Image1);
}

void TRichPreviewForm::UpdateControls() {
    const bool next = setupDone_ && view_.NextEnabled();
    const bool previous = setupDone_ && view_.PreviousEnabled();
    for (QWidget* w : {static_cast<QWidget*>(ArrowButton2), static_cast<QWidget*>(lblNext),
                       static_cast<QWidget*>(lblNextPage)})
        w->setEnabled(next);
    for (QWidget* w : {static_cast<QWidget*>(ArrowButton1), static_cast<QWidget*>(lblPrevious),
                       static_cast<QWidget*>(lblPreviousPage)})
        w->setEnabled(previous);
    SpeedButton3->setEnabled(view_.SmallerEnabled());
    lblZoom->setText(QString::number(view_.Zoom(), 'f', 3));
    const QString hint = view_.Zoom() > 1.0 ? QString::fromLatin1(ZoomedHint) : QString();
    Image1->setToolTip(hint);
    if (second_)
        second_->Image1->setToolTip(hint);
    edtPage->setReadOnly(view_.PageCount() <= 1);
    chkCompact->setVisible(setupDone_ && view_.PageCount() >= 2);
    chkCompact->setChecked(view_.Compact());
}

void TRichPreviewForm::Changed() {
    TWaitCursor wait;
    UpdateControls();
    SizeImageForZoom();
    ShowPages();
    update();
    if (second_)
        second_->update();
}

// --- Commands ----------------------------------------------------------------

void TRichPreviewForm::ArrowButton2Click() {
    view_.Next();
    Changed();
}

void TRichPreviewForm::ArrowButton1Click() {
    view_.Previous();
    Changed();
}

void TRichPreviewForm::SpeedButton2Click() {
    view_.Larger();
    Changed();
}

void TRichPreviewForm::SpeedButton3Click() {
    view_.Smaller();
    Changed();
}

void TRichPreviewForm::ResetZoom() {
    view_.ResetZoom();
    Changed();
}

void TRichPreviewForm::chkCompactClick() {
    view_.SetCompact(chkCompact->isChecked());
    Changed();
}

void TRichPreviewForm::edtPageKeyUp() {
    if (edtPage->isReadOnly() || !setupDone_)
        return;
    const bool compactAlone = view_.Compact() && !view_.Second();
    if (!view_.GoToTyped(edtPage->text()))
        return;
    if (compactAlone)
        edtPage->setText(QStringLiteral("1"));
    const QString typed = edtPage->text();
    Changed();
    // The number stays as typed while the user edits it.
    if (!view_.Compact())
        edtPage->setText(typed);
}

void TRichPreviewForm::edtPageExit() {
    // A number typed but not shown (no such page, or the odd page left of
    // an even one) gives way to the page the window shows.
    if (setupDone_)
        edtPage->setText(view_.PageText(0));
}

void TRichPreviewForm::medtZoomStepChange() {
    view_.SetZoomStepText(medtZoomStep->text());
}

void TRichPreviewForm::ScrollBy(int dx, int dy) {
    for (QScrollArea* box : {ScrollBox1, second_ ? second_->ScrollBox1 : nullptr}) {
        if (!box)
            continue;
        QScrollBar* h = box->horizontalScrollBar();
        QScrollBar* v = box->verticalScrollBar();
        h->setValue(h->value() + dx * h->singleStep());
        v->setValue(v->value() + dy * v->singleStep());
    }
    update();
    if (second_)
        second_->update();
}

bool TRichPreviewForm::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        if (ArrowButton2->isEnabled())
            ArrowButton2Click();
        return true;
    case Qt::Key_PageDown:
        if (ArrowButton1->isEnabled())
            ArrowButton1Click();
        return true;
    case Qt::Key_Home:
        view_.Home();
        Changed();
        return true;
    case Qt::Key_End:
        view_.End();
        Changed();
        return true;
    case Qt::Key_Left:
        ScrollBy(-1, 0);
        return true;
    case Qt::Key_Right:
        ScrollBy(1, 0);
        return true;
    case Qt::Key_Up:
        ScrollBy(0, -1);
        return true;
    case Qt::Key_Down:
        ScrollBy(0, 1);
        return true;
    case Qt::Key_L:
        SpeedButton2Click();
        return true;
    case Qt::Key_S:
        if (SpeedButton3->isEnabled())
            SpeedButton3Click();
        return true;
    case Qt::Key_P:
        SpeedButton1Click();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool TRichPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && setupDone_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (second_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == second_) {
            activateWindow();
            setFocus();
        }
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        if (FormKeyDown(key->key()))
            return true;
    }
    if (watched == edtPage && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        edtPageExit();
    if (watched == lblZoom && event->type() == QEvent::MouseButtonDblClick) {
        ResetZoom();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// --- Printing ----------------------------------------------------------------

void TRichPreviewForm::SpeedButton1Click() {
    QPrinter& printer = printer_ ? *printer_ : ProgramPrinter();
    const int sheets = view_.SheetCount();
    if (sheets < 1)
        return;
    if (!ExecutePrintDialog(this, &printer, sheets))
        return;
    int from = 1, to = sheets;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(sheets, std::max(from, printer.toPage()));
    }
    // The job's end is checked like its start: a file that could not be
    // written is said so, and the window goes on.
    try {
        TWaitCursor wait;
        PrintSheets(printer, from, to);
    } catch (const ELinePrinter& e) {
        MessageDlg(QString::fromUtf8(e.what()), mtError, mbOK);
    }
}

void TRichPreviewForm::PrintSheets(QPrinter& printer, int from, int to) {
    TPrinterJob job(printer);
    QPainter& painter = job.Begin();
    // The pages are drawn from the paper's corner, wherever the printable
    // area begins.
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QPoint origin =
        paper.topLeft() - printer.pageRect(QPrinter::DevicePixel).toRect().topLeft();
    for (int sheet = from - 1; sheet < to; ++sheet) {
        if (sheet > from - 1)
            job.NewPage();
        PaintSheet(painter, sheet, QRectF(origin, paper.size()));
    }
    job.End();
}

void TRichPreviewForm::PaintSheet(QPainter& painter, int sheet, const QRectF& paper) const {
    const QSize paperPx(paper_.WidthPx, paper_.HeightPx);
    if (!view_.Compact()) {
        if (const std::optional<QPicture> page = LoadPage(view_.PageOnSheet(sheet, 0)))
            TPageImage::DrawPage(painter, *page, paper, paperPx);
        return;
    }
    // Four pages in the quarters of the upper 95 % of the sheet.
    const double w = paper.width();
    const double h = std::round(paper.height() * 0.95);
    for (int place = 0; place < TPreviewView::PagesPerCompactWindow; ++place) {
        const int index = view_.PageOnSheet(sheet, place);
        if (index < 0)
            continue;
        if (const std::optional<QPicture> page = LoadPage(index)) {
            const QRectF quarter(paper.left() + (place % 2) * w / 2,
                                 paper.top() + (place / 2) * h / 2, w / 2, h / 2);
            TPageImage::DrawPage(painter, *page, quarter, paperPx);
        }
    }
}

// --- Painting and closing ----------------------------------------------------

void TRichPreviewForm::paintEvent(QPaintEvent*) {
    if (!setupDone_)
        return;
    QPainter painter(this);
    DrawRulers(painter, ScrollBox1, Image1, paper_);
}

void TRichPreviewForm::closeEvent(QCloseEvent* event) {
    TWaitCursor wait;
    closing_ = true;
    Image1->Clear();
    files_.RemoveAll();
    if (second_)
        second_->close();
    event->accept();
}

// --- Opening -----------------------------------------------------------------

TRichPreviewForm* OpenRichPreview(TRichPrinter& printer) {
    TPreviewPaper paper;
    paper.WidthPx = printer.PaperWidthPx();
    paper.HeightPx = printer.PaperHeightPx();
    paper.Width = printer.PaperWidth();
    paper.Height = printer.PaperHeight();
    paper.Unit = printer.MeasureUnit();
    auto* form = new TRichPreviewForm(paper, ReadCompressSetting());
    form->SetPrinter(printer.Printer());
    ShowOverModal(form);
    // A rendering that fails midway ends the building at the next turn of
    // the event loop, with the pages it made.
    QTimer::singleShot(0, form, [form] { form->EndBuild(); });
    return form;
}

void InstallRichPreview() {
    TPageFiles::RemoveStale();
    TRichPrinter::SetPreviewWindowFactory(
        [](TRichPrinter& printer) -> TPreviewPageSink* { return OpenRichPreview(printer); });
}

// --- Second window -----------------------------------------------------------

TPreview2::TPreview2(TRichPreviewForm* first)
    : QWidget(first, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), first_(first) {
    Preview2 = this;
    setWindowTitle(QStringLiteral("next page(s)"));
    // The keys stay with the first window, which the buttons are on.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    const TPreviewGeometry& g = first->Geometry();
    resize(g.Client);
    move(first->x() + g.FrameWidth, first->y());
    Image1 = new TPageImage;
    Image1->OnRightClick = [first] { first->ResetZoom(); };
    ScrollBox1 = scrollBox(this, g.Image, Image1);
    pnlButtons = new QWidget(this);
    pnlButtons->setGeometry(g.Panel);
    lblPageCaption =
        label(pnlButtons, QStringLiteral("Page number:"), first->lblPageCaption->geometry());
    lblPage = label(pnlButtons, QString(), first->edtPage->geometry(),
                    QStringLiteral("Actual page number (second window)"));
    lblUnit = label(pnlButtons, first->lblUnit->text(), first->lblUnit->geometry());
    installEventFilter(first);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(first);
}

TPreview2::~TPreview2() {
    if (Preview2 == this)
        Preview2 = nullptr;
}

// The second window has no close button; it goes with the first.
void TPreview2::closeEvent(QCloseEvent* event) {
    if (first_->closing_)
        event->accept();
    else
        event->ignore();
}

void TPreview2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawRulers(painter, ScrollBox1, Image1, first_->paper_);
}
