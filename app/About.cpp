#include "About.h"

#include "Controls.h"
#include "Environment.h"
#include "Shell.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>
#include <chrono>

TfrmAbout* frmAbout = nullptr;

const char* const TfrmAbout::WebAddress = "https://evelmorande.example.org/";
const char* const TfrmAbout::ContactAddress = "mailto:contact@evelmorande.example.org";

namespace {

const QColor kMaroon(0x80, 0, 0);
const QColor kNavy(0, 0, 0x80);

QPixmap DesignPicture(const QSize& size) {
    QPixmap pm(size);
    pm.fill(kMaroon);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(size.width() / 2.0, size.height() * 0.42), size.width() * 0.7);
    glow.setColorAt(0, QColor(0xF5, 0xD7, 0x6E));
    glow.setColorAt(1, kMaroon);
    p.fillRect(pm.rect(), glow);
    const double w = size.width(), h = size.height();
    const double bar = w * 0.12;
    QPainterPath cross;
    cross.addRect(w / 2 - bar / 2, h * 0.12, bar, h * 0.70);
    cross.addRect(w * 0.22, h * 0.30, w * 0.56, bar);
    cross.setFillRule(Qt::WindingFill);
    p.fillPath(cross, QColor(0x80, 0x40, 0x00));
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x80), 2));
    p.drawPath(cross.simplified());
    return pm;
}

// The narrowest width at which a text wraps into no more lines than at the
// given width, so its lines come out of even length.
int BalancedWrapWidth(const QFontMetrics& fm, const QString& text, int width) {
    auto height = [&](int w) {
        return fm.boundingRect(QRect(0, 0, w, 100000), Qt::TextWordWrap, text).height();
    };
    const int target = height(width);
    int lo = 1, hi = width;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (height(mid) <= target)
            hi = mid;
        else
            lo = mid + 1;
    }
    return hi;
}

// A wrapped label whose lines are balanced: no word left alone on the last.
class TBalancedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect area = contentsRect();
        const int w = BalancedWrapWidth(fontMetrics(), text(), area.width());
        const QRect lines(area.left() + (area.width() - w) / 2, area.top(), w, area.height());
        style()->drawItemText(&p, lines, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                              text(), foregroundRole());
    }
};

QLabel* LinkLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    SetTextColor(l, kNavy, {QPalette::WindowText});
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QPlainTextEdit* Memo(const QString& text, QWidget* parent) {
    auto* m = new QPlainTextEdit(text, parent);
    m->setReadOnly(true);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return m;
}

QGroupBox* MemoBox(const QString& title, const QString& text, QPlainTextEdit** memo = nullptr) {
    auto* box = new QGroupBox(title);
    auto* lay = new QVBoxLayout(box);
    lay->setContentsMargins(4, 4, 4, 4);
    QPlainTextEdit* m = Memo(text, box);
    lay->addWidget(m);
    if (memo)
        *memo = m;
    return box;
}

// A tab page with the given group boxes one under the other.
void AddTabPage(QTabWidget* tabs, const QString& caption, const QList<QWidget*>& boxes) {
    auto* page = new QWidget(tabs);
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(4, 4, 4, 4);
    for (QWidget* b : boxes)
        lay->addWidget(b);
    tabs->addTab(page, caption);
}

} // namespace

quint32 TfrmAbout::Tick() {
    return TickCount();
}

TfrmAbout::TfrmAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("frmAbout");
    setWindowTitle("About");
    setFixedSize(621, 426);
    BuildLayout();
}

