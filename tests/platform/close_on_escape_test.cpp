// Esc in a window that closes on Esc: a drop-down list that is open takes
// the first Esc, the window the next; the key goes where Qt sends it, so
// through the shortcut map as a user's key does.

#include "Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Where the key goes: the open list, else the control with the focus.
QWidget* KeyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    return QApplication::focusWidget();
}

TEST(CloseOnEscape, AnOpenListTakesTheFirstEscTheWindowTheNext) {
    const struct {
        const char* name;
        bool listOpen;
        bool editable; // a combo box with an edit, like a lookup
        int escapesToClose;
    } cases[] = {{"list closed", false, false, 1},
                 {"list open", true, false, 2},
                 {"editable list open", true, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* combo = new QComboBox(&window);
        combo->setEditable(c.editable);
        combo->addItems({"Genesis", "Exodus", "Leviticus"});
        layout->addWidget(combo);
        layout->addWidget(new QLineEdit(&window));
        CloseOnEscape(&window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
        if (c.listOpen) {
            combo->showPopup();
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        }
        int escapes = 0;
        while (window.isVisible() && escapes < 3) {
            QTest::keyClick(KeyTarget(), Qt::Key_Escape);
            ++escapes;
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "after Esc " << escapes;
        }
        EXPECT_EQ(escapes, c.escapesToClose);
    }
}

} // namespace
