#pragma once
// Scripted dialogs for tests: answers from queues, records every call and
// never blocks. Put them in force with TScriptedDialogs::Scope; Dialogs()
// is the environment that holds them, for a larger test environment.
#include "Dialogs.h"

#include <QFont>
#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

class TScriptedDialogs {
public:
    TScriptedDialogs();
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    struct Message {
        QString Text;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
    };

    // Answers, taken in order. Without a queued answer: a message box answers
    // OK when it has that button, else No, else Cancel; a modal show answers
    // mrOk; file, print and page set-up dialogs are cancelled; the font dialog
    // is cancelled.
    std::deque<int> MessageAnswers;
    std::deque<int> ModalAnswers;
    std::deque<QString> SaveAnswers;              // empty string: cancelled
    std::deque<std::optional<QFont>> FontAnswers; // nullopt: cancelled
    std::deque<bool> PrintAnswers;
    std::deque<bool> PageSetupAnswers;
    // Runs while a modally shown window is visible (after its show handler).
    std::function<void(QWidget*)> WhileModal;

    QList<Message> Messages;
    QList<QWidget*> ModalShows;
    QList<TSaveDialogRequest> SaveRequests;
    QList<QFont> FontRequests;
    int PrintCalls = 0;
    int PageSetupCalls = 0;

    int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
    int ShowModal(QWidget* window);
    bool SaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName);
    bool FontDialog(QWidget* parent, QFont& font);
    bool PrintDialog(QWidget* parent, QPrinter* printer);
    bool PageSetupDialog(QWidget* parent, QPrinter* printer);

    // The dialog members of an environment, answered by this object.
    const TEnvironment& Dialogs() const { return env_; }

    // Puts the dialogs in force for the lifetime of the scope.
    class Scope : public TEnvironmentScope {
    public:
        explicit Scope(const TScriptedDialogs& d) : TEnvironmentScope(d.env_) {}
    };

private:
    TEnvironment env_;
};
