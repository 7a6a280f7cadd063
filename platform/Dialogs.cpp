#include "Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

namespace {

QString& LastFolder() {
    static QString folder;
    return folder;
}

void RememberFolderOf(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).isDir() && QFileInfo(folder).isWritable())
        LastFolder() = folder;
}

// Ends a local event loop when the watched window is hidden or closed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* w, QEventLoop* loop) : m_loop(loop) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide || e->type() == QEvent::Close)
            m_loop->quit();
        return false;
    }

private:
    QEventLoop* m_loop;
};

// Raises a window and gives it the keys as it shows. A window whose native
// window was made before its opener's would be mapped beneath it, and
// without a window manager nothing else raises it: the modal window would
// take every click unseen.
class TAboveOnShow : public QObject {
public:
    explicit TAboveOnShow(QWidget* window) : window_(window) { window->installEventFilter(this); }
    ~TAboveOnShow() override {
        if (window_)
            window_->removeEventFilter(this);
    }
    TAboveOnShow(const TAboveOnShow&) = delete;
    TAboveOnShow& operator=(const TAboveOnShow&) = delete;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            window_->raise();
            window_->activateWindow();
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
};

// Keeps the keyboard with the window shown over its opener: a click on the
// opener, which the window blocks, makes the opener the active window, and
// its keys would reach no window. When the window goes, the opener takes the
// keys again: no window manager need be there to do either.
class OpenerReturn : public QObject {
public:
    OpenerReturn(QWidget* window, QWidget* opener)
        : QObject(window), m_window(window), m_opener(opener) {
        window->installEventFilter(this);
        opener->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_window && e->type() == QEvent::Hide && m_opener && m_opener->isVisible())
            m_opener->activateWindow();
        if (watched == m_opener && e->type() == QEvent::WindowActivate && m_window->isVisible())
            QTimer::singleShot(0, m_window, [w = m_window] {
                w->raise();
                w->activateWindow();
            });
        return false;
    }

private:
    QWidget* m_window;
    QPointer<QWidget> m_opener;
};

// A message box shows at most this much, so that it and its buttons stay
// within a small or scaled screen: lines and characters of the whole text.
// A long word has no cap of its own (it is most often a file's path, which
// the user needs whole): the box breaks one longer than kMessageWordChars.
constexpr int kMessageLines = 15;
constexpr int kMessageChars = 800;
constexpr int kMessageWordChars = 60;
// Where the box may end a line in a long word: a zero width space, which
// draws nothing.
constexpr char16_t kLineBreakMark = 0x200B;

QString FitMessageText(const QString& text) {
    const QChar ellipsis(0x2026);
    QStringList lines = text.split(QLatin1Char('\n'));
    const bool moreLines = lines.size() > kMessageLines;
    const QString fitted = lines.mid(0, kMessageLines).join(QLatin1Char('\n'));
    if (fitted.size() > kMessageChars)
        return fitted.left(kMessageChars) + ellipsis;
    return moreLines ? fitted + QLatin1Char('\n') + ellipsis : fitted;
}

// The text as the box shows it: a word longer than kMessageWordChars may end
// a line after a folder separator, else after kMessageWordChars characters;
// no character goes.
QString BreakableText(const QString& text) {
    QString out;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char(' ') &&
               text.at(end) != QLatin1Char('\n'))
            ++end;
        const QStringView word = QStringView(text).mid(start, end - start);
        int run = 0; // characters since the last place the line may end
        for (qsizetype i = 0; i < word.size(); ++i) {
            out += word.at(i);
            ++run;
            // A pair of surrogates is one character and stays together.
            if (word.size() <= kMessageWordChars || word.at(i).isHighSurrogate())
                continue;
            if (i + 1 < word.size() &&
                (word.at(i) == QLatin1Char('/') || run >= kMessageWordChars)) {
                out += QChar(kLineBreakMark);
                run = 0;
            }
        }
        if (end < text.size())
            out += text.at(end);
        start = end + 1;
    }
    return out;
}

