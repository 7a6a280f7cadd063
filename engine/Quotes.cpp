#include "Quotes.h"

QString FoldQuotes(const QString& text) {
    QString folded = text;
    FoldQuotesInPlace(folded);
    return folded;
}

void FoldQuotesInPlace(QString& text) {
    for (QChar& c : text) {
        if (c.unicode() < 0x2018)
            continue; // nearly every character
        switch (c.unicode()) {
        case 0x2018:
        case 0x2019:
            c = QLatin1Char('\'');
            break;
        case 0x201C:
        case 0x201D:
            c = QLatin1Char('"');
            break;
        default:
            break;
        }
    }
}
