#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

int TScriptedDialogs::MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  Messages.append({text, type, buttons});
  if (!MessageAnswers.empty()) {
    const int a = MessageAnswers.front();
    MessageAnswers.pop_front();
    return a;
  }
  if (buttons & mbOK) return mrOk;
  if (buttons & mbNo) return mrNo;
  return mrCancel;
}

int TScriptedDialogs::ShowModal(QWidget* window) {
  ModalShows.append(window);
  QPointer<QWidget> guard(window);
  window->show();
  QCoreApplication::processEvents();
  if (guard && WhileModal) WhileModal(window);
  if (guard) window->hide();
  if (!ModalAnswers.empty()) {
    const int a = ModalAnswers.front();
    ModalAnswers.pop_front();
    return a;
  }
  return mrOk;
}

bool TScriptedDialogs::SaveDialog(QWidget*, const TSaveDialogRequest& request, QString& fileName) {
  SaveRequests.append(request);
  if (SaveAnswers.empty()) return false;
  const QString a = SaveAnswers.front();
  SaveAnswers.pop_front();
  if (a.isEmpty()) return false;
  fileName = a;
  return true;
}

bool TScriptedDialogs::FontDialog(QWidget*, QFont& font) {
  FontRequests.append(font);
  if (FontAnswers.empty()) return false;
  const std::optional<QFont> a = FontAnswers.front();
  FontAnswers.pop_front();
  if (!a) return false;
  font = *a;
  return true;
}

bool TScriptedDialogs::PrintDialog(QWidget*, QPrinter*) {
  ++PrintCalls;
  if (PrintAnswers.empty()) return false;
  const bool a = PrintAnswers.front();
  PrintAnswers.pop_front();
  return a;
}

bool TScriptedDialogs::PageSetupDialog(QWidget*, QPrinter*) {
  ++PageSetupCalls;
  if (PageSetupAnswers.empty()) return false;
  const bool a = PageSetupAnswers.front();
  PageSetupAnswers.pop_front();
  return a;
}
