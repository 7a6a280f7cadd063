#include "Pictures.h"

#include "TableEngine.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

QMap<QString, QString> ProgramPictures() {
    // Day pictures: a small one ("x...") and, for the picture window, a
    // larger one of the same name without the "x".
    const char* const day[][2] = {
        {"xEpiphany4.jpg", "Epiphany"},
        {"xResurrection3.jpg", "Resurrection"},
        {"xNativity3.jpg", "Nativity"},
        {"xPalmSunday3.jpg", "Palm Sunday"},
        {"xAscenssion3.jpg", "Ascension"},
        {"xPentecost1.jpg", "Pentecost"},
        {"xAnnunciation4.jpg", "Annunciation"},
        {"xGassimany1.jpg", "In Gethsemane"},
        {"xCross2.jpg", "Behold, the lamb of God"},
        {"xHadesCoptic.jpg", "Christ saving Adam & Eve"},
        {"xEntryInTemple.jpg", "Lord's Entry to the Temple"},
        {"xCanaGalilee.jpg", "Wedding of Cana"},
        {"xLastSupper2.jpg", "Maundy Thursday"},
        {"xThomasSunday.jpg", "Thomas Sunday"},
        {"xFlightToEgypt.jpg", "Flight to Egypt"},
        {"xTransfiguration.jpg", "Transfiguration"},
        {"xLazarus.jpg", "Lazarus Saturday"},
        {"xCross8.jpg", "The Lord on the Cross"},
        {"xProphetJonahAndTheWhale.jpg", "Prophet Jonah and the whale"},
        {"xTheotokos1.jpg", "St. Mary the Theotokos"},
        {"xTheotokos2.jpg", "St. Mary the Theotokos"},
        {"xTheotokos3.jpg", "St. Mary the Theotokos"},
        {"xTriFeasts3.jpg", "Commemoration of the 3 feasts"},
        {"xStMichael02.jpg", "Archangel Michael"},
        {"xStThomasNew.jpg", "St. Thomas the Hermit"},
        {"xArchangelGabriel.jpg", "Archangel Gabriel"},
        {"xPantocrator2.jpg", "Christ on the Throne"},
        {"xChurchFatherDec11.jpg", "Church Father of December 11"},
        {"xChurchFatherFeb07.jpg", "Church Father of February 7"},
        {"xChurchFatherDec17.jpg", "Church Father of December 17"},
    };
    // Pictures of the feast labels of the year.
    const char* const feast[][2] = {
        {"mNativity1.jpg", "Nativity"},
        {"mEpiphany.jpg", "Epiphany"},
        {"mPalmSunday.jpg", "Palm Sunday"},
        {"mResurrection.jpg", "Resurrection"},
        {"mAscenssion.jpg", "Ascension"},
        {"mPentecost1.jpg", "Pentecost"},
        {"mAnnunciation.jpg", "Annunciation"},
        {"mResurrection3.jpg", "Resurrection"},
        {"mChristEntryToTemple.jpg", "Entry to the Temple"},
        {"mCanaGalilee.jpg", "Feast of the Wedding of Cana of Galilee"},
        {"mFlightToEgypt1.jpg", "Feast of the Lord's Entry into Egypt"},
        {"mThomasSunday.jpg", "Thomas' Sunday"},
        {"mLastSupper.jpg", "Take, eat; this is My body"},
        {"mTransfiguration.jpg", "Transfiguration"},
        {"Cross8.jpg", "The Lord on the Cross"},
        {"Cross5.jpg", "The Lord on the Cross"},
        {"mFlightToEgypt2.jpg", "The Lord's Entry into Egypt"},
        {"mZeitonApparation.jpg", "St. Mary's Apparition in Zeiton 1968"},
        {"StMaryBodyAssumption.jpg", "Assumption of St. Mary's Body"},
        {"mZeiton1.jpg", "St Mary's Apparition in 1968"},
        {"mStsPeterAndPaul.jpg", "St. Paul and St. Peter"},
    };
    QMap<QString, QString> pictures;
    for (const auto& p : day) {
        const QString file = QString::fromLatin1(p[0]);
        pictures.insert(file, QString::fromUtf8(p[1]));
        pictures.insert(file.mid(1), QString::fromUtf8(p[1]));
    }
    for (const auto& p : feast)
        pictures.insert(QString::fromLatin1(p[0]), QString::fromUtf8(p[1]));
    return pictures;
}