// A window manager keeps a window above the one it was opened from only when
// it is that window's dialog; an opener that stays on top would cover a plain
// window. The window keeps its own buttons.
Qt::WindowFlags OverOpener(Qt::WindowFlags flags) {
    if (!(flags & Qt::CustomizeWindowHint))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    return (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
}

// The window a dialog opens over: the caller's, else the modal one, else the
// active one. Parented to it, the dialog is its transient, and a window
// manager keeps it above its opener even when the opener stays on top.
QWidget* OpenerOf(QWidget* parent) {
    if (parent != nullptr)
        return parent->window();
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// Once a dialog or a modal window has gone, its opener takes the keys again:
// without a window manager nothing else gives it the focus, and no window
// would take a key until a click. Without one, a window takes the keys only
// after the click on it has been handled, and the click that opens the
// dialog may come first: then no window is active, and the opener is the
// window under the pointer.
class TKeysBack {
public:
    explicit TKeysBack(QWidget* opener) : opener_(opener) {
        if (opener_ == nullptr)
            if (QWidget* under = QApplication::widgetAt(QCursor::pos()))
                opener_ = under->window();
    }
    ~TKeysBack() {
        if (opener_ && opener_->isVisible())
            opener_->activateWindow();
    }
    TKeysBack(const TKeysBack&) = delete;
    TKeysBack& operator=(const TKeysBack&) = delete;

private:
    QPointer<QWidget> opener_;
};

// The keys go back when the watched window is hidden, as they do when a
// modal window's loop ends.
class TKeysBackOnHide : public QObject {
public:
    explicit TKeysBackOnHide(QWidget* window)
        : QObject(window), back_(std::in_place, OpenerOf(nullptr)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide && back_) {
            back_.reset();
            deleteLater();
        }
        return false;
    }

private:
    std::optional<TKeysBack> back_;
};

int RealMessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    QWidget* opener = OpenerOf(nullptr);
    TKeysBack back(opener);
    QMessageBox box(opener);
    switch (type) {
    case mtWarning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle("Warning");
        break;
    case mtError:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle("Error");
        break;
    case mtInformation:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle("Information");
        break;
    case mtConfirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle("Confirm");
        break;
    }
    // The program's texts are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(BreakableText(text));
    // Text selected in the box and copied is the text as written.
    QObject::connect(
        QGuiApplication::clipboard(), &QClipboard::changed, &box, [](QClipboard::Mode mode) {
            QClipboard* clipboard = QGuiApplication::clipboard();
            const bool ours = mode == QClipboard::Clipboard
                                  ? clipboard->ownsClipboard()
                                  : mode == QClipboard::Selection && clipboard->ownsSelection();
            const QString copied = ours ? clipboard->text(mode) : QString();
            if (copied.contains(QChar(kLineBreakMark)))
                clipboard->setText(QString(copied).remove(QChar(kLineBreakMark)), mode);
        });
    QMessageBox::StandardButtons sb;
    if (buttons & mbYes)
        sb |= QMessageBox::Yes;
    if (buttons & mbNo)
        sb |= QMessageBox::No;
    if (buttons & mbOK)
        sb |= QMessageBox::Ok;
    if (buttons & mbCancel)
        sb |= QMessageBox::Cancel;
    if (!sb)
        sb = QMessageBox::Ok;
    box.setStandardButtons(sb);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Ok:
        return mrOk;
    default:
        return mrCancel;
    }
}

int RealShowModal(QWidget* window) {
    QWidget* opener = OpenerOf(nullptr);
    TKeysBack back(opener != window ? opener : nullptr);
    TAboveOnShow above(window);
    if (auto* dlg = qobject_cast<QDialog*>(window))
        return dlg->exec() == QDialog::Accepted ? mrOk : mrCancel;
    window->setProperty("ModalResult", int(mrNone));
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(window, &loop);
    QPointer<QWidget> guard(window);
    window->show();
    if (window->isVisible())
        loop.exec();
    if (!guard)
        return mrCancel;
    window->removeEventFilter(&watcher);
    window->setWindowModality(Qt::NonModal);
    const int r = window->property("ModalResult").toInt();
    return r == mrNone ? mrCancel : r;
}

bool RealSaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName) {
    QWidget* opener = OpenerOf(parent);
    TKeysBack back(opener);
    QFileDialog dlg(opener, request.Title);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    // The caller asks before replacing a file.
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtFilterList(request.Filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        dlg.selectNameFilter(filters.value(std::max(0, request.FilterIndex - 1)));
    }
    if (!request.DefaultExt.isEmpty())
        dlg.setDefaultSuffix(request.DefaultExt);
    dlg.setDirectory(request.Directory);
    if (!request.FileName.isEmpty())
        dlg.selectFile(request.FileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    fileName = dlg.selectedFiles().first();
    return true;
}

bool RealFontDialog(QWidget* parent, QFont& font) {
    QWidget* opener = OpenerOf(parent);
    TKeysBack back(opener);
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, font, opener, QString(), QFontDialog::ScalableFonts);
    if (ok)
        font = chosen;
    return ok;
}

// The platform print dialog, offering a range only where the command prints
// the range chosen. Qt's own dialog offers "Pages from" even without its
// range option (for a range its print server would pick; a file gets every
// page), so the range's controls are disabled here after Qt has set them
// up at every show. They are found by the names Qt's dialog gives them,
// which Qt does not promise: if they go, the printing test on X11 fails.
class TPrintDialogBox : public QPrintDialog {
public:
    TPrintDialogBox(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
        const int lastPage = printer->toPage();
        range_ = lastPage > 0;
        setOption(PrintPageRange, range_);
        if (range_)
            setMinMax(1, lastPage);
    }
    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        if (!visible || range_)
            return;
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
            if (auto* w = findChild<QWidget*>(QLatin1String(name)))
                w->setEnabled(false);
        if (auto* all = findChild<QRadioButton*>(QStringLiteral("printAll")))
            all->setChecked(true);
    }

private:
    bool range_ = false;
};

