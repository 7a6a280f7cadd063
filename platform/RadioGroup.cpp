#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

void TabToChosen(QButtonGroup* group) {
    const auto follow = [group] {
        const QList<QAbstractButton*> buttons = group->buttons();
        QAbstractButton* chosen = group->checkedButton();
        if (chosen == nullptr)
            chosen = buttons.value(0);
        for (QAbstractButton* b : buttons) {
            const Qt::FocusPolicy policy = b->focusPolicy();
            b->setFocusPolicy(b == chosen ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                          : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
    follow();
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        buttons_->addButton(b, i);
        layout->addWidget(b);
    }
    TabToChosen(buttons_);
    connect(buttons_, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
}

int TRadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* b = buttons_->button(index)) {
        b->setChecked(true);
        return;
    }
    // No item chosen: an exclusive group lets go of its choice only this way.
    buttons_->setExclusive(false);
    for (QAbstractButton* b : buttons_->buttons())
        b->setChecked(false);
    buttons_->setExclusive(true);
}

void TRadioGroup::SetCaptionColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    setPalette(p);
}
