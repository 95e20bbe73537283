#pragma once
#include "TestServices.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWidget>

// A game window shown and active, with a small second window beside it to
// hand the focus to; what the window sent while opening is cleared.
template <class Window>
class ActiveWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        beforeOpening();
        window = new Window(t.services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        other.resize(50, 50);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        activate(window);
        t.recorded->messages.clear();
    }
    void TearDown() override { delete window; }

    // Settings a test wants the window to find when it opens.
    virtual void beforeOpening() {}

    static void activate(QWidget* w)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    TestServices t;
    QWidget other;
    QPointer<Window> window;
};