bool RealPrintDialog(QWidget* parent, QPrinter* printer) {
    QWidget* opener = OpenerOf(parent);
    TKeysBack back(opener);
    TPrintDialogBox dlg(printer, opener);
    // A printer that prints on paper still offers printing to a file; the
    // dialog's own file box would start in the current folder. The box is
    // found by the name Qt's dialog gives it, which Qt does not promise: if
    // it goes, the box starts where Qt starts it, and the dialogs test fails.
    if (printer->outputFileName().isEmpty())
        if (auto* box = dlg.findChild<QLineEdit*>(QStringLiteral("filename")))
            box->setText(SuggestedPrintFile(*printer));
    return dlg.exec() == QDialog::Accepted;
}

bool RealPageSetupDialog(QWidget* parent, QPrinter* printer) {
    QWidget* opener = OpenerOf(parent);
    TKeysBack back(opener);
    QPageSetupDialog dlg(printer, opener);
    return dlg.exec() == QDialog::Accepted;
}

// The environment's answer when a scope scripts the member, else the real one.
template <class F, class Real, class... Args>
auto Answer(F TEnvironment::*member, Real real, Args&&... args) {
    if (const F* f = TEnvironmentScope::Scripted(member))
        return (*f)(std::forward<Args>(args)...);
    return real(std::forward<Args>(args)...);
}

} // namespace

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return Answer(&TEnvironment::MessageDlg, RealMessageDlg, FitMessageText(text), type, buttons);
}
int ShowModal(QWidget* window) {
    return Answer(&TEnvironment::ShowModal, RealShowModal, window);
}
void ShowModeless(QWidget* window) {
    if (!window->isVisible())
        new TKeysBackOnHide(window);
    window->show();
    window->raise();
    window->activateWindow();
}
void ShowOverModal(QWidget* window) {
    QWidget* opener = QApplication::activeModalWidget();
    if (opener != nullptr && opener != window && window->parentWidget() == nullptr) {
        const QPoint at = window->pos();
        window->setParent(opener, OverOpener(window->windowFlags()));
        window->move(at);
        window->setWindowModality(Qt::WindowModal);
        new OpenerReturn(window, opener);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
bool ExecuteSaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName) {
    TSaveDialogRequest asked = request;
    if (asked.Directory.isEmpty())
        asked.Directory = StartFolder();
    const bool ok = Answer(&TEnvironment::SaveDialog, RealSaveDialog, parent, asked, fileName);
    if (ok && !fileName.isEmpty())
        RememberFolderOf(fileName);
    return ok;
}
bool ExecuteFontDialog(QWidget* parent, QFont& font) {
    // The dialog lists installed families only; a family that is not
    // installed is drawn by a substitute, and the dialog opens on that.
    const QFontInfo drawn(font);
    QFont shown(drawn.family(), font.pointSize() > 0 ? font.pointSize() : drawn.pointSize());
    shown.setBold(drawn.bold());
    shown.setItalic(drawn.italic());
    shown.setUnderline(font.underline());
    shown.setStrikeOut(font.strikeOut());
    QFont chosen = shown;
    if (!Answer(&TEnvironment::FontDialog, RealFontDialog, parent, chosen))
        return false;
    // OK without a change keeps the font as it was, family name and all.
    const bool changed = chosen.family().compare(shown.family(), Qt::CaseInsensitive) != 0 ||
                         chosen.pointSize() != shown.pointSize() || chosen.bold() != shown.bold() ||
                         chosen.italic() != shown.italic() ||
                         chosen.underline() != shown.underline() ||
                         chosen.strikeOut() != shown.strikeOut();
    if (changed)
        font = chosen;
    return true;
}
bool ExecutePrintDialog(QWidget* parent, QPrinter* printer, int lastPage) {
    // The range of an earlier job is never offered again.
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(lastPage > 0 ? 1 : 0, std::max(lastPage, 0));
    // A file of an earlier job keeps its place unless it cannot be written.
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer->outputFileName();
        if (file.isEmpty() || !QFileInfo(QFileInfo(file).absolutePath()).isWritable())
            printer->setOutputFileName(SuggestedPrintFile(*printer));
    }
    const bool ok = Answer(&TEnvironment::PrintDialog, RealPrintDialog, parent, printer);
    if (ok && !printer->outputFileName().isEmpty())
        RememberFolderOf(printer->outputFileName());
    return ok;
}
bool ExecutePageSetupDialog(QWidget* parent, QPrinter* printer) {
    return Answer(&TEnvironment::PageSetupDialog, RealPageSetupDialog, parent, printer);
}

QString StartFolder() {
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir())
        return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString SuggestedPrintFile(const QPrinter& printer) {
    QString name = printer.docName();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.trimmed().isEmpty())
        name = QStringLiteral("print");
    return QDir(StartFolder()).filePath(name + QStringLiteral(".pdf"));
}

QStringList QtFilterList(const QString& filter) {
    QStringList out;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << parts[i] + " (" + patterns + ")";
    }
    return out;
}
