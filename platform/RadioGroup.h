#pragma once
// A titled group of radio buttons, one item chosen by its index.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// Tab into the group lands on its chosen button (the first when none is
// chosen); the arrow keys move between the buttons.
void TabToChosen(QButtonGroup* group);

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
    // -1 when no item is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The caption's colour, as a palette role of the group.
    void SetCaptionColour(const QColor& colour);

signals:
    // A click on an item by the user.
    void Clicked();

private:
    QButtonGroup* buttons_;
};
