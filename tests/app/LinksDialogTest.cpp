#include "app/LinksDialog.h"
#include "app/NoticeList.h"
#include "app/Panel.h"
#include "platform/WebAddress.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

namespace {

// One entry of a page as the window shows it, found by where it sits: the
// address buttons belong to the logo they stand beside.
struct ShownEntry {
    Panel* logo;
    QLabel* title;
    NoticeList* description;
    QList<QPushButton*> buttons;
};

QList<ShownEntry> entriesOn(QWidget* page)
{
    QList<ShownEntry> entries;
    const auto titles = page->findChildren<QLabel*>("title", Qt::FindDirectChildrenOnly);
    const auto descriptions = page->findChildren<NoticeList*>("description", Qt::FindDirectChildrenOnly);
    const auto buttons = page->findChildren<QPushButton*>("addressButton", Qt::FindDirectChildrenOnly);
    for (Panel* logo : page->findChildren<Panel*>("logo", Qt::FindDirectChildrenOnly)) {
        const auto beside = [&](QWidget* w) { return w->y() >= logo->y() - 12 && w->y() < logo->y() + 140; };
        ShownEntry entry{logo, nullptr, nullptr, {}};
        for (QLabel* t : titles)
            if (beside(t))
                entry.title = t;
        for (NoticeList* d : descriptions)
            if (beside(d))
                entry.description = d;
        for (QPushButton* b : buttons)
            if (beside(b))
                entry.buttons.append(b);
        std::sort(entry.buttons.begin(), entry.buttons.end(),
                  [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
        entries.append(entry);
    }
    return entries;
}

class LinksDialogTest : public ::testing::Test {
protected:
    void showActive()
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void showPage(int index)
    {
        dialog.tabs()->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }

    platform::RecordingWebAddress web;
    LinksDialog dialog{web};
};

TEST_F(LinksDialogTest, IsAFixedModalDialogWithEightPagesInOrder)
{
    EXPECT_EQ(dialog.windowTitle(), "Support FREE Software!  ");
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.size(), QSize(628, 443));
    EXPECT_EQ(dialog.minimumSize(), QSize(628, 443));
    EXPECT_EQ(dialog.maximumSize(), QSize(628, 443));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(182, 182, 170));
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_LE((dialog.geometry().center() - screen->availableGeometry().center()).manhattanLength(), 2);

    const QStringList captions{"&Introduction",     "&Books && Music",    "PC &Hardware && Software",
                               "&Trivia && Movies", "&Sports && Health", "&Photo Dating",
                               "&Misc.",            "Mo&re"};
    QTabWidget* tabs = dialog.tabs();
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]) << "page " << i + 1;
    EXPECT_TRUE(dialog.rect().contains(tabs->geometry()));

    // Every caption can be seen and clicked at once.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << qPrintable(tabs->tabText(i)) << " " << bar->tabRect(i).x() << "+" << bar->tabRect(i).width() << " in " << bar->width();
    EXPECT_LE(bar->geometry().right(), tabs->width());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(6).center());
    EXPECT_EQ(tabs->currentIndex(), 6);
}

