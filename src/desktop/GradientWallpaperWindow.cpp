#include "desktop/GradientWallpaperWindow.h"

#include "app/Panel.h"
#include "app/PictureStore.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/Palette.h"
#include "desktop/GradientStripView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

using Direction = GradientWallpaper::Direction;
using SizeMode = GradientWallpaper::SizeMode;

namespace {

constexpr QSize ClientSize(629, 438);
constexpr int BorderThickness = 21;
constexpr QRect BackPanelArea(BorderThickness, 47, 587, 370);
const QColor Teal(0, 128, 128);

const char* const ChannelNames[3] = {"Red", "Green", "Blue"};
const QColor ChannelColours[3] = {QColor(192, 0, 0), QColor(0, 128, 0), QColor(0, 0, 192)};

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

Panel* panel(QWidget* parent, const QString& name, const QRect& area, Panel::Bevel bevel = Panel::Bevel::Raised)
{
    auto* p = new Panel(parent);
    p->setObjectName(name);
    p->setGeometry(area);
    p->setColour(colours::MenuGrey);
    p->setBevel(bevel, 1);
    return p;
}

QLabel* title(QWidget* parent, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setFont(boldFont(12));
    label->move(at);
    label->adjustSize();
    return label;
}

QString describe(gradient::Rgb colour)
{
    return QStringLiteral("red %1, green %2, blue %3").arg(colour.red).arg(colour.green).arg(colour.blue);
}

} // namespace

GradientWallpaperWindow::GradientWallpaperWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize), gradient_(services.colourDepth)
{
    setObjectName(QStringLiteral("GradientWallpaperWindow"));
    setWindowTitle(gradienttexts::Caption);
    setWindowColour(this, Teal);
    lampLit_ = services.pictures.picture(QStringLiteral("BackLight"));

    buildBorders();
    backPanel_ = panel(this, QStringLiteral("backPanel"), BackPanelArea);
    buildColourPanel(End::First, 4);
    buildColourPanel(End::Second, 110);
    buildOptions();
    buildPreview();
    buildToolBar();
    buildFilePanel();
    watchPointerForFilePanel();

    helpPanel()->raise();
    closePanel()->raise();
    setHelpText(gradienttexts::helpText());

    for (End end : {End::First, End::Second})
        showColour(end);
    showOptions();
    showGradient();
}

// ---------------------------------------------------------------- building

void GradientWallpaperWindow::buildBorders()
{
    const auto border = [this](const char* name, const QRect& area) {
        auto* view = new GradientStripView(this);
        view->setObjectName(QString::fromLatin1(name));
        view->setGeometry(area);
        return view;
    };
    const int w = ClientSize.width();
    const int h = ClientSize.height();
    leftBorder_ = border("leftBorder", QRect(0, 0, BorderThickness, h));
    rightBorder_ = border("rightBorder", QRect(w - BorderThickness, 0, BorderThickness, h));
    topBorder_ = border("topBorder", QRect(BorderThickness, 0, w - 2 * BorderThickness, BorderThickness));
    bottomBorder_ =
        border("bottomBorder", QRect(BorderThickness, h - BorderThickness, w - 2 * BorderThickness, BorderThickness));
}

void GradientWallpaperWindow::buildToolBar()
{
    toolBar_ = panel(this, QStringLiteral("toolBar"), QRect(BorderThickness, BorderThickness, BackPanelArea.width(), 26));
    fileButton_ = new QPushButton(QStringLiteral("File"), toolBar_);
    fileButton_->setObjectName(QStringLiteral("fileButton"));
    fileButton_->setGeometry(2, 2, 60, 22);
    fileButton_->setFlat(true);
    // Pointing at File opens its panel; a click (or the keyboard) does too.
    connect(fileButton_, &QPushButton::clicked, this, &GradientWallpaperWindow::showFilePanel);
}

