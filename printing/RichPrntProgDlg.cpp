#include "RichPrntProgDlg.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TRichPrntProgDlg::TRichPrntProgDlg(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Print Progress"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* grid = new QGridLayout(this);
    lblStatus = new QLabel(this);
    lblTitle = new QLabel(this);
    lblPageNumber = new QLabel(this);
    QFont bold = lblStatus->font();
    bold.setBold(true);
    lblStatus->setFont(bold);
    grid->addWidget(lblStatus, 0, 0, 1, 2);
    grid->addWidget(lblTitle, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Page Number:"), this), 2, 0);
    grid->addWidget(lblPageNumber, 2, 1);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(260);
    FitAndCentre();
}

void TRichPrntProgDlg::FitAndCentre() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        move(r.center() - rect().center());
    }
}

void TRichPrntProgDlg::SetStatus(const QString& status, const QString& title, int page) {
    lblStatus->setText(status);
    lblTitle->setText(title);
    lblPageNumber->setText(QString::number(page));
    if (sizeHint().width() > width())
        FitAndCentre(); // a longer title than the window had room for
    if (isVisible())
        repaint();
}
