#include "Dialogs.h"
#include "ErrorHandler.h"
#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(ErrorHandler, GuardedSlotShowsTheMessageAndTheWindowGoesOn) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    QPushButton btn;
    int clicks = 0;
    QObject::connect(&btn, &QPushButton::clicked, &btn, Guard([&] {
        ++clicks;
        if (clicks == 1)
            throw std::runtime_error("Annual day not found");
    }));
    btn.click();
    btn.click();
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(d.Messages.size(), 1);
    EXPECT_EQ(d.Messages[0].Text, "Annual day not found");
    EXPECT_EQ(d.Messages[0].Type, mtError);
    EXPECT_EQ(d.Messages[0].Buttons, mbOK);
}

TEST(ErrorHandler, GuardPassesTheSignalArguments) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    QPushButton btn;
    btn.setCheckable(true);
    bool seen = false;
    QObject::connect(&btn, &QPushButton::toggled, &btn, Guard([&](bool on) { seen = on; }));
    btn.toggle();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(d.Messages.isEmpty());
}

TEST(ErrorHandler, UnknownExceptionStillGivesAMessage) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    RunGuarded([] { throw 42; });
    ASSERT_EQ(d.Messages.size(), 1);
    EXPECT_FALSE(d.Messages[0].Text.isEmpty());
}

namespace {
class Thrower : public QObject {
public:
    int events = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++events;
            throw std::runtime_error("Failed to get data for 'size'");
        }
        return QObject::event(e);
    }
};
} // namespace

TEST(ErrorHandler, ApplicationObjectCatchesWhatLeavesAnEventHandler) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    // The tests run under TApplication (test_main.cpp).
    Thrower t;
    QEvent ev(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&t, &ev));
    EXPECT_EQ(t.events, 1);
    ASSERT_EQ(d.Messages.size(), 1);
    EXPECT_EQ(d.Messages[0].Text, "Failed to get data for 'size'");
}

TEST(ErrorHandler, ScopeGuardRunsTheFinalStepAfterAnError) {
    TScriptedDialogs d;
    TScriptedDialogs::Scope scope(d);
    bool closed = false;
    RunGuarded([&] {
        TScopeGuard finally([&] { closed = true; });
        throw std::runtime_error("boom");
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.Messages.size(), 1);

    bool ran = false;
    {
        TScopeGuard g([&] { ran = true; });
        g.Dismiss();
    }
    EXPECT_FALSE(ran);
}
