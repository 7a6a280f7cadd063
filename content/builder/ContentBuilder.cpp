#include "ContentBuilder.h"

#include "BibleTables.h"
#include "Lectionary.h"
#include "Pictures.h"
#include "Schema.h"
#include "SwordBible.h"
#include "SynaxariumSample.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace {

const QString kTempPrefix = QStringLiteral(".content-build-");

void say(const std::function<void(const QString&)>& log, const QString& line) {
    if (log)
        log(line);
}

QString readStamp(const QString& dataFolder) {
    QFile f(QDir(dataFolder).filePath(QString::fromLatin1(kStampFileName)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool upToDate(const QDir& out, const QString& stamp) {
    const QString data = out.filePath(QStringLiteral("DataEng"));
    return QFileInfo(out.filePath(QStringLiteral("pict"))).isDir() &&
           QFileInfo::exists(QDir(data).filePath(DatabaseFileName())) && readStamp(data) == stamp;
}

// Moves `from` to `to`, replacing what stood there; the old one goes to `old`
// first so that it can be put back when the move fails.
void replaceFolder(const QString& from, const QString& to, const QString& old) {
    const bool hadOld = QFileInfo::exists(to);
    if (hadOld && !QDir().rename(to, old))
        throw std::runtime_error(("Cannot move aside " + to).toStdString());
    if (!QDir().rename(from, to)) {
        if (hadOld)
            QDir().rename(old, to);
        throw std::runtime_error(("Cannot move the new content into " + to).toStdString());
    }
}

// Checks the rows against the schema before anything is written.
void checkSynaxariumLinks(const QList<TableRows>& tables) {
    QSet<qint64> entries;
    const TableRows* detail = nullptr;
    for (const TableRows& t : tables)
        if (t.File == u"SynxDetail.DB")
            detail = &t;
    if (!detail)
        return;
    const auto col = [&](const char* name) {
        return detail->Fields.indexOf(QString::fromLatin1(name));
    };
    for (const QVariantList& r : detail->Rows)
        entries.insert(qint64(r[col("SynxID")].toInt()) << 16 | r[col("Number")].toInt());
    for (const QVariantList& r : detail->Rows) {
        for (const auto& link : {std::array{"LinkMonth", "LinkDay", "LinkNum"},
                                 std::array{"LinkMonthB", "LinkDayB", "LinkNumB"}}) {
            const int m = r[col(link[0])].toInt(), d = r[col(link[1])].toInt(),
                      n = r[col(link[2])].toInt();
            if (m && d && n && !entries.contains(qint64(SynxHeadID(m, d)) << 16 | n))
                throw std::runtime_error(
                    QStringLiteral("Synaxarium entry %1 links to a missing entry %2/%3/%4")
                        .arg(r[col("Name")].toString())
                        .arg(m)
                        .arg(d)
                        .arg(n)
                        .toStdString());
        }
    }
}

void writeDatabase(const QString& folder, const QList<TableRows>& tables) {
    TDatabaseWriter writer(folder, TablePassword);
    CreateContentTables(writer);
    for (const TableRows& t : tables)
        for (const QVariantList& row : t.Rows)
            writer.Insert(t.File, t.Fields, row);
    writer.Commit();
}

} // namespace

QString ContentStamp(const char* swordModule) {
    // The builder's own checksum: a rebuilt builder writes its content anew.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QFile self(QStringLiteral("/proc/self/exe"));
    if (self.open(QIODevice::ReadOnly))
        hash.addData(&self);
    return QStringLiteral("evelm content builder %1 %2\n%3\n%4\n")
        .arg(QString::fromLatin1(kContentBuilderVersion),
             QString::fromLatin1(hash.result().toHex()), SwordModuleVersion(swordModule),
             DatabaseFileName());
}

ContentBuildResult BuildContent(const QString& outputFolder, bool force,
                                const std::function<void(const QString&)>& log,
                                const char* swordModule) {
    ContentBuildResult result;
    if (SwordModuleVersion(swordModule).isEmpty())
        throw ESwordError(std::string("The SWORD module ") + swordModule +
                          " is not installed; install the Debian package sword-text-web.");
    if (!QDir().mkpath(outputFolder))
        throw std::runtime_error(("Cannot create the folder " + outputFolder).toStdString());
    const QDir out(QFileInfo(outputFolder).absoluteFilePath());
    const QString stamp = ContentStamp(swordModule);
    if (!force && upToDate(out, stamp)) {
        result.Skipped = true;
        return result;
    }

    // Leftovers of an interrupted build go first.
    for (const QString& name :
         out.entryList({kTempPrefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        QDir(out.filePath(name)).removeRecursively();
    const QString temp =
        out.filePath(kTempPrefix + QString::number(QCoreApplication::applicationPid()));
    const QDir tempDir(temp);
    if (!QDir().mkpath(tempDir.filePath(QStringLiteral("DataEng"))) ||
        !QDir().mkpath(tempDir.filePath(QStringLiteral("pict"))))
        throw std::runtime_error(("Cannot create the folder " + temp).toStdString());

    try {
        say(log, QStringLiteral("Reading the Bible from the SWORD module %1")
                     .arg(QString::fromLatin1(swordModule)));
        const BibleText bible = ReadSwordBible(swordModule);
        const VerseIndex index(bible);

        say(log, QStringLiteral("Computing the concordance and the sample lectionary"));
        QList<TableRows> tables = BuildBibleTables(index);
        tables << BuildLectionaryTables(index) << BuildSynaxariumTables();
        checkSynaxariumLinks(tables);
        for (const TableRows& t : tables) {
            if (t.File == u"BW.db") {
                result.Words = int(t.Rows.size());
                for (const QVariantList& r : t.Rows)
                    result.IncludedWords += r[1].toBool() ? 1 : 0;
            } else if (t.File == u"WVN.DB") {
                result.WordVerseRows = int(t.Rows.size());
            } else if (t.File == u"Readings.DB") {
                result.ReadingRows = int(t.Rows.size());
            }
        }
        result.Books = int(bible.Books.size());
        result.Verses = int(bible.Verses.size());

        say(log, QStringLiteral("Writing the content database"));
        writeDatabase(tempDir.filePath(QStringLiteral("DataEng")), tables);

        say(log, QStringLiteral("Painting the pictures"));
        QMap<QString, QString> pictures = ProgramPictures();
        AddRowPictures(pictures, tables);
        WritePictures(tempDir.filePath(QStringLiteral("pict")), pictures);
        result.Pictures = int(pictures.size());

        // The stamp is written last, once the database and the pictures
        // are on the disk: a stamp never vouches for a file a crash cut short.
        const QString dataFolder = tempDir.filePath(QStringLiteral("DataEng"));
        const QString stampPath = QDir(dataFolder).filePath(QString::fromLatin1(kStampFileName));
        QSaveFile stampFile(stampPath);
        if (!stampFile.open(QIODevice::WriteOnly) || stampFile.write(stamp.toUtf8()) < 0 ||
            !stampFile.commit())
            throw std::runtime_error("Cannot write the content stamp");
        SyncToDisk(stampPath);
        SyncToDisk(dataFolder);

        // The database folder moves last: its stamp says the pictures are in place.
        replaceFolder(tempDir.filePath(QStringLiteral("pict")),
                      out.filePath(QStringLiteral("pict")),
                      tempDir.filePath(QStringLiteral("pict.old")));
        replaceFolder(tempDir.filePath(QStringLiteral("DataEng")),
                      out.filePath(QStringLiteral("DataEng")),
                      tempDir.filePath(QStringLiteral("DataEng.old")));
        SyncToDisk(out.absolutePath());
    } catch (const EDatabaseError& e) {
        QDir(temp).removeRecursively();
        throw std::runtime_error(
            ("Writing the content database failed: " + e.Message()).toStdString());
    } catch (...) {
        QDir(temp).removeRecursively();
        throw;
    }
    QDir(temp).removeRecursively();
    return result;
}
