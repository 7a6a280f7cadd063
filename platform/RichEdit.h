#pragma once
// The rich-text control of every formatted text of the program. Positions
// count a line break as two characters (CR LF), the way Text returns it;
// Text, Length, FindText, the selection and FormatRange share that space.
#include <QColor>
#include <QRectF>
#include <QTextCharFormat>
#include <QTextEdit>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextDocument;
class TRichEdit;

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
using TFontStyles = int;

// A font's bold, italic, underline and strike-out as rich-text styles.
TFontStyles FontStylesOf(const QFont& font);
// A font's size in whole points, also when it was given in fractions.
int FontPointSize(const QFont& font);

enum TSearchType { stWholeWord = 0x1, stMatchCase = 0x2 };

// Lines of the text that a jump to a place leaves in view above it.
inline constexpr int JumpLinesAbove = 5;
using TSearchTypes = int;

// Attributes of the selection, or of the next inserted text when nothing
// is selected.
class TTextAttributes {
public:
    explicit TTextAttributes(TRichEdit* edit) : m_edit(edit) {}
    QColor Color() const;
    void SetColor(const QColor& c);
    QString Name() const;
    void SetName(const QString& name);
    int Size() const; // points
    void SetSize(int points);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);

private:
    TRichEdit* m_edit;
};

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);
    ~TRichEdit() override;

    QString Text() const; // line breaks as CR LF
    int Length() const;   // == Text().size()
    void Clear();

    int SelStart() const;
    void SetSelStart(int pos); // empties the selection; below 0 or past the end: the end
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection with text in the current attributes; "\r\n",
    // "\n" and "\r" start a new paragraph. The caret ends after the text.
    void SetSelText(const QString& text);
    TTextAttributes& SelAttributes() { return m_attributes; }
    // Appends a run at the end: the attributes given are set, the others keep
    // the values of the previous run.
    void AppendRun(const QString& text);

    // First match at or after start that ends within start + length (a
    // negative length: to the end), or -1.
    int FindText(const QString& text, int start, int length, TSearchTypes options) const;

    int LineFromChar(int pos) const; // visual line holding pos
    int LineIndex(int line) const;   // first position of a line, -1 past the last; -1: caret's line
    int LineCount() const;
    void ScrollCaret();
    // Scrolls so that the line holding pos stands linesAbove lines below the
    // top of the view: fewer at the start of the text, never below the middle
    // of the view, and further down where the end of the text stops the
    // scroll. Done before the control is shown at its size, the scroll is
    // made again when it is.
    void ScrollNearTop(int pos, int linesAbove);

    void SelectAll();
    // Puts the selection on the clipboard as RTF, HTML and plain text.
    void CopyToClipboard();

    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int count) { m_maxLength = count; }

    // Writes the whole text as an RTF document, through a temporary file in
    // the same folder that replaces the target only when complete.
    void SaveToFile(const QString& fileName) const;
    QByteArray ToRtf() const;

    // Lays the text out for `device` (nullptr: the painter's) at the width of
    // rect (device pixels), draws on painter (when not null) the lines from
    // the one holding firstChar that fit rect's height, and returns the first
    // character not drawn (Length() when the text is done). At least one line
    // is drawn per call. The layout is cached between calls.
    int FormatRange(QPainter* painter, QPaintDevice* device, const QRectF& rect, int firstChar);
    // Frees the layout cache of FormatRange.
    void FormatRangeDone();

    // Conversion between positions and the underlying document's positions.
    int ToDocPos(int pos) const;
    int FromDocPos(int docPos) const;

    // The text is laid out only while the control is shown with a width and
    // outside BeginUpdate/EndUpdate (which nest): a long text written meanwhile
    // costs no layout per run and is laid out once, at the width it is shown
    // in.
    void BeginUpdate();
    void EndUpdate();
    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TTextAttributes;
    struct PageLine {
        double Top;
        double Bottom;
        int DocStart;
        int Block; // block number and line within it; -1: empty block without lines
        int Line;
    };
    void EnsureText() const;
    void InvalidateText();
    QTextCharFormat CurrentFormat() const;
    void MergeFormat(const QTextCharFormat& f);
    void PreparePageLayout(QPaintDevice* device, double width);
    void ScrollToJump();
    void UpdateLayoutHold();
    // Replaces c's selection with text in the current attributes.
    void InsertText(QTextCursor& c, const QString& text);

    TTextAttributes m_attributes{this};
    QTextCharFormat m_insertFormat;
    int m_maxLength = 0;
    int m_updateDepth = 0;
    int m_resizeDepth = 0; // resizes of the view within one another
    class TLinesLaidOut;
    mutable int m_lineQueries = 0; // line queries under way
    quint64 m_revision = 0;

    // The place of the last ScrollNearTop until the control has been painted
    // at its size; -1: none.
    int m_jumpDocPos = -1;
    int m_jumpLinesAbove = 0;

    mutable bool m_textValid = false;
    mutable QString m_text;

    std::unique_ptr<QTextDocument> m_pageDoc;
    std::vector<PageLine> m_pageLines;
    quint64 m_pageRevision = 0;
    const QPaintDevice* m_pageDevice = nullptr;
    int m_pageDpiX = 0;
    int m_pageDpiY = 0;
    double m_pageWidth = -1;
};

// Holds the layout of a rich edit for a scope (see TRichEdit::BeginUpdate).
class TRichEditUpdate {
public:
    explicit TRichEditUpdate(TRichEdit& edit) : m_edit(edit) { m_edit.BeginUpdate(); }
    ~TRichEditUpdate() { m_edit.EndUpdate(); }
    TRichEditUpdate(const TRichEditUpdate&) = delete;
    TRichEditUpdate& operator=(const TRichEditUpdate&) = delete;

private:
    TRichEdit& m_edit;
};
