#include "Jpeg.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace {

// Encodes a picture with libjpeg itself: left half red, right half blue.
QByteArray MakeJpeg(int w, int h, bool progressive = false, bool gray = false) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = gray ? 1 : 3;
    c.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(size_t(w) * c.input_components);
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < w; ++x) {
            if (gray) {
                row[size_t(x)] = x < w / 2 ? 40 : 220;
            } else {
                unsigned char* p = &row[size_t(x) * 3];
                p[0] = x < w / 2 ? 255 : 0;
                p[1] = 0;
                p[2] = x < w / 2 ? 0 : 255;
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray out(reinterpret_cast<const char*>(buf), qsizetype(size));
    std::free(buf);
    return out;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
    return path;
}

} // namespace

TEST(Jpeg, AGoodPictureLoadsWithItsSizeAndColours) {
    TJPEGImage img;
    const QByteArray data = MakeJpeg(64, 32);
    QString error;
    ASSERT_TRUE(img.TryLoadFromData(data, &error)) << error.toStdString();
    EXPECT_EQ(img.Width(), 64);
    EXPECT_EQ(img.Height(), 32);
    const QColor left = img.Image().pixelColor(8, 16);
    const QColor right = img.Image().pixelColor(56, 16);
    EXPECT_GT(left.red(), 200);
    EXPECT_LT(left.blue(), 60);
    EXPECT_GT(right.blue(), 200);
    EXPECT_LT(right.red(), 60);
    EXPECT_EQ(img.Data(), data);
}

TEST(Jpeg, ProgressiveAndGreyPicturesLoad) {
    TJPEGImage img;
    EXPECT_TRUE(img.TryLoadFromData(MakeJpeg(40, 30, true)));
    EXPECT_EQ(img.Width(), 40);
    ASSERT_TRUE(img.TryLoadFromData(MakeJpeg(40, 30, false, true)));
    EXPECT_LT(img.Image().pixelColor(2, 2).red(), 80);
    EXPECT_GT(img.Image().pixelColor(38, 2).red(), 180);
}

TEST(Jpeg, BrokenInputsFailCleanly) {
    const QByteArray good = MakeJpeg(64, 64);
    QByteArray truncated = good.left(good.size() / 2);
    QByteArray noHeader = good.mid(2);
    QByteArray damaged = good;
    for (qsizetype i = good.size() / 3; i < good.size() * 2 / 3; i += 7)
        damaged[i] = char(damaged[i] ^ 0x5A);
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QByteArray text("This is not a picture at all.\n");
    for (const QByteArray& bad :
         {QByteArray(), truncated, noHeader, damaged, png, text, good.left(2)}) {
        TJPEGImage img;
        QString error;
        EXPECT_FALSE(img.TryLoadFromData(bad, &error)) << bad.size();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(img.Empty());
        EXPECT_TRUE(img.Data().isEmpty());
    }
}

TEST(Jpeg, AFailedLoadEmptiesThePreviousPicture) {
    TJPEGImage img;
    ASSERT_TRUE(img.TryLoadFromData(MakeJpeg(8, 8)));
    EXPECT_FALSE(img.TryLoadFromData("junk"));
    EXPECT_TRUE(img.Empty());
}

TEST(Jpeg, FileLoadThrowsForMissingAndBrokenFiles) {
    QTemporaryDir dir;
    TJPEGImage img;
    EXPECT_THROW(img.LoadFromFile(dir.filePath("none.jpg")), EJpegError);
    EXPECT_THROW(img.LoadFromFile(WriteFile(dir, "empty.jpg", {})), EJpegError);
    const QByteArray good = MakeJpeg(16, 16);
    EXPECT_THROW(img.LoadFromFile(WriteFile(dir, "half.jpg", good.left(good.size() - 40))),
                 EJpegError);
    EXPECT_NO_THROW(img.LoadFromFile(WriteFile(dir, "good.jpg", good)));
    EXPECT_EQ(img.Width(), 16);
}

TEST(Jpeg, SavingWritesTheBytesAsLoaded) {
    QTemporaryDir dir;
    const QByteArray good = MakeJpeg(20, 10);
    TJPEGImage img;
    img.LoadFromFile(WriteFile(dir, "in.jpg", good));
    const QString out = dir.filePath("copy.bmp"); // any name: the data stays JPEG
    img.SaveToFile(out);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), good);
    TJPEGImage empty;
    EXPECT_THROW(empty.SaveToFile(dir.filePath("x.jpg")), EJpegError);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.jpg")));
    EXPECT_THROW(img.SaveToFile(dir.filePath("no/such/folder/x.jpg")), EJpegError);
}

// A quick randomized mutation run; the libFuzzer target does the long runs.
TEST(Jpeg, MutatedPicturesNeverCrash) {
    const QByteArray seeds[] = {MakeJpeg(48, 40), MakeJpeg(33, 17, true),
                                MakeJpeg(16, 16, false, true)};
    QRandomGenerator rng(20261207);
    int loaded = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray d = seeds[i % 3];
        const int edits = 1 + int(rng.bounded(8));
        // A truncation can leave nothing to edit; bounded(0) is undefined.
        for (int e = 0; e < edits && !d.isEmpty(); ++e) {
            const int pos = int(rng.bounded(int(d.size())));
            switch (rng.bounded(4)) {
            case 0:
                d[pos] = char(rng.bounded(256));
                break;
            case 1:
                d.remove(pos, 1 + int(rng.bounded(16)));
                break;
            case 2:
                d.insert(pos, QByteArray(1 + int(rng.bounded(8)), char(rng.bounded(256))));
                break;
            default:
                d.truncate(pos);
                break;
            }
        }
        QString error;
        const QImage img = DecodeJpeg(d, &error);
        if (!img.isNull())
            ++loaded;
        else
            EXPECT_FALSE(error.isEmpty());
    }
    SUCCEED() << loaded << " mutated pictures still decoded";
}
