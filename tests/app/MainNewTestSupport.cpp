#include "MainNewTestSupport.h"

#include "TableEngine.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

void MainNewTest::SetUp() {
    Session.Reset();
    SetScreen(1024, 768, 96);
    CreateMainDM();
}

void MainNewTest::TearDown() {
    FreeWindows();
    DestroyMainDM();
    Session.Reset();
}

void MainNewTest::FreeWindows() {
    windows_.FreeAll();
    window.reset();
    frmMainNew = nullptr;
}

void MainNewTest::SetScreen(int width, int height, int dpi) {
    screen.Width = width;
    screen.Height = height;
    screen.LogPixelsX = dpi;
}

TfrmMainNew& MainNewTest::CreateWindow() {
    window = std::make_unique<TfrmMainNew>();
    frmMainNew = window.get();
    return *window;
}

QList<TScriptedDialogs::Message> MainNewTest::MessagesOf(TMsgDlgType type) const {
    QList<TScriptedDialogs::Message> out;
    for (const auto& m : dialogs.Messages)
        if (m.Type == type)
            out.append(m);
    return out;
}

QMap<QString, QByteArray> FolderSnapshot(const QString& folder) {
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QByteArray entry = QByteArray::number(info.size()) + ' ' +
                           QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isFile()) {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                entry +=
                    ' ' + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        }
        out.insert(path.mid(folder.size()), entry);
    }
    return out;
}
