#include "UtilityCatalog.h"

#include "TestServices.h"
#include "app/ProgramMenu.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWidget>

#include <set>

TEST(UtilityCatalog, EntriesAgreeWithTheMenuAndAreEachListedOnce)
{
    std::set<MenuEntry> seen;
    for (const UtilityEntry& utility : utilityCatalog()) {
        EXPECT_TRUE(seen.insert(utility.entry).second) << int(utility.entry);
        EXPECT_EQ(utility.caption, ProgramMenu::entryCaption(utility.entry)) << int(utility.entry);
        EXPECT_TRUE(bool(utility.create)) << int(utility.entry);
    }
    EXPECT_EQ(seen.size(), 16u);

    TestServices test;
    ProgramMenu menu(test.services, utilityCatalog());
    for (MenuEntry entry : ProgramMenu::entryOrder())
        EXPECT_EQ(menu.entryEnabled(entry), seen.count(entry) == 1) << int(entry);
}

TEST(UtilityCatalog, EveryWindowIsBuiltWithServicesAloneAndSaysWhenItGoes)
{
    TestServices test;
    for (const UtilityEntry& utility : utilityCatalog()) {
        int releases = 0;
        QPointer<QWidget> window = utility.create(test.services, nullptr, [&releases] { ++releases; });
        ASSERT_TRUE(window) << utility.caption.toStdString();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << utility.caption.toStdString();
        window->close();
        if (utility.entry == MenuEntry::TypingTutor) {
            // The tutor only hides; it is shown again as it was.
            EXPECT_EQ(releases, 0);
            EXPECT_FALSE(window->isVisible());
            delete window;
        } else {
            EXPECT_EQ(releases, 1) << utility.caption.toStdString();
            QTest::qWait(0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(window) << utility.caption.toStdString();
        }
    }
    EXPECT_TRUE(test.dialogs.asked.isEmpty());
}

TEST(UtilityCatalog, TypingTutorNeedsEightHundredBySixHundredUntilItsWindowExists)
{
    TestServices test;
    ProgramMenu menu(test.services, utilityCatalog());
    menu.screenSize = [] { return QSize(640, 480); };
    menu.openEntry(MenuEntry::TypingTutor);
    menu.openEntry(MenuEntry::TypingTutor);
    EXPECT_FALSE(menu.windowOpen(MenuEntry::TypingTutor));
    ASSERT_EQ(test.dialogs.asked.size(), 2);
    EXPECT_EQ(test.dialogs.asked[1].text,
              "This module requires a resolution of at least 800x600 - please modify your display "
              "settings in the control panel ");
    EXPECT_EQ(test.dialogs.asked[1].kind, platform::MessageKind::Warning);

    menu.screenSize = [] { return QSize(800, 600); };
    menu.openEntry(MenuEntry::TypingTutor);
    EXPECT_TRUE(menu.windowOpen(MenuEntry::TypingTutor));
    EXPECT_EQ(test.dialogs.asked.size(), 2);
}

TEST(UtilityCatalog, DuzaZidovaIsRestoredWhenChosenAgainAndOnlyVurozUzidOpensMaximisedOnTop)
{
    for (const UtilityEntry& utility : utilityCatalog()) {
        EXPECT_EQ(utility.restoreWhenShownAgain, utility.entry == MenuEntry::DuzaZidova) << int(utility.entry);
        EXPECT_EQ(utility.opening, utility.entry == MenuEntry::SkillStop ? UtilityEntry::Opening::MaximisedTopmost
                                                                          : UtilityEntry::Opening::Normal)
            << int(utility.entry);
    }
}

TEST(UtilityCatalog, VurozUzidOpensFromTheMenuMaximisedAndOnTop)
{
    TestServices test;
    ProgramMenu menu(test.services, utilityCatalog());
    menu.openEntry(MenuEntry::SkillStop);
    ASSERT_TRUE(menu.windowOpen(MenuEntry::SkillStop));
    QWidget* window = menu.window(MenuEntry::SkillStop);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowTitle(), "Vuroz Uzid Game");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu.windowOpen(MenuEntry::SkillStop));

    menu.openEntry(MenuEntry::Lottery);
    ASSERT_TRUE(menu.windowOpen(MenuEntry::Lottery));
    EXPECT_EQ(menu.window(MenuEntry::Lottery)->windowTitle(), "Rizodoz Oduviv");
    EXPECT_FALSE(menu.window(MenuEntry::Lottery)->windowFlags() & Qt::WindowStaysOnTopHint);
}
