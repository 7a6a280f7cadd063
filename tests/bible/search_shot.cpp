// Opens the Bible search window with the phrase results of "living water",
// or with the all-words results of "yahweh god said" in all books, or the
// concordance at "WATER", on the sample content, for a screenshot:
// search_shot search|words|index. The window stays open until it is closed.

#include "BibleIndex.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "Search.h"
#include "Startup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("search");
    TStartupOptions options;
    options.SplashCloseDelay = 0;
    StartUp(options);
    QTimer::singleShot(500, [what] {
        RunGuarded([what] {
            if (what == QLatin1String("index")) {
                frmBibleIndex->show();
                frmBibleIndex->edtSearch->setText(QStringLiteral("WATER"));
                frmBibleIndex->raise();
                return;
            }
            TfrmSearch& w = *frmSearch;
            w.show();
            const bool words = what == QLatin1String("words");
            if (!words)
                w.chkBxLiteralSearch->click();
            w.scopeButtons->button(0)->click();
            w.edtSearch->setText(words ? QStringLiteral("yahweh god said")
                                       : QStringLiteral("living water"));
            w.btSearch->click();
            w.raise();
        });
    });
    const int code = app.exec();
    ShutDown();
    return code;
}
