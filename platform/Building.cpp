#include "Building.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

TfrmBuilding* frmBuilding = nullptr;

namespace {
// Said beside the bar by an operation that Esc stops.
const char* const StopHint = "Press Esc to Stop";
} // namespace

TfrmBuilding::TfrmBuilding(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("frmBuilding");
    setFixedSize(325, 79);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    outer->addWidget(panel);

    auto* lay = new QVBoxLayout(panel);
    lay->setContentsMargins(8, 6, 8, 6);
    lay->setSpacing(3);
    lblStatus = new QLabel("Retrieving Data, Please Wait...", panel);
    lblStatus->setObjectName("lblStatus");
    QFont f = lblStatus->font();
    f.setBold(true);
    f.setPixelSize(13);
    lblStatus->setFont(f);
    lblStatus->setAlignment(Qt::AlignCenter);
    lblProgress = new QLabel(panel);
    lblProgress->setObjectName("lblProgress");
    lblProgress->setAlignment(Qt::AlignCenter);
    prgrsbarChapter = new QProgressBar(panel);
    prgrsbarChapter->setObjectName("prgrsbarChapter");
    prgrsbarChapter->setRange(0, 100);
    prgrsbarChapter->setValue(0);
    prgrsbarChapter->setTextVisible(false);
    prgrsbarChapter->setFixedHeight(16);
    // Beside the bar, so that the window keeps its size with the hint.
    lblStopHint = new QLabel(QString::fromLatin1(StopHint), panel);
    lblStopHint->setObjectName("lblStopHint");
    lblStopHint->hide();
    lay->addWidget(lblStatus);
    lay->addWidget(lblProgress);
    lay->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(prgrsbarChapter, 1);
    bottom->addWidget(lblStopHint);
    lay->addLayout(bottom);
}

void TfrmBuilding::ShowStopHint() {
    lblStopHint->show();
}

void TfrmBuilding::ShowOver(QWidget* modal) {
    winId(); // the native window, to be given its owner
    QWindow* owner = modal != nullptr && modal != this ? modal->windowHandle() : nullptr;
    windowHandle()->setTransientParent(owner);
    show();
}

void TfrmBuilding::showEvent(QShowEvent* event) {
    // Only the operation's show starts the bar again; a window restored by
    // the desktop keeps the progress it shows.
    if (!event->spontaneous()) {
        prgrsbarChapter->setValue(0);
        lblStopHint->hide();
        if (QScreen* s = screen())
            move(s->geometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}
