// Filter texts to SQL conditions: tokenized and rebuilt, never pasted.
#include "Internal.h"

namespace {

enum class Tok { Ident, Number, String, Op, LParen, RParen, End };

struct Token {
    Tok kind;
    QString text;
};

QList<Token> tokenize(const QString& s, const QString& filter)
{
    QList<Token> out;
    int i = 0;
    const int n = int(s.size());
    auto bad = [&](const QString& why) {
        te::fail(QStringLiteral("Cannot use the filter '%1': %2").arg(filter, why));
    };
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_')))
                ++j;
            out.append({Tok::Ident, s.mid(i, j - i)});
            i = j;
        } else if (c == QLatin1Char('[')) {
            const int j = int(s.indexOf(QLatin1Char(']'), i + 1));
            if (j < 0)
                bad(QStringLiteral("missing ']'"));
            out.append({Tok::Ident, s.mid(i + 1, j - i - 1)});
            i = j + 1;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s[i + 1].isDigit())) {
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
            QString text;
            int j = i + 1;
            bool closed = false;
            while (j < n) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
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
            out.append({Tok::String, text});
            i = j;
        } else if (c == QLatin1Char('(')) {
            out.append({Tok::LParen, QStringLiteral("(")});
            ++i;
        } else if (c == QLatin1Char(')')) {
            out.append({Tok::RParen, QStringLiteral(")")});
            ++i;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('=')) {
            QString op(c);
            if (i + 1 < n && ((c == QLatin1Char('<') && (s[i + 1] == QLatin1Char('>') || s[i + 1] == QLatin1Char('=')))
                              || (c == QLatin1Char('>') && s[i + 1] == QLatin1Char('='))))
                op += s[i + 1];
            out.append({Tok::Op, op});
            i += int(op.size());
        } else if (c == QLatin1Char('-')) {
            out.append({Tok::Op, QStringLiteral("-")});
            ++i;
        } else {
            bad(QStringLiteral("unexpected character '%1'").arg(c));
        }
    }
    out.append({Tok::End, QString()});
    return out;
}

struct Part {
    QString sql;
    bool boolean;
};

class Parser {
public:
    Parser(QList<Token> toks, const QList<TFieldDef>& fields, const QString& filter)
        : toks_(std::move(toks)), fields_(fields), filter_(filter) {}

    QString parse()
    {
        Part p = orExpr();
        if (peek().kind != Tok::End)
            bad(QStringLiteral("unexpected '%1'").arg(peek().text));
        return asBool(p).sql;
    }

private:
    [[noreturn]] void bad(const QString& why) const
    {
        te::fail(QStringLiteral("Cannot use the filter '%1': %2").arg(filter_, why));
    }
    const Token& peek() const { return toks_[pos_]; }
    Token take() { return toks_[pos_++]; }
    bool keyword(const char* word) const
    {
        return peek().kind == Tok::Ident && peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    Part asBool(const Part& p) const
    {
        if (p.boolean)
            return p;
        bad(QStringLiteral("'%1' is not a condition").arg(p.sql));
    }

    Part orExpr()
    {
        Part left = andExpr();
        while (keyword("or")) {
            take();
            Part right = andExpr();
            left = {QStringLiteral("(%1 OR %2)").arg(asBool(left).sql, asBool(right).sql), true};
        }
        return left;
    }

    Part andExpr()
    {
        Part left = notExpr();
        while (keyword("and")) {
            take();
            Part right = notExpr();
            left = {QStringLiteral("(%1 AND %2)").arg(asBool(left).sql, asBool(right).sql), true};
        }
        return left;
    }

    Part notExpr()
    {
        if (keyword("not")) {
            take();
            Part inner = notExpr();
            return {QStringLiteral("(NOT %1)").arg(asBool(inner).sql), true};
        }
        return comparison();
    }

    Part comparison()
    {
        Part left = operand();
        const QString leftBool = boolField_;
        if (peek().kind == Tok::Op && peek().text != QLatin1String("-")) {
            const QString op = take().text;
            Part right = operand();
            if (left.boolean && !leftBool.isEmpty())
                left = {leftBool, false};
            if (right.boolean && !boolField_.isEmpty())
                right = {boolField_, false};
            if (left.boolean || right.boolean)
                bad(QStringLiteral("a condition cannot be compared"));
            return {QStringLiteral("%1 %2 %3").arg(left.sql, op, right.sql), true};
        }
        return left;
    }

    Part operand()
    {
        boolField_.clear();
        const Token t = take();
        switch (t.kind) {
        case Tok::LParen: {
            Part inner = orExpr();
            if (take().kind != Tok::RParen)
                bad(QStringLiteral("missing ')'"));
            return {QLatin1Char('(') + inner.sql + QLatin1Char(')'), inner.boolean};
        }
        case Tok::Number:
            return {t.text, false};
        case Tok::String: {
            QString v = t.text;
            v.replace(QLatin1Char('\''), QLatin1String("''"));
            return {QLatin1Char('\'') + v + QLatin1Char('\''), false};
        }
        case Tok::Op:
            if (t.text == QLatin1String("-") && peek().kind == Tok::Number)
                return {QLatin1Char('-') + take().text, false};
            bad(QStringLiteral("unexpected '%1'").arg(t.text));
        case Tok::Ident: {
            if (t.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                return {QStringLiteral("1"), false};
            if (t.text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                return {QStringLiteral("0"), false};
            for (const TFieldDef& f : fields_) {
                if (f.Name.compare(t.text, Qt::CaseInsensitive) != 0)
                    continue;
                const QString col = te::quoteId(f.Name);
                if (f.Type == TFieldType::ftBoolean) {
                    // A bare Boolean field is a test; compared, it is a value.
                    boolField_ = col;
                    return {QStringLiteral("(ifnull(%1, 0) <> 0)").arg(col), true};
                }
                return {col, false};
            }
            bad(QStringLiteral("field '%1' not found").arg(t.text));
        }
        case Tok::RParen:
        case Tok::End:
            break;
        }
        bad(QStringLiteral("incomplete expression"));
    }

    QList<Token> toks_;
    const QList<TFieldDef>& fields_;
    QString filter_;
    int pos_ = 0;
    QString boolField_;
};

} // namespace

namespace te {

QString translateFilter(const QString& filter, const QList<TFieldDef>& fields)
{
    Parser p(tokenize(filter, filter), fields, filter);
    return p.parse();
}

} // namespace te
