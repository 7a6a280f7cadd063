#pragma once
// The sample content as the builder writes it, built once per test process
// into a shared folder (the builder skips a build that is up to date; a lock
// keeps parallel test processes in turn) and registered in the session.

#include <QProcessEnvironment>
#include <QString>

struct BuilderRun {
    int exitCode = -1;
    QString output;
};

// Runs the builder executable on `folder`.
BuilderRun RunBuilder(const QString& folder,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// Whether `path` is a file that starts like a JPEG image.
bool IsJpeg(const QString& path);

struct BuiltContent {
    bool Available = false; // the SWORD module is installed
    QString Out;            // folder holding DataEng/ and pict/
    BuilderRun First, Second;

    // Builds (or finds) the content and points Session's alias at it.
    static const BuiltContent& Get();
    // Forgets the session's aliases and passwords.
    static void Release();
};
