#include "BuiltContent.h"

#include "Environment.h"

#include "Schema.h"
#include "SwordBible.h"
#include "TableEngine.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

BuilderRun RunBuilder(const QString& folder, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(EVELM_CONTENT_BUILDER), {folder});
    if (!p.waitForFinished(300000))
        return {-1, QStringLiteral("the builder did not finish")};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAll())};
}

bool IsJpeg(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(3) == QByteArray("\xFF\xD8\xFF", 3);
}

namespace {
std::unique_ptr<QTemporaryDir> userData;
}

const BuiltContent& BuiltContent::Get() {
    static BuiltContent content;
    static bool built = false;
    if (!built) {
        built = true;
        content.Available = !SwordModuleVersion().isEmpty();
        if (content.Available) {
            // A folder of this build tree's own, beside the test programs:
            // nothing outside the tree shares it or cleans it up under a
            // run, and the builder's stamp rebuilds it when the builder
            // changes.
            const QString base = ProgramFolder() + QStringLiteral("content-test");
            QDir().mkpath(base);
            QLockFile lock(base + QStringLiteral("/build.lock"));
            lock.setStaleLockTime(0);
            lock.lock();
            content.Out = base + QStringLiteral("/out");
            content.First = RunBuilder(content.Out);
            content.Second = RunBuilder(content.Out);
        }
    }
    if (content.Available) {
        Session.Reset();
        Session.AddPassword(TablePassword);
        Session.AddStandardAlias(DatabaseAlias, content.Out + QStringLiteral("/DataEng"),
                                 QStringLiteral("PARADOX"));
        userData = std::make_unique<QTemporaryDir>();
        Session.SetUserDataFolder(userData->path());
    }
    return content;
}

void BuiltContent::Release() {
    Session.Reset();
    userData.reset();
}
