#pragma once
// A file written whole or not at all: the data goes to a temporary file
// beside the target, which takes the target's name only when every byte is
// on disk; a failure leaves the target as it was and no partial file.
// Where no file can be made beside the target (a read-only folder), or the
// target is no regular file (a device), it is written in place.
#include <QString>

#include <memory>

class QIODevice;

class TFileOutput {
public:
    explicit TFileOutput(const QString& fileName);
    ~TFileOutput(); // an output neither committed nor cancelled is cancelled
    TFileOutput(const TFileOutput&) = delete;
    TFileOutput& operator=(const TFileOutput&) = delete;

    // False when the file cannot be made; ErrorString says why.
    bool Open();
    QIODevice* Device() const;
    // A write has failed since Open.
    bool Failed() const;
    // Puts the file in place; false (and no partial file) when any write
    // failed.
    bool Commit();
    // Drops what was written; the target stays as it was where it can.
    void Cancel();
    // The system's reason of the last failure.
    QString ErrorString() const;
    // The messages of a failure, with the file's name and the reason.
    QString OpenFailure() const;
    QString WriteFailure() const;

private:
    bool Opened();
    struct Impl;
    std::unique_ptr<Impl> d;
};
