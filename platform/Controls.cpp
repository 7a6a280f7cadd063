#include "Controls.h"

#include "ErrorHandler.h"
#include "Shell.h"
#include "TableEngine.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QColor>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <utility>

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        TAutoDefault autoDefault) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (autoDefault == TAutoDefault::Off)
        b->setAutoDefault(false);
    return b;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& caption,
                            const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

QFrame* MakePanel(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    return f;
}

void SetTextColor(QWidget* w, const QColor& color,
                  std::initializer_list<QPalette::ColorRole> roles) {
    QPalette p = w->palette();
    for (QPalette::ColorRole role : roles)
        p.setColor(role, color);
    w->setPalette(p);
}

QFrame* MakeNavigator(QWidget* parent, const QString& name, std::function<TDataSet*()> dataSet,
                      std::function<void()> after) {
    QFrame* nav = MakePanel(parent, name);
    auto* row = new QHBoxLayout(nav);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const struct {
        const char* caption; // none: the arrow
        Qt::ArrowType arrow;
        const char* hint;
        void (TDataSet::*move)();
    } steps[] = {{"|<", Qt::NoArrow, "First record", &TDataSet::First},
                 {nullptr, Qt::LeftArrow, "Prior record", &TDataSet::Prior},
                 {nullptr, Qt::RightArrow, "Next record", &TDataSet::Next},
                 {">|", Qt::NoArrow, "Last record", &TDataSet::Last}};
    for (const auto& s : steps) {
        auto* b = new QToolButton(nav);
        if (s.caption != nullptr)
            b->setText(QString::fromLatin1(s.caption));
        else
            b->setArrowType(s.arrow);
        b->setToolTip(QString::fromLatin1(s.hint));
        QObject::connect(b, &QToolButton::clicked, nav, [dataSet, move = s.move, after] {
            RunGuarded([&] {
                if (TDataSet* ds = dataSet(); ds != nullptr && ds->Active())
                    (ds->*move)();
                if (after)
                    after();
            });
        });
        row->addWidget(b);
    }
    return nav;
}

namespace {

// The frame of a shown window as the window manager last told it, or an
// empty rectangle while none is known. Qt's widget keeps the frame it read
// at its last move, which may be one the window manager was still building;
// and on a busy machine the frame can be read before the window's own size
// is: a frame that does not hold the window is not yet the real one.
QRect FrameGeometry(const QWidget* w) {
    const QWindow* handle = w->windowHandle();
    if (!w->testAttribute(Qt::WA_WState_Created) || handle == nullptr)
        return {};
    const QRect frame = handle->frameGeometry();
    const QRect inner = handle->geometry();
    return frame != inner && frame.contains(inner) ? frame : QRect();
}

// Where a frame of the size given, put at `at`, lies wholly in the room.
QPoint WithinRoom(QPoint at, QSize frame, const QRect& room) {
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - frame.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - frame.height())));
    return at;
}

} // namespace

QSize WindowFrame(const QWidget* window) {
    const auto framed = [](const QWidget* w) {
        return !(w->windowFlags() & Qt::FramelessWindowHint) &&
               (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog ||
                w->windowType() == Qt::Tool);
    };
    const auto frameOf = [](const QWidget* w) {
        const QRect frame = FrameGeometry(w);
        return frame.isValid() ? frame.size() - w->size() : QSize(0, 0);
    };
    if (!framed(window))
        return {0, 0};
    if (const QSize own = frameOf(window); own != QSize(0, 0))
        return own;
    // A window not yet framed takes the frame its window manager gave the
    // others.
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && framed(other))
            if (const QSize frame = frameOf(other); frame != QSize(0, 0))
                return frame;
    return {0, 0};
}

QSize SizeOnScreen(const QSize& size, const QSize& minimum, const QSize& frame,
                   const QSize& screen) {
    QSize fit = size;
    if (fit.width() + frame.width() > screen.width())
        fit.setWidth(std::max(minimum.width(), screen.width() - frame.width()));
    if (fit.height() + frame.height() > screen.height())
        fit.setHeight(std::max(minimum.height(), screen.height() - frame.height()));
    return fit;
}

