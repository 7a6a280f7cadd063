#include "IndexText.h"

namespace IndexText {

QString ScopeFilter(int scopeIndex, int bookID) {
    switch (scopeIndex) {
    case 1:
        return QStringLiteral("BookID < 28");
    case 2:
        return QStringLiteral("(BookID > 27)and(BookID < 67) or (BookID > 80)");
    case 3:
        return QStringLiteral("BookID > 66");
    case 4:
        return QStringLiteral("(BookID = %1)").arg(bookID);
    default:
        return QString();
    }
}

TWordStatistics WordStatistics(bool found, bool allBooks, int hits, int verses) {
    if (!found)
        return {QStringLiteral("* * * Word Not Found * * *"), true};
    const QString count = QString::number(verses) +
                          (verses > 1 ? QStringLiteral(" Verses") : QStringLiteral(" Verse"));
    if (allBooks)
        return {QStringLiteral("Founded: ") + QString::number(hits) +
                    (hits > 1 ? QStringLiteral("  times in  ") : QStringLiteral("  time in  ")) +
                    count,
                false};
    return {QStringLiteral("Founded in: ") + count, false};
}

QString TypedWord(const QString& editText) {
    QString w = editText;
    for (QChar& c : w)
        if (c >= u'a' && c <= u'z')
            c = QChar(char16_t(c.unicode() - 32));
    return w;
}

QString StartWord(const QString& editText, const QString& currentWord) {
    QString w = TypedWord(editText);
    if (w.isEmpty())
        w = currentWord;
    return w == QLatin1String("666") ? QStringLiteral("AARON") : w;
}

} // namespace IndexText