void GradientWallpaperWindow::buildFilePanel()
{
    struct Command {
        const char* name;
        const char* caption;
        void (GradientWallpaperWindow::*run)();
    };
    const Command commands[] = {
        {"saveBmpButton", "Save File (.BMP format)", &GradientWallpaperWindow::saveAsBitmap},
        {"saveJpegButton", "Save File (JPEG format)", &GradientWallpaperWindow::saveAsJpeg},
        {"setWallpaperButton", "Set as Wallpaper", &GradientWallpaperWindow::setAsWallpaper},
        {"closeButton", "Close", &GradientWallpaperWindow::closeFromMenu},
    };
    constexpr int RowHeight = 24;
    // Right below the File button, so the pointer passes straight onto it.
    filePanel_ = panel(this, QStringLiteral("filePanel"),
                       QRect(BorderThickness + 2, BorderThickness + 24, 220, 4 * RowHeight + 6));
    int y = 3;
    for (const Command& command : commands) {
        auto* button = new QPushButton(QString::fromLatin1(command.caption), filePanel_);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(3, y, filePanel_->width() - 6, RowHeight);
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 6px;"));
        connect(button, &QPushButton::clicked, this, [this, run = command.run] {
            hideFilePanel();
            (this->*run)();
        });
        y += RowHeight;
    }
    filePanel_->hide();
}

void GradientWallpaperWindow::buildColourPanel(End end, int y)
{
    const QString endName = end == End::First ? QStringLiteral("first") : QStringLiteral("second");
    const QString endTitle = end == End::First ? QStringLiteral("First Color") : QStringLiteral("Second Color");
    const gradient::Rgb initial = end == End::First ? gradient_.firstColour() : gradient_.secondColour();
    const int initialValues[3] = {initial.red, initial.green, initial.blue};

    ColourControls& c = colours_[size_t(end)];
    c.panel = panel(backPanel_, endName + QStringLiteral("ColourPanel"), QRect(6, y, 575, 104));
    title(c.panel, endTitle, QPoint(8, 2));
    for (int channel = Red; channel < ChannelCount; ++channel) {
        const int rowY = 20 + channel * 22;
        const QString channelName = QString::fromLatin1(ChannelNames[channel]);

        Panel* label = panel(c.panel, endName + channelName + QStringLiteral("Title"), QRect(8, rowY, 60, 20));
        label->setColour(ChannelColours[channel]);
        label->setFont(boldFont(12));
        setPaletteColour(label, QPalette::WindowText, Qt::white);
        label->setCaption(channelName);

        auto* slider = new QSlider(Qt::Horizontal, c.panel);
        slider->setObjectName(endName + channelName + QStringLiteral("Slider"));
        slider->setGeometry(74, rowY, 430, 20);
        slider->setRange(0, 255);
        slider->setPageStep(16);
        slider->setValue(initialValues[channel]);
        slider->setAccessibleName(endTitle + QLatin1Char(' ') + channelName);
        connect(slider, &QSlider::valueChanged, this, [this, end] { takeColour(end); });
        c.sliders[size_t(channel)] = slider;

        Panel* value = panel(c.panel, endName + channelName + QStringLiteral("Value"), QRect(510, rowY, 56, 20),
                             Panel::Bevel::Lowered);
        value->setColour(Qt::white);
        value->setFont(boldFont(12));
        c.values[size_t(channel)] = value;
    }
    c.example = panel(c.panel, endName + QStringLiteral("Example"), QRect(8, 86, 558, 14), Panel::Bevel::Lowered);
}

