#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QLineEdit* associate, QWidget* parent) : QWidget(parent), associate_(associate) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    btnUp = new QToolButton(this);
    btnUp->setArrowType(Qt::UpArrow);
    btnDown = new QToolButton(this);
    btnDown->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {btnUp, btnDown}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(16);
        layout->addWidget(b);
    }
    connect(btnUp, &QToolButton::clicked, this, [this] { Click(true); });
    connect(btnDown, &QToolButton::clicked, this, [this] { Click(false); });
    if (associate_)
        associate_->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                Click(key->key() == Qt::Key_Up);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, Min, Max);
    if (associate_)
        associate_->setText(QString::number(position_));
}

void TUpDown::Click(bool up) {
    bool ok = false;
    const int typed = associate_ ? associate_->text().trimmed().toInt(&ok) : 0;
    if (ok)
        position_ = std::clamp(typed, Min, Max);
    SetPosition(position_ + (up ? 1 : -1));
    if (OnClick)
        OnClick();
}
