#include "PhraseSearch.h"

#include "DMMain.h"
#include "Quotes.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringMatcher>

#include <algorithm>
#include <vector>

namespace {

QChar asciiUpper(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(char16_t(u - 32)) : c;
}

} // namespace

QString PhraseScopeFilter(int scopeIndex, int bookID) {
    switch (scopeIndex) {
    case 1:
        return QStringLiteral("BookID < 28 ");
    case 2:
        return QStringLiteral("(BookID >= 28) AND (BookID<= 66) ");
    case 3:
        return QStringLiteral("BookID > 66 ");
    case 4:
        return QStringLiteral("BookID = ") + QString::number(bookID) + QLatin1Char(' ');
    default:
        return QString();
    }
}

bool InPhraseScope(int scopeIndex, int bookID, int verseBookID) {
    switch (scopeIndex) {
    case 1:
        return verseBookID < 28;
    case 2:
        return verseBookID >= 28 && verseBookID <= 66;
    case 3:
        return verseBookID > 66;
    case 4:
        return verseBookID == bookID;
    default:
        return true;
    }
}

QString PhraseNeedle(const QString& typed, bool caseSensitive) {
    QString n = FoldQuotes(typed);
    if (caseSensitive)
        return n;
    for (QChar& c : n)
        c = asciiUpper(c);
    return n;
}

void TPhraseSearch::load() {
    // A read that failed midway starts again from nothing.
    verses_.clear();
    text_.clear();
    bookNames_.clear();
    // Own cursors on the data module's tables, so no window's row moves.
    TTable books;
    books.SetDatabaseName(dm_.tblBookNames.DatabaseName());
    books.SetTableName(dm_.tblBookNames.TableName());
    books.Open();
    QHash<int, QPair<int, int>> bookOf; // ID -> (BookOrder, name index)
    TField* id = books.FieldByName(QStringLiteral("ID"));
    TField* order = books.FieldByName(QStringLiteral("BookOrder"));
    TField* name = books.FieldByName(QStringLiteral("BookName"));
    for (books.First(); !books.Eof(); books.Next()) {
        bookOf.insert(id->AsInteger(), {order->AsInteger(), int(bookNames_.size())});
        bookNames_ << name->AsString();
    }
    bookNames_ << QString(); // a verse of an unknown book

    TTable bible;
    bible.SetDatabaseName(dm_.tblBible.DatabaseName());
    bible.SetTableName(dm_.tblBible.TableName());
    bible.SetIndexName(dm_.tblBible.IndexName());
    bible.Open();
    const int count = bible.RecordCount();
    verses_.reserve(count);
    // Each text is decoded straight into the one string of all texts, made
    // about as long as the texts at once (a verse is some 120 characters).
    text_.reserve(qsizetype(count) * 128);
    QStringDecoder decode(QStringDecoder::Utf8);
    bible.ReadAll({QStringLiteral("ID"), QStringLiteral("BookID"), QStringLiteral("Text")},
                  [&](const TRowValues& row) {
                      const QByteArrayView utf8 = row.Utf8(2);
                      const qsizetype at = text_.size();
                      if (text_.capacity() < at + utf8.size())
                          text_.reserve(2 * (at + utf8.size()));
                      text_.resize(at + utf8.size()); // UTF-16 is never longer
                      const QChar* end = decode.appendToBuffer(text_.data() + at, utf8);
                      text_.truncate(end - text_.constData());
                      const int b = int(row.Integer(1));
                      const auto book = bookOf.value(b, {0, int(bookNames_.size()) - 1});
                      verses_.append(
                          {int(row.Integer(0)), b, book.first, book.second, at, text_.size() - at});
                  });
    FoldQuotesInPlace(text_);
    upper_ = QString(text_.size(), Qt::Uninitialized);
    std::transform(text_.cbegin(), text_.cend(), upper_.begin(), asciiUpper);
    loaded_ = true;
}

void TPhraseSearch::Load() {
    if (!loaded_)
        load();
}

