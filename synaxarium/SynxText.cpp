#include "SynxText.h"

#include "RichEdit.h"

#include <QScrollBar>

namespace {

constexpr int RuleLength = 81;
constexpr int RuleSize = 12;
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
    richEdit.SetSelLength(3);
    const int line = richEdit.LineFromChar(pos);
    // Scrolling to the line five further down shows the start of the entry
    // below its heading; past the last line this is the end of the text.
    richEdit.SetSelStart(richEdit.LineIndex(line + 5));
    richEdit.ScrollCaret();
    richEdit.SetSelStart(pos);
    // The heading then moves up to the top of the view, with its rule above.
    const int topLine = line > 0 ? line - 1 : 0;
    QTextCursor top = richEdit.textCursor();
    top.setPosition(richEdit.ToDocPos(richEdit.LineIndex(topLine)));
    QScrollBar* bar = richEdit.verticalScrollBar();
    bar->setValue(bar->value() + richEdit.cursorRect(top).top());
    return true;
}
