#include "PageControl.h"

#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace {

class TOwnerDrawTabBar final : public QTabBar {
public:
    TOwnerDrawTabBar(TPageControl* owner) : QTabBar(owner), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!owner_->OnDrawTab) {
            QTabBar::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        // The selected tab last, so its shape overlaps its neighbours.
        const int selected = currentIndex();
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < count(); ++i) {
                if ((i == selected) != (pass == 1))
                    continue;
                QStyleOptionTab tab;
                initStyleOption(&tab, i);
                painter.drawControl(QStyle::CE_TabBarTabShape, tab);
                painter.save();
                owner_->OnDrawTab(painter, i, tabRect(i), i == selected);
                painter.restore();
            }
        }
    }

private:
    TPageControl* owner_;
};

} // namespace

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new TOwnerDrawTabBar(this));
}
