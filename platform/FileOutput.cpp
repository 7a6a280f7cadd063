#include "FileOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace {

// The system's reason for a failure seen with errno at error: the file device
// does not always keep it.
QString reasonOf(int error, const QFileDevice* file) {
    return error ? qt_error_string(error) : file->errorString();
}

// Passes every write on whole or fails it: a file cut short by a size limit
// takes part of a write and says nothing of the rest.
class WholeWrites : public QIODevice {
public:
    explicit WholeWrites(QFileDevice* file) : file_(file) { open(WriteOnly | Unbuffered); }
    bool Failed() const { return failed_; }
    // The system's reason for the failed write.
    QString Reason() const { return reason_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        int error = 0;
        for (qint64 done = 0; done < len && !failed_;) {
            errno = 0;
            const qint64 n = file_->write(data + done, len - done);
            error = errno;
            failed_ = n <= 0;
            done += std::max<qint64>(n, 0);
        }
        if (failed_ && reason_.isEmpty())
            reason_ = reasonOf(error, file_);
        return failed_ ? -1 : len;
    }

private:
    QFileDevice* file_;
    bool failed_ = false;
    QString reason_;
};

} // namespace

struct TFileOutput::Impl {
    QString Name;
    bool Existed = false;
    bool Done = false;
    // One of the two: the file beside the target, or the target itself.
    std::unique_ptr<QSaveFile> Aside;
    std::unique_ptr<QFile> InPlace;
    std::unique_ptr<WholeWrites> Writes;
    QString Error;

    QFileDevice* File() const {
        return Aside ? static_cast<QFileDevice*>(Aside.get()) : InPlace.get();
    }
};

TFileOutput::TFileOutput(const QString& fileName) : d(std::make_unique<Impl>()) {
    d->Name = fileName;
}

TFileOutput::~TFileOutput() {
    if (!d->Done)
        Cancel();
}

bool TFileOutput::Open() {
    // A file-size limit must fail the write, not end the program.
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
    const QFileInfo info(d->Name);
    d->Existed = info.exists();
    // A device or a pipe is never replaced by a file.
    const bool special = d->Existed && !info.isFile() && !info.isDir();
    if (!special && QFileInfo(info.absolutePath()).isWritable()) {
        d->Aside = std::make_unique<QSaveFile>(d->Name);
        if (d->Aside->open(QIODevice::WriteOnly))
            return Opened();
        d->Error = d->Aside->errorString();
        d->Aside.reset();
        if (info.isDir())
            return false;
    }
    d->InPlace = std::make_unique<QFile>(d->Name);
    if (d->InPlace->open(QIODevice::WriteOnly))
        return Opened();
    d->Error = d->InPlace->errorString();
    d->InPlace.reset();
    return false;
}

bool TFileOutput::Opened() {
    d->Writes = std::make_unique<WholeWrites>(d->File());
    return true;
}

QIODevice* TFileOutput::Device() const {
    return d->Writes.get();
}

bool TFileOutput::Failed() const {
    const QFileDevice* f = d->File();
    return (d->Writes && d->Writes->Failed()) || (f && f->error() != QFileDevice::NoError);
}

bool TFileOutput::Commit() {
    if (!d->File() || d->Done)
        return false;
    // The last bytes go out here; a save file would not tell of a failure.
    errno = 0;
    const bool flushed = d->File()->flush();
    const int error = errno;
    if (!flushed || Failed()) {
        if (d->Writes && !d->Writes->Reason().isEmpty())
            d->Error = d->Writes->Reason();
        else
            d->Error = reasonOf(error, d->File());
        Cancel();
        return false;
    }
    bool ok;
    if (d->Aside) {
        ok = d->Aside->commit();
        if (!ok)
            d->Error = d->Aside->errorString();
    } else {
        d->InPlace->close();
        ok = d->InPlace->error() == QFileDevice::NoError;
        if (!ok) {
            d->Error = d->InPlace->errorString();
            Cancel();
        }
    }
    d->Done = true;
    return ok;
}

void TFileOutput::Cancel() {
    d->Done = true;
    d->Writes.reset();
    if (d->Aside)
        d->Aside->cancelWriting(); // the file beside goes with the object
    if (d->InPlace) {
        d->InPlace->close();
        // A file that this output made, cut short, goes again.
        if (!d->Existed && QFileInfo(d->Name).isFile())
            QFile::remove(d->Name);
    }
    d->Aside.reset();
}

QString TFileOutput::ErrorString() const {
    // A write that failed before the commit left its reason behind.
    if (!d->Error.isEmpty())
        return d->Error;
    if (d->Writes && d->Writes->Failed())
        return d->Writes->Reason();
    const QFileDevice* f = d->File();
    return f && f->error() != QFileDevice::NoError ? f->errorString() : QString();
}

QString TFileOutput::OpenFailure() const {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(d->Name, ErrorString());
}

QString TFileOutput::WriteFailure() const {
    return QStringLiteral("Error writing file \"%1\". %2").arg(d->Name, ErrorString());
}
