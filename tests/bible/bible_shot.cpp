// Opens the Bible reader hub on John 3, a chapter window on John 3 with
// "love" highlighted, or the whole book of John from the hub, on the sample
// content, for a screenshot: bible_shot hub|chapter|book. The window stays
// open until it is closed.

#include "BibleChapter.h"
#include "BibleMain.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "MainNew.h"
#include "Startup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("hub");
    TStartupOptions options;
    options.SplashCloseDelay = 0;
    StartUp(options);
    QTimer::singleShot(500, [what] {
        RunGuarded([what] {
            TTable& books = MainDM->tblBibleBooksbyName;
            if (!books.FindKey({QStringLiteral("John")}))
                throw std::runtime_error("John not found");
            const int john = books.FieldByName(QStringLiteral("ID"))->AsInteger();
            if (what == QLatin1String("chapter")) {
                TfrmBibleChapter& w = *frmBibleChapter;
                w.BookID = john;
                w.BookName = QStringLiteral("John");
                w.Chapter = 3;
                w.FirstChapter = MainDM->GetFirstChapter(john);
                w.LastChapter = MainDM->GetLastChapter(john);
                w.TargetVerse = 21;
                TTable& bible = MainDM->tblBible;
                w.VerseLength =
                    bible.FindKey({john, 3, 16})
                        ? int(bible.FieldByName(QStringLiteral("Text"))->AsString().size())
                        : 0;
                w.SelectVerse = false;
                w.NewLinePerVerse = frmBibleMain->chkbxNewLinePerVerse->isChecked();
                w.edtHighlight->setText(QStringLiteral("love"));
                w.show();
                w.raise();
            } else {
                frmBibleMain->show();
                const int index = frmBibleMain->dblkupcmbxBibleBooks->findText("John");
                frmBibleMain->dblkupcmbxBibleBooks->setCurrentIndex(index);
                emit frmBibleMain->dblkupcmbxBibleBooks->activated(index);
                frmBibleMain->spnedtChapter->setValue(3);
                frmBibleMain->raise();
                if (what == QLatin1String("book"))
                    frmBibleMain->ShowWholeBook();
            }
        });
    });
    const int code = app.exec();
    ShutDown();
    return code;
}