void AddRowPictures(QMap<QString, QString>& pictures, const QList<TableRows>& tables) {
    const QList<QPair<QString, QPair<QString, QString>>> columns = {
        {QStringLiteral("Yearly.DB"),
         {QStringLiteral("PictureFile"), QStringLiteral("PictureSaintName")}},
        {QStringLiteral("SynxDetail.DB"),
         {QStringLiteral("PictureFile"), QStringLiteral("PictSaintName")}},
    };
    for (const TableRows& t : tables) {
        for (const auto& [file, cols] : columns) {
            if (t.File != file)
                continue;
            const qsizetype pf = t.Fields.indexOf(cols.first), pc = t.Fields.indexOf(cols.second);
            for (const QVariantList& row : t.Rows) {
                const QString name = row[pf].toString();
                if (name.isEmpty() || pictures.contains(name))
                    continue;
                pictures.insert(name, row[pc].toString());
                if (name.startsWith(u'x'))
                    pictures.insert(name.mid(1), row[pc].toString());
            }
        }
    }
}

namespace {

QImage paintPicture(const QString& caption, bool small, uint seed) {
    const QSize size = small ? QSize(300, 380) : QSize(600, 760);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const int hue = int(seed % 360);
    QLinearGradient bg(0, 0, 0, size.height());
    bg.setColorAt(0, QColor::fromHsv(hue, 120, 120));
    bg.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 160, 40));
    p.fillRect(img.rect(), bg);

    const double s = size.width() / 300.0;
    const QColor gold(212, 175, 55);
    p.setPen(QPen(gold, 6 * s));
    p.drawRect(QRectF(8 * s, 8 * s, size.width() - 16 * s, size.height() - 16 * s));

    // A halo and a cross above the caption.
    const QPointF c(size.width() / 2.0, 140 * s);
    QRadialGradient halo(c, 80 * s);
    halo.setColorAt(0, QColor(255, 236, 160));
    halo.setColorAt(1, QColor(212, 175, 55, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 90 * s, 90 * s);
    p.setBrush(QColor(90, 20, 20));
    p.drawRect(QRectF(c.x() - 9 * s, c.y() - 70 * s, 18 * s, 140 * s));
    p.drawRect(QRectF(c.x() - 45 * s, c.y() - 35 * s, 90 * s, 18 * s));

    QRectF band(18 * s, size.height() - 130 * s, size.width() - 36 * s, 110 * s);
    p.setBrush(QColor(255, 250, 235, 225));
    p.drawRoundedRect(band, 8 * s, 8 * s);
    QFont f(QStringLiteral("Times New Roman"));
    f.setBold(true);
    f.setPixelSize(int((caption.size() > 28 ? 19 : 24) * s));
    p.setFont(f);
    p.setPen(QColor(100, 0, 0));
    p.drawText(band.adjusted(8 * s, 4 * s, -8 * s, -4 * s), Qt::AlignCenter | Qt::TextWordWrap,
               caption);
    p.end();
    return img;
}

} // namespace

void WritePictures(const QString& folder, const QMap<QString, QString>& pictures) {
    const QDir dir(folder);
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const bool small = it.key().startsWith(u'x') || it.key().startsWith(u'i');
        const QImage img = paintPicture(it.value(), small, uint(qHash(it.key())));
        if (!img.save(dir.filePath(it.key()), "JPEG", 85))
            throw std::runtime_error(
                ("Cannot write picture " + dir.filePath(it.key())).toStdString());
        SyncToDisk(dir.filePath(it.key()));
    }
    SyncToDisk(folder);
}