TEST_F(LinksDialogTest, EveryEntryHasALogoTitleDescriptionAndOneOrTwoWellFormedAddresses)
{
    showActive();
    QTabWidget* tabs = dialog.tabs();
    for (int p = 0; p < tabs->count(); ++p) {
        showPage(p);
        QWidget* page = tabs->widget(p);
        const QList<ShownEntry> entries = entriesOn(page);
        ASSERT_FALSE(entries.isEmpty()) << "page " << p + 1;
        for (const ShownEntry& entry : entries) {
            ASSERT_NE(entry.title, nullptr) << "page " << p + 1;
            ASSERT_NE(entry.description, nullptr) << qPrintable(entry.title->text());
            EXPECT_FALSE(entry.title->text().isEmpty());
            EXPECT_GT(entry.description->count(), 0);
            EXPECT_FALSE(entry.logo->findChild<QLabel*>()->pixmap().isNull());
            ASSERT_GE(entry.buttons.size(), 1) << qPrintable(entry.title->text());
            EXPECT_LE(entry.buttons.size(), 2) << qPrintable(entry.title->text());
            for (QWidget* part : {static_cast<QWidget*>(entry.logo), static_cast<QWidget*>(entry.title),
                                  static_cast<QWidget*>(entry.description)})
                EXPECT_TRUE(page->rect().contains(part->geometry())) << qPrintable(entry.title->text());
            for (QPushButton* button : entry.buttons) {
                const QUrl url(button->text(), QUrl::StrictMode);
                EXPECT_TRUE(url.isValid()) << qPrintable(button->text());
                EXPECT_TRUE(url.scheme() == "https" || url.scheme() == "http") << qPrintable(button->text());
                EXPECT_FALSE(url.host().isEmpty()) << qPrintable(button->text());
                EXPECT_TRUE(button->isFlat());
                EXPECT_TRUE(page->rect().contains(button->geometry())) << qPrintable(button->text());
                EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()))
                    << "caption cut short: " << qPrintable(button->text());
            }
            // Every description line fits its list without sideways scrolling.
            for (const QString& line : entry.description->lines())
                EXPECT_LE(entry.description->fontMetrics().horizontalAdvance(line),
                          entry.description->viewport()->width())
                    << qPrintable(line);
            EXPECT_LE(entry.description->count() * entry.description->sizeHintForRow(0),
                      entry.description->viewport()->height())
                << qPrintable(entry.title->text());
        }
    }
    EXPECT_TRUE(web.opened.isEmpty()) << "nothing opens by itself";
}

TEST_F(LinksDialogTest, ClickOnAnAddressButtonOpensExactlyThatAddress)
{
    showActive();
    QTabWidget* tabs = dialog.tabs();
    int clicks = 0;
    for (int p = 0; p < tabs->count(); ++p) {
        showPage(p);
        for (const ShownEntry& entry : entriesOn(tabs->widget(p)))
            for (QPushButton* button : entry.buttons) {
                QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
                ++clicks;
                ASSERT_EQ(web.opened.size(), clicks) << qPrintable(button->text());
                EXPECT_EQ(web.opened.last(), QUrl(button->text()));
                EXPECT_EQ(web.opened.last().toString(), button->text());
            }
    }
    EXPECT_GE(clicks, tabs->count());
}

TEST_F(LinksDialogTest, ClickOnALogoOrTitleOpensTheEntrysFirstAddress)
{
    showActive();
    QTabWidget* tabs = dialog.tabs();
    for (int p = 0; p < tabs->count(); ++p) {
        showPage(p);
        for (const ShownEntry& entry : entriesOn(tabs->widget(p))) {
            const QUrl first(entry.buttons.value(0)->text());
            web.opened.clear();
            // On the picture inside the logo panel, and on the title's words.
            QTest::mouseClick(entry.logo, Qt::LeftButton, {}, entry.logo->rect().center());
            QTest::mouseClick(entry.title, Qt::LeftButton, {}, QPoint(5, entry.title->height() / 2));
            QTest::mouseClick(entry.title, Qt::RightButton, {}, QPoint(5, entry.title->height() / 2));
            EXPECT_EQ(web.opened, (QList<QUrl>{first, first})) << qPrintable(entry.title->text());
        }
    }
}

TEST_F(LinksDialogTest, DescriptionListsShowNoSelectionAfterAClick)
{
    showActive();
    QTabWidget* tabs = dialog.tabs();
    for (int p = 0; p < tabs->count(); ++p) {
        showPage(p);
        for (const ShownEntry& entry : entriesOn(tabs->widget(p))) {
            NoticeList* list = entry.description;
            const QRect line = list->visualItemRect(list->item(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            EXPECT_TRUE(list->selectedItems().isEmpty()) << qPrintable(entry.title->text());
            EXPECT_FALSE(list->hasFocus()) << qPrintable(entry.title->text());
            ASSERT_NE(list->focusSink(), nullptr);
            EXPECT_TRUE(list->focusSink()->hasFocus());
            EXPECT_EQ(list->focusSink()->parentWidget(), tabs->widget(p)) << "the page's own sink";
        }
    }
    EXPECT_TRUE(web.opened.isEmpty());
}

} // namespace
