// Local SQL to SQLite: one SELECT over the tables of the alias, tokenized
// and rebuilt so nothing but a query over known tables can run.
#include "Internal.h"

#include <QSet>

namespace {

enum class K { Word, Number, String, DString, Param, Punct, End };

struct T {
    K kind;
    QString text;
};

[[noreturn]] void bad(const QString& sql, const QString& why)
{
    te::fail(QStringLiteral("Cannot run the SQL text '%1': %2").arg(sql.simplified(), why));
}

QList<T> lex(const QString& s)
{
    QList<T> out;
    const int n = int(s.size());
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_')))
                ++j;
            out.append({K::Word, s.mid(i, j - i)});
            i = j;
        } else if (c.isDigit()) {
            int j = i;
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.')))
                ++j;
            if (j < n && (s[j].isLetter() || s[j] == QLatin1Char('_')))
                bad(s, QStringLiteral("bad number"));
            out.append({K::Number, s.mid(i, j - i)});
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
                bad(s, QStringLiteral("unterminated string"));
            out.append({c == QLatin1Char('"') ? K::DString : K::String, text});
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n && (s[i + 1].isLetter() || s[i + 1] == QLatin1Char('_'))) {
            int j = i + 1;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_')))
                ++j;
            out.append({K::Param, s.mid(i + 1, j - i - 1)});
            i = j;
        } else if (QStringLiteral("<>=!").contains(c)) {
            QString op(c);
            if (i + 1 < n && QStringLiteral("<>=").contains(s[i + 1]) && !(c == QLatin1Char('>') && s[i + 1] == QLatin1Char('<')))
                op += s[i + 1];
            if (op == QLatin1String("!") || op == QLatin1String("=<") || op == QLatin1String("=>"))
                bad(s, QStringLiteral("unknown operator '%1'").arg(op));
            out.append({K::Punct, op});
            i += int(op.size());
        } else if (QStringLiteral("(),.*+-/").contains(c)) {
            if (c == QLatin1Char('-') && i + 1 < n && s[i + 1] == QLatin1Char('-'))
                bad(s, QStringLiteral("comments are not allowed"));
            if (c == QLatin1Char('/') && i + 1 < n && s[i + 1] == QLatin1Char('*'))
                bad(s, QStringLiteral("comments are not allowed"));
            out.append({K::Punct, QString(c)});
            ++i;
        } else {
            bad(s, QStringLiteral("unexpected character '%1'").arg(c));
        }
    }
    out.append({K::End, QString()});
    return out;
}

bool is(const T& t, const char* word)
{
    return t.kind == K::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

const QStringList& keywords()
{
    static const QStringList k{
        QStringLiteral("select"), QStringLiteral("distinct"), QStringLiteral("all"), QStringLiteral("from"),
        QStringLiteral("where"), QStringLiteral("and"), QStringLiteral("or"), QStringLiteral("not"),
        QStringLiteral("between"), QStringLiteral("in"), QStringLiteral("like"), QStringLiteral("is"),
        QStringLiteral("null"), QStringLiteral("join"), QStringLiteral("inner"), QStringLiteral("left"),
        QStringLiteral("outer"), QStringLiteral("on"), QStringLiteral("as"), QStringLiteral("order"),
        QStringLiteral("by"), QStringLiteral("asc"), QStringLiteral("desc"), QStringLiteral("group"),
        QStringLiteral("having"), QStringLiteral("escape")};
    return k;
}

const QStringList& functions()
{
    static const QStringList f{QStringLiteral("count"), QStringLiteral("min"), QStringLiteral("max"),
                               QStringLiteral("sum"), QStringLiteral("avg"), QStringLiteral("upper"),
                               QStringLiteral("lower"), QStringLiteral("trim"), QStringLiteral("substr"),
                               QStringLiteral("length"), QStringLiteral("abs")};
    return f;
}

} // namespace

