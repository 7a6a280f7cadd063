#include "VerseOfTheDay.h"

#include "Controls.h"
#include "DayState.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

TfrmVerseOfTheDay* frmVerseOfTheDay = nullptr;

namespace {

const QColor Maroon(128, 0, 0);
const QColor Navy(0, 0, 128);

} // namespace

TfrmVerseOfTheDay::TfrmVerseOfTheDay(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmVerseOfTheDay"));
    setWindowTitle(QStringLiteral("Verse of The Day:"));
    resize(420, 260);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    lblVODTitle = new QLabel(this);
    lblVODTitle->setObjectName(QStringLiteral("lblVODTitle"));
    lblVODTitle->setAlignment(Qt::AlignCenter);
    lblVODTitle->setWordWrap(true);
    lblVODTitle->setMargin(4);
    QFont title(QStringLiteral("Times New Roman"));
    title.setPointSize(11);
    title.setBold(true);
    lblVODTitle->setFont(title);
    SetTextColor(lblVODTitle, Maroon, {QPalette::WindowText, QPalette::Text});
    outer->addWidget(lblVODTitle);

    memoVerse = new QTextEdit(this);
    memoVerse->setObjectName(QStringLiteral("memoVerse"));
    memoVerse->setReadOnly(true);
    memoVerse->setAcceptRichText(false);
    memoVerse->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTextOption centred = memoVerse->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memoVerse->document()->setDefaultTextOption(centred);
    SetTextColor(memoVerse, Navy, {QPalette::WindowText, QPalette::Text});
    outer->addWidget(memoVerse, 1);

    pnlBottom = new QFrame(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setFixedHeight(40);
    btnClose = new QPushButton(QStringLiteral("OK"), pnlBottom);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    btnClose->resize(75, 25);
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    pnlBottom->installEventFilter(this);
    outer->addWidget(pnlBottom);
}

void TfrmVerseOfTheDay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    CentreOnScreen(this);
    FormShow();
}

void TfrmVerseOfTheDay::FormShow() {
    if (DayState != nullptr) {
        QFont f = DayState->ReadingsFont;
        memoVerse->setFont(f);
        memoVerse->document()->setDefaultFont(f);
    }
    memoVerse->update();
}

void TfrmVerseOfTheDay::btnCloseClick() {
    accept();
}

void TfrmVerseOfTheDay::FormKeyPress(QChar key) {
    if (key == QChar(27))
        accept();
}

void TfrmVerseOfTheDay::pnlBottomResize() {
    btnClose->move(pnlBottom->width() / 2 - btnClose->width() / 2,
                   (pnlBottom->height() - btnClose->height()) / 2);
}

void TfrmVerseOfTheDay::keyPressEvent(QKeyEvent* event) {
    // Esc closes with OK, as the OK button does.
    if (event->key() == Qt::Key_Escape) {
        FormKeyPress(QChar(27));
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmVerseOfTheDay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlBottom && event->type() == QEvent::Resize)
        pnlBottomResize();
    return QDialog::eventFilter(watched, event);
}
