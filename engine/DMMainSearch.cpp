// The all-words search of the Bible search window: one SQL text over the
// word-verse table.

#include "DMMain.h"

namespace {

// SQLite joins at most 64 tables; words past this many are subqueries of
// their own.
constexpr int kJoinedWords = 32;

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

QString TMainDM::AllWordsSearchSQL(const QList<int>& wordIDs, const QString& scopeClause) {
    // The rows of the first word, kept when their verse holds each further
    // word. The further words are one self-join in a subquery: SQLite runs
    // it through its covering index, one probe per verse of the rarest, and
    // keeps only the verses that hold them all; a subquery per word would
    // first list every verse of each frequent word. Words past what one join
    // may hold get a subquery each. A repeated word is one term.
    QList<int> ids;
    for (int id : wordIDs)
        if (!ids.contains(id))
            ids << id;
    QString sql =
        QStringLiteral("SELECT V1.BookOrder, V1.VerseID FROM WVN V1 Where V1.WordID = %1 ")
            .arg(ids.value(0));
    const int joined = std::min(int(ids.size()), 1 + kJoinedWords);
    if (joined > 1) {
        sql += QStringLiteral(" AND V1.VerseID IN (SELECT V2.VerseID FROM WVN V2 ");
        for (int k = 3; k <= joined; ++k)
            sql += QStringLiteral(" JOIN WVN V%1 ON V%2.VerseID = V%1.VerseID ").arg(k).arg(k - 1);
        sql += QStringLiteral(" WHERE V2.WordID = %1 ").arg(ids[1]);
        for (int k = 3; k <= joined; ++k)
            sql += QStringLiteral(" AND V%1.WordID = %2 ").arg(k).arg(ids[k - 1]);
        sql += QStringLiteral(") ");
    }
    for (int k = joined + 1; k <= ids.size(); ++k)
        sql += QStringLiteral(" AND V1.VerseID IN (SELECT W%1.VerseID FROM WVN W%1 WHERE "
                              "W%1.WordID = %2) ")
                   .arg(k)
                   .arg(ids[k - 1]);
    if (!scopeClause.isEmpty())
        sql += QStringLiteral(" AND ") + scopeClause;
    sql += QStringLiteral(" ORDER BY BookOrder, VerseID");
    return sql;
}

void TMainDM::OpenAllWordsSearch(const QList<int>& wordIDs, const QString& scopeClause) {
    qrySearch.Close();
    qrySearch.SetSQL(AllWordsSearchSQL(wordIDs, scopeClause));
    qrySearch.Open();
}
