#include "Dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

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

class RealDialogs : public TDialogHandler {
public:
    int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override {
        QMessageBox box;
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
        box.setText(text);
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

    int ShowModal(QWidget* window) override {
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

    bool SaveDialog(QWidget* parent, const TSaveDialogRequest& request,
                    QString& fileName) override {
        QFileDialog dlg(parent, request.Title);
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
        if (!request.FileName.isEmpty())
            dlg.selectFile(request.FileName);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return false;
        fileName = dlg.selectedFiles().first();
        return true;
    }

    bool FontDialog(QWidget* parent, QFont& font) override {
        bool ok = false;
        const QFont chosen =
            QFontDialog::getFont(&ok, font, parent, QString(), QFontDialog::ScalableFonts);
        if (ok)
            font = chosen;
        return ok;
    }

    bool PrintDialog(QWidget* parent, QPrinter* printer) override {
        QPrintDialog dlg(printer, parent);
        return dlg.exec() == QDialog::Accepted;
    }

    bool PageSetupDialog(QWidget* parent, QPrinter* printer) override {
        QPageSetupDialog dlg(printer, parent);
        return dlg.exec() == QDialog::Accepted;
    }
};

RealDialogs g_real;
TDialogHandler* g_handler = &g_real;

} // namespace

TDialogHandler* SetDialogHandler(TDialogHandler* handler) {
    TDialogHandler* old = g_handler == &g_real ? nullptr : g_handler;
    g_handler = handler ? handler : &g_real;
    return old;
}

TDialogHandler* DialogHandler() {
    return g_handler;
}

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return g_handler->MessageDlg(text, type, buttons);
}
int ShowModal(QWidget* window) {
    return g_handler->ShowModal(window);
}
bool ExecuteSaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName) {
    return g_handler->SaveDialog(parent, request, fileName);
}
bool ExecuteFontDialog(QWidget* parent, QFont& font) {
    return g_handler->FontDialog(parent, font);
}
bool ExecutePrintDialog(QWidget* parent, QPrinter* printer) {
    return g_handler->PrintDialog(parent, printer);
}
bool ExecutePageSetupDialog(QWidget* parent, QPrinter* printer) {
    return g_handler->PageSetupDialog(parent, printer);
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
