#include "app/SplashWindow.h"

#include "app/Artwork.h"
#include "app/LazyPicture.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/Palette.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

QLabel* splashLine(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour,
                   const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    setPaletteColour(label, QPalette::WindowText, colour);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setWindowTitle(QStringLiteral("Orvik 2000"));
    setAccessibleName(QStringLiteral("Orvik 2000 splash"));
    setFixedSize(536, 154);
    setFocusPolicy(Qt::StrongFocus);

    closeTimer_ = new QTimer(this);
    closeTimer_->setObjectName(QStringLiteral("closeTimer"));
    closeTimer_->setInterval(7000);
    closeTimer_->setSingleShot(true);
    connect(closeTimer_, &QTimer::timeout, this, &SplashWindow::endSplash);

    buildLayout();
    closeTimer_->start();
}

void SplashWindow::buildLayout()
{
    background_ = new Panel(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setGeometry(rect());
    background_->setColour(colours::LightBlue);
    background_->setBevel(Panel::Bevel::Raised, 2);
    connect(background_, &Panel::pressed, this, &SplashWindow::endSplash);

    const QString present = QStringLiteral("Orvik Productions proudly present");
    // Drawn twice for a shadow: black behind, teal one pixel to the right.
    accessible::markDecoration(splashLine(background_, present, 19, true, Qt::black, QRect(0, 5, 536, 24)));
    splashLine(background_, present, 19, true, QColor(0, 128, 128), QRect(1, 4, 536, 24));

    auto* bevel = new QFrame(background_);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setGeometry(17, 30, 503, 85);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);

    logo_ = new LazyPicture(artwork::splashLogo, background_);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setGeometry(20, 33, 497, 79);
    logo_->setAccessibleName(QStringLiteral("Orvik 2000"));

    splashLine(background_, QStringLiteral("Millennium Edition v1.01"), 16, true, QColor(0, 0, 128),
               QRect(0, 116, 536, 20));
    splashLine(background_,
               QStringLiteral("Freeware from Orvik Productions. Share it with your friends - "
                              "click or press Enter to continue."),
               13, false, Qt::black, QRect(0, 135, 536, 16));

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::endSplash()
{
    if (ended_)
        return;
    ended_ = true;
    closeTimer_->stop();
    hide();
    emit ended();
}

void SplashWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (painted_)
        return;
    painted_ = true;
    // Whatever the splash does not show is built after this first paint has
    // reached the screen.
    QTimer::singleShot(0, this, &SplashWindow::firstShown);
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter ends the splash; other keys do nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        endSplash();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    endSplash();
}
