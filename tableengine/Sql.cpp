// Local SQL to SQLite: one SELECT over the tables of the alias, tokenized
// and rebuilt so nothing but a query over known tables can run.
#include "Internal.h"

#include <QSet>

#include <limits>

namespace {

using K = te::Tok;
using T = te::Token;

[[noreturn]] void bad(const QString& sql, const QString& why) {
    te::fail(QStringLiteral("Cannot run the SQL text '%1': %2").arg(sql.simplified(), why),
             TDbFailure::SqlText);
}

QList<T> lexSql(const QString& s) {
    return te::lex(s, [&](const QString& why) { bad(s, why); });
}

bool is(const T& t, const char* word) {
    return t.kind == K::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

const QStringList& keywords() {
    static const QStringList k{
        QStringLiteral("select"), QStringLiteral("distinct"), QStringLiteral("all"),
        QStringLiteral("from"),   QStringLiteral("where"),    QStringLiteral("and"),
        QStringLiteral("or"),     QStringLiteral("not"),      QStringLiteral("between"),
        QStringLiteral("in"),     QStringLiteral("like"),     QStringLiteral("is"),
        QStringLiteral("null"),   QStringLiteral("join"),     QStringLiteral("inner"),
        QStringLiteral("left"),   QStringLiteral("outer"),    QStringLiteral("on"),
        QStringLiteral("as"),     QStringLiteral("order"),    QStringLiteral("by"),
        QStringLiteral("asc"),    QStringLiteral("desc"),     QStringLiteral("group"),
        QStringLiteral("having"), QStringLiteral("escape")};
    return k;
}

const QStringList& functions() {
    static const QStringList f{
        QStringLiteral("count"),  QStringLiteral("min"),  QStringLiteral("max"),
        QStringLiteral("sum"),    QStringLiteral("avg"),  QStringLiteral("upper"),
        QStringLiteral("lower"),  QStringLiteral("trim"), QStringLiteral("substr"),
        QStringLiteral("length"), QStringLiteral("abs")};
    return f;
}

// Inner joins run fastest from the table with the fewest matching rows; the
// planner has no per-value statistics, so count the rows of each
// "alias.field = number" term (through an index) and put the smallest
// first, moving the ON conditions into WHERE. Results are unchanged.
void reorderJoins(const QList<T>& toks, QStringList& out, te::Connection& c) {
    auto punct = [](const T& t, const char* p) {
        return t.kind == K::Punct && t.text == QLatin1String(p);
    };
    const int n = int(toks.size()) - 1; // without End
    QList<int> depth(n + 1, 0);
    for (int i = 0, d = 0; i <= n; ++i) {
        if (punct(toks[i], ")"))
            --d;
        depth[i] = d;
        if (punct(toks[i], "("))
            ++d;
    }
    auto top = [&](int i, const char* word) { return depth[i] == 0 && is(toks[i], word); };
    int from = -1;
    for (int i = 0; i < n && from < 0; ++i)
        if (top(i, "from"))
            from = i;
    if (from < 0)
        return;
    int end = from + 1;
    while (end < n && !top(end, "where") && !top(end, "order") && !top(end, "group") &&
           !top(end, "having"))
        ++end;
    struct Ref {
        int first, last; // token range of "table [AS] [alias]"
        int condFirst = -1, condLast = -1;
        std::shared_ptr<te::TableMeta> meta;
        QString name;
        qint64 estimate = std::numeric_limits<qint64>::max();
    };
    QList<Ref> refs;
    int pos = from + 1;
    bool joined = false;
    while (pos < end) {
        if (!refs.isEmpty()) {
            if (punct(toks[pos], ",")) {
                ++pos;
            } else if (is(toks[pos], "join") ||
                       (is(toks[pos], "inner") && pos + 1 < end && is(toks[pos + 1], "join"))) {
                pos += is(toks[pos], "inner") ? 2 : 1;
                joined = true;
            } else {
                return; // outer joins and anything else keep their order
            }
        }
        if (pos >= end || (toks[pos].kind != K::Word && toks[pos].kind != K::DString))
            return;
        Ref r;
        r.first = pos;
        r.meta = c.table(toks[pos].text);
        if (!r.meta)
            return;
        r.name = r.meta->sqlName;
        ++pos;
        if (pos < end && is(toks[pos], "as"))
            ++pos;
        if (pos < end && toks[pos].kind == K::Word &&
            !keywords().contains(toks[pos].text.toLower())) {
            r.name = toks[pos].text;
            ++pos;
        }
        r.last = pos - 1;
        if (joined && !refs.isEmpty()) {
            if (pos >= end || !is(toks[pos], "on"))
                return;
            r.condFirst = ++pos;
            while (pos < end && !punct(toks[pos], ",") &&
                   !(depth[pos] == 0 && (is(toks[pos], "join") || is(toks[pos], "inner"))))
                ++pos;
            r.condLast = pos - 1;
            if (r.condLast < r.condFirst)
                return;
        }
        joined = false;
        refs << r;
    }
    if (refs.size() < 2)
        return;
    // Top-level AND terms of WHERE.
    int whereFirst = -1, whereLast = -1;
    if (end < n && top(end, "where")) {
        whereFirst = end + 1;
        whereLast = whereFirst;
        while (whereLast < n && !top(whereLast, "order") && !top(whereLast, "group") &&
               !top(whereLast, "having"))
            ++whereLast;
        --whereLast;
        bool between = false, anyOr = false;
        int termStart = whereFirst;
        QList<QPair<int, int>> terms;
        for (int i = whereFirst; i <= whereLast + 1; ++i) {
            if (i <= whereLast && depth[i] == 0 && is(toks[i], "or"))
                anyOr = true;
            if (i <= whereLast && depth[i] == 0 && is(toks[i], "between"))
                between = true;
            const bool split = i > whereLast || (depth[i] == 0 && is(toks[i], "and"));
            if (split && i <= whereLast && between) {
                between = false;
                continue;
            }
            if (split) {
                terms.append({termStart, i - 1});
                termStart = i + 1;
            }
        }
        if (!anyOr) {
            qint64 best = std::numeric_limits<qint64>::max() - 1;
            for (const auto& [a, b] : terms) {
                int q = -1, col = -1, num = -1;
                if (b - a == 4 && toks[a].kind == K::Word && punct(toks[a + 1], ".") &&
                    toks[a + 2].kind == K::Word && punct(toks[a + 3], "=") &&
                    toks[a + 4].kind == K::Number) {
                    q = a, col = a + 2, num = a + 4;
                } else if (b - a == 4 && toks[a].kind == K::Number && punct(toks[a + 1], "=") &&
                           toks[a + 2].kind == K::Word && punct(toks[a + 3], ".") &&
                           toks[a + 4].kind == K::Word) {
                    num = a, q = a + 2, col = a + 4;
                }
                if (q < 0)
                    continue;
                for (Ref& r : refs) {
                    if (r.name.compare(toks[q].text, Qt::CaseInsensitive) != 0)
                        continue;
                    bool indexed = false;
                    QString field;
                    for (const TIndexDef& ix : r.meta->def.Indexes)
                        if (!ix.Fields.isEmpty() &&
                            ix.Fields[0].compare(toks[col].text, Qt::CaseInsensitive) == 0) {
                            indexed = true;
                            field = ix.Fields[0];
                        }
                    if (!indexed)
                        continue;
                    // Counting stops once past the smallest count so far.
                    te::Stmt s(
                        c.db(),
                        c.prepare(
                            QStringLiteral(
                                "SELECT count(*) FROM (SELECT 1 FROM %1 WHERE %2 = ? LIMIT ?)")
                                .arg(te::quoteId(r.meta->sqlName), te::quoteId(field))));
                    s.bind(1, toks[num].text.toLongLong());
                    s.bind(2, qMin(best + 1, qint64(1000000)));
                    if (s.step())
                        r.estimate = qMin(r.estimate, qint64(s.columnAuto(0).toLongLong()));
                    best = qMin(best, r.estimate);
                }
            }
        }
    }
    QList<Ref> sorted = refs;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Ref& a, const Ref& b) { return a.estimate < b.estimate; });
    bool same = true;
    for (int i = 0; i < refs.size(); ++i)
        same = same && sorted[i].first == refs[i].first;
    if (same)
        return;
    auto range = [&](int a, int b) {
        QStringList part;
        for (int i = a; i <= b; ++i)
            part << out[i];
        return part;
    };
    QStringList rebuilt = range(0, from);
    for (int i = 0; i < sorted.size(); ++i) {
        if (i > 0)
            rebuilt << QStringLiteral("CROSS JOIN");
        rebuilt << range(sorted[i].first, sorted[i].last);
    }
    QStringList conds;
    for (const Ref& r : refs)
        if (r.condFirst >= 0)
            conds << QStringLiteral("(") + range(r.condFirst, r.condLast).join(QLatin1Char(' ')) +
                         QStringLiteral(")");
    if (whereFirst >= 0)
        conds << QStringLiteral("(") + range(whereFirst, whereLast).join(QLatin1Char(' ')) +
                     QStringLiteral(")");
    if (!conds.isEmpty())
        rebuilt << QStringLiteral("WHERE") << conds.join(QStringLiteral(" AND "));
    const int rest = whereFirst >= 0 ? whereLast + 1 : end;
    rebuilt << range(rest, int(out.size()) - 1);
    out = rebuilt;
}

} // namespace

