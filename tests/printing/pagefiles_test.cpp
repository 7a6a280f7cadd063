#include "PageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <zlib.h>

namespace {

QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray samplePage(int n) {
    QByteArray page;
    for (int i = 0; i < 3000; ++i)
        page += "page " + QByteArray::number(n) + " line " + QByteArray::number(i) + '\n';
    return page;
}

TEST(PageFiles, PlainAndCompressedFilesHoldThePages) {
    QTemporaryDir root;
    for (bool compress : {false, true}) {
        TPageFiles files(compress, root.path());
        ASSERT_FALSE(files.Folder().isEmpty());
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(files.Save(i, samplePage(i)));
        const QString suffix = compress ? ".CPR" : "";
        EXPECT_EQ(QDir(files.Folder()).entryList(QDir::Files, QDir::Name),
                  QStringList({"PreviewMetafile0" + suffix, "PreviewMetafile1" + suffix,
                               "PreviewMetafile2" + suffix}));
        const QByteArray onDisk = readFile(files.FileName(1));
        if (compress) {
            // zlib's own inflate reads the file back to the plain page, and
            // the header names the fastest level.
            ASSERT_GE(onDisk.size(), 2);
            EXPECT_EQ(uchar(onDisk[0]), 0x78);
            EXPECT_EQ(uchar(onDisk[1]), 0x01);
            uLongf size = uLongf(samplePage(1).size());
            QByteArray plain(qsizetype(size), '\0');
            ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                                 reinterpret_cast<const Bytef*>(onDisk.constData()),
                                 uLong(onDisk.size())),
                      Z_OK);
            EXPECT_EQ(plain, samplePage(1));
            EXPECT_LT(onDisk.size(), samplePage(1).size() / 4);
        } else {
            EXPECT_EQ(onDisk, samplePage(1));
        }
        EXPECT_EQ(files.Load(2), samplePage(2));
        EXPECT_EQ(files.Load(3), std::nullopt);
    }
}

TEST(PageFiles, DamagedOrCutStreamsLoadNothing) {
    QTemporaryDir root;
    TPageFiles files(true, root.path());
    ASSERT_TRUE(files.Save(0, samplePage(0)));
    const QByteArray whole = readFile(files.FileName(0));
    const QByteArray cut = whole.left(whole.size() / 2);
    QByteArray flipped = whole;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);
    for (const QByteArray& bad : {cut, flipped, QByteArray("not zlib")}) {
        QFile f(files.FileName(0));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bad);
        f.close();
        EXPECT_EQ(files.Load(0), std::nullopt);
    }
    EXPECT_EQ(TPageFiles::Inflate(TPageFiles::Deflate(QByteArray())), QByteArray());
}

TEST(PageFiles, TwoPreviewsKeepApartAndClosingRemovesEverything) {
    QTemporaryDir root;
    QString first, second;
    {
        TPageFiles a(true, root.path());
        TPageFiles b(true, root.path());
        first = a.Folder();
        second = b.Folder();
        ASSERT_NE(first, second);
        ASSERT_TRUE(a.Save(0, "first"));
        ASSERT_TRUE(b.Save(0, "second"));
        EXPECT_EQ(a.Load(0), QByteArray("first"));
        EXPECT_EQ(b.Load(0), QByteArray("second"));
        EXPECT_EQ(QFileInfo(first).permissions() &
                      (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                  QFile::Permissions());
        b.RemoveAll();
        EXPECT_FALSE(QDir(second).exists());
        EXPECT_FALSE(b.Save(1, "after close"));
    }
    EXPECT_FALSE(QDir(first).exists());
    EXPECT_TRUE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(PageFiles, AStartRemovesTheFoldersOfDeadRunsOnly) {
    QTemporaryDir root;
    QDir dir(root.path());
    // pid_max on Linux is at most 4194304: this process is gone.
    const QString dead = "evelm-preview-999999999-abcdef";
    const QString living =
        "evelm-preview-" + QString::number(QCoreApplication::applicationPid()) + "-abcdef";
    const QString foreign = "other-999999999-abcdef";
    for (const QString& name : {dead, living, foreign}) {
        ASSERT_TRUE(dir.mkpath(name + "/sub"));
        QFile f(dir.filePath(name + "/PreviewMetafile0.CPR"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TPageFiles::RemoveStale(root.path()), 1);
    EXPECT_FALSE(dir.exists(dead));
    EXPECT_TRUE(dir.exists(living));
    EXPECT_TRUE(dir.exists(foreign));
}

TEST(PageFiles, AFolderGoneUnderThePreviewFailsTheSaveAndKeepsThePage) {
    QTemporaryDir root;
    TPageFiles files(false, root.path());
    ASSERT_TRUE(files.Save(0, samplePage(0)));
    ASSERT_TRUE(QDir(files.Folder()).removeRecursively());
    EXPECT_FALSE(files.Save(1, samplePage(1)));
    EXPECT_FALSE(QFile::exists(files.FileName(1)));
    EXPECT_EQ(files.Load(0), std::nullopt);
    EXPECT_EQ(files.Load(1), samplePage(1));
    files.RemoveAll();
    EXPECT_EQ(files.Load(1), std::nullopt);
}

} // namespace
