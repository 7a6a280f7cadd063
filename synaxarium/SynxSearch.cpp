#include "SynxSearch.h"

#include "TableEngine.h"

QString AsciiUpper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return upper;
}

QList<TTextPiece> HighlightPieces(const QString& text, const QString& keyword) {
    QList<TTextPiece> pieces;
    auto add = [&](const QString& piece, bool highlighted) {
        if (!piece.isEmpty())
            pieces.append({piece, highlighted});
    };
    if (keyword.size() < 2) {
        add(text, false);
        return pieces;
    }
    const QString upper = AsciiUpper(text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = upper.indexOf(keyword, from);
        if (at < 0)
            break;
        add(text.mid(from, at - from), false);
        add(text.mid(at, keyword.size()), true);
        from = at + keyword.size();
    }
    add(text.mid(from), false);
    return pieces;
}

QList<TSynxSearchHit> SearchSynaxarium(TTable& detail, const QString& searchText, bool fullSearch) {
    QList<TSynxSearchHit> hits;
    const QString key = AsciiUpper(searchText);
    if (key.isEmpty())
        return hits;
    TField* name = detail.FieldByName(QStringLiteral("Name"));
    TField* desc = detail.FieldByName(QStringLiteral("Desc"));
    TField* synxID = detail.FieldByName(QStringLiteral("SynxID"));
    TField* number = detail.FieldByName(QStringLiteral("Number"));
    for (detail.First(); !detail.Eof(); detail.Next()) {
        const QString n = name->AsString();
        const QString searched = fullSearch ? n + QLatin1Char('~') + desc->AsString() : n;
        if (AsciiUpper(searched).contains(key))
            hits.append({n, synxID->AsInteger(), number->AsInteger()});
    }
    return hits;
}

QString MatchedCaption(int count, const QString& searchText) {
    return QStringLiteral("(%1 matches) for \"").arg(count) + searchText + QLatin1Char('"');
}

QString SearchResultKey(int synxID, int number) {
    return QString::number(synxID) + QLatin1Char('?') + QString::number(number);
}

bool ParseSearchResultKey(const QString& key, int& synxID, int& number) {
    const qsizetype mark = key.indexOf(QLatin1Char('?'));
    if (mark < 0)
        return false;
    bool okID = false, okNumber = false;
    synxID = key.left(mark).toInt(&okID);
    number = key.mid(mark + 1).toInt(&okNumber);
    return okID && okNumber;
}

bool SeekSaint(TTable& saints, const QString& typed) {
    const QString key = AsciiUpper(typed).trimmed();
    saints.FindNearest({key});
    if (saints.IsEmpty())
        return false;
    return saints.FieldByName(QStringLiteral("Name"))->AsString().left(key.size()) == key;
}

bool IsDividerName(const QString& name) {
    return name.trimmed().size() == 1;
}

bool FindNextRow(TDataSet& dataSet, const QString& nameField, const QString& key, bool fromTop) {
    if (dataSet.IsEmpty())
        return false;
    const QString upperKey = AsciiUpper(key);
    const int start = dataSet.RecNo();
    bool found = false;
    try {
        if (fromTop)
            dataSet.First();
        else
            dataSet.Next();
        TField* name = dataSet.FieldByName(nameField);
        while (!dataSet.Eof() && !AsciiUpper(name->AsString()).contains(upperKey))
            dataSet.Next();
        found = !dataSet.Eof();
    } catch (...) {
        dataSet.SetRecNo(start);
        throw;
    }
    if (!found)
        dataSet.SetRecNo(start);
    return found;
}
