#include "SynxCommon.h"

#include "ErrorHandler.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "Tokens.h"

#include <QAction>
#include <QMenu>

namespace {

const QString LineDelimiters = QStringLiteral("\n\r");

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
