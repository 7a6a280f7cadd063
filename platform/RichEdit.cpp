#include "RichEdit.h"

#include "FileOutput.h"
#include "RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <algorithm>

TFontStyles FontStylesOf(const QFont& font) {
    return (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
           (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0);
}

int FontPointSize(const QFont& font) {
    return font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
}

// --- attributes ------------------------------------------------------------

QColor TTextAttributes::Color() const {
    const QTextCharFormat f = m_edit->CurrentFormat();
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color()
                                                       : m_edit->palette().color(QPalette::Text);
}

void TTextAttributes::SetColor(const QColor& c) {
    QTextCharFormat f;
    f.setForeground(c);
    m_edit->MergeFormat(f);
}

QString TTextAttributes::Name() const {
    const QTextCharFormat f = m_edit->CurrentFormat();
    const QStringList fam = f.fontFamilies().toStringList();
    return fam.isEmpty() ? m_edit->document()->defaultFont().family() : fam.first();
}

void TTextAttributes::SetName(const QString& name) {
    QTextCharFormat f;
    f.setFontFamilies({name});
    m_edit->MergeFormat(f);
}

int TTextAttributes::Size() const {
    const QTextCharFormat f = m_edit->CurrentFormat();
    if (f.hasProperty(QTextFormat::FontPointSize))
        return qRound(f.fontPointSize());
    return qRound(m_edit->document()->defaultFont().pointSizeF());
}

void TTextAttributes::SetSize(int points) {
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    m_edit->MergeFormat(f);
}

TFontStyles TTextAttributes::Style() const {
    const QTextCharFormat f = m_edit->CurrentFormat();
    TFontStyles s = 0;
    if (f.fontWeight() >= QFont::DemiBold)
        s |= fsBold;
    if (f.fontItalic())
        s |= fsItalic;
    if (f.fontUnderline())
        s |= fsUnderline;
    if (f.fontStrikeOut())
        s |= fsStrikeOut;
    return s;
}

void TTextAttributes::SetStyle(TFontStyles style) {
    QTextCharFormat f;
    f.setFontWeight(style & fsBold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(style & fsItalic);
    f.setFontUnderline(style & fsUnderline);
    f.setFontStrikeOut(style & fsStrikeOut);
    m_edit->MergeFormat(f);
}

// --- control ---------------------------------------------------------------

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    // Texts are written by the program; an undo history would only cost memory.
    setUndoRedoEnabled(false);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int, int, int) { InvalidateText(); });
}

TRichEdit::~TRichEdit() = default;

void TRichEdit::BeginUpdate() {
    ++m_updateDepth;
    UpdateLayoutHold();
}

void TRichEdit::EndUpdate() {
    if (m_updateDepth > 0)
        --m_updateDepth;
    UpdateLayoutHold();
    ScrollToJump();
}

void TRichEdit::setVisible(bool visible) {
    QTextEdit::setVisible(visible);
    UpdateLayoutHold();
}

// Qt lays a text out again at every run written into it, also while it is
// hidden, at whatever width the control has then: a splitter gives a hidden
// pane none, and a year of readings laid out there is millions of pixels
// tall. So the layout waits until the control is shown at a width.
void TRichEdit::UpdateLayoutHold() {
    if (m_lineQueries > 0)
        return;
    const bool hold = m_updateDepth > 0 || isHidden() || viewport()->width() <= 0;
    QTextDocument* doc = document();
    if (doc->isLayoutEnabled() == !hold)
        return;
    doc->setLayoutEnabled(!hold);
    if (hold)
        return;
    // The page kept the viewport's width meanwhile: the text is laid out at
    // once where it is shown, and whole, so that the scroll range the view
    // is told is exact from the first paint. The view hears of it through
    // QTextEdit's own connection to this signal, which Qt does not promise;
    // without it the range would come late, and the layout test fails.
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
}

void TRichEdit::InvalidateText() {
    m_textValid = false;
    ++m_revision;
}

