#include "RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cmath>

namespace {

struct RunStyle {
    QString Family;
    double Points;
    bool Bold, Italic, Underline, StrikeOut;
    bool HasColor;
    QColor Color;
};

// The largest size RTF readers take: 1638 points (\fs3276).
constexpr int MaxHalfPoints = 3276;

double BasePoints(const QFont& base) {
    if (base.pointSizeF() > 0)
        return base.pointSizeF();
    if (base.pixelSize() > 0)
        return base.pixelSize() * 0.75;
    return 12;
}

// Half points as \fs takes them; an unusable size falls back to the base.
int HalfPoints(double points, const QFont& base) {
    if (!std::isfinite(points) || points <= 0)
        points = BasePoints(base);
    return int(std::clamp<double>(std::round(points * 2), 1, MaxHalfPoints));
}

RunStyle StyleOf(const QTextCharFormat& f, const QFont& base) {
    RunStyle s;
    const QStringList fam = f.fontFamilies().toStringList();
    s.Family = fam.isEmpty() ? base.family() : fam.first();
    if (f.hasProperty(QTextFormat::FontPointSize))
        s.Points = f.fontPointSize();
    else
        s.Points = BasePoints(base);
    s.Bold =
        f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold : base.bold();
    s.Italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic();
    s.Underline = f.fontUnderline();
    s.StrikeOut = f.fontStrikeOut();
    s.HasColor =
        f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush;
    if (s.HasColor)
        s.Color = f.foreground().color();
    return s;
}

// \uN with an escaped '?' as the fallback: a plain '?' after the number is
// taken by some readers as part of the next word.
QByteArray UnicodeEscape(ushort u) {
    return "\\u" + QByteArray::number(qint16(u)) + "\\'3f";
}

// Text of a destination such as a font name: ';' ends the entry there.
QByteArray EscapeName(const QString& name) {
    QString n = name;
    n.remove(';');
    QByteArray out;
    for (QChar ch : n) {
        const ushort u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}')
            out += '\\' + QByteArray(1, char(u));
        else if (u >= 0x20 && u < 0x80)
            out += char(u);
        else if (u >= 0x80)
            out += UnicodeEscape(u);
    }
    return out;
}

void AppendText(QByteArray& out, const QString& text) {
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        switch (u) {
        case '\\':
            out += "\\\\";
            break;
        case '{':
            out += "\\{";
            break;
        case '}':
            out += "\\}";
            break;
        case '\t':
            out += "\\tab ";
            break;
        case 0x2028:
            out += "\\line ";
            break;
        case 0xFFFC:
            break; // embedded object: nothing to write
        default:
            if (u >= 0x80)
                out += UnicodeEscape(u); // surrogates pass one by one
            else if (u >= 0x20)
                out += char(u);
        }
    }
}

// Family and pitch of a font table entry, so that a reader without the font
// substitutes a like one.
QByteArray FontClass(const QString& family) {
    const QFontInfo info{QFont(family)};
    const bool fixed =
        QFontDatabase::isFixedPitch(family) ||
        (info.family().compare(family, Qt::CaseInsensitive) == 0 && info.fixedPitch());
    const QString n = family.toLower();
    auto any = [&](std::initializer_list<const char*> words) {
        for (const char* w : words)
            if (n.contains(QLatin1String(w)))
                return true;
        return false;
    };
    QByteArray cls = "\\fnil";
    if (fixed || any({"mono", "courier", "consolas", "console", "fixed"}))
        cls = "\\fmodern";
    else if (any({"sans", "arial", "helvetica", "verdana", "tahoma", "calibri", "segoe",
                  "trebuchet", "gothic"}))
        cls = "\\fswiss";
    else if (any({"serif", "times", "georgia", "garamond", "cambria", "palatino", "book", "roman",
                  "century"}))
        cls = "\\froman";
    return cls + (fixed || cls == "\\fmodern" ? "\\fprq1" : "\\fprq2");
}

bool RightToLeftLetter(QChar ch) {
    const QChar::Direction d = ch.direction();
    return d == QChar::DirR || d == QChar::DirAL || d == QChar::DirRLE || d == QChar::DirRLO;
}

bool LeftToRightLetter(QChar ch) {
    const QChar::Direction d = ch.direction();
    return d == QChar::DirL || d == QChar::DirLRE || d == QChar::DirLRO;
}

// A run cut where its letters change direction; the characters of no
// direction of their own (blanks, digits, signs) stay with the letters
// before them, or at the start with the first letters.
QList<std::pair<bool, QString>> DirectionPieces(const QString& text, bool paragraphRtl) {
    bool rtl = paragraphRtl;
    for (QChar ch : text) {
        if (RightToLeftLetter(ch) || LeftToRightLetter(ch)) {
            rtl = RightToLeftLetter(ch);
            break;
        }
    }
    QList<std::pair<bool, QString>> pieces{{rtl, QString()}};
    for (QChar ch : text) {
        if ((rtl && LeftToRightLetter(ch)) || (!rtl && RightToLeftLetter(ch))) {
            rtl = !rtl;
            pieces.append({rtl, QString()});
        }
        pieces.last().second += ch;
    }
    return pieces;
}

