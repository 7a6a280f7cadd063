#include "BibleLayout.h"

#include "ErrorHandler.h"
#include "FittingControls.h"
#include "GridModel.h"
#include "RadioGroup.h"
#include "RichEdit.h"
#include "TableEngine.h"

#include <QAction>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace BibleLayout {

TRichEdit* ReadingsEdit(QWidget* parent, const QString& copyName, const QString& selectAllName) {
    auto* edit = new TRichEdit(parent);
    edit->setObjectName(QStringLiteral("rchedtReadings"));
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(edit);
    QAction* copy = menu->addAction(QStringLiteral("&Copy"));
    copy->setObjectName(copyName);
    QAction* all = menu->addAction(QStringLiteral("Select &All"));
    all->setObjectName(selectAllName);
    QObject::connect(copy, &QAction::triggered, edit, [edit] { edit->CopyToClipboard(); });
    QObject::connect(all, &QAction::triggered, edit, [edit] { edit->SelectAll(); });
    QObject::connect(edit, &QWidget::customContextMenuRequested, edit,
                     [edit, menu, copy](const QPoint& pos) {
                         copy->setEnabled(edit->SelLength() > 0);
                         menu->popup(edit->viewport()->mapToGlobal(pos));
                     });
    return edit;
}

TScopeGroup ScopeGroup(QWidget* parent) {
    TScopeGroup scope;
    scope.Group = new QGroupBox(QStringLiteral("Search In: "), parent);
    scope.Group->setObjectName(QStringLiteral("rdgrpBibleScope"));
    scope.Buttons = new QButtonGroup(parent);
    auto* column = new QVBoxLayout(scope.Group);
    const QStringList items{QStringLiteral("All Bible Books"), QStringLiteral("New Testament Only"),
                            QStringLiteral("Old Testament Only"),
                            QStringLiteral("Deuterocanonical Only"),
                            QStringLiteral("Selected  Book Only -=>>")};
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i], scope.Group);
        scope.Buttons->addButton(r, i);
        column->addWidget(r);
    }
    TabToChosen(scope.Buttons);
    scope.Books = new QComboBox(parent);
    scope.Books->setObjectName(QStringLiteral("dblkupcmbxBibleBooks"));
    SetDropDownRows(scope.Books, 29);
    column->addWidget(scope.Books);
    return scope;
}

TGridColumn CitationColumn() {
    TGridColumn column(QStringLiteral("Citation"));
    column.Roles.insert(Qt::BackgroundRole, QColor(0xC0, 0xDC, 0xC0));
    return column;
}

} // namespace BibleLayout
