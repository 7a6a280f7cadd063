#include "Tokens.h"

#include <QList>

namespace {

QString DefaultSet() {
    QString s = QStringLiteral("+.,;:!?\\/<>()^#&%+-*");
    s += QChar(9);
    s += QChar(10);
    s += QChar(13);
    s += QChar(26);
    s += QChar(32);
    s += QChar(0x2028); // line separator: the single-byte soft line feed (138)
    s += QChar(0x2029); // paragraph separator: the soft carriage return (141)
    s += QChar(0);
    return s;
}

const QString& OrDefault(const QString& delims) {
    return delims.isEmpty() ? DefaultDelimiters : delims;
}

// Half-open [begin, end) index ranges of the words, or of the fields when
// countEmpty. A field list drops the empty field after a final delimiter.
QList<std::pair<qsizetype, qsizetype>> Split(const QString& text, const QString& delims,
                                             bool countEmpty) {
    QList<std::pair<qsizetype, qsizetype>> parts;
    const qsizetype L = text.size();
    if (countEmpty) {
        qsizetype begin = 0;
        for (qsizetype i = 0; i < L; ++i) {
            if (delims.contains(text.at(i))) {
                parts.append({begin, i});
                begin = i + 1;
            }
        }
        if (begin < L)
            parts.append({begin, L});
        return parts;
    }
    qsizetype i = 0;
    while (i < L) {
        while (i < L && delims.contains(text.at(i)))
            ++i;
        if (i >= L)
            break;
        const qsizetype begin = i;
        while (i < L && !delims.contains(text.at(i)))
            ++i;
        parts.append({begin, i});
    }
    return parts;
}

// A position (1-based) never lands on the low half of a surrogate pair.
qsizetype WholeCharacterStart(const QString& text, qsizetype pos) {
    if (pos >= 2 && pos <= text.size() && text.at(pos - 1).isLowSurrogate() &&
        text.at(pos - 2).isHighSurrogate())
        return pos - 1;
    return pos;
}

qsizetype WholeCharacterEnd(const QString& text, qsizetype pos) {
    if (pos >= 1 && pos < text.size() && text.at(pos - 1).isHighSurrogate() &&
        text.at(pos).isLowSurrogate())
        return pos + 1;
    return pos;
}

} // namespace

const QString DefaultDelimiters = DefaultSet();
QString PrevDelimiter;
QString NextDelimiter;

ETokenError::ETokenError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

int WordCount(const QString& Text, const QString& Delims, bool CountEmpty) {
    if (Text.isEmpty())
        return 0;
    return static_cast<int>(Split(Text, OrDefault(Delims), CountEmpty).size());
}

QString ExtractWord(const QString& Text, int N, const QString& Delims, bool CountEmpty) {
    PrevDelimiter.clear();
    NextDelimiter.clear();
    if (Text.isEmpty() || N < 0)
        return QString();
    const auto parts = Split(Text, OrDefault(Delims), CountEmpty);
    if (parts.isEmpty() || N > parts.size())
        return QString();
    const auto [begin, end] = N == 0 ? parts.last() : parts.at(N - 1);
    if (begin > 0)
        PrevDelimiter = Text.at(begin - 1);
    if (end < Text.size())
        NextDelimiter = Text.at(end);
    return Text.mid(begin, end - begin);
}

QStringList ExtractWords(const QString& Text, const QString& Delims, bool CountEmpty) {
    QStringList words;
    if (Text.isEmpty())
        return words;
    for (const auto& [begin, end] : Split(Text, OrDefault(Delims), CountEmpty))
        words << Text.mid(begin, end - begin);
    return words;
}

QString RemoveWords(const QString& Text, int N, bool FromStart, const QString& Delims) {
    const QString delims = Delims.isEmpty() ? QStringLiteral(" ,;-") : Delims;
    // Removing nothing is never too much, even from an empty text.
    if (N <= 0)
        return Text;
    // The guard counts words split at comma and blank only, whatever the set.
    if (N >= WordCount(Text, QStringLiteral(", "), false))
        throw ETokenError(QStringLiteral("Too Many Words to Remove"));
    const int p = WordBoundary(Text, N + 1, FromStart, delims);
    if (FromStart)
        return Text.mid(p - 1);
    return Text.left(p);
}

int WordBoundary(const QString& Text, int N, bool FromStart, const QString& Delims) {
    const QString& delims = OrDefault(Delims);
    const qsizetype L = Text.size();
    auto isDelim = [&](qsizetype pos) { return delims.contains(Text.at(pos - 1)); };
    int k = 0;
    if (FromStart) {
        if (L <= 1)
            return 1;
        qsizetype i = 1;
        do {
            while (i < L && isDelim(i))
                ++i;
            while (i < L && !isDelim(i))
                ++i;
            while (i < L && isDelim(i))
                ++i;
            ++k;
        } while (!(k + 1 == N || i >= L));
        return static_cast<int>(WholeCharacterStart(Text, i));
    }
    if (L <= 1)
        return static_cast<int>(L);
    qsizetype i = L;
    do {
        while (i > 1 && isDelim(i))
            --i;
        while (i > 1 && !isDelim(i))
            --i;
        while (i > 1 && isDelim(i))
            --i;
        ++k;
    } while (!(k + 1 == N || i <= 1));
    return static_cast<int>(WholeCharacterEnd(Text, i));
}

QString DelimitersToSpaces(const QString& Text, const QString& Delims) {
    const QString& delims = OrDefault(Delims);
    QString result;
    result.reserve(Text.size());
    for (const QChar c : Text) {
        if (!delims.contains(c))
            result += c;
        else if (!result.endsWith(QLatin1Char(' ')))
            result += QLatin1Char(' ');
    }
    return result;
}

QString TrimControls(const QString& Text) {
    qsizetype first = 0;
    qsizetype last = Text.size();
    while (first < last && Text[first].unicode() <= ' ')
        ++first;
    while (last > first && Text[last - 1].unicode() <= ' ')
        --last;
    return Text.mid(first, last - first);
}