void GradientWallpaperWindow::buildOptions()
{
    optionsPanel_ = panel(backPanel_, QStringLiteral("optionsPanel"), QRect(6, 218, 262, 148));
    title(optionsPanel_, QStringLiteral("Options"), QPoint(8, 2));
    struct OptionText {
        const char* name;
        const char* caption;
    };
    const OptionText texts[OptionCount] = {
        {"horizontal", "Horizontal"}, {"vertical", "Vertical"}, {"middle", "Lines meet in middle"},
        {"autoSize", "Auto Size"},    {"manualSize", "Manual Size"},
    };
    for (int i = 0; i < OptionCount; ++i) {
        const int y = 22 + i * 24;
        Option& option = options_[size_t(i)];
        option.lamp = new QLabel(optionsPanel_);
        option.lamp->setObjectName(QString::fromLatin1(texts[i].name) + QStringLiteral("Lamp"));
        option.lamp->setGeometry(10, y + 4, 12, 12);
        option.lamp->setScaledContents(true);
        option.lamp->setAutoFillBackground(true);
        setPaletteColour(option.lamp, QPalette::Window, Qt::black);

        option.button = new QPushButton(QString::fromLatin1(texts[i].caption), optionsPanel_);
        option.button->setObjectName(QString::fromLatin1(texts[i].name) + QStringLiteral("Button"));
        option.button->setGeometry(26, y, 150, 20);
        option.button->setFlat(true);
        option.button->setCheckable(true);
        option.button->setFont(boldFont(12));
        option.button->setStyleSheet(QStringLiteral(
            "QPushButton { text-align: left; padding-left: 4px; border: none; background: transparent; }"
            "QPushButton:hover { background: rgba(0, 0, 0, 30); }"
            "QPushButton:focus { text-decoration: underline; }"));
    }
    connect(options_[HorizontalOption].button, &QPushButton::clicked, this,
            [this] { chooseDirection(Direction::Horizontal); });
    connect(options_[VerticalOption].button, &QPushButton::clicked, this,
            [this] { chooseDirection(Direction::Vertical); });
    connect(options_[MiddleOption].button, &QPushButton::clicked, this, &GradientWallpaperWindow::toggleMeetInMiddle);
    connect(options_[AutoSizeOption].button, &QPushButton::clicked, this, &GradientWallpaperWindow::chooseAutoSize);
    connect(options_[ManualSizeOption].button, &QPushButton::clicked, this,
            &GradientWallpaperWindow::chooseManualSize);

    auto* sizeTitle = new QLabel(QStringLiteral("Size"), optionsPanel_);
    sizeTitle->setGeometry(184, 84, 60, 16);
    sizeBox_ = new QLineEdit(optionsPanel_);
    sizeBox_->setObjectName(QStringLiteral("sizeBox"));
    sizeBox_->setAccessibleName(QStringLiteral("Size"));
    sizeBox_->setGeometry(184, 102, 66, 24);
    sizeBox_->setFont(boldFont(13));
    sizeBox_->setMaxLength(GradientWallpaper::SizeBoxLength);
    // Every character arrives as a key press the rules see: no input
    // method, no pasting or dropping text in.
    sizeBox_->setAttribute(Qt::WA_InputMethodEnabled, false);
    sizeBox_->setContextMenuPolicy(Qt::NoContextMenu);
    sizeBox_->setAcceptDrops(false);
    sizeBox_->installEventFilter(this);
    setPaletteColour(sizeBox_, QPalette::Text, Qt::black);
    connect(sizeBox_, &QLineEdit::textEdited, this, [this](const QString& text) { gradient_.setSizeText(text); });
}

void GradientWallpaperWindow::buildPreview()
{
    previewPanel_ = panel(backPanel_, QStringLiteral("previewPanel"), QRect(274, 218, 307, 148));
    title(previewPanel_, QStringLiteral("Preview"), QPoint(8, 2));
    sample_ = new GradientStripView(previewPanel_);
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setGeometry(3, 20, 301, 125);
}

