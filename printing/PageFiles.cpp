#include "PageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <limits>
#include <signal.h>
#include <unistd.h>
#include <zlib.h>

namespace {

QString rootOrTemp(const QString& root) {
    return root.isEmpty() ? QDir::tempPath() : root;
}

bool processRunning(qint64 pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

constexpr int ChunkSize = 4096;

} // namespace

TPageFiles::TPageFiles(bool compress, const QString& root) : compress_(compress) {
    // The process id in the name tells a later start whose folder it is.
    const QString pattern = QDir(rootOrTemp(root))
                                .filePath(QString::fromLatin1(FolderPrefix) +
                                          QString::number(QCoreApplication::applicationPid()) +
                                          QStringLiteral("-XXXXXX"));
    dir_ = std::make_unique<QTemporaryDir>(pattern);
    if (!dir_->isValid())
        dir_.reset();
}

TPageFiles::~TPageFiles() {
    RemoveAll();
}

QString TPageFiles::Folder() const {
    return dir_ ? dir_->path() : QString();
}

QString TPageFiles::FileName(int index) const {
    QString name = QString::fromLatin1(BaseName) + QString::number(index);
    if (compress_)
        name += QString::fromLatin1(CompressedSuffix);
    return dir_ ? QDir(dir_->path()).filePath(name) : QString();
}

bool TPageFiles::Save(int index, const QByteArray& page) {
    held_.erase(index);
    if (dir_) {
        const QByteArray data = compress_ ? Deflate(page) : page;
        QFile file(FileName(index));
        if (!data.isNull() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(data) == data.size() && file.flush()) {
            file.close();
            return true;
        }
        file.close();
        file.remove();
    }
    // Never a blank page in the preview or on paper for one not saved.
    held_[index] = page;
    return false;
}

std::optional<QByteArray> TPageFiles::Load(int index) const {
    if (const auto held = held_.find(index); held != held_.end())
        return held->second;
    if (!dir_)
        return std::nullopt;
    QFile file(FileName(index));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (!compress_)
        return data;
    return Inflate(data);
}

void TPageFiles::RemoveAll() {
    held_.clear();
    if (dir_)
        dir_->remove();
    dir_.reset();
}

int TPageFiles::RemoveStale(const QString& root) {
    const QString prefix = QString::fromLatin1(FolderPrefix);
    QDir dir(rootOrTemp(root));
    int removed = 0;
    const QStringList names =
        dir.entryList({prefix + QStringLiteral("*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        // prefix, pid, '-', random part
        const QString rest = name.mid(prefix.size());
        const int dash = rest.indexOf(QLatin1Char('-'));
        bool ok = false;
        const qint64 pid = dash > 0 ? rest.left(dash).toLongLong(&ok) : 0;
        if (!ok || processRunning(pid))
            continue;
        const QFileInfo info(dir.filePath(name));
        // Only our own folders; the temporary folder is shared by all users.
        if (info.isSymLink() || info.ownerId() != uint(::geteuid()))
            continue;
        if (QDir(info.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

QByteArray TPageFiles::Deflate(const QByteArray& plain) {
    z_stream zs{};
    if (deflateInit(&zs, Z_BEST_SPEED) != Z_OK)
        return {};
    QByteArray out;
    out.resize(qsizetype(deflateBound(&zs, uLong(plain.size()))));
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.constData()));
    zs.avail_in = uInt(plain.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    const qsizetype written = qsizetype(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        return {};
    out.truncate(written);
    return out;
}

std::optional<QByteArray> TPageFiles::Inflate(const QByteArray& stream) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    zs.avail_in = uInt(stream.size());
    QByteArray out;
    char chunk[ChunkSize];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(chunk);
        zs.avail_out = ChunkSize;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_OK || rc == Z_STREAM_END)
            out.append(chunk, ChunkSize - int(zs.avail_out));
        else if (rc == Z_BUF_ERROR && zs.avail_in == 0)
            break; // the stream ends early
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END)
        return std::nullopt;
    return out;
}
