#include "ErrorHandler.h"

#include "Dialogs.h"

void ShowException(const std::exception& e) {
    MessageDlg(QString::fromUtf8(e.what()), mtError, mbOK);
}

void ShowUnknownException() {
    MessageDlg("An unexpected error occurred.", mtError, mbOK);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowUnknownException();
    }
    return false;
}
