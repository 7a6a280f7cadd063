#include "OsisText.h"

#include <QStringView>

namespace {

// Stands where a note or a bracket was cut out; resolved to a blank or
// nothing at the end.
constexpr QChar kNoteMark(0x0001);

struct Tag {
    QString name; // element name, without '/'
    bool closing = false;
    bool selfClosing = false;
    QString attrs; // raw attribute text
};

Tag parseTag(QStringView body) {
    Tag t;
    if (body.startsWith(u'/')) {
        t.closing = true;
        body = body.mid(1);
    }
    if (body.endsWith(u'/')) {
        t.selfClosing = true;
        body.chop(1);
    }
    qsizetype i = 0;
    while (i < body.size() && !body[i].isSpace())
        ++i;
    t.name = body.left(i).toString();
    t.attrs = body.mid(i).toString();
    return t;
}

QString attr(const QString& attrs, const QString& name) {
    const QString key = name + QStringLiteral("=\"");
    qsizetype p = 0;
    while ((p = attrs.indexOf(key, p)) >= 0) {
        if (p == 0 || attrs[p - 1].isSpace()) {
            const qsizetype s = p + key.size();
            const qsizetype e = attrs.indexOf(u'"', s);
            return e < 0 ? QString() : attrs.mid(s, e - s);
        }
        p += key.size();
    }
    return {};
}

void appendEntity(QString& out, QStringView ent) {
    if (ent == u"amp")
        out += u'&';
    else if (ent == u"lt")
        out += u'<';
    else if (ent == u"gt")
        out += u'>';
    else if (ent == u"quot")
        out += u'"';
    else if (ent == u"apos")
        out += u'\'';
    else if (ent.startsWith(u"#x"))
        out += QChar(ent.mid(2).toUInt(nullptr, 16));
    else if (ent.startsWith(u'#'))
        out += QChar(ent.mid(1).toUInt());
}

bool joinsWords(QChar c) {
    return c.isLetterOrNumber();
}

} // namespace

QString OsisToPlainText(const QString& osis) {
    QString raw;
    raw.reserve(osis.size());
    int skipDepth = 0;      // inside <note> or <title> (they nest)
    QString skipUntilEid;   // inside a milestone div pair (glossary, introduction)
    bool bookEnded = false; // after the end of the book everything is appendix

    qsizetype i = 0;
    const qsizetype n = osis.size();
    while (i < n && !bookEnded) {
        const QChar c = osis[i];
        if (c == u'<') {
            const qsizetype e = osis.indexOf(u'>', i);
            if (e < 0)
                break;
            const Tag t = parseTag(QStringView(osis).mid(i + 1, e - i - 1));
            i = e + 1;
            if (!skipUntilEid.isEmpty()) {
                if (t.name == u"div" && attr(t.attrs, QStringLiteral("eID")) == skipUntilEid)
                    skipUntilEid.clear();
                continue;
            }
            if (t.name == u"note" || t.name == u"title") {
                if (t.selfClosing)
                    continue;
                if (t.closing) {
                    if (skipDepth > 0 && --skipDepth == 0 && t.name == u"note")
                        raw += kNoteMark;
                } else {
                    ++skipDepth;
                }
                continue;
            }
            if (skipDepth > 0)
                continue;
            if (t.name == u"div") {
                const QString type = attr(t.attrs, QStringLiteral("type"));
                const QString sid = attr(t.attrs, QStringLiteral("sID"));
                if (type == u"book" && !attr(t.attrs, QStringLiteral("eID")).isEmpty()) {
                    bookEnded = true;
                    continue;
                }
                if (!sid.isEmpty() &&
                    (type == u"glossary" || type == u"introduction" || type == u"colophon")) {
                    skipUntilEid = sid;
                    continue;
                }
            }
            // Poetry lines and paragraphs break words apart.
            if (t.name == u"l" || t.name == u"lg" || t.name == u"div" || t.name == u"lb" ||
                t.name == u"p")
                raw += u' ';
            continue;
        }
        if (!skipUntilEid.isEmpty() || skipDepth > 0) {
            ++i;
            continue;
        }
        if (c == u'&') {
            const qsizetype e = osis.indexOf(u';', i);
            if (e > i && e - i < 10) {
                appendEntity(raw, QStringView(osis).mid(i + 1, e - i - 1));
                i = e + 1;
                continue;
            }
        }
        // Square brackets of the source mark added passages; the passage
        // styling takes brackets as chapter markers, so they go, leaving a
        // blank only where they stood between two words.
        if (c == u'[' || c == u']')
            raw += kNoteMark;
        else
            raw += c.isSpace() ? QChar(u' ') : c;
        ++i;
    }

    // Collapse blanks and settle the note marks.
    QString out;
    out.reserve(raw.size());
    for (qsizetype k = 0; k < raw.size(); ++k) {
        const QChar c = raw[k];
        if (c == kNoteMark) {
            qsizetype next = k + 1;
            while (next < raw.size() && raw[next] == kNoteMark)
                ++next;
            const QChar before = out.isEmpty() ? QChar(u' ') : out.back();
            const QChar after = next < raw.size() ? raw[next] : QChar(u' ');
            if (!before.isSpace() && !after.isSpace() &&
                (joinsWords(after) || after == u'“' || after == u'‘'))
                out += u' ';
            k = next - 1;
            continue;
        }
        if (c == u' ' && (out.isEmpty() || out.back() == u' '))
            continue;
        out += c;
    }
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}
