// The controls of the Bible reader hub and their handlers. Behaviour lives in
// BibleMain.cpp.

#include "BibleMain.h"

#include "BibleLayout.h"
#include "ClickFilter.h"
#include "Controls.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "FittingControls.h"
#include "PanelScroller.h"
#include "RadioGroup.h"
#include "RichEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace BibleLayout;

namespace {

QRadioButton* Radio(QWidget* parent, const QString& name, const QString& caption) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    return r;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption, bool checked) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setChecked(checked);
    return c;
}

} // namespace

void TfrmBibleMain::CreateControls() {
    setObjectName(QStringLiteral("frmBibleMain"));
    setWindowTitle(QStringLiteral("The Holy Bible"));
    resize(800, 600);
    auto* layout = new QVBoxLayout(TPanelScroller::WindowBody(this));
    layout->setContentsMargins(6, 6, 6, 6);

    auto* top = new QHBoxLayout;
    auto* scopes = new QGroupBox(this);
    scopes->setObjectName(QStringLiteral("grpbxScope"));
    auto* scopeColumn = new QVBoxLayout(scopes);
    rdbtnAllBooks =
        Radio(scopes, QStringLiteral("rdbtnAllBooks"), QStringLiteral("All Books of The Bible"));
    rdbtnAllBooks->setChecked(true);
    rdbtnNewTestament =
        Radio(scopes, QStringLiteral("rdbtnNewTestament"), QStringLiteral("New Testament Only"));
    rdbtnOldTestament =
        Radio(scopes, QStringLiteral("rdbtnOldTestament"), QStringLiteral("Old Testament Only"));
    rdbtnSecondCanonical = Radio(scopes, QStringLiteral("rdbtnSecondCanonical"),
                                 QStringLiteral("Deuterocanonical Only "));
    rdbtnSecondCanonical->setToolTip(QStringLiteral("Second Canonical Books"));
    chkbxNKJV = Check(scopes, QStringLiteral("chkbxNKJV"),
                      QStringLiteral("NKJV (New King James Version) Only"), false);
    for (QWidget* w :
         {static_cast<QWidget*>(rdbtnAllBooks), static_cast<QWidget*>(rdbtnNewTestament),
          static_cast<QWidget*>(rdbtnOldTestament), static_cast<QWidget*>(rdbtnSecondCanonical),
          static_cast<QWidget*>(chkbxNKJV)})
        scopeColumn->addWidget(w);
    top->addWidget(scopes);
    rdgrpBibleBooks = new TRadioGroup(
        QString(),
        {QStringLiteral("All Books of The Bible"), QStringLiteral("New Testament Only"),
         QStringLiteral("Old Testament Only"), QStringLiteral("Second Canonical Only")},
        this);
    rdgrpBibleBooks->setObjectName(QStringLiteral("rdgrpBibleBooks"));
    rdgrpBibleBooks->setVisible(false);

    auto* choice = new QGridLayout;
    dblkupcmbxBibleBooks = new QComboBox(this);
    dblkupcmbxBibleBooks->setObjectName(QStringLiteral("dblkupcmbxBibleBooks"));
    SetDropDownRows(dblkupcmbxBibleBooks, 29);
    dblkupcmbxBibleBooks->setMinimumWidth(220);
    lblChapter = MakeLabel(this, QStringLiteral("lblChapter"), QStringLiteral("Chapter:"));
    spnedtChapter = new TClampingSpinBox(this);
    spnedtChapter->setObjectName(QStringLiteral("spnedtChapter"));
    spnedtChapter->setRange(1, 151);
    spnedtChapter->setValue(1);
    spnedtChapter->setKeyboardTracking(false);
    lblChapterRange = MakeLabel(this, QStringLiteral("lblChapterRange"), QString());
    lblBookMoreInfo = MakeLabel(this, QStringLiteral("lblBookMoreInfo"), QString());
    lblBookMoreInfo->setWordWrap(true);
    chkbxShowChapter = Check(this, QStringLiteral("chkbxShowChapter"),
                             QStringLiteral("Show Chapter Number  for Each Verse"), true);
    chkbxNewLinePerVerse = Check(this, QStringLiteral("chkbxNewLinePerVerse"),
                                 QStringLiteral("Every Verse on a New Line"), true);
    choice->addWidget(MakeLabel(this, QStringLiteral("lblBook"), QStringLiteral("Book:")), 0, 0);
    choice->addWidget(dblkupcmbxBibleBooks, 0, 1, 1, 3);
    choice->addWidget(lblChapter, 1, 0);
    choice->addWidget(spnedtChapter, 1, 1);
    choice->addWidget(lblChapterRange, 1, 2);
    choice->addWidget(lblBookMoreInfo, 2, 0, 1, 4);
    choice->addWidget(chkbxShowChapter, 3, 0, 1, 4);
    choice->addWidget(chkbxNewLinePerVerse, 4, 0, 1, 4);
    lblTextSize = MakeLabel(this, QStringLiteral("lblTextSize"), QStringLiteral("Text size:"));
    lblTextSize->setVisible(false);
    cmbxTextSize = new QComboBox(this);
    cmbxTextSize->setObjectName(QStringLiteral("cmbxTextSize"));
    cmbxTextSize->setVisible(false);
    choice->setColumnStretch(3, 1);
    top->addLayout(choice, 1);

    auto* commands = new QVBoxLayout;
    btnSetFont = MakeButton(this, QStringLiteral("btnSetFont"), QStringLiteral("Change Font"),
                            TAutoDefault::Unchanged);
    btnShowWholeBook = MakeButton(this, QStringLiteral("btnShowWholeBook"),
                                  QStringLiteral("Show Current Book"), TAutoDefault::Unchanged);
    btnBibleIndex = MakeButton(this, QStringLiteral("btnBibleIndex"),
                               QStringLiteral("Bible Keywords"), TAutoDefault::Unchanged);
    btnBibleIndex->setToolTip(QStringLiteral("Bible Concordance"));
    BitBtn2 = MakeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Search The Bible"),
                         TAutoDefault::Unchanged);
    for (QPushButton* b : {btnSetFont, btnShowWholeBook, btnBibleIndex, BitBtn2})
        commands->addWidget(b);
    commands->addStretch(1);
    top->addLayout(commands);
    layout->addLayout(top);

    rchedtReadings =
        ReadingsEdit(this, QStringLiteral("mnuitmCopy"), QStringLiteral("mnuitmSelectAll"));
    layout->addWidget(rchedtReadings, 1);

    auto* bottom = new QHBoxLayout;
    const TPrintingButtons print = MakePrintingPanel(this);
    bottom->addWidget(print.Panel);
    spdbtnPrint = print.Print;
    spdbtnPreview = print.Preview;
    spdbtnPageSetup = print.PageSetup;
    spdbtnSaveAs = print.SaveAs;
    bottom->addStretch(1);
    btnClose = MakeButton(this, QStringLiteral("btnClose"), QStringLiteral("&Close"),
                          TAutoDefault::Unchanged);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);

    for (QRadioButton* r :
         {rdbtnAllBooks, rdbtnNewTestament, rdbtnOldTestament, rdbtnSecondCanonical})
        connect(r, &QRadioButton::clicked, this, Guard([this] { FilterBooks(); }));
    connect(rdgrpBibleBooks, &TRadioGroup::Clicked, this, Guard([this] { FilterBooks(); }));
    connect(chkbxNKJV, &QCheckBox::clicked, this, Guard([this] { chkbxNKJVClick(); }));
    connect(dblkupcmbxBibleBooks, &QComboBox::activated, this,
            Guard([this](int index) { BookChosen(index); }));
    connect(spnedtChapter, &QSpinBox::valueChanged, this, Guard([this] { spnedtChapterChange(); }));
    if (QLineEdit* edit = spnedtChapter->findChild<QLineEdit*>())
        OnWidgetClick(edit, [this] { RunGuarded([this] { UpdateBookInfo(); }); });
    connect(chkbxShowChapter, &QCheckBox::clicked, this, Guard([this] { ShowChapter(); }));
    connect(chkbxNewLinePerVerse, &QCheckBox::clicked, this, Guard([this] { ShowChapter(); }));
    connect(btnSetFont, &QPushButton::clicked, this, Guard([this] { btnSetFontClick(); }));
    connect(btnShowWholeBook, &QPushButton::clicked, this, Guard([this] { ShowWholeBook(); }));
    connect(btnBibleIndex, &QPushButton::clicked, this, Guard([this] { OpenConcordance(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guard([this] { OpenSearch(); }));
    connect(spdbtnPrint, &QToolButton::clicked, this, Guard([this] { spdbtnPrintClick(); }));
    connect(spdbtnPreview, &QToolButton::clicked, this, Guard([this] { spdbtnPreviewClick(); }));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            Guard([this] { spdbtnPageSetupClick(); }));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, Guard([this] { spdbtnSaveAsClick(); }));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    CloseOnEscape(this);
}