void TRichEdit::EnsureText() const {
    if (m_textValid)
        return;
    m_text.clear();
    m_text.reserve(Length());
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        if (b != document()->begin())
            m_text += QStringLiteral("\r\n");
        m_text += b.text();
    }
    m_textValid = true;
}

QString TRichEdit::Text() const {
    EnsureText();
    return m_text;
}

// Every paragraph break is one document character and two of ours, so the
// length needs no copy of the text (appending asks for it at every run).
int TRichEdit::Length() const {
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int TRichEdit::ToDocPos(int pos) const {
    const QTextDocument* doc = document();
    pos = std::clamp(pos, 0, Length());
    // Last block whose first position (document position + block number) is <= pos.
    int lo = 0, hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = doc->findBlockByNumber(lo);
    return b.position() + std::min(pos - (b.position() + lo), b.length() - 1);
}

int TRichEdit::FromDocPos(int docPos) const {
    const QTextBlock b = document()->findBlock(std::max(0, docPos));
    if (!b.isValid())
        return Length();
    return b.position() + b.blockNumber() + std::min(docPos - b.position(), b.length() - 1);
}

void TRichEdit::Clear() {
    m_jumpDocPos = -1;
    clear();
    m_insertFormat = QTextCharFormat();
    InvalidateText();
}

int TRichEdit::SelStart() const {
    return FromDocPos(textCursor().selectionStart());
}

void TRichEdit::SetSelStart(int pos) {
    QTextCursor c = textCursor();
    c.setPosition(pos < 0 ? ToDocPos(Length()) : ToDocPos(pos));
    setTextCursor(c);
    // The next text takes the attributes of the character before it.
    if (!document()->isEmpty())
        m_insertFormat = c.charFormat();
}

int TRichEdit::SelLength() const {
    const QTextCursor c = textCursor();
    return FromDocPos(c.selectionEnd()) - FromDocPos(c.selectionStart());
}

void TRichEdit::SetSelLength(int length) {
    const int start = SelStart();
    QTextCursor c = textCursor();
    c.setPosition(ToDocPos(start));
    c.setPosition(ToDocPos(start + std::max(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString TRichEdit::SelText() const {
    const QTextCursor c = textCursor();
    const int a = FromDocPos(c.selectionStart());
    return Text().mid(a, FromDocPos(c.selectionEnd()) - a);
}

void TRichEdit::InsertText(QTextCursor& c, const QString& text) {
    c.beginEditBlock();
    if (c.hasSelection())
        c.removeSelectedText();
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    const QStringList paras = t.split('\n');
    for (qsizetype i = 0; i < paras.size(); ++i) {
        if (i > 0)
            c.insertBlock(c.blockFormat(), m_insertFormat);
        if (!paras[i].isEmpty())
            c.insertText(paras[i], m_insertFormat);
    }
    c.endEditBlock();
}

void TRichEdit::SetSelText(const QString& text) {
    QTextCursor c = textCursor();
    InsertText(c, text);
    setTextCursor(c);
}

void TRichEdit::AppendRun(const QString& text) {
    QTextCursor c = textCursor();
    if (c.hasSelection() || !c.atEnd()) {
        c.movePosition(QTextCursor::End);
        setTextCursor(c);
    }
    InsertText(c, text);
    // The caret at the end moves on with the text. Without a layout there is
    // no place to scroll it to, so the control is told only when it has one.
    if (document()->isLayoutEnabled())
        setTextCursor(c);
}

QTextCharFormat TRichEdit::CurrentFormat() const {
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return m_insertFormat;
    QTextCursor probe(document());
    probe.setPosition(c.selectionStart() + 1);
    return probe.charFormat();
}

void TRichEdit::MergeFormat(const QTextCharFormat& f) {
    QTextCursor c = textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(f);
    m_insertFormat.merge(f);
}

namespace {
bool IsWordChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == '_';
}
} // namespace

int TRichEdit::FindText(const QString& text, int start, int length, TSearchTypes options) const {
    EnsureText();
    if (text.isEmpty())
        return -1;
    const int total = int(m_text.size());
    start = std::clamp(start, 0, total);
    const int end = length < 0 ? total : int(std::min<qint64>(qint64(start) + length, total));
    const Qt::CaseSensitivity cs = options & stMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype i = m_text.indexOf(text, start, cs); i >= 0;
         i = m_text.indexOf(text, i + 1, cs)) {
        if (i + text.size() > end)
            return -1;
        if (options & stWholeWord) {
            const bool before = i > 0 && IsWordChar(m_text[i - 1]);
            const bool after = i + text.size() < total && IsWordChar(m_text[i + text.size()]);
            if (before || after)
                continue;
        }
        return int(i);
    }
    return -1;
}

// Line questions are answered also while the layout is held: the text is
// laid out for them meanwhile. The layout's size news can give the view a
// scroll bar, and so a resize, which must not take the layout away again.
class TRichEdit::TLinesLaidOut {
public:
    explicit TLinesLaidOut(const TRichEdit& edit)
        : m_edit(edit), m_held(!edit.document()->isLayoutEnabled()) {
        ++m_edit.m_lineQueries;
        if (m_held)
            m_edit.document()->setLayoutEnabled(true);
    }
    ~TLinesLaidOut() {
        if (m_held)
            m_edit.document()->setLayoutEnabled(false);
        --m_edit.m_lineQueries;
    }
    TLinesLaidOut(const TLinesLaidOut&) = delete;
    TLinesLaidOut& operator=(const TLinesLaidOut&) = delete;

private:
    const TRichEdit& m_edit;
    bool m_held;
};

namespace {
// Makes sure a block is laid out and returns its layout.
QTextLayout* LaidOut(const QTextDocument* doc, const QTextBlock& b) {
    doc->documentLayout()->blockBoundingRect(b);
    return b.layout();
}
} // namespace

int TRichEdit::LineFromChar(int pos) const {
    const TLinesLaidOut laidOut(*this);
    const int d = ToDocPos(pos);
    int line = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QTextLayout* lay = LaidOut(document(), b);
        const int n = std::max(1, lay ? lay->lineCount() : 0);
        if (b.contains(d) || !b.next().isValid()) {
            const QTextLine l = lay ? lay->lineForTextPosition(d - b.position()) : QTextLine();
            return line + (l.isValid() ? l.lineNumber() : 0);
        }
        line += n;
    }
    return line;
}

int TRichEdit::LineIndex(int line) const {
    const TLinesLaidOut laidOut(*this);
    if (line < 0)
        line = LineFromChar(SelStart());
    int first = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QTextLayout* lay = LaidOut(document(), b);
        const int n = std::max(1, lay ? lay->lineCount() : 0);
        if (line < first + n) {
            const QTextLine l =
                lay && lay->lineCount() > 0 ? lay->lineAt(line - first) : QTextLine();
            return FromDocPos(b.position() + (l.isValid() ? l.textStart() : 0));
        }
        first += n;
    }
    return -1;
}

int TRichEdit::LineCount() const {
    const TLinesLaidOut laidOut(*this);
    int count = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QTextLayout* lay = LaidOut(document(), b);
        count += std::max(1, lay ? lay->lineCount() : 0);
    }
    return count;
}

