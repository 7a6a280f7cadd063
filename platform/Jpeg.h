#pragma once
// JPEG pictures decoded through libjpeg. A damaged file is an error, never
// the end of the program; the file's bytes are kept so that saving writes
// the picture exactly as it was loaded.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

class EJpegError : public std::runtime_error {
public:
    explicit EJpegError(const QString& msg) : std::runtime_error(msg.toStdString()) {}
};

// Decodes JPEG data; on failure returns a null image and sets *error.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

class TJPEGImage {
public:
    // Non-throwing loads: false (and an empty picture) on any failure.
    bool TryLoadFromData(const QByteArray& data, QString* error = nullptr);
    bool TryLoadFromFile(const QString& fileName, QString* error = nullptr);
    // Throwing load, for callers whose errors go to the error handler.
    void LoadFromFile(const QString& fileName);

    // Writes the JPEG data as loaded (temporary file, then rename).
    void SaveToFile(const QString& fileName) const;

    void Clear();
    bool Empty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const QImage& Image() const { return m_image; }
    const QByteArray& Data() const { return m_data; }

private:
    QImage m_image;
    QByteArray m_data;
};
