#include "app/LinksDialog.h"

#include "app/NoticeList.h"
#include "app/Panel.h"
#include "common/Colours.h"
#include "common/Palette.h"
#include "platform/WebAddress.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace {

const char* const kAddressProperty = "webAddress";
const QSize kLogoSize(64, 64);

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QUrl address(const char* text) { return QUrl(QString::fromLatin1(text)); }

// A logo of our own making for each project (its initials on a glossy
// tile), so the pages carry no one's artwork but ours.
QPixmap drawLogo(const QString& letters, const QColor& colour)
{
    QPixmap picture(kLogoSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(QPointF(0, 0), QSizeF(kLogoSize)).adjusted(3, 3, -3, -3);
    QLinearGradient gloss(tile.topLeft(), tile.bottomLeft());
    gloss.setColorAt(0.0, colour.lighter(150));
    gloss.setColorAt(0.5, colour);
    gloss.setColorAt(1.0, colour.darker(160));
    painter.setPen(QPen(colour.darker(220), 1.5));
    painter.setBrush(gloss);
    painter.drawRoundedRect(tile, 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRoundedRect(tile.adjusted(4, 3, -4, -tile.height() / 2), 7, 7);
    QFont font = pixelFont(QStringLiteral("Arial"), letters.size() > 2 ? 17 : 26, true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(tile.translated(1.5, 1.5), Qt::AlignCenter, letters);
    painter.setPen(Qt::white);
    painter.drawText(tile, Qt::AlignCenter, letters);
    return picture;
}

} // namespace

const QList<LinksDialog::Page>& LinksDialog::pages()
{
    static const QList<Page> all{
        {QStringLiteral("&Introduction"),
         {{QStringLiteral("Orvik 2000 for Linux"),
           {QStringLiteral("Orvik 2000 gathers sixteen small utilities and games behind one menu,"),
            QStringLiteral("opened from the hand icon in the system tray of your desktop."),
            QStringLiteral("This edition for Linux is written in C++ and built with the Qt toolkit."),
            QStringLiteral("It has no home page of its own: the addresses below lead to the Qt"),
            QStringLiteral("documentation and to the C++ language the program is written in."),
            QStringLiteral("The other pages introduce the free software it is built with.")},
           {address("https://doc.qt.io/"), address("https://isocpp.org/")},
           QStringLiteral("O2"),
           QColor(0, 128, 0)}},
         QStringLiteral("Thank you for using Orvik 2000 - give copies to all your friends!")},
        {QStringLiteral("&Books && Music"),
         {{QStringLiteral("FluidSynth"),
           {QStringLiteral("FluidSynth is the free software synthesizer that plays the sound"),
            QStringLiteral("effects of Orvik 2000: it turns the program's General MIDI notes"),
            QStringLiteral("into sound on any desktop, with no MIDI hardware needed.")},
           {address("https://www.fluidsynth.org/")},
           QStringLiteral("FS"),
           QColor(150, 40, 40)},
          {QStringLiteral("TimGM6mb SoundFont"),
           {QStringLiteral("TimGM6mb is a small General MIDI SoundFont, packaged for Debian."),
            QStringLiteral("It gives FluidSynth its instruments: the piano, harp, drums and the"),
            QStringLiteral("others you hear while you use the utilities and play the games.")},
           {address("https://packages.debian.org/bookworm/timgm6mb-soundfont")},
           QStringLiteral("GM"),
           QColor(110, 50, 150)}},
         {}},
        {QStringLiteral("PC &Hardware && Software"),
         {{QStringLiteral("Qt"),
           {QStringLiteral("Qt is the cross-platform toolkit every Orvik 2000 window is built"),
            QStringLiteral("with: the buttons, lists, menus, pictures, printing and the tray icon."),
            QStringLiteral("Its open-source edition is free software under the GNU LGPL and GPL.")},
           {address("https://www.qt.io/"), address("https://wiki.qt.io/")},
           QStringLiteral("Qt"),
           QColor(40, 160, 70)},
          {QStringLiteral("Debian"),
           {QStringLiteral("Debian is the free operating system whose packages provide all that"),
            QStringLiteral("this program needs to build and run: Qt, FluidSynth, the SoundFont,"),
            QStringLiteral("the fonts and libjpeg-turbo.")},
           {address("https://www.debian.org/"), address("https://packages.debian.org/")},
           QStringLiteral("D"),
           QColor(200, 10, 80)}},
         {}},
        {QStringLiteral("&Trivia && Movies"),
         {{QStringLiteral("Liberation Fonts"),
           {QStringLiteral("The Liberation fonts are free typefaces with the same letter widths"),
            QStringLiteral("as Times New Roman, Arial and Courier New, so the captions, tables"),
            QStringLiteral("and certificates of Orvik 2000 keep the layout they were made with.")},
           {address("https://github.com/liberationfonts/liberation-fonts")},
           QStringLiteral("Aa"),
           QColor(40, 80, 160)},
          {QStringLiteral("Fontconfig"),
           {QStringLiteral("Fontconfig finds the fonts installed on your desktop and puts the"),
            QStringLiteral("Liberation faces in wherever the program asks for the classic names.")},
           {address("https://www.freedesktop.org/wiki/Software/fontconfig/")},
           QStringLiteral("fc"),
           QColor(90, 90, 90)}},
         {}},
        {QStringLiteral("&Sports && Health"),
         {{QStringLiteral("libjpeg-turbo"),
           {QStringLiteral("libjpeg-turbo is the fast, free JPEG codec that writes the pictures"),
            QStringLiteral("made by the Gradient Wallpaper utility, ready for your desktop.")},
           {address("https://libjpeg-turbo.org/")},
           QStringLiteral("JPG"),
           QColor(200, 110, 20)}},
         {}},
        {QStringLiteral("&Photo Dating"),
         {{QStringLiteral("ImageMagick"),
           {QStringLiteral("ImageMagick is a free suite for reading, converting and editing"),
            QStringLiteral("pictures in a great many formats. The tests of Orvik 2000 use it as"),
            QStringLiteral("an independent reader of the pictures the program saves.")},
           {address("https://imagemagick.org/")},
           QStringLiteral("IM"),
           QColor(120, 20, 120)},
          {QStringLiteral("GIMP"),
           {QStringLiteral("GIMP, the GNU Image Manipulation Program, is a free image editor."),
            QStringLiteral("It opens the BMP pictures you save from Duza Zidova for retouching.")},
           {address("https://www.gimp.org/")},
           QStringLiteral("GIMP"),
           QColor(110, 95, 70)}},
         {}},
        {QStringLiteral("&Misc."),
         {{QStringLiteral("GoogleTest"),
           {QStringLiteral("GoogleTest is the C++ testing framework that checks Orvik 2000 on"),
            QStringLiteral("every build: the rules of each utility, and its windows driven by"),
            QStringLiteral("simulated mouse clicks and key presses.")},
           {address("https://github.com/google/googletest")},
           QStringLiteral("GT"),
           QColor(30, 110, 200)},
          {QStringLiteral("CMake"),
           {QStringLiteral("CMake configures and builds the program and its tests.")},
           {address("https://cmake.org/")},
           QStringLiteral("CM"),
           QColor(20, 70, 140)}},
         {}},
        {QStringLiteral("Mo&re"),
         {{QStringLiteral("Free Software Foundation"),
           {QStringLiteral("The Free Software Foundation speaks up for the freedom to run, study,"),
            QStringLiteral("share and improve software, and looks after the GNU project, whose"),
            QStringLiteral("C and C++ libraries this program runs on.")},
           {address("https://www.fsf.org/"), address("https://www.gnu.org/")},
           QStringLiteral("FSF"),
           QColor(160, 20, 20)}},
         QStringLiteral("Free software: the freedom to run, study, share and improve it.")},
    };
    return all;
}

LinksDialog::LinksDialog(platform::WebAddress& webAddress, QWidget* parent)
    : QDialog(parent), webAddress_(webAddress)
{
    setObjectName(QStringLiteral("LinksDialog"));
    setWindowTitle(QStringLiteral("Support FREE Software!  "));
    setModal(true);
    setFixedSize(628, 443);
    setAutoFillBackground(true);
    setWindowColour(this, colours::MenuGrey);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setGeometry(6, 6, 616, 431);
    // All eight captions in one row, none hidden behind scroll arrows.
    tabs_->tabBar()->setFont(pixelFont(QStringLiteral("Arial"), 11, false));
    tabs_->tabBar()->setUsesScrollButtons(false);
    tabs_->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    for (const Page& page : pages())
        tabs_->addTab(buildPage(page), page.caption);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QWidget* LinksDialog::buildPage(const Page& page)
{
    auto* sheet = new QWidget;
    sheet->setAutoFillBackground(true);
    setPaletteColour(sheet, QPalette::Window, colours::MenuGrey);
    // Each page keeps the focus out of its lists with a sink of its own.
    QWidget* focusSink = NoticeList::makeFocusSink(sheet);

    int top = 0;
    for (const Entry& entry : page.entries) {
        buildEntry(sheet, focusSink, entry, top);
        top += 156;
    }
    if (!page.banner.isEmpty()) {
        auto* banner = new Panel(sheet);
        banner->setObjectName(QStringLiteral("banner"));
        banner->setGeometry(12, 362, 588, 26);
        banner->setColour(colours::MenuGrey);
        banner->setBevel(Panel::Bevel::Lowered, 1);
        banner->setFont(pixelFont(QStringLiteral("Times New Roman"), 15, true));
        setPaletteColour(banner, QPalette::WindowText, QColor(0, 0, 128));
        banner->setCaption(page.banner);
    }
    return sheet;
}

void LinksDialog::buildEntry(QWidget* page, QWidget* focusSink, const Entry& entry, int top)
{
    const QUrl mainAddress = entry.addresses.value(0);

    auto* logoPanel = new Panel(page);
    logoPanel->setObjectName(QStringLiteral("logo"));
    logoPanel->setGeometry(12, top + 12, kLogoSize.width() + 4, kLogoSize.height() + 4);
    logoPanel->setColour(colours::MenuGrey);
    logoPanel->setBevel(Panel::Bevel::Lowered, 1);
    logoPanel->setCursor(Qt::PointingHandCursor);
    logoPanel->setAccessibleName(entry.title);
    logoPanel->setToolTip(mainAddress.toString());
    logoPanel->setProperty(kAddressProperty, mainAddress);
    auto* logo = new QLabel(logoPanel);
    logo->setGeometry(2, 2, kLogoSize.width(), kLogoSize.height());
    logo->setPixmap(drawLogo(entry.logoLetters, entry.logoColour));
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(logoPanel, &Panel::clicked, this, [this, mainAddress] { openAddress(mainAddress); });

    auto* title = new QLabel(entry.title, page);
    title->setObjectName(QStringLiteral("title"));
    title->setGeometry(92, top + 8, 500, 22);
    title->setFont(pixelFont(QStringLiteral("Times New Roman"), 17, true));
    setPaletteColour(title, QPalette::WindowText, QColor(0, 0, 128));
    title->setCursor(Qt::PointingHandCursor);
    title->setToolTip(mainAddress.toString());
    title->setProperty(kAddressProperty, mainAddress);
    title->installEventFilter(this);

    auto* description = new NoticeList(entry.description, focusSink, page);
    description->setObjectName(QStringLiteral("description"));
    description->setGeometry(92, top + 32, 500, 84);
    description->setFont(pixelFont(QStringLiteral("Arial"), 12, false));
    description->setAccessibleName(entry.title);

    int left = 92;
    for (const QUrl& url : entry.addresses) {
        auto* button = new QPushButton(url.toString(), page);
        button->setObjectName(QStringLiteral("addressButton"));
        button->setFlat(true);
        button->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
        setPaletteColour(button, QPalette::ButtonText, QColor(0, 0, 160));
        button->setCursor(Qt::PointingHandCursor);
        button->setProperty(kAddressProperty, url);
        const int width = button->fontMetrics().horizontalAdvance(button->text()) + 20;
        button->setGeometry(left, top + 122, width, 24);
        left += width + 12;
        connect(button, &QPushButton::clicked, this, [this, url] { openAddress(url); });
    }
}

bool LinksDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The titles are plain labels; a left click that ends on one opens its
    // entry's address, like a click on the logo.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            openAddress(label->property(kAddressProperty).toUrl());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LinksDialog::openAddress(const QUrl& address) { webAddress_.open(address); }
