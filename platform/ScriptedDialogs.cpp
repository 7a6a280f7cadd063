#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

// The next queued answer, or the fallback when none is left.
template <class T> T Take(std::deque<T>& answers, T fallback) {
    if (answers.empty())
        return fallback;
    T a = std::move(answers.front());
    answers.pop_front();
    return a;
}

} // namespace

TScriptedDialogs::TScriptedDialogs() {
    env_.MessageDlg = [this](const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
        return MessageDlg(text, type, buttons);
    };
    env_.ShowModal = [this](QWidget* window) { return ShowModal(window); };
    env_.SaveDialog = [this](QWidget* parent, const TSaveDialogRequest& request,
                             QString& fileName) { return SaveDialog(parent, request, fileName); };
    env_.FontDialog = [this](QWidget* parent, QFont& font) { return FontDialog(parent, font); };
    env_.PrintDialog = [this](QWidget* parent, QPrinter* printer) {
        return PrintDialog(parent, printer);
    };
    env_.PageSetupDialog = [this](QWidget* parent, QPrinter* printer) {
        return PageSetupDialog(parent, printer);
    };
}

int TScriptedDialogs::MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    Messages.append({text, type, buttons});
    return Take(MessageAnswers, buttons & mbOK   ? int(mrOk)
                                : buttons & mbNo ? int(mrNo)
                                                 : int(mrCancel));
}

int TScriptedDialogs::ShowModal(QWidget* window) {
    ModalShows.append(window);
    QPointer<QWidget> guard(window);
    window->show();
    QCoreApplication::processEvents();
    if (guard && WhileModal)
        WhileModal(window);
    if (guard)
        window->hide();
    return Take(ModalAnswers, int(mrOk));
}

bool TScriptedDialogs::SaveDialog(QWidget*, const TSaveDialogRequest& request, QString& fileName) {
    SaveRequests.append(request);
    const QString a = Take(SaveAnswers, QString());
    if (a.isEmpty())
        return false;
    fileName = a;
    return true;
}

bool TScriptedDialogs::FontDialog(QWidget*, QFont& font) {
    FontRequests.append(font);
    const std::optional<QFont> a = Take(FontAnswers, std::optional<QFont>());
    if (!a)
        return false;
    font = *a;
    return true;
}

bool TScriptedDialogs::PrintDialog(QWidget*, QPrinter*) {
    ++PrintCalls;
    return Take(PrintAnswers, false);
}

bool TScriptedDialogs::PageSetupDialog(QWidget*, QPrinter*) {
    ++PageSetupCalls;
    return Take(PageSetupAnswers, false);
}
