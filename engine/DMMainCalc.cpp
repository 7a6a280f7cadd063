// The calculated fields of the data module's datasets.

#include "Apaqty.h"
#include "DMMain.h"
#include "Quotes.h"

namespace {

// Calculated string fields hold at most their size.
void setText(TDataSet& ds, const char* name, const QString& value) {
    TField* f = ds.FindField(QLatin1String(name));
    if (!f)
        return;
    f->SetAsString(f->Size() > 0 ? value.left(f->Size()) : value);
}

QString text(const TDataSet& ds, const char* name) {
    return ds.FieldByName(QLatin1String(name))->AsString();
}

// Upper case letter by letter, so that positions in the result are
// positions in the stored text.
QString upperKeepingLength(const QString& s) {
    QString u = s;
    for (QChar& ch : u)
        ch = ch.toUpper();
    return u;
}

// With the typographic quotes and the em dash the Bible text is set with.
const QString Punctuation = QStringLiteral("'`,;.:-\"!?") + TypographicWordBreaks.toString();

struct Match {
    qsizetype pos = -1; // 0-based
    qsizetype length = 0;
};

// The first occurrence of the word that no letter or digit adjoins; else the
// first one at all (the word inside a longer one).
Match wholeWordElseAny(const QString& word, const QString& verse) {
    const auto joins = [&](qsizetype i) {
        return i >= 0 && i < verse.size() && verse.at(i).isLetterOrNumber();
    };
    for (qsizetype p = verse.indexOf(word); p >= 0; p = verse.indexOf(word, p + 1))
        if (!joins(p - 1) && !joins(p + word.size()))
            return {p, word.size()};
    const qsizetype p = verse.indexOf(word);
    return p < 0 ? Match{} : Match{p, word.size()};
}

// Where the concordance word stands in the upper-cased verse: a whole word
// where the verse has one, so that "LOVE" is not placed inside "BELOVED"
// nor "IN" inside "BEGINNING".
Match findWord(const QString& word, const QString& verse) {
    if (word.isEmpty())
        return {};
    if (word.size() >= 4)
        return wholeWordElseAny(word, verse);

    const QString both = QLatin1Char(' ') + word + QLatin1Char(' ');
    if (qsizetype p = verse.indexOf(both); p >= 0)
        return {p, both.size()};

    const QString trailing = word + QLatin1Char(' ');
    for (qsizetype p = verse.indexOf(trailing); p >= 0; p = verse.indexOf(trailing, p + 1))
        if (p > 0 && Punctuation.contains(verse.at(p - 1)))
            return {p, trailing.size()};

    const QString leading = QLatin1Char(' ') + word;
    for (qsizetype p = verse.indexOf(leading); p >= 0; p = verse.indexOf(leading, p + 1)) {
        const qsizetype after = p + leading.size();
        if (after < verse.size() && Punctuation.contains(verse.at(after)))
            return {p, leading.size()};
    }

    return wholeWordElseAny(word, verse);
}

} // namespace

void TMainDM::tblBibleCalcFields(TDataSet& DataSet) {
    setText(DataSet, "VersText", text(DataSet, "Text"));
}

void TMainDM::tblSynxSaintsCalcFields(TDataSet& DataSet) {
    QString synxName, copticText, gregText;
    // One-character names are the letter dividers of the index.
    if (text(DataSet, "Name").trimmed().size() > 1) {
        const int synxID = DataSet.FieldByName("SynxID")->AsInteger();
        const int number = DataSet.FieldByName("SynxNumber")->AsInteger();
        if (tblSynxDetailSearch.Active() && tblSynxDetailSearch.FindKey({synxID, number}))
            synxName = text(tblSynxDetailSearch, "Name");

        // A saint whose day is missing from the head table gets no dates.
        const int month = DataSet.FieldByName("CopticMonth")->AsInteger();
        const int day = DataSet.FieldByName("CopticDay")->AsInteger();
        if (month >= 1 && month <= 13 && day >= 1 && day <= 30) {
            copticText = CopticMonthNames[month] + QLatin1Char(' ') + QString::number(day);
            int m = 0, d = 0;
            TApaqty::CopticDateInGregorianYear(selectedGregorianYear(), month, day, m, d);
            gregText = GregorianMonthNames[m] + QLatin1Char(' ') + QString::number(d);
        }
    }
    setText(DataSet, "SynxName", synxName);
    setText(DataSet, "CopticMonthDay", copticText);
    setText(DataSet, "GregMonthDay", gregText);
}

void TMainDM::tblWordVerseCalcFields(TDataSet& DataSet) {
    const QString word = text(DataSet, "Word");
    const QString verse = text(DataSet, "Verse");
    const Match m = findWord(word, upperKeepingLength(verse));

    // A verse without the word (inconsistent data) leaves the split empty.
    QString before, found, after;
    if (m.pos >= 0) {
        found = verse.mid(m.pos, m.length);
        const qsizetype from = std::max<qsizetype>(0, m.pos - 150);
        before = verse.mid(from, m.pos - from);
        after = verse.mid(m.pos + m.length, 150);
    }
    setText(DataSet, "Word1", found);
    setText(DataSet, "Verse1", before);
    setText(DataSet, "Verse2", after);
    setText(DataSet, "Citation",
            text(DataSet, "BookName") + QLatin1Char(' ') + text(DataSet, "Chapter") +
                QLatin1Char(':') + text(DataSet, "VerseNum"));
}

void TMainDM::qrySearchCalcFields(TDataSet& DataSet) {
    QString verseText;
    const int verseID = DataSet.FieldByName("VerseID")->AsInteger();
    if (tblBibleByID.Active() && tblBibleByID.FindKey({verseID}))
        verseText = text(tblBibleByID, "Text");
    setText(DataSet, "VerseText", verseText);
    setText(DataSet, "Citation",
            text(DataSet, "BookName") + QLatin1Char(' ') + text(DataSet, "ChapterNum") +
                QLatin1Char(':') + text(DataSet, "VerseNum"));
}

void TMainDM::tblBibleOmittedWordsCalcFields(TDataSet& DataSet) {
    setText(DataSet, "WordNHits",
            text(DataSet, "TheWord") + QStringLiteral(" ** ") + text(DataSet, "Hits"));
}

void TMainDM::dsSynxDtailByPictSaintDataChange(TDataSource& /*Sender*/) {
    if (ShowCurrentIcon)
        ShowCurrentIcon();
}