template <typename OnMatch>
void TPhraseSearch::scan(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
                         const TPhraseProgress& progress, OnMatch onMatch) {
    Load();
    // Every scope is one run of verses in the Bible table's order (by book).
    qsizetype first = 0;
    while (first < verses_.size() && !InPhraseScope(scopeIndex, bookID, verses_[first].bookID))
        ++first;
    qsizetype end = first;
    while (end < verses_.size() && InPhraseScope(scopeIndex, bookID, verses_[end].bookID))
        ++end;
    const QString needle = PhraseNeedle(typed, caseSensitive);
    int found = 0;
    qsizetype scanned = 0; // verses before verse i, counted from first
    // Progress after every 50th verse scanned up to verse `upTo` (exclusive).
    auto stepTo = [&](qsizetype upTo) {
        if (!progress)
            return;
        for (qsizetype next = (scanned / 50 + 1) * 50; first + next <= upTo; next += 50)
            progress(found, bookNames_[verses_[first + next - 1].bookIndex]);
        scanned = upTo - first;
    };
    if (!needle.isEmpty() && first < end) {
        const QStringMatcher matcher(needle, Qt::CaseSensitive);
        const QStringView hay = QStringView(caseSensitive ? text_ : upper_)
                                    .left(verses_[end - 1].offset + verses_[end - 1].length);
        qsizetype i = first;
        qsizetype from = verses_[first].offset;
        for (;;) {
            const qsizetype at = matcher.indexIn(hay, from);
            if (at < 0)
                break;
            while (verses_[i].offset + verses_[i].length <= at)
                ++i;
            if (at + needle.size() > verses_[i].offset + verses_[i].length) {
                from = at + 1; // runs into the next verse
                continue;
            }
            stepTo(i);
            onMatch(verses_[i]);
            ++found;
            if (++i >= end)
                break;
            from = verses_[i].offset;
        }
    }
    stepTo(end);
}

QList<int> TPhraseSearch::Matches(const QString& typed, bool caseSensitive, int scopeIndex,
                                  int bookID, const TPhraseProgress& progress) {
    QList<int> ids;
    scan(typed, caseSensitive, scopeIndex, bookID, progress,
         [&](const Verse& v) { ids.append(v.id); });
    return ids;
}

QString PhraseResultsFailureText(const EDatabaseError& e) {
    const QString path = e.Path();
    switch (e.Cause()) {
    case TDbFailure::InUse:
        return QStringLiteral("The search results file \"%1\" is in use by another copy of the "
                              "program.\nClose the other copy of the program, then search again.")
            .arg(path);
    case TDbFailure::FolderNotWritable:
        return QStringLiteral("The search results cannot be saved: the folder \"%1\" cannot be "
                              "written.\nMake the folder writable, then search again.")
            .arg(path);
    case TDbFailure::FileReadOnly:
        return QStringLiteral("The search results file \"%1\" is read-only.\nMake the file "
                              "writable, then search again.")
            .arg(path);
    case TDbFailure::DiskFull:
        return QStringLiteral("The search results cannot be saved: the disk that holds \"%1\" is "
                              "full.\nFree some space on it, then search again.")
            .arg(path);
    case TDbFailure::SqlText:
    case TDbFailure::Other:
        break;
    }
    return e.Message();
}

int TPhraseSearch::Run(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
                       const TPhraseProgress& progress) {
    try {
        return write(typed, caseSensitive, scopeIndex, bookID, progress);
    } catch (const EDatabaseError& e) {
        if (e.Cause() == TDbFailure::Other)
            throw;
        throw EDatabaseError(PhraseResultsFailureText(e), e.Cause(), e.Path());
    }
}

int TPhraseSearch::write(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
                         const TPhraseProgress& progress) {
    TTable& out = dm_.tblSearchResults;
    if (!out.Active()) // another copy of the program may have let it go
        out.Open();
    // The matches in the table's order (book order, verse), so the file's
    // index and rows grow at their ends.
    std::vector<std::pair<int, int>> rows;
    scan(typed, caseSensitive, scopeIndex, bookID, progress,
         [&](const Verse& v) { rows.emplace_back(v.bookOrder, v.id); });
    std::sort(rows.begin(), rows.end());
    std::vector<qint64> values;
    values.reserve(rows.size() * 2);
    for (const auto& [bookOrder, id] : rows) {
        values.push_back(id);
        values.push_back(bookOrder);
    }
    TWriteBatch batch(out);
    out.EmptyTable();
    out.AppendRows({QStringLiteral("VerseID"), QStringLiteral("BookOrder")}, values);
    batch.Commit();
    return int(rows.size());
}