QSize RoomOnScreen(const QWidget* window) {
    return ScreenInWindowPixels(PrimaryScreenMetrics()) - WindowFrame(window);
}

namespace {

// A window placed before the window manager framed it was placed with a frame
// assumed; the one the window manager gives it can leave its title bar or its
// foot off the screen. Once it is framed, the window goes back on the screen,
// once each show, so that a window the user moves stays where it is put.
constexpr const char* kFrameOnScreen = "FrameOnScreen";
// Mends a show may take before the window is left where the window manager
// keeps it.
constexpr int kFrameMends = 3;
// The frame can come with no notice of its own to the window: after each
// show the window is also looked at every tenth of a second, for five.
constexpr int kFrameLookMs = 100;
constexpr int kFrameLooks = 50;

class TFrameOnScreen : public QObject {
public:
    explicit TFrameOnScreen(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QLatin1String(kFrameOnScreen));
        window->installEventFilter(this);
        looks_.setInterval(kFrameLookMs);
        connect(&looks_, &QTimer::timeout, this, [this] {
            if (++looked_ >= kFrameLooks)
                looks_.stop();
            Mend();
        });
    }
    // A show begins: the window is looked at until its frame lies on the
    // screen.
    void Begin() {
        placed_ = false;
        mends_ = 0;
        looked_ = 0;
        looks_.start();
    }
    // After the program moved the shown window: a move made before the window
    // manager framed it may still come, a while after the frame is known, so
    // the window is looked at for all of the looks.
    void Again() {
        Begin();
        again_ = true;
        QTimer::singleShot(kFrameLookMs * kFrameLooks, this, [this] { again_ = false; });
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            Begin();
            if (QWindow* handle = window_->windowHandle())
                handle->installEventFilter(this);
        } else if (e->type() == QEvent::Hide) {
            looks_.stop();
        } else if (!placed_ && !due_ &&
                   (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                    e->type() == QEvent::WindowActivate || e->type() == QEvent::Expose)) {
            // The window manager's notices come in bursts that pass through
            // places it never keeps: the window is looked at once they are in.
            due_ = true;
            QTimer::singleShot(0, this, [this] {
                due_ = false;
                Mend();
            });
        }
        return false;
    }

private:
    void Mend() {
        QWidget* w = window_;
        const QRect frame = FrameGeometry(w);
        QScreen* screen = w->screen();
        // Without a window manager there is no frame, and nothing to mend.
        // Until the window shows, its window manager may still be framing and
        // placing it: its frame passes through the screen's corner.
        if (placed_ || !w->isVisible() || screen == nullptr || !frame.isValid() ||
            !w->windowHandle()->isExposed())
            return;
        const QRect room = screen->availableGeometry();
        if (room.contains(frame) || mends_ == kFrameMends) {
            if (again_)
                return;
            placed_ = true;
            looks_.stop();
            return;
        }
        ++mends_;
        const QPoint at = WithinRoom(frame.topLeft(), frame.size(), room);
        // The window itself is put where its frame then lies: moving it by
        // its frame would read the frame Qt's widget last kept.
        const QRect inner = w->windowHandle()->geometry();
        w->setGeometry(QRect(at + (inner.topLeft() - frame.topLeft()), inner.size()));
    }

    QWidget* window_;
    QTimer looks_;
    bool placed_ = false;
    bool due_ = false;
    bool again_ = false;
    int mends_ = 0;
    int looked_ = 0;
};

} // namespace

void FitOnScreen(QWidget* window) {
    auto* onScreen = static_cast<TFrameOnScreen*>(
        window->findChild<QObject*>(kFrameOnScreen, Qt::FindDirectChildrenOnly));
    if (onScreen == nullptr)
        onScreen = new TFrameOnScreen(window);
    // Called from a show handler, after the show the watcher would see.
    onScreen->Begin();
    const QSize fit = SizeOnScreen(window->size(), window->minimumSize(), WindowFrame(window),
                                   ScreenInWindowPixels(PrimaryScreenMetrics()));
    if (fit != window->size())
        window->resize(fit);
}

