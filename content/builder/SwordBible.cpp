#include "SwordBible.h"
#include "OsisText.h"

#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <QHash>
#include <QMap>

#include <algorithm>
#include <memory>

namespace {

sword::SWModule* findModule(sword::SWMgr& mgr, const char* moduleName) {
    sword::SWModule* module = mgr.getModule(moduleName);
    if (!module)
        throw ESwordError(std::string("The SWORD module ") + moduleName +
                          " is not installed; install the Debian package sword-text-web.");
    return module;
}

} // namespace

void FillVerseGaps(QList<VerseRow>& verses) {
    QList<VerseRow> out;
    out.reserve(verses.size() + 64);
    int expected = 1;
    for (qsizetype i = 0; i < verses.size(); ++i) {
        const VerseRow& v = verses[i];
        if (i == 0 || v.BookID != verses[i - 1].BookID || v.Chapter != verses[i - 1].Chapter)
            expected = 1;
        for (; expected < v.Verse; ++expected)
            out.append(VerseRow{v.BookID, v.Chapter, expected, QString()});
        out.append(v);
        expected = std::max(expected, v.Verse + 1);
    }
    verses = std::move(out);
}

QString SwordModuleVersion(const char* moduleName) {
    sword::SWMgr mgr;
    sword::SWModule* module = mgr.getModule(moduleName);
    if (!module)
        return {};
    const char* v = module->getConfigEntry("Version");
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(moduleName),
                                       QString::fromUtf8(v ? v : "?"));
}

BibleText ReadSwordBible(const char* moduleName) {
    sword::SWMgr mgr;
    sword::SWModule* module = findModule(mgr, moduleName);

    BibleText bible;
    const char* v = module->getConfigEntry("Version");
    bible.ModuleVersion = QString::fromUtf8(v ? v : "?");

    std::unique_ptr<sword::VerseKey> key(static_cast<sword::VerseKey*>(module->createKey()));
    key->setIntros(false);
    key->setAutoNormalize(true);
    key->setPosition(sword::TOP);

    // Books the table does not know are numbered above 80 after the others.
    QHash<QString, BookInfo> extra;
    int nextExtraID = 81;
    int nextExtraOrder = 1000;
    QMap<int, QList<VerseRow>> byOrder; // BookOrder -> verses
    QMap<int, BookInfo> bookByOrder;

    for (; !key->popError(); key->increment()) {
        module->setKey(*key);
        const char* rawEntry = module->getRawEntry();
        if (!rawEntry || !*rawEntry)
            continue;
        const QString text = OsisToPlainText(QString::fromUtf8(rawEntry));
        if (text.isEmpty())
            continue;
        const QString osis = QString::fromLatin1(key->getOSISBookName());
        const BookInfo* info = FindBookByOsis(osis);
        if (!info) {
            auto it = extra.find(osis);
            if (it == extra.end())
                it = extra.insert(osis, BookInfo{osis, nextExtraID++, nextExtraOrder++, 3,
                                                 QString::fromUtf8(key->getBookName()),
                                                 QStringLiteral("Further book")});
            info = &*it;
        }
        bookByOrder.insert(info->Order, *info);
        byOrder[info->Order].append(VerseRow{info->ID, key->getChapter(), key->getVerse(), text});
    }
    if (byOrder.isEmpty())
        throw ESwordError(std::string("The SWORD module ") + moduleName + " holds no verses.");

    // Further books follow the last known book in the order.
    int order = 0;
    for (auto it = byOrder.begin(); it != byOrder.end(); ++it) {
        BookInfo b = bookByOrder.value(it.key());
        b.Order = ++order;
        bible.Books.append(b);
        QList<VerseRow> rows = it.value();
        FillVerseGaps(rows);
        bible.Verses.append(rows);
    }
    return bible;
}
