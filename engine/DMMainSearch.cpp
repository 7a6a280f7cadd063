// The all-words search of the Bible search window: one SQL text over the
// word-verse table, one self-join per further word.

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
    QString sql = QStringLiteral("SELECT v1.BookOrder, v1.VERSEID FROM WVN  V1 ");
    for (int k = 2; k <= wordIDs.size(); ++k)
        sql += QStringLiteral(" JOIN WVN V%1 ON v%2.VerseID = v%1.VerseID ").arg(k).arg(k - 1);
    sql += QStringLiteral(" Where V1.WordID = %1 ").arg(wordIDs.value(0));
    for (int k = 2; k <= wordIDs.size(); ++k)
        sql += QStringLiteral(" AND V%1.WordID =%2 ").arg(k).arg(wordIDs[k - 1]);
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
