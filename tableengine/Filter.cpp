// Filter texts to SQL conditions: tokenized and rebuilt, never pasted.
#include "Internal.h"

namespace {

using te::Tok;
using te::Token;

bool punct(const Token& t, const char* text) {
    return t.kind == Tok::Punct && t.text == QLatin1String(text);
}

bool comparisonOp(const Token& t) {
    static const QStringList ops{QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
                                 QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">="),
                                 QStringLiteral("!=")};
    return t.kind == Tok::Punct && ops.contains(t.text);
}

struct Part {
    QString sql;
    bool boolean;
};

class Parser {
public:
    Parser(QList<Token> toks, const QList<TFieldDef>& fields, const QString& filter)
        : toks_(std::move(toks)), fields_(fields), filter_(filter) {}

    QString parse() {
        Part p = orExpr();
        if (peek().kind != Tok::End)
            bad(QStringLiteral("unexpected '%1'").arg(peek().text));
        return asBool(p).sql;
    }

private:
    [[noreturn]] void bad(const QString& why) const {
        te::fail(QStringLiteral("Cannot use the filter '%1': %2").arg(filter_, why));
    }
    const Token& peek() const { return toks_[pos_]; }
    Token take() { return toks_[pos_++]; }
    bool keyword(const char* word) const {
        return peek().kind == Tok::Word &&
               peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    Part asBool(const Part& p) const {
        if (p.boolean)
            return p;
        bad(QStringLiteral("'%1' is not a condition").arg(p.sql));
    }

    Part orExpr() {
        Part left = andExpr();
        while (keyword("or")) {
            take();
            Part right = andExpr();
            left = {QStringLiteral("(%1 OR %2)").arg(asBool(left).sql, asBool(right).sql), true};
        }
        return left;
    }

    Part andExpr() {
        Part left = notExpr();
        while (keyword("and")) {
            take();
            Part right = notExpr();
            left = {QStringLiteral("(%1 AND %2)").arg(asBool(left).sql, asBool(right).sql), true};
        }
        return left;
    }

    Part notExpr() {
        if (keyword("not")) {
            take();
            Part inner = notExpr();
            return {QStringLiteral("(NOT %1)").arg(asBool(inner).sql), true};
        }
        return comparison();
    }

    Part comparison() {
        Part left = operand();
        const QString leftBool = boolField_;
        if (comparisonOp(peek())) {
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

    Part operand() {
        boolField_.clear();
        const Token t = take();
        switch (t.kind) {
        case Tok::Punct:
            if (t.text == QLatin1String("(")) {
                Part inner = orExpr();
                if (!punct(take(), ")"))
                    bad(QStringLiteral("missing ')'"));
                return {QLatin1Char('(') + inner.sql + QLatin1Char(')'), inner.boolean};
            }
            if (t.text == QLatin1String("-") && peek().kind == Tok::Number)
                return {QLatin1Char('-') + take().text, false};
            if (t.text == QLatin1String(")"))
                break;
            bad(QStringLiteral("unexpected '%1'").arg(t.text));
        case Tok::Number:
            return {t.text, false};
        case Tok::String:
        case Tok::DString: {
            QString v = t.text;
            v.replace(QLatin1Char('\''), QLatin1String("''"));
            return {QLatin1Char('\'') + v + QLatin1Char('\''), false};
        }
        case Tok::Param:
            bad(QStringLiteral("unexpected ':%1'").arg(t.text));
        case Tok::Word: {
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

QString translateFilter(const QString& filter, const QList<TFieldDef>& fields) {
    const QList<Token> toks = lex(filter, [&](const QString& why) {
        fail(QStringLiteral("Cannot use the filter '%1': %2").arg(filter, why));
    });
    Parser p(toks, fields, filter);
    return p.parse();
}

} // namespace te
