#pragma once
// A dialog handler for tests: answers from queues, records every call and
// never blocks. Install it with TScriptedDialogs::Scope.
#include "Dialogs.h"

#include <QFont>
#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

class TScriptedDialogs : public TDialogHandler {
public:
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

    int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    int ShowModal(QWidget* window) override;
    bool SaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName) override;
    bool FontDialog(QWidget* parent, QFont& font) override;
    bool PrintDialog(QWidget* parent, QPrinter* printer) override;
    bool PageSetupDialog(QWidget* parent, QPrinter* printer) override;

    // Installs the handler for the lifetime of the scope.
    class Scope {
    public:
        explicit Scope(TScriptedDialogs& d) : m_old(SetDialogHandler(&d)) {}
        ~Scope() { SetDialogHandler(m_old); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        TDialogHandler* m_old;
    };
};
