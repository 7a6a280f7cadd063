#include "Jpeg.h"

#include <QFile>
#include <QSaveFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

namespace {

// Pictures above this size are refused rather than risking memory.
constexpr unsigned long long kMaxPixels = 100ull * 1000 * 1000;

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    longjmp(err->jump, 1);
}

// Warnings (damaged or truncated data) are counted and turn into a failure;
// nothing is printed.
void OnMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level < 0) {
        if (cinfo->err->num_warnings++ == 0)
            (*cinfo->err->format_message)(cinfo, err->message);
    }
}

struct DecodeResult {
    unsigned char* pixels = nullptr; // RGB, malloc'ed
    unsigned width = 0;
    unsigned height = 0;
    unsigned char* row = nullptr; // scanline buffer, here so a longjmp keeps it
};

// Only plain C data lives in this frame, so the longjmp of an error skips
// no destructor.
bool DecodeRaw(const unsigned char* buf, unsigned long len, DecodeResult* out, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = '\0';

    if (setjmp(err.jump)) {
        std::free(out->row);
        out->row = nullptr;
        std::free(out->pixels);
        out->pixels = nullptr;
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }

    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = 512L * 1024 * 1024;
    jpeg_mem_src(&cinfo, buf, len);
    jpeg_read_header(&cinfo, TRUE);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (static_cast<unsigned long long>(cinfo.image_width) * cinfo.image_height > kMaxPixels) {
        std::snprintf(err.message, sizeof err.message, "Picture too large (%ux%u)",
                      cinfo.image_width, cinfo.image_height);
        longjmp(err.jump, 1);
    }
    jpeg_start_decompress(&cinfo);
    const unsigned w = cinfo.output_width;
    const unsigned h = cinfo.output_height;
    const int comps = cinfo.output_components;
    if (w == 0 || h == 0 || (comps != 3 && comps != 4)) {
        std::snprintf(err.message, sizeof err.message, "Unsupported JPEG picture");
        longjmp(err.jump, 1);
    }
    out->pixels = static_cast<unsigned char*>(std::malloc(size_t(w) * h * 3));
    out->row = static_cast<unsigned char*>(std::malloc(size_t(w) * comps));
    unsigned char* const row = out->row;
    if (!out->pixels || !row) {
        std::snprintf(err.message, sizeof err.message, "Not enough memory for the picture");
        longjmp(err.jump, 1);
    }
    while (cinfo.output_scanline < h) {
        const unsigned y = cinfo.output_scanline;
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) {
            std::snprintf(err.message, sizeof err.message, "Premature end of JPEG file");
            longjmp(err.jump, 1);
        }
        unsigned char* dst = out->pixels + size_t(y) * w * 3;
        if (comps == 3) {
            std::memcpy(dst, row, size_t(w) * 3);
        } else {
            // Adobe writes CMYK inverted: each channel already holds 255 - ink.
            for (unsigned x = 0; x < w; ++x) {
                const unsigned k = row[x * 4 + 3];
                dst[x * 3 + 0] = static_cast<unsigned char>(row[x * 4 + 0] * k / 255);
                dst[x * 3 + 1] = static_cast<unsigned char>(row[x * 4 + 1] * k / 255);
                dst[x * 3 + 2] = static_cast<unsigned char>(row[x * 4 + 2] * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    if (err.pub.num_warnings > 0)
        longjmp(err.jump, 1);
    std::free(out->row);
    out->row = nullptr;
    jpeg_destroy_decompress(&cinfo);
    out->width = w;
    out->height = h;
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error) {
    auto fail = [&](const QString& msg) {
        if (error)
            *error = msg;
        return QImage();
    };
    if (data.isEmpty())
        return fail("JPEG error: empty file");
    DecodeResult r;
    char message[JMSG_LENGTH_MAX] = {0};
    if (!DecodeRaw(reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<unsigned long>(data.size()), &r, message))
        return fail(QString("JPEG error: %1").arg(QString::fromLocal8Bit(message)));
    QImage img(int(r.width), int(r.height), QImage::Format_RGB888);
    if (img.isNull()) {
        std::free(r.pixels);
        return fail("Not enough memory for the picture");
    }
    for (unsigned y = 0; y < r.height; ++y)
        std::memcpy(img.scanLine(int(y)), r.pixels + size_t(y) * r.width * 3, size_t(r.width) * 3);
    std::free(r.pixels);
    return img;
}

bool TJPEGImage::TryLoadFromData(const QByteArray& data, QString* error) {
    Clear();
    QImage img = DecodeJpeg(data, error);
    if (img.isNull())
        return false;
    m_image = std::move(img);
    m_data = data;
    return true;
}

bool TJPEGImage::TryLoadFromFile(const QString& fileName, QString* error) {
    Clear();
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QString("Cannot open file \"%1\". %2").arg(fileName, f.errorString());
        return false;
    }
    return TryLoadFromData(f.readAll(), error);
}

void TJPEGImage::LoadFromFile(const QString& fileName) {
    QString error;
    if (!TryLoadFromFile(fileName, &error))
        throw EJpegError(error);
}

void TJPEGImage::SaveToFile(const QString& fileName) const {
    if (m_data.isEmpty())
        throw EJpegError("There is no picture to save");
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(m_data) != m_data.size() || !f.commit())
        throw EJpegError(QString("Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
}

void TJPEGImage::Clear() {
    m_image = QImage();
    m_data.clear();
}
