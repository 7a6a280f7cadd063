// The default session: passwords, aliases and the cached connections.
#include "Internal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace te;

EDatabaseError::EDatabaseError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

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
}

std::shared_ptr<Connection> TSession::Impl::contentConnection(const QString& alias) {
    if (alias.trimmed().isEmpty())
        fail(QStringLiteral("No database alias given"));
    auto it = aliases.constFind(alias.toLower());
    if (it == aliases.constEnd())
        fail(QStringLiteral("Alias '%1' not found").arg(alias));
    const QString folder = it.value();
    if (!QFileInfo(folder).isDir())
        fail(QStringLiteral("Folder '%1' of alias '%2' not found").arg(folder, alias));
    const QString path = QDir(folder).absoluteFilePath(DatabaseFileName());
    if (auto c = connections.value(path))
        return c;
    auto c = std::make_shared<Connection>(path, true);
    connections.insert(path, c);
    return c;
}

std::shared_ptr<Connection> TSession::Impl::userConnection() {
    const QString folder = Session.UserDataFolder();
    if (!QDir().mkpath(folder))
        fail(QStringLiteral("Cannot create the user data folder '%1'").arg(folder));
    const QString path = QDir(folder).absoluteFilePath(QStringLiteral("userdata.sqlite"));
    if (auto c = connections.value(path))
        return c;
    auto c = std::make_shared<Connection>(path, false);
    // A commit appends to the log without waiting for the disk; a crash
    // loses at most the last commits, never the file's consistency.
    c->exec(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL"));
    connections.insert(path, c);
    return c;
}

void TSession::Impl::forget(const QString& path) {
    connections.remove(QFileInfo(path).absoluteFilePath());
}