void FitOnScreenAgain(QWidget* window) {
    if (auto* onScreen = static_cast<TFrameOnScreen*>(
            window->findChild<QObject*>(kFrameOnScreen, Qt::FindDirectChildrenOnly)))
        onScreen->Again();
}

void CentreOnScreen(QWidget* window) {
    FitOnScreen(window);
    // A window's position is that of its frame.
    const QRect framed(QPoint(), window->size() + WindowFrame(window));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - framed.center());
}

void CentreOverOpener(QWidget* window) {
    QWidget* opener = QApplication::activeModalWidget();
    if (opener == nullptr || opener == window)
        opener = QApplication::activeWindow();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (opener == nullptr || opener == window || !opener->isVisible() || screen == nullptr) {
        CentreOnScreen(window);
        return;
    }
    FitOnScreen(window);
    const QRect framed(QPoint(), window->size() + WindowFrame(window));
    const QRect room = screen->availableGeometry();
    const QRect openerFrame = FrameGeometry(opener);
    const QPoint centred =
        (openerFrame.isValid() ? openerFrame : opener->geometry()).center() - framed.center();
    window->move(WithinRoom(centred, framed.size(), room));
}

namespace {

// Notes an Esc pressed while a drop-down list (or another popup) is open:
// Qt closes the popup with it and then still offers the key to the window's
// shortcuts, which must let it pass.
class TPopupEscape : public QObject {
public:
    static TPopupEscape& Instance() {
        static auto* watcher = [] {
            auto* w = new TPopupEscape;
            qApp->installEventFilter(w);
            return w;
        }();
        return *watcher;
    }
    // True, once, when the Esc being pressed went to a popup.
    bool Take() { return std::exchange(taken_, false); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const QEvent::Type t = e->type();
        if ((t == QEvent::ShortcutOverride || t == QEvent::KeyPress || t == QEvent::KeyRelease) &&
            static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            if (t == QEvent::KeyRelease)
                taken_ = false;
            else if (QApplication::activePopupWidget() != nullptr)
                taken_ = true;
        }
        return false;
    }

private:
    bool taken_ = false;
};

} // namespace

void FocusOnOpening(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(box))
        spin->selectAll();
}

void CloseOnEscape(QWidget* window) {
    TPopupEscape& popupEscape = TPopupEscape::Instance();
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, window, [window, &popupEscape] {
        if (!popupEscape.Take())
            window->close();
    });
}

TPrintingButtons MakePrintingPanel(QWidget* parent) {
    const QColor maroon(128, 0, 0);
    TPrintingButtons b;
    b.Panel = MakePanel(parent, QStringLiteral("pnlPrinting"));
    b.Panel->setFrameShape(QFrame::Panel);
    b.Panel->setFrameShadow(QFrame::Raised);
    SetTextColor(b.Panel, maroon);
    auto* row = new QHBoxLayout(b.Panel);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(MakeLabel(b.Panel, QStringLiteral("lblPrinting"), QStringLiteral("Printing")));
    b.Print = MakeToolButton(b.Panel, QStringLiteral("spdbtnPrint"), QStringLiteral("Print"),
                             QStringLiteral("Print"));
    b.Preview = MakeToolButton(b.Panel, QStringLiteral("spdbtnPreview"), QStringLiteral("Preview"),
                               QStringLiteral("Print Preview"));
    b.PageSetup = MakeToolButton(b.Panel, QStringLiteral("spdbtnPageSetup"),
                                 QStringLiteral("Page Setup"), QStringLiteral("Page Setup"));
    b.SaveAs = MakeToolButton(b.Panel, QStringLiteral("spdbtnSaveAs"), QStringLiteral("Save As"),
                              QStringLiteral("Save As"));
    for (QToolButton* t : {b.Print, b.Preview, b.PageSetup, b.SaveAs})
        row->addWidget(t);
    return b;
}
