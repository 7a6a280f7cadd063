// The all-words search of the Bible search window: one SQL text over the
// word-verse table.

#include "DMMain.h"

#include <algorithm>
#include <numeric>

namespace {

// SQLite joins at most 64 tables and nests expressions at most 1000 deep:
// this many words are joined or probed one by one, the rest are counted in
// each verse found by one term, however many they are.
constexpr int kJoinedWords = 32;

// The verse of V1 holds every one of the words.
QString holdsAll(const QList<int>& words) {
    if (words.isEmpty())
        return QString();
    QStringList list;
    for (int w : words)
        list << QString::number(w);
    return QStringLiteral(" AND (SELECT COUNT(DISTINCT R.WordID) FROM WVN R WHERE R.VerseID = "
                          "V1.VerseID AND R.WordID IN (%1)) = %2 ")
        .arg(list.join(QLatin1Char(',')))
        .arg(words.size());
}

} // namespace

QString TMainDM::AllWordsScopeClause(int scopeIndex, int bookID) {
    switch (scopeIndex) {
    case 1:
        return QStringLiteral(" BookID < 28 ");
    case 2:
        // Books above 80 are listed with the Old Testament.
        return QStringLiteral(" (BookID BETWEEN 28 AND 66 OR BookID>80) ");
    case 3:
        return QStringLiteral(" (BookID > 66) ");
    case 4:
        return QStringLiteral(" BookID = ") + QString::number(bookID) + QLatin1Char(' ');
    default:
        return QString();
    }
}

QString TMainDM::AllWordsSearchSQL(const QList<int>& wordIDs, const QString& scopeClause,
                                   const QList<int>& hits) {
    // The rows of the first word, kept when their verse holds each further
    // word. A repeated word is one term.
    QList<int> ids, counts;
    for (int i = 0; i < wordIDs.size(); ++i)
        if (!ids.contains(wordIDs[i])) {
            ids << wordIDs[i];
            counts << hits.value(i, -1);
        }
    QString sql =
        QStringLiteral("SELECT V1.BookOrder, V1.VerseID FROM WVN V1 Where V1.WordID = %1 ")
            .arg(ids.value(0));
    QList<int> further = ids.mid(1);
    const bool known = !counts.contains(-1);
    if (known) {
        // The rarest further word leads the self-join below.
        QList<int> order(further.size());
        std::iota(order.begin(), order.end(), 1);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return counts[a] < counts[b]; });
        further.clear();
        for (int k : order)
            further << ids[k];
    }
    if (known && !further.isEmpty() &&
        counts[0] <= *std::min_element(counts.begin() + 1, counts.end())) {
        // The first word is the rarest: its verses are few, and each is
        // probed for every further word through the (WordID, VerseID) index.
        const int probed = std::min(int(further.size()), kJoinedWords);
        for (int k = 0; k < probed; ++k)
            sql += QStringLiteral(" AND V1.VerseID IN (SELECT W%1.VerseID FROM WVN W%1 WHERE "
                                  "W%1.WordID = %2 AND W%1.VerseID = V1.VerseID) ")
                       .arg(k + 2)
                       .arg(further[k]);
        sql += holdsAll(further.mid(probed));
        further.clear();
    }
    // The further words are one self-join in a subquery: SQLite runs it
    // through its covering index, one probe per verse of the word that leads
    // it, and keeps only the verses that hold them all; a subquery per word
    // would first list every verse of each frequent word. Words past what
    // one join may hold, the most frequent, are counted in the few verses
    // left.
    const int joined = std::min(int(further.size()), kJoinedWords);
    if (joined > 0) {
        sql += QStringLiteral(" AND V1.VerseID IN (SELECT V2.VerseID FROM WVN V2 ");
        for (int k = 3; k <= joined + 1; ++k)
            sql += QStringLiteral(" JOIN WVN V%1 ON V%2.VerseID = V%1.VerseID ").arg(k).arg(k - 1);
        sql += QStringLiteral(" WHERE V2.WordID = %1 ").arg(further[0]);
        for (int k = 3; k <= joined + 1; ++k)
            sql += QStringLiteral(" AND V%1.WordID = %2 ").arg(k).arg(further[k - 2]);
        sql += QStringLiteral(") ");
    }
    sql += holdsAll(further.mid(joined));
    if (!scopeClause.isEmpty())
        sql += QStringLiteral(" AND ") + scopeClause;
    sql += QStringLiteral(" ORDER BY BookOrder, VerseID");
    return sql;
}

void TMainDM::OpenAllWordsSearch(const QList<int>& wordIDs, const QString& scopeClause,
                                 const QList<int>& hits) {
    qrySearch.Close();
    qrySearch.SetSQL(AllWordsSearchSQL(wordIDs, scopeClause, hits));
    qrySearch.Open();
}
