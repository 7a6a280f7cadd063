#include "SynxText.h"

#include "RichEdit.h"

namespace {

constexpr int RuleLength = 81;
// At 10 points the rule (405 points) fits the narrowest line it meets: A4
// with the printer's margins (482), a word processor's default page (468)
// and the readings window at its first size; at 12 it wrapped a stub.
constexpr int RuleSize = 10;
constexpr int HeadingSizeStep = 4;
const QString LineBreak = QStringLiteral("\r\n");

void Append(TRichEdit& e, const QString& text, const QColor& color, const QString& name, int size,
            TFontStyles style) {
    e.SetSelStart(e.Length());
    e.SelAttributes().SetColor(color);
    e.SelAttributes().SetName(name);
    e.SelAttributes().SetSize(size);
    e.SelAttributes().SetStyle(style);
    e.SetSelText(text);
}

void AppendRule(TRichEdit& e, const QString& fontName) {
    Append(e, SynxRule(), Qt::black, fontName, RuleSize, fsBold);
}

void AppendLineBreak(TRichEdit& e) {
    e.SetSelStart(e.Length());
    e.SetSelText(LineBreak);
}

} // namespace

QString SynxRule() {
    return QString(RuleLength, QLatin1Char('_'));
}

QString SynxEntryHeading(int k, const QString& name) {
    return QLatin1Char('[') + QString::number(k) + QStringLiteral("] ") + name;
}

void AddRichHeading(TRichEdit& richEdit, const QFont& readingsFont, const QString& text,
                    bool blankLine, bool ruleBefore, bool ruleAfter, const QColor& color) {
    const QString name = readingsFont.family();
    if (ruleBefore) {
        AppendRule(richEdit, name);
        AppendLineBreak(richEdit);
    }
    Append(richEdit, text, color, name, readingsFont.pointSize() + HeadingSizeStep, fsBold);
    AppendLineBreak(richEdit);
    if (ruleAfter)
        AppendRule(richEdit, name);
    if (blankLine)
        AppendLineBreak(richEdit);
}

void AddRichBody(TRichEdit& richEdit, const QFont& readingsFont, const QString& text) {
    Append(richEdit, text, Qt::black, readingsFont.family(), readingsFont.pointSize(),
           FontStylesOf(readingsFont));
    AppendLineBreak(richEdit);
}

bool GoToEntry(TRichEdit& richEdit, int n) {
    const QString marker = QLatin1Char('[') + QString::number(n) + QLatin1Char(']');
    const int pos = richEdit.FindText(marker, 0, richEdit.Length(), stMatchCase);
    if (pos < 0)
        return false;
    richEdit.setFocus();
    richEdit.SetSelStart(pos);
    // The heading stands a few lines down with the start of the entry's
    // story below it.
    richEdit.ScrollNearTop(pos, JumpLinesAbove);
    return true;
}