void TfrmAbout::BuildLayout() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* pnlMain = new QFrame(this);
    pnlMain->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->addWidget(pnlMain, 1);
    auto* mainLay = new QHBoxLayout(pnlMain);
    mainLay->setContentsMargins(8, 8, 8, 6);
    mainLay->setSpacing(8);

    // Picture panel with its caption.
    auto* pnlPicture = new QFrame(pnlMain);
    pnlPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPicture->setAutoFillBackground(true);
    QPalette pp = pnlPicture->palette();
    pp.setColor(QPalette::Window, kMaroon);
    pp.setColor(QPalette::WindowText, Qt::yellow);
    pnlPicture->setPalette(pp);
    pnlPicture->setFixedWidth(170);
    auto* picLay = new QVBoxLayout(pnlPicture);
    picLay->setContentsMargins(6, 6, 6, 6);
    auto* imgPicture = new QLabel(pnlPicture);
    imgPicture->setPixmap(DesignPicture(QSize(156, 250)));
    imgPicture->setScaledContents(true);
    imgPicture->setMinimumSize(1, 1);
    auto* lblPicture = new QLabel("Glory to God in all things", pnlPicture);
    lblPicture->setAlignment(Qt::AlignCenter);
    lblPicture->setWordWrap(true);
    QFont cf = lblPicture->font();
    cf.setItalic(true);
    cf.setBold(true);
    lblPicture->setFont(cf);
    picLay->addWidget(imgPicture, 1);
    picLay->addWidget(lblPicture);
    mainLay->addWidget(pnlPicture);

    auto* right = new QVBoxLayout;
    right->setSpacing(3);
    mainLay->addLayout(right, 1);

    lblVersion = new QLabel("E-Velmorande 2.0  & E-Tessavine 1.0", pnlMain);
    lblVersion->setObjectName("lblVersion");
    QFont vf("Times New Roman");
    vf.setBold(true);
    vf.setPixelSize(21);
    lblVersion->setFont(vf);
    SetTextColor(lblVersion, Qt::black, {QPalette::WindowText});
    lblVersion->setAlignment(Qt::AlignCenter);
    right->addWidget(lblVersion);

    lblSubtitle = new TBalancedLabel(
        "The Holy Bible and The Lectionary of the Razade Doviruvu Riveri", pnlMain);
    lblSubtitle->setAutoFillBackground(true);
    QPalette sp = lblSubtitle->palette();
    sp.setColor(QPalette::Window, kMaroon);
    sp.setColor(QPalette::WindowText, Qt::yellow);
    lblSubtitle->setPalette(sp);
    QFont sf = lblSubtitle->font();
    sf.setBold(true);
    lblSubtitle->setFont(sf);
    lblSubtitle->setAlignment(Qt::AlignCenter);
    lblSubtitle->setWordWrap(true);
    lblSubtitle->setContentsMargins(4, 3, 4, 3);
    right->addWidget(lblSubtitle);

    auto* lblMaker = new QLabel("Prepared by the E-Velmorande project volunteers", pnlMain);
    lblMaker->setAlignment(Qt::AlignCenter);
    auto* lblRights = new QLabel(
        QString::fromUtf8("Copyright \u00A9 2026 The E-Velmorande Project. All rights reserved."),
        pnlMain);
    lblRights->setAlignment(Qt::AlignCenter);
    right->addWidget(lblMaker);
    right->addWidget(lblRights);

    PageControl1 = new QTabWidget(pnlMain);
    AddTabPage(PageControl1, "Bible Texts",
               {MemoBox("World English Bible",
                        "The World English Bible is in the public domain. It may be copied, "
                        "quoted and shared freely. \"World English Bible\" is a trademark of its "
                        "publishers; the text shown here is unchanged."),
                MemoBox("World English Bible, Deuterocanonical Books",
                        "The deuterocanonical books of the World English Bible are in the public "
                        "domain as well and are shown with the books of the Old Testament.")});
    memoCredits =
        Memo("Calendar rules, readings and Synaxarium entries were gathered and checked by the "
             "volunteers of the E-Velmorande project.\n\nThanks to everyone who reported a "
             "mistake or suggested an improvement.",
             PageControl1);
    PageControl1->addTab(memoCredits, "Credits");
    AddTabPage(PageControl1, "References",
               {MemoBox("The E-Velmorande pogram is based upon the following books:",
                        "The Holy Bible, World English Bible translation.\n"
                        "The annual lectionary of the Church.\n"
                        "The Synaxarium of the saints of the Church.\n"
                        "The calendar and its feasts as kept by the Church.",
                        &memoReferences)});
    right->addWidget(PageControl1, 1);

    auto* lblDonation =
        new QLabel("This program is free. If it helps you, remember those in need.", pnlMain);
    lblDonation->setAlignment(Qt::AlignCenter);
    right->addWidget(lblDonation);
    lblWebsite = LinkLabel("evelmorande.example.org", pnlMain);
    lblWebsite->setObjectName("lblWebsite");
    lblWebsite->installEventFilter(this);
    lblEmailAddress = LinkLabel("contact@evelmorande.example.org", pnlMain);
    lblEmailAddress->setObjectName("lblEmailAddress");
    lblEmailAddress->installEventFilter(this);
    right->addWidget(lblWebsite);
    right->addWidget(lblEmailAddress);

    auto* pnlBottom = new QFrame(this);
    pnlBottom->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlBottom->setFixedHeight(36);
    auto* botLay = new QHBoxLayout(pnlBottom);
    botLay->setContentsMargins(8, 4, 8, 4);
    BitBtn1 = new QPushButton("OK", pnlBottom);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->hide();
    ProgressBar1 = new QProgressBar(pnlBottom);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 7);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    botLay->addWidget(ProgressBar1, 1);
    botLay->addStretch(0);
    botLay->addWidget(BitBtn1);
    outer->addWidget(pnlBottom);

    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmAbout::ShowSplash() {
    show();
    // A window shown is not yet on the screen: until the display has mapped
    // and exposed it, whatever is painted is thrown away. Start-up blocks the
    // message loop afterwards, so wait for that here, briefly.
    const quint32 start = Tick();
    QWindow* window = windowHandle();
    while (window && !window->isExposed() && quint32(Tick() - start) < SplashExposeWait)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void TfrmAbout::StepSplash() {
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
    // The bar is a child widget: repaint the whole window so the new bar
    // reaches the screen now, not when the loop next runs.
    repaint();
}

void TfrmAbout::SetDialogMode() {
    BitBtn1->show();
    ProgressBar1->hide();
    BitBtn1->setFocus();
}

void TfrmAbout::keyPressEvent(QKeyEvent* event) {
    // OK is the default and the cancel button of the About box.
    const int key = event->key();
    const bool okKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    if (okKey && BitBtn1->isVisible() && event->modifiers() == Qt::NoModifier) {
        BitBtn1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
    QWidget::showEvent(event);
    if (BitBtn1->isVisible())
        BitBtn1->setFocus();
}

void TfrmAbout::closeEvent(QCloseEvent* event) {
    // Elapsed time as a difference of ticks, so a wrap of the counter neither
    // ends nor prolongs the wait.
    const quint32 start = Tick();
    while (quint32(Tick() - start) < quint32(std::max(0, CloseDelay)))
        QThread::yieldCurrentThread();
    event->accept();
    if (CloseDelay > 0) {
        CloseDelay = 0;
        deleteLater(); // the splash frees itself
    }
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblWebsite) {
            ShellOpen(WebAddress);
            return true;
        }
        if (watched == lblEmailAddress) {
            ShellOpen(ContactAddress);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