namespace te {

QStringList sqlParamNames(const QString& text)
{
    QStringList names;
    QList<T> toks;
    try {
        toks = lex(text);
    } catch (const EDatabaseError&) {
        return names; // reported when the query opens
    }
    for (const T& t : toks)
        if (t.kind == K::Param && !names.contains(t.text, Qt::CaseInsensitive))
            names << t.text;
    return names;
}

QString translateSql(const QString& text, Connection& c, QStringList& paramNames, QList<std::shared_ptr<TableMeta>>& used)
{
    const QList<T> toks = lex(text);
    if (toks.isEmpty() || !is(toks[0], "select"))
        bad(text, QStringLiteral("only SELECT is supported"));
    // First pass: the tables and their aliases, in order, so that a bare
    // column name found in several of them (a self-join) can be given the
    // first one, as the local SQL dialect does.
    struct Ref {
        std::shared_ptr<TableMeta> meta;
        QString name;
    };
    QList<Ref> refs;
    QSet<int> aliasTokens;
    for (int i = 0; i + 1 < toks.size(); ++i) {
        if (!(is(toks[i], "from") || is(toks[i], "join") || (toks[i].kind == K::Punct && toks[i].text == QLatin1String(",") && !refs.isEmpty())))
            continue;
        const T& t = toks[i + 1];
        if (t.kind != K::Word && t.kind != K::DString)
            continue;
        auto meta = c.table(t.text);
        if (!meta)
            continue;
        Ref r{meta, meta->sqlName};
        int next = i + 2;
        if (next < toks.size() && is(toks[next], "as"))
            ++next;
        if (next < toks.size() && toks[next].kind == K::Word && !keywords().contains(toks[next].text.toLower())) {
            r.name = toks[next].text;
            aliasTokens.insert(next);
        }
        refs << r;
    }
    auto qualifier = [&](const QString& column) -> QString {
        QList<const Ref*> having;
        for (const Ref& r : refs)
            for (const TFieldDef& f : r.meta->def.Fields)
                if (f.Name.compare(column, Qt::CaseInsensitive) == 0) {
                    having << &r;
                    break;
                }
        return having.size() > 1 ? quoteId(having.first()->name) + QLatin1Char('.') : QString();
    };

    QStringList out;
    enum { Other, TableList, AfterTable } mode = Other;
    bool expectTable = false;
    for (int i = 0; i < toks.size(); ++i) {
        const T& t = toks[i];
        if (t.kind == K::End)
            break;
        const QString lower = t.text.toLower();
        if (expectTable) {
            if (t.kind != K::Word && t.kind != K::DString)
                bad(text, QStringLiteral("a table name is missing"));
            auto meta = c.table(t.text);
            if (!meta)
                bad(text, QStringLiteral("table '%1' not found").arg(t.text));
            if (!used.contains(meta))
                used << meta;
            out << quoteId(meta->sqlName);
            expectTable = false;
            mode = AfterTable;
            continue;
        }
        switch (t.kind) {
        case K::Word: {
            if (lower.startsWith(QLatin1String("evelm_")) || lower.startsWith(QLatin1String("sqlite_")))
                bad(text, QStringLiteral("'%1' is not allowed").arg(t.text));
            const bool call = toks[i + 1].kind == K::Punct && toks[i + 1].text == QLatin1String("(");
            if (keywords().contains(lower)) {
                if (lower == QLatin1String("from") || lower == QLatin1String("join")) {
                    expectTable = true;
                    mode = TableList;
                } else if (lower == QLatin1String("where") || lower == QLatin1String("on") || lower == QLatin1String("order")
                           || lower == QLatin1String("group") || lower == QLatin1String("having")) {
                    mode = Other;
                }
                out << t.text.toUpper();
            } else if (call) {
                if (!functions().contains(lower))
                    bad(text, QStringLiteral("function '%1' is not supported").arg(t.text));
                out << lower;
            } else {
                // A column, a table qualifier or an alias.
                const bool qualified = (i > 0 && toks[i - 1].kind == K::Punct && toks[i - 1].text == QLatin1String("."))
                    || (toks[i + 1].kind == K::Punct && toks[i + 1].text == QLatin1String("."));
                const bool bareColumn = !qualified && !aliasTokens.contains(i)
                    && !(i > 0 && is(toks[i - 1], "as"));
                out << (bareColumn ? qualifier(t.text) : QString()) + quoteId(t.text);
            }
            break;
        }
        case K::Number:
            out << t.text;
            break;
        case K::String:
        case K::DString: {
            QString v = t.text;
            v.replace(QLatin1Char('\''), QLatin1String("''"));
            out << QLatin1Char('\'') + v + QLatin1Char('\'');
            break;
        }
        case K::Param:
            if (!paramNames.contains(t.text, Qt::CaseInsensitive))
                paramNames << t.text;
            out << QLatin1Char(':') + t.text;
            break;
        case K::Punct:
            if (t.text == QLatin1String(",") && mode == AfterTable)
                expectTable = true;
            out << t.text;
            break;
        case K::End:
            break;
        }
    }
    if (expectTable)
        bad(text, QStringLiteral("a table name is missing"));
    // Join the pieces; qualifiers stay glued to their dots.
    QString sql;
    for (int i = 0; i < out.size(); ++i) {
        if (i > 0 && out[i] != QLatin1String(".") && out[i - 1] != QLatin1String(".") && !out[i - 1].endsWith(QLatin1Char('('))
            && out[i] != QLatin1String(")") && out[i] != QLatin1String(","))
            sql += QLatin1Char(' ');
        sql += out[i];
    }
    return sql;
}

} // namespace te
