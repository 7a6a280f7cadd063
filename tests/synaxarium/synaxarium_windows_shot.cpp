// Starts the program on the content beside it and shows one Synaxarium
// window on a real display for a look by eye, then quits after 7 seconds:
// synaxarium_windows_shot link|search|saints|icons.
#include "ErrorHandler.h"
#include "LinkSynx.h"
#include "MainNew.h"
#include "ShowIcons.h"
#include "Startup.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    const QByteArray which = argc > 1 ? QByteArray(argv[1]) : QByteArray("link");
    StartUp();
    QTimer::singleShot(1500, [which] {
        // Nothing manages the display's windows: the main window would show
        // through around the one looked at.
        frmMainNew->hide();
        QWidget* w = nullptr;
        if (which == "search") {
            frmSynxSearchResults->SearchText = QStringLiteral("mar");
            w = frmSynxSearchResults;
        } else if (which == "saints") {
            w = frmSynxShowSaints;
        } else if (which == "icons") {
            w = frmShowIcons;
        } else {
            frmLinkSynx->SynxID = 117;
            frmLinkSynx->EntryNumber = 1;
            frmLinkSynx->Keyword = QStringLiteral("BETHLEHEM");
            w = frmLinkSynx;
        }
        w->show();
        w->raise();
        if (which == "saints") {
            frmSynxShowSaints->edtSearch->setText(QStringLiteral("ma"));
            RunGuarded([] { frmSynxShowSaints->SeekKeyword(); });
        } else if (which == "icons") {
            frmShowIcons->edtSearch->setText(QStringLiteral("mar"));
            RunGuarded([] { frmShowIcons->btnSynxSearchAllClick(); });
        }
    });
    QTimer::singleShot(7000, [] { QApplication::exit(0); });
    const int code = app.exec();
    ShutDown();
    return code;
}