namespace te {

QStringList sqlParamNames(const QString& text) {
    QStringList names;
    QList<T> toks;
    try {
        toks = lexSql(text);
    } catch (const EDatabaseError&) {
        return names; // reported when the query opens
    }
    for (const T& t : toks)
        if (t.kind == K::Param && !names.contains(t.text, Qt::CaseInsensitive))
            names << t.text;
    return names;
}

QString translateSql(const QString& text, Connection& c, QStringList& paramNames,
                     QList<std::shared_ptr<TableMeta>>& used) {
    const QList<T> toks = lexSql(text);
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
        if (!(is(toks[i], "from") || is(toks[i], "join") ||
              (toks[i].kind == K::Punct && toks[i].text == QLatin1String(",") && !refs.isEmpty())))
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
        if (next < toks.size() && toks[next].kind == K::Word &&
            !keywords().contains(toks[next].text.toLower())) {
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
            if (lower.startsWith(QLatin1String("evelm_")) ||
                lower.startsWith(QLatin1String("sqlite_")))
                bad(text, QStringLiteral("'%1' is not allowed").arg(t.text));
            const bool call =
                toks[i + 1].kind == K::Punct && toks[i + 1].text == QLatin1String("(");
            if (keywords().contains(lower)) {
                if (lower == QLatin1String("from") || lower == QLatin1String("join")) {
                    expectTable = true;
                    mode = TableList;
                } else if (lower == QLatin1String("where") || lower == QLatin1String("on") ||
                           lower == QLatin1String("order") || lower == QLatin1String("group") ||
                           lower == QLatin1String("having")) {
                    mode = Other;
                }
                out << t.text.toUpper();
            } else if (call) {
                if (!functions().contains(lower))
                    bad(text, QStringLiteral("function '%1' is not supported").arg(t.text));
                out << lower;
            } else {
                // A column, a table qualifier or an alias.
                const bool qualified =
                    (i > 0 && toks[i - 1].kind == K::Punct &&
                     toks[i - 1].text == QLatin1String(".")) ||
                    (toks[i + 1].kind == K::Punct && toks[i + 1].text == QLatin1String("."));
                const bool bareColumn =
                    !qualified && !aliasTokens.contains(i) && !(i > 0 && is(toks[i - 1], "as"));
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
    reorderJoins(toks, out, c);
    // Join the pieces; qualifiers stay glued to their dots.
    QString sql;
    for (int i = 0; i < out.size(); ++i) {
        if (i > 0 && out[i] != QLatin1String(".") && out[i - 1] != QLatin1String(".") &&
            !out[i - 1].endsWith(QLatin1Char('(')) && out[i] != QLatin1String(")") &&
            out[i] != QLatin1String(","))
            sql += QLatin1Char(' ');
        sql += out[i];
    }
    return sql;
}

} // namespace te
