#include "calc/FontListBox.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Serif = QStringLiteral("Liberation Serif");
const QString Mono = QStringLiteral("Liberation Mono");

// An item as the list should draw it: cleared, the name from the top left
// corner in the given face at 24 points.
QImage itemAsDrawn(QSize size, const QString& name, const QString& face, const QPalette& palette)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.color(QPalette::Base));
    QPainter painter(&image);
    painter.setFont(QFont(face, 24));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(0, painter.fontMetrics().ascent(), name);
    return image;
}

} // namespace

TEST(FontListBox, InstalledFamiliesAreSortedAndEachListedOnce)
{
    const QStringList families = FontListBox::installedFamilies();
    ASSERT_FALSE(families.isEmpty());
    EXPECT_TRUE(families.contains(Serif));
    EXPECT_TRUE(families.contains(Mono));
    for (qsizetype i = 1; i < families.size(); ++i)
        EXPECT_LT(QString::compare(families[i - 1], families[i], Qt::CaseInsensitive), 0)
            << families[i - 1].toStdString() << " / " << families[i].toStdString();
    for (const QString& family : families) {
        EXPECT_FALSE(family.contains(QLatin1Char('['))) << family.toStdString();
        EXPECT_FALSE(QFontDatabase::isPrivateFamily(family)) << family.toStdString();
    }
}

TEST(FontListBox, EveryNameIsDrawnInItsOwnFaceInA44PixelItem)
{
    FontListBox box;
    box.setFamilies({Serif, Mono});
    box.resize(400, 50);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.count(), 2);
    EXPECT_EQ(box.currentFamily(), Serif);
    EXPECT_EQ(box.maxVisibleItems(), 10);

    box.showPopup();
    QAbstractItemView* view = box.view();
    const QRect item = view->visualRect(view->model()->index(1, 0));
    EXPECT_EQ(item.height(), 44);
    // The second item, not highlighted: its name in Liberation Mono, not in
    // the face of the first.
    view->setCurrentIndex(view->model()->index(0, 0));
    const QImage shown = view->viewport()->grab(item).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QPalette palette = view->palette();
    EXPECT_EQ(shown, itemAsDrawn(item.size(), Mono, Mono, palette));
    EXPECT_NE(shown, itemAsDrawn(item.size(), Mono, Serif, palette));
    box.hidePopup();
}