void TRichEdit::ScrollCaret() {
    ensureCursorVisible();
}

void TRichEdit::ScrollNearTop(int pos, int linesAbove) {
    m_jumpDocPos = ToDocPos(pos);
    m_jumpLinesAbove = std::max(0, linesAbove);
    ScrollToJump();
}

namespace {
// The top of line `line` of a laid-out block, in document coordinates.
double LineTop(const QTextDocument* doc, const QTextBlock& b, int line) {
    const double top = doc->documentLayout()->blockBoundingRect(b).top();
    const QTextLayout* lay = b.layout();
    return lay != nullptr && line < lay->lineCount() ? top + lay->lineAt(line).y() : top;
}
} // namespace

void TRichEdit::ScrollToJump() {
    // While the layout is held, the jump waits for it.
    if (m_jumpDocPos < 0 || !document()->isLayoutEnabled())
        return;
    const QTextDocument* doc = document();
    QTextBlock b = doc->findBlock(std::min(m_jumpDocPos, doc->characterCount() - 1));
    if (!b.isValid())
        return;
    // Lays the text out up to the block, also when it was written just now.
    QTextLayout* lay = LaidOut(doc, b);
    const QTextLine found =
        lay != nullptr ? lay->lineForTextPosition(m_jumpDocPos - b.position()) : QTextLine();
    int line = found.isValid() ? found.lineNumber() : 0;
    const double foundTop = LineTop(doc, b, line);
    for (int left = m_jumpLinesAbove; left > 0; --left) {
        if (line > 0) {
            --line;
            continue;
        }
        if (!b.previous().isValid())
            break;
        b = b.previous();
        line = std::max(1, b.layout() != nullptr ? b.layout()->lineCount() : 0) - 1;
    }
    const bool atStart = line == 0 && !b.previous().isValid();
    double top = atStart ? 0 : LineTop(doc, b, line);
    // In a short view the found line keeps what follows it in view too.
    top = std::max(top, foundTop - viewport()->height() / 2.0);
    const int value = qRound(top);
    QScrollBar* bar = verticalScrollBar();
    // The scroll range grows as the text is laid out bit by bit; the whole
    // layout is waited for only when the place lies beyond what is known.
    if (value > bar->maximum())
        doc->documentLayout()->documentSize();
    bar->setValue(value);
}

