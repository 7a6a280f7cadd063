// The all-words search of the Bible search window: one SQL text over the
// word-verse table.

#include "DMMain.h"

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
    // The rows of the first word, kept when each further word has a row of
    // the same verse: a subquery per word where a self-join per word would
    // stop at SQLite's 64 tables of one join. A repeated word is one term.
    QList<int> ids;
    for (int id : wordIDs)
        if (!ids.contains(id))
            ids << id;
    QString sql =
        QStringLiteral("SELECT V1.BookOrder, V1.VerseID FROM WVN V1 Where V1.WordID = %1 ")
            .arg(ids.value(0));
    for (int k = 1; k < ids.size(); ++k)
        sql +=
            QStringLiteral(" AND V1.VerseID IN (SELECT W%1.VerseID FROM WVN W%1 WHERE W%1.WordID "
                           "= %2) ")
                .arg(k + 1)
                .arg(ids[k]);
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
