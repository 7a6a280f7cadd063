#pragma once
// A folder on a disk of its own that is full: a small memory file system
// mounted for the object's life and filled up. Mounting needs the right to
// (the tests run as root); Mounted() says whether the disk could be made.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

class TFullDisk {
public:
    TFullDisk() {
        const QByteArray path = QFile::encodeName(dir_.path());
        if (!dir_.isValid() || mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") != 0)
            return;
        mounted_ = true;
        const QByteArray filler = QFile::encodeName(dir_.filePath(QStringLiteral("filler")));
        const int fd = open(filler.constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        if (fd >= 0)
            close(fd);
    }
    ~TFullDisk() {
        if (mounted_)
            umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    TFullDisk(const TFullDisk&) = delete;
    TFullDisk& operator=(const TFullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString Folder() const { return QDir(dir_.path()).absolutePath(); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