void TRichEdit::resizeEvent(QResizeEvent* event) {
    const bool held = !document()->isLayoutEnabled();
    ++m_resizeDepth;
    QTextEdit::resizeEvent(event);
    UpdateLayoutHold();
    --m_resizeDepth;
    // A pane widened from no width is laid out within Qt's own scroll bar
    // adjustment, which lets the size of the text pass unheard: told again.
    if (held && m_resizeDepth == 0 && document()->isLayoutEnabled()) {
        QAbstractTextDocumentLayout* layout = document()->documentLayout();
        emit layout->documentSizeChanged(layout->documentSize());
    }
    // Lines wrap anew at another width: the jump's line is found again.
    ScrollToJump();
}

void TRichEdit::showEvent(QShowEvent* event) {
    QTextEdit::showEvent(event);
    UpdateLayoutHold();
    ScrollToJump();
}

void TRichEdit::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    // Shown where the jump put it; from now on the view is the user's.
    if (isVisible() && document()->isLayoutEnabled())
        m_jumpDocPos = -1;
}

void TRichEdit::SelectAll() {
    selectAll();
}

void TRichEdit::CopyToClipboard() {
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return;
    auto* mime = new QMimeData;
    QString plain = SelText();
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    mime->setText(plain);
    mime->setHtml(QTextDocumentFragment(c).toHtml());
    const QByteArray rtf = WriteRtf(document(), c.selectionStart(), c.selectionEnd());
    mime->setData(QStringLiteral("text/rtf"), rtf);
    mime->setData(QStringLiteral("application/rtf"), rtf);
    QApplication::clipboard()->setMimeData(mime);
}

QByteArray TRichEdit::ToRtf() const {
    return WriteRtf(document(), 0, document()->characterCount() - 1);
}

void TRichEdit::SaveToFile(const QString& fileName) const {
    const QByteArray rtf = ToRtf();
    TFileOutput f(fileName);
    if (!f.Open())
        throw std::runtime_error(f.OpenFailure().toStdString());
    const bool written = f.Device()->write(rtf) == rtf.size();
    if (!f.Commit() || !written)
        throw std::runtime_error(f.WriteFailure().toStdString());
}