// The alignment a block shows: its own, else the document's default.
Qt::Alignment EffectiveAlignment(const QTextDocument* doc, const QTextBlock& b) {
    const QTextBlockFormat bf = b.blockFormat();
    return bf.hasProperty(QTextFormat::BlockAlignment) ? bf.alignment()
                                                       : doc->defaultTextOption().alignment();
}

// The alignment word of a paragraph, by the side it shows on. Qt's left and
// right without AlignAbsolute are a line's start and end, which a
// right-to-left paragraph shows on the right and on the left; readers take
// a right-to-left paragraph without a word as aligned left.
QByteArray AlignmentWord(Qt::Alignment al, bool rtl) {
    if (al & Qt::AlignHCenter)
        return "\\qc";
    if (al & Qt::AlignJustify)
        return "\\qj";
    bool right = bool(al & Qt::AlignRight);
    if (rtl && !(al & Qt::AlignAbsolute))
        right = !right;
    if (right)
        return "\\qr";
    return rtl ? "\\ql" : "";
}

} // namespace

QByteArray WriteRtf(const QTextDocument* doc, int from, int to) {
    const QFont base = doc->defaultFont();
    QStringList fonts;
    QList<QColor> colors;
    struct Run {
        int Block;
        QString Text;
        RunStyle Style;
    };
    QList<Run> runs;
    QList<Qt::Alignment> aligns;
    QList<bool> rtlBlocks;

    int blockIndex = -1;
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        ++blockIndex;
        aligns.append(EffectiveAlignment(doc, b));
        rtlBlocks.append(b.textDirection() == Qt::RightToLeft);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const int a = std::max(from, frag.position());
            const int e = std::min(to, frag.position() + frag.length());
            if (a >= e)
                continue;
            Run r{blockIndex, frag.text().mid(a - frag.position(), e - a),
                  StyleOf(frag.charFormat(), base)};
            if (!fonts.contains(r.Style.Family))
                fonts << r.Style.Family;
            if (r.Style.HasColor && !colors.contains(r.Style.Color))
                colors << r.Style.Color;
            runs.append(r);
        }
        if (b.position() + b.length() > to)
            break;
    }
    if (fonts.isEmpty())
        fonts << base.family();

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + FontClass(fonts[i]) + "\\fcharset0 " +
               EscapeName(fonts[i]) + ";}";
    out += "}\n{\\colortbl;";
    for (const QColor& c : colors)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
               "\\blue" + QByteArray::number(c.blue()) + ';';
    out += "}\n";

    int runIndex = 0;
    for (int bi = 0; bi <= blockIndex; ++bi) {
        out += "\\pard\\plain";
        const bool rtlBlock = rtlBlocks.value(bi);
        out += rtlBlock ? "\\rtlpar" : "\\ltrpar";
        out += AlignmentWord(aligns.value(bi), rtlBlock);
        out += ' ';
        for (; runIndex < runs.size() && runs[runIndex].Block == bi; ++runIndex) {
            const Run& r = runs[runIndex];
            const QByteArray font = QByteArray::number(fonts.indexOf(r.Style.Family));
            const QByteArray size = QByteArray::number(HalfPoints(r.Style.Points, base));
            // Each piece says its direction, and gives its font, size, bold
            // and italic both as the associated (\a...) attributes, which
            // readers take for right-to-left letters, and as the plain ones.
            for (const auto& [rtl, text] : DirectionPieces(r.Text, rtlBlock)) {
                out += '{';
                out += rtl ? "\\rtlch" : "\\ltrch";
                out += "\\af" + font + "\\afs" + size;
                out += r.Style.Bold ? "\\ab" : "\\ab0";
                out += r.Style.Italic ? "\\ai" : "\\ai0";
                out += "\\f" + font;
                out += "\\fs" + size;
                out += "\\cf" +
                       QByteArray::number(r.Style.HasColor ? colors.indexOf(r.Style.Color) + 1 : 0);
                if (r.Style.Bold)
                    out += "\\b";
                if (r.Style.Italic)
                    out += "\\i";
                if (r.Style.Underline)
                    out += "\\ul";
                if (r.Style.StrikeOut)
                    out += "\\strike";
                out += ' ';
                AppendText(out, text);
                out += '}';
            }
        }
        if (bi < blockIndex)
            out += "\\par\n";
    }
    out += "\n}\n";
    return out;
}
