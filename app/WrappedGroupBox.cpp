#include "WrappedGroupBox.h"

#include <QEvent>
#include <QLayout>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

QRect TWrappedGroupBox::TitleRect() const {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect oneLine =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const int left = oneLine.left();
    const int width = std::max(1, rect().width() - 2 * left);
    const QRect text = fontMetrics().boundingRect(QRect(left, oneLine.top(), width, 100000),
                                                  Qt::TextWordWrap | Qt::AlignLeft, title());
    return QRect(left, oneLine.top(), width, std::max(oneLine.height(), text.height()));
}

int TWrappedGroupBox::ExtraTitleHeight() const {
    return std::max(0, TitleRect().height() - fontMetrics().height());
}

QSize TWrappedGroupBox::minimumSizeHint() const {
    // The caption wraps, so only its longest word sets a width.
    int word = 0;
    for (const QString& w : title().split(QRegularExpression(QStringLiteral("\\s+"))))
        word = std::max(word, fontMetrics().horizontalAdvance(w));
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect oneLine =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    QSize size(word + 2 * oneLine.left(), 0);
    if (layout())
        size = size.expandedTo(layout()->totalMinimumSize());
    return size;
}

bool TWrappedGroupBox::event(QEvent* event) {
    const bool handled = QGroupBox::event(event);
    // The group box sets its margins for a one-line caption whenever the
    // caption, font or style changes; the wrapped lines need more.
    const QEvent::Type t = event->type();
    if (!adjusting_ && (t == QEvent::ContentsRectChange || t == QEvent::Resize))
        MakeRoomForTitle();
    return handled;
}

void TWrappedGroupBox::MakeRoomForTitle() {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect contents =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const QMargins margins(contents.left() - option.rect.left(),
                           contents.top() - option.rect.top() + ExtraTitleHeight(),
                           option.rect.right() - contents.right(),
                           option.rect.bottom() - contents.bottom());
    if (contentsMargins() == margins)
        return;
    adjusting_ = true;
    setContentsMargins(margins);
    adjusting_ = false;
}

void TWrappedGroupBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The frame as for a one-line caption, lowered by the further lines.
    option.text.clear();
    option.subControls &= ~QStyle::SC_GroupBoxLabel;
    option.rect.setTop(option.rect.top() + ExtraTitleHeight());
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    painter.setPen(option.textColor.isValid() ? option.textColor
                                              : palette().color(QPalette::WindowText));
    painter.drawText(TitleRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
}
