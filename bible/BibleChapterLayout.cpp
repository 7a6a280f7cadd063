// The controls of the one-chapter window and their handlers. Behaviour lives
// in BibleChapter.cpp.

#include "BibleChapter.h"

#include "BibleLayout.h"
#include "Controls.h"
#include "ErrorHandler.h"
#include "RichEdit.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace BibleLayout;

namespace {

// A click in the line edit selects its whole text.
class TSelectAllOnClick : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        return false;
    }
};

} // namespace

void TfrmBibleChapter::CreateControls() {
    setObjectName(QStringLiteral("frmBibleChapter"));
    setWindowTitle(QStringLiteral("The Bible, one chapter at a time."));
    resize(700, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* title = new QHBoxLayout;
    spdbtnPrevDay = MakeToolButton(this, QStringLiteral("spdbtnPrevDay"), QStringLiteral("<<"),
                                   QStringLiteral("Previous Chapter"));
    lblBookAndChapter = MakeLabel(this, QStringLiteral("lblBookAndChapter"), QString());
    lblBookAndChapter->setAlignment(Qt::AlignCenter);
    {
        QFont f(QStringLiteral("Times New Roman"));
        f.setPointSize(14);
        f.setBold(true);
        lblBookAndChapter->setFont(f);
        SetTextColor(lblBookAndChapter, QColor(128, 0, 0), {QPalette::WindowText});
    }
    spdbtnNextDay = MakeToolButton(this, QStringLiteral("spdbtnNextDay"), QStringLiteral(">>"),
                                   QStringLiteral("Next Chapter"));
    title->addWidget(spdbtnPrevDay);
    title->addWidget(lblBookAndChapter, 1);
    title->addWidget(spdbtnNextDay);
    layout->addLayout(title);

    auto* tools = new QHBoxLayout;
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    btSearch = MakeButton(this, QStringLiteral("btSearch"), QStringLiteral("Find Now"),
                          TAutoDefault::Unchanged);
    edtHighlight = new QLineEdit(this);
    edtHighlight->setObjectName(QStringLiteral("edtHighlight"));
    chkbxNoHighlight = new QCheckBox(QStringLiteral("No Highlight"), this);
    chkbxNoHighlight->setObjectName(QStringLiteral("chkbxNoHighlight"));
    chkbxAsPhrase = new QCheckBox(QStringLiteral("As Phrase"), this);
    chkbxAsPhrase->setObjectName(QStringLiteral("chkbxAsPhrase"));
    chkbxAsPhrase->setChecked(true);
    btnHighlight = MakeButton(this, QStringLiteral("btnHighlight"), QStringLiteral("Highlight Now"),
                              TAutoDefault::Unchanged);
    tools->addWidget(edtSearch, 1);
    tools->addWidget(btSearch);
    tools->addSpacing(12);
    tools->addWidget(edtHighlight, 1);
    tools->addWidget(chkbxNoHighlight);
    tools->addWidget(chkbxAsPhrase);
    tools->addWidget(btnHighlight);
    layout->addLayout(tools);

    rchedtReadings = ReadingsEdit(this, QStringLiteral("Copy1"), QStringLiteral("SelectAll1"));
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

    auto* selectAll = new TSelectAllOnClick(this);
    edtSearch->installEventFilter(selectAll);
    edtHighlight->installEventFilter(selectAll);

    connect(spdbtnPrevDay, &QToolButton::clicked, this, Guard([this] { spdbtnPrevDayClick(); }));
    connect(spdbtnNextDay, &QToolButton::clicked, this, Guard([this] { spdbtnNextDayClick(); }));
    connect(btSearch, &QPushButton::clicked, this, Guard([this] { btSearchClick(); }));
    connect(edtSearch, &QLineEdit::returnPressed, this, Guard([this] { btSearchClick(); }));
    connect(edtSearch, &QLineEdit::textChanged, this, [this] { FindFromStart = true; });
    connect(btnHighlight, &QPushButton::clicked, this, Guard([this] { HighlightClick(); }));
    connect(chkbxNoHighlight, &QCheckBox::clicked, this, Guard([this] { HighlightClick(); }));
    // Also when an opener sets the box: the highlight controls follow it.
    connect(chkbxNoHighlight, &QCheckBox::toggled, this, [this] { EnableHighlightControls(); });
    connect(chkbxAsPhrase, &QCheckBox::clicked, this, Guard([this] { HighlightClick(); }));
    connect(spdbtnPrint, &QToolButton::clicked, this, Guard([this] { spdbtnPrintClick(); }));
    connect(spdbtnPreview, &QToolButton::clicked, this, Guard([this] { spdbtnPreviewClick(); }));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            Guard([this] { spdbtnPageSetupClick(); }));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, Guard([this] { spdbtnSaveAsClick(); }));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    CloseOnEscape(this);
}
