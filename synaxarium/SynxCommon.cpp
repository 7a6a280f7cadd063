#include "SynxCommon.h"

#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "Tokens.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {

const QString LineDelimiters = QStringLiteral("\n\r");

QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& caption,
                            const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

} // namespace

QString PrintHeader(const QString& caption) {
    return DelimitersToSpaces(caption, LineDelimiters);
}

void PrintSynxText(TRichEdit* richEdit, const QString& caption) {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader(caption));
    if (frmPrintRich->PrintDialog1->Execute(richEdit->window()))
        frmPrintRich->RichPrinter1->PrintRichEdit(richEdit, 1);
}

void PreviewSynxText(TRichEdit* richEdit, const QString& caption) {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader(caption));
    frmPrintRich->RichPrinter1->PreviewRichEdit(richEdit);
}

void SynxPageSetup() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void SaveSynxTextAs(TRichEdit* richEdit) {
    frmPrintRich->SaveRichEditAs(richEdit);
}

void ChangeReadingsFont(QWidget* parent) {
    QFont font = DayState->ReadingsFont;
    ExecuteFontDialog(parent, font);
    DayState->ReadingsFont = font;
}

TTextMenu MakeTextMenu(TRichEdit* richEdit, QWidget* owner, std::function<void()> onPopup) {
    TTextMenu m;
    m.Menu = new QMenu(owner);
    m.SelectAll = m.Menu->addAction(QStringLiteral("Select &All"));
    m.SelectAll->setObjectName(QStringLiteral("mnuitmSelectAll"));
    m.Copy = m.Menu->addAction(QStringLiteral("&Copy"));
    m.Copy->setObjectName(QStringLiteral("mnuitmCopy"));
    richEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* menu = m.Menu;
    QObject::connect(richEdit, &QWidget::customContextMenuRequested, owner,
                     [richEdit, menu, onPopup](const QPoint& at) {
                         RunGuarded(onPopup);
                         menu->popup(richEdit->viewport()->mapToGlobal(at));
                     });
    return m;
}

TPrintingButtons MakePrintingPanel(QWidget* parent) {
    TPrintingButtons b;
    b.Panel = MakeSynxPanel(parent, QStringLiteral("pnlPrinting"));
    b.Panel->setFrameShape(QFrame::Panel);
    b.Panel->setFrameShadow(QFrame::Raised);
    SetTextColor(b.Panel, SynxMaroon);
    auto* row = new QHBoxLayout(b.Panel);
    row->setContentsMargins(4, 0, 4, 0);
    auto* title = new QLabel(QStringLiteral("Printing"), b.Panel);
    title->setObjectName(QStringLiteral("lblPrinting"));
    row->addWidget(title);
    b.Print = makeToolButton(b.Panel, QStringLiteral("spdbtnPrint"), "Print", "Print");
    b.Preview =
        makeToolButton(b.Panel, QStringLiteral("spdbtnPreview"), "Preview", "Print Preview");
    b.PageSetup =
        makeToolButton(b.Panel, QStringLiteral("spdbtnPageSetup"), "Page Setup", "Page Setup");
    b.SaveAs = makeToolButton(b.Panel, QStringLiteral("spdbtnSaveAs"), "Save As", "Save As");
    for (QToolButton* t : {b.Print, b.Preview, b.PageSetup, b.SaveAs})
        row->addWidget(t);
    return b;
}

void SetTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

QPushButton* MakeSynxButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QFrame* MakeSynxPanel(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    return f;
}

void CloseOnEscape(QWidget* window) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, window, &QWidget::close);
}