void GradientWallpaperWindow::watchPointerForFilePanel()
{
    for (QWidget* area : std::initializer_list<QWidget*>{
             backPanel_, colours_[0].panel, colours_[1].panel, optionsPanel_, previewPanel_, toolBar_, leftBorder_,
             rightBorder_, topBorder_, bottomBorder_, fileButton_}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
}

// ---------------------------------------------------------------- commands

void GradientWallpaperWindow::saveAsBitmap() { gradient_.saveAsBitmap(services().dialogs, this); }

void GradientWallpaperWindow::saveAsJpeg() { gradient_.saveAsJpeg(services().dialogs, this); }

void GradientWallpaperWindow::setAsWallpaper() { gradient_.setAsWallpaper(services().dialogs, this); }

void GradientWallpaperWindow::closeFromMenu() { closeIfAllowed(); }

void GradientWallpaperWindow::takeColour(End end)
{
    const ColourControls& c = colours_[size_t(end)];
    const gradient::Rgb colour{c.sliders[Red]->value(), c.sliders[Green]->value(), c.sliders[Blue]->value()};
    if (end == End::First)
        gradient_.setFirstColour(colour);
    else
        gradient_.setSecondColour(colour);
    showColour(end);
    showGradient();
}

void GradientWallpaperWindow::chooseDirection(Direction direction)
{
    gradient_.setDirection(direction);
    showOptions();
    showGradient();
}

void GradientWallpaperWindow::toggleMeetInMiddle()
{
    gradient_.setMeetInMiddle(!gradient_.meetInMiddle());
    showOptions();
    showGradient();
}

void GradientWallpaperWindow::chooseAutoSize()
{
    gradient_.setSizeMode(SizeMode::Auto);
    showOptions();
    showGradient();
}

void GradientWallpaperWindow::chooseManualSize()
{
    gradient_.setSizeMode(SizeMode::Manual);
    showOptions();
    showGradient();
    sizeBox_->setFocus();
    sizeBox_->end(false);
}

void GradientWallpaperWindow::showFilePanel()
{
    filePanel_->show();
    filePanel_->raise();
}

void GradientWallpaperWindow::hideFilePanel() { filePanel_->hide(); }

// ---------------------------------------------------------------- showing

void GradientWallpaperWindow::showColour(End end)
{
    const ColourControls& c = colours_[size_t(end)];
    const gradient::Rgb colour = end == End::First ? gradient_.firstColour() : gradient_.secondColour();
    const QString endTitle = end == End::First ? QStringLiteral("First Color") : QStringLiteral("Second Color");
    const int values[3] = {colour.red, colour.green, colour.blue};
    for (int channel = Red; channel < ChannelCount; ++channel) {
        Panel* value = c.values[size_t(channel)];
        value->setCaption(QString::number(values[channel]));
        accessible::showValue(value, endTitle + QLatin1Char(' ') + QString::fromLatin1(ChannelNames[channel]),
                              QString::number(values[channel]));
    }
    c.example->setColour(QColor(colour.red, colour.green, colour.blue));
    accessible::showValue(c.example, endTitle, describe(colour));
}

void GradientWallpaperWindow::showOptions()
{
    const bool lit[OptionCount] = {
        gradient_.direction() == Direction::Horizontal, gradient_.direction() == Direction::Vertical,
        gradient_.meetInMiddle(), gradient_.sizeMode() == SizeMode::Auto, gradient_.sizeMode() == SizeMode::Manual,
    };
    for (int i = 0; i < OptionCount; ++i) {
        options_[size_t(i)].button->setChecked(lit[i]);
        options_[size_t(i)].lamp->setPixmap(lit[i] ? lampLit_ : QPixmap());
    }
    const bool manual = gradient_.sizeMode() == SizeMode::Manual;
    sizeBox_->setEnabled(manual);
    setPaletteColour(sizeBox_, QPalette::Base, manual ? QColor(Qt::white) : colours::MenuGrey);
}

void GradientWallpaperWindow::showGradient()
{
    const QImage horizontal = gradient_.horizontalStrip();
    const QImage vertical = gradient_.verticalStrip();
    sample_->setStrip(gradient_.direction() == Direction::Vertical ? vertical : horizontal);
    leftBorder_->setStrip(vertical);
    rightBorder_->setStrip(vertical);
    topBorder_->setStrip(horizontal);
    bottomBorder_->setStrip(horizontal);
    if (sizeBox_->text() != gradient_.sizeText())
        sizeBox_->setText(gradient_.sizeText());
    const QString bands = gradient_.direction() == Direction::Vertical ? QStringLiteral("vertical bands")
                                                                        : QStringLiteral("horizontal bands");
    accessible::showValue(sample_, QStringLiteral("Preview"),
                          QStringLiteral("%1 steps from %2 to %3, %4%5")
                              .arg(gradient_.steps())
                              .arg(describe(gradient_.firstColour()), describe(gradient_.secondColour()), bands,
                                   gradient_.meetInMiddle() ? QStringLiteral(", lines meet in middle") : QString()));
}

// ---------------------------------------------------------------- events

bool GradientWallpaperWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == sizeBox_) {
        if (type == QEvent::KeyPress && sizeBoxRefusesKey(event))
            return true;
    } else if (type == QEvent::Enter || type == QEvent::MouseMove) {
        // A move the File button ignores travels on to the tool bar: what
        // counts is the control under the pointer, whoever sees the event.
        const QPoint at = mapFromGlobal(static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint());
        QWidget* under = childAt(at);
        if (under == fileButton_)
            showFilePanel();
        else if (!under || !filePanel_->isAncestorOf(under))
            hideFilePanel();
    }
    return ToolWindow::eventFilter(watched, event);
}

bool GradientWallpaperWindow::sizeBoxRefusesKey(QEvent* event) const
{
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste))
        return true;
    QChar typed;
    if (key->key() == Qt::Key_Backspace)
        typed = QChar(u'\b');
    else if (key->text().size() == 1 && key->text().at(0).isPrint())
        typed = key->text().at(0);
    else
        return false; // moving the caret, Delete, Tab and the like
    const int start = sizeBox_->hasSelectedText() ? sizeBox_->selectionStart() : sizeBox_->cursorPosition();
    return !sizeBoxTakesKey(typed, sizeBox_->text(), start, int(sizeBox_->selectedText().size()));
}
