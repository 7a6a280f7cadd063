#include "FittingControls.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

// ------------------------------------------------------ TClampingSpinBox ---

QString TClampingSpinBox::Digits(const QString& text) const {
    QString digits = text;
    if (digits.startsWith(prefix()))
        digits.remove(0, prefix().size());
    if (digits.endsWith(suffix()))
        digits.chop(suffix().size());
    digits = digits.trimmed();
    // Nine digits at most: any more would overflow and no range needs them.
    const bool number =
        !digits.isEmpty() && digits.size() <= 9 &&
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return number ? digits : QString();
}

QValidator::State TClampingSpinBox::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state == QValidator::Invalid && !Digits(text).isEmpty())
        return QValidator::Intermediate;
    return state;
}

void TClampingSpinBox::fixup(QString& text) const {
    const QString digits = Digits(text);
    if (digits.isEmpty()) {
        QSpinBox::fixup(text);
        return;
    }
    const int value = std::clamp(digits.toInt(), minimum(), maximum());
    text = prefix() + textFromValue(value) + suffix();
}

void TClampingSpinBox::mousePressEvent(QMouseEvent* event) {
    QSpinBox::mousePressEvent(event);
    // Events run by the change handler (a progress window) may have taken
    // the button's release before the arrow's press was done: the box then
    // keeps the arrow's repeat going and steps by no key until the focus
    // leaves it. A focus change ends that repeat; once the button is up, the
    // box goes through one.
    if ((QGuiApplication::mouseButtons() & event->button()) == 0) {
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QSpinBox::focusOutEvent(&out);
        QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
        QSpinBox::focusInEvent(&in);
    }
}

// ---------------------------------------------------------- TElidedLabel ---

TElidedLabel::TElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

QSize TElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

QString TElidedLabel::ShownText() const {
    const int width = contentsRect().width() - 2 * margin();
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, width));
}

bool TElidedLabel::IsElided() const {
    return ShownText() != text();
}

bool TElidedLabel::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (IsElided())
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(e);
}

void TElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), ShownText(), foregroundRole());
}

// ------------------------------------------------------------ drop-downs ---

void SetDropDownRows(QComboBox* combo, int rows) {
    combo->setMaxVisibleItems(rows);
    // Styles that drop the list over the box ignore the row count; this one
    // property makes every style drop it below, row count kept.
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}
