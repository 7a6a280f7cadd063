// One tokenizer for filter texts and local SQL: both are rebuilt from its
// tokens, never pasted.
#include "Internal.h"

namespace te {

QList<Token> lex(const QString& s, const std::function<void(const QString&)>& bad) {
    QList<Token> out;
    const int n = int(s.size());
    auto at = [&](int j) { return j < n ? s[j] : QChar(); };
    auto wordChar = [](QChar ch) { return ch.isLetterOrNumber() || ch == QLatin1Char('_'); };
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && wordChar(s[j]))
                ++j;
            out.append({Tok::Word, s.mid(i, j - i)});
            i = j;
        } else if (c == QLatin1Char('[')) {
            const int j = int(s.indexOf(QLatin1Char(']'), i + 1));
            if (j < 0)
                bad(QStringLiteral("missing ']'"));
            out.append({Tok::Word, s.mid(i + 1, j - i - 1)});
            i = j + 1;
        } else if (c.isDigit() || (c == QLatin1Char('.') && at(i + 1).isDigit())) {
            int j = i;
            bool dot = false;
            while (j < n && (s[j].isDigit() || (s[j] == QLatin1Char('.') && !dot))) {
                dot = dot || s[j] == QLatin1Char('.');
                ++j;
            }
            if (j < n && (s[j].isLetter() || s[j] == QLatin1Char('_')))
                bad(QStringLiteral("bad number"));
            out.append({Tok::Number, s.mid(i, j - i)});
            i = j;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A doubled quote inside stands for one.
            QString text;
            int j = i + 1;
            bool closed = false;
            while (j < n) {
                if (s[j] == c) {
                    if (at(j + 1) == c) {
                        text += c;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                text += s[j++];
            }
            if (!closed)
                bad(QStringLiteral("unterminated string"));
            out.append({c == QLatin1Char('"') ? Tok::DString : Tok::String, text});
            i = j;
        } else if (c == QLatin1Char(':') &&
                   (at(i + 1).isLetter() || at(i + 1) == QLatin1Char('_'))) {
            int j = i + 1;
            while (j < n && wordChar(s[j]))
                ++j;
            out.append({Tok::Param, s.mid(i + 1, j - i - 1)});
            i = j;
        } else if (QStringLiteral("<>=!").contains(c)) {
            QString op(c);
            const QChar next = at(i + 1);
            if ((c == QLatin1Char('<') && (next == QLatin1Char('>') || next == QLatin1Char('='))) ||
                (c != QLatin1Char('<') && next == QLatin1Char('=')))
                op += next;
            else if (c == QLatin1Char('=') &&
                     (next == QLatin1Char('<') || next == QLatin1Char('>')))
                op += next;
            if (op == QLatin1String("!") || op == QLatin1String("==") ||
                op == QLatin1String("=<") || op == QLatin1String("=>"))
                bad(QStringLiteral("unknown operator '%1'").arg(op));
            out.append({Tok::Punct, op});
            i += int(op.size());
        } else if (QStringLiteral("(),.*+-/").contains(c)) {
            if ((c == QLatin1Char('-') && at(i + 1) == QLatin1Char('-')) ||
                (c == QLatin1Char('/') && at(i + 1) == QLatin1Char('*')))
                bad(QStringLiteral("comments are not allowed"));
            out.append({Tok::Punct, QString(c)});
            ++i;
        } else {
            bad(QStringLiteral("unexpected character '%1'").arg(c));
        }
    }
    out.append({Tok::End, QString()});
    return out;
}

} // namespace te
