#include "desktop/MagnifierWindow.h"

#include "app/Panel.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "desktop/MagnifierArea.h"
#include "desktop/MagnifierView.h"
#include "platform/ScreenGrabber.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

using desktop::MagnifierView;

namespace {

// 223 wide as designed, but never below the minimum: 320 x 230.
constexpr QSize StartSize(320, 230);
constexpr int ListWidth = 49;
constexpr int StartIndex = 4; // 50 pixels each way
constexpr int XItems = 32;    // 10 .. 320
constexpr int YItems = 20;    // 10 .. 200

QComboBox* sizeList(QWidget* parent, const QString& name, const QString& accessibleName, int items, int x)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    for (int i = 1; i <= items; ++i)
        list->addItem(QString::number(i * 10));
    list->setCurrentIndex(StartIndex);
    list->setGeometry(x, 4, ListWidth, 22);
    return list;
}

} // namespace

MagnifierWindow::MagnifierWindow(const UtilityServices&, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Magnifier"));
    setWindowTitle(Caption);
    setWindowColour(this, Qt::black);
    setAutoFillBackground(true);
    setMinimumSize(MinimumSize);
    resize(StartSize);

    view_ = new MagnifierView(this);
    view_->setObjectName(QStringLiteral("view"));
    view_->setAccessibleName(QStringLiteral("Magnified view"));
    buildControlBar();

    // Runs only while the window shows: hidden, there is nothing to copy into.
    copyTimer_ = new QTimer(this);
    copyTimer_->setObjectName(QStringLiteral("copyTimer"));
    copyTimer_->setInterval(CopyIntervalMs);
    connect(copyTimer_, &QTimer::timeout, this, &MagnifierWindow::copyScreen);

    const QString help = buildHelpText(
        Caption,
        {
            {QStringLiteral("This utility allows you to enlarge any part of the screen.  "), true},
            {QStringLiteral("To use, simply move the cursor over the area you wish to enlarge.  "), true},
            {QStringLiteral("You may enlarge/reduce the magnification by resizing the window.  ")},
            {QStringLiteral("Also, you can change the size of the area being magnified by ")},
            {QStringLiteral("changing the X/Y values.  ")},
        });
    helpPanel_->setToolTip(help);
    helpPanel_->setAccessibleDescription(help);
}

void MagnifierWindow::buildControlBar()
{
    auto* bar = new Panel(this);
    bar->setObjectName(QStringLiteral("controlBar"));
    bar->setColour(colours::MenuGrey);
    bar->setBevel(Panel::Bevel::Raised, 1);
    controlBar_ = bar;

    helpPanel_ = makeHelpPanel(bar, QPoint(4, 5));

    auto* xLabel = new QLabel(QStringLiteral("X:"), bar);
    xLabel->setObjectName(QStringLiteral("xLabel"));
    xLabel->setGeometry(32, 4, 14, 22);
    xList_ = sizeList(bar, QStringLiteral("xList"), QStringLiteral("X"), XItems, 48);
    xLabel->setBuddy(xList_);

    auto* yLabel = new QLabel(QStringLiteral("Y:"), bar);
    yLabel->setObjectName(QStringLiteral("yLabel"));
    yLabel->setGeometry(106, 4, 14, 22);
    yList_ = sizeList(bar, QStringLiteral("yList"), QStringLiteral("Y"), YItems, 122);
    yLabel->setBuddy(yList_);
}

QSize MagnifierWindow::areaSize() const
{
    return desktop::magnifiedSize(xList_->currentIndex(), yList_->currentIndex());
}

void MagnifierWindow::copyScreen()
{
    platform::ScreenGrabber& grabber = platform::ScreenGrabber::instance();
    const QPoint pointer = grabber.pointer();
    const QRect screen = grabber.screenAt(pointer);
    if (screen.isEmpty())
        return;
    lastArea_ = desktop::magnifiedArea(pointer - screen.topLeft(), areaSize(), screen.size());
    const QPixmap copy = grabber.copy(screen, lastArea_);
    if (!copy.isNull())
        view_->showCopy(copy);
}

void MagnifierWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    view_->setGeometry(0, 0, width(), height() - BarHeight);
    controlBar_->setGeometry(0, height() - BarHeight, width(), BarHeight);
}

void MagnifierWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    copyTimer_->start();
    if (centred_)
        return;
    centred_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void MagnifierWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    copyTimer_->stop();
}

void MagnifierWindow::closeEvent(QCloseEvent* event)
{
    release();
    event->accept();
}

void MagnifierWindow::release()
{
    if (released_)
        return;
    released_ = true;
    copyTimer_->stop();
    emit released();
    hide();
    deleteLater();
}
