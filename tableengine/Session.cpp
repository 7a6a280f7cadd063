// The default session: passwords, aliases and the cached connections.
#include "Internal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace te;

EDatabaseError::EDatabaseError(const QString& message, TDbFailure cause, const QString& path)
    : std::runtime_error(message.toStdString()), message_(message), cause_(cause), path_(path) {}

TSession Session;

TSession::TSession() : d(std::make_shared<Impl>()) {}
TSession::~TSession() = default;

void TSession::AddPassword(const QString& password) {
    if (!d->passwords.contains(password))
        d->passwords << password;
}

void TSession::RemoveAllPasswords() {
    d->passwords.clear();
}

bool TSession::HasPassword(const QString& password) const {
    return d->passwords.contains(password);
}

bool TSession::IsAlias(const QString& name) const {
    return d->aliases.contains(name.toLower());
}

void TSession::AddStandardAlias(const QString& name, const QString& path, const QString& driver) {
    if (name.trimmed().isEmpty())
        fail(QStringLiteral("An alias needs a name"));
    if (driver.compare(QLatin1String("PARADOX"), Qt::CaseInsensitive) != 0)
        fail(QStringLiteral("Driver '%1' is not supported").arg(driver));
    if (IsAlias(name))
        fail(QStringLiteral("Alias '%1' already exists").arg(name));
    d->aliases.insert(name.toLower(), path);
    d->aliasNames.insert(name.toLower(), name);
}

void TSession::DeleteAlias(const QString& name) {
    d->aliases.remove(name.toLower());
    d->aliasNames.remove(name.toLower());
}

QString TSession::AliasPath(const QString& name) const {
    auto it = d->aliases.constFind(name.toLower());
    if (it == d->aliases.constEnd())
        fail(QStringLiteral("Alias '%1' not found").arg(name));
    return it.value();
}

void TSession::SetUserDataFolder(const QString& folder) {
    d->userDataFolder = folder;
}

QString TSession::UserDataFolder() const {
    if (!d->userDataFolder.isEmpty())
        return d->userDataFolder;
    // Without an application name the standard location is the shared
    // data folder itself; keep our file in a folder of its own there.
    if (QCoreApplication::applicationName().isEmpty()) {
        const QString shared =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return (shared.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : shared) +
               QStringLiteral("/evelmorande");
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void TSession::Reset() {
    d->aliases.clear();
    d->aliasNames.clear();
    d->passwords.clear();
    d->connections.clear();
    d->aliasFailures.clear();
}

void TSession::CloseUnusedFiles() {
    d->connections.removeIf([](const auto& entry) { return entry.value().use_count() == 1; });
}

int TSession::OpenFileCount() const {
    return int(d->connections.size());
}

std::shared_ptr<Connection> TSession::Impl::contentConnection(const QString& alias) {
    if (alias.trimmed().isEmpty())
        fail(QStringLiteral("No database alias given"));
    auto it = aliases.constFind(alias.toLower());
    if (it == aliases.constEnd())
        fail(QStringLiteral("Alias '%1' not found").arg(alias));
    const QString folder = it.value();
    try {
        if (!QFileInfo(folder).isDir())
            fail(QStringLiteral("Folder '%1' of alias '%2' not found").arg(folder, alias));
        const QString path = QDir(folder).absoluteFilePath(DatabaseFileName());
        if (auto c = connections.value(path))
            return c;
        auto c = std::make_shared<Connection>(path, true);
        connections.insert(path, c);
        aliasFailures.remove(alias.toLower());
        return c;
    } catch (const EDatabaseError& e) {
        // Tables of the alias that were never opened say why.
        aliasFailures.insert(alias.toLower(), e.Message());
        throw;
    }
}

QString te::userDatabasePath() {
    return QDir(Session.UserDataFolder()).absoluteFilePath(QStringLiteral("userdata.sqlite"));
}

std::shared_ptr<Connection> TSession::Impl::userConnection(const QString& fileName,
                                                           const QString& alias) {
    const QString path = userDatabasePath();
    const QString what = tablePlace(fileName, alias, path);
    if (auto c = connections.value(path))
        return c;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        failFolderNotWritable(what, folder);
    const bool existed = QFileInfo::exists(path);
    std::shared_ptr<Connection> c;
    try {
        c = std::make_shared<Connection>(path, false);
        // A commit appends to the log without waiting for the disk; a crash
        // loses at most the last commits, never the file's consistency.
        c->exec(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL"));
    } catch (const EDatabaseError& e) {
        c.reset();
        if (!existed) // no half-made file is left behind
            for (const char* end : {"", "-wal", "-shm", "-journal"})
                QFile::remove(path + QLatin1String(end));
        if (e.Cause() == TDbFailure::FileReadOnly)
            failReadOnly(what, path);
        if (const auto* sql = dynamic_cast<const ESqlError*>(&e))
            tableFail(*sql, fileName, alias, path);
        throw;
    }
    connections.insert(path, c);
    return c;
}

void TSession::Impl::forget(const QString& path) {
    connections.remove(QFileInfo(path).absoluteFilePath());
}
