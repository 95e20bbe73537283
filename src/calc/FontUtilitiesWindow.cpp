#include "calc/FontUtilitiesWindow.h"

#include "app/Panel.h"
#include "calc/AltCodes.h"
#include "calc/CharacterTableView.h"
#include "calc/FontCharacterModel.h"
#include "calc/FontListBox.h"
#include "calc/FontSheets.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "platform/Dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr QSize ClientSize(629, 430);
const QColor Silver(192, 192, 192);
const QColor KeystrokesYellow(255, 255, 0);
constexpr int MenuRowHeight = 22;
constexpr int PreviewPointSize = 18;
constexpr int ColumnsBeforeFirstFont = 5;

const QString PrintFailed = QStringLiteral("The font sheet could not be printed.");
const QString CharacterLabel = QStringLiteral("Character");
const QString KeystrokesLabel = QStringLiteral("Keystrokes");
const QString PreviewLabel = QStringLiteral("Clipboard");

QString fontHelpText()
{
    return buildHelpText(
        FontUtilitiesWindow::Caption,
        {
            {QStringLiteral("This module helps you to use the extended characters that exist in most fonts.  "), true},
            {QStringLiteral("Use the \"File\" menu to Print samples.  Use the \"Edit\" menu to copy the currently "
                            "highlighted character  ")},
            {QStringLiteral("to the clipboard, ready to be pasted into another application.  Alternatively, you "
                            "may select a  ")},
            {QStringLiteral("character simply by double clicking on it.  The currently selected characters are "
                            "shown in the  ")},
            {QStringLiteral("preview panel at the bottom of the screen.  Use \"Clear Clipboard\" to start over.  ")},
        });
}

QPushButton* flatButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; background: transparent; text-align: left; padding-left: 6px; }"
        "QPushButton:hover { background: rgba(0, 0, 0, 40); }"
        "QPushButton:pressed { background: rgba(0, 0, 0, 80); }"));
    return button;
}

Panel* panel(QWidget* parent, const QString& name, const QRect& geometry, Panel::Bevel bevel)
{
    auto* p = new Panel(parent);
    p->setObjectName(name);
    p->setColour(colours::MenuGrey);
    p->setBevel(bevel, 1);
    p->setGeometry(geometry);
    return p;
}

// The hourglass while a sheet is being built.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

FontUtilitiesWindow::FontUtilitiesWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
    , familySource_(&FontListBox::installedFamilies)
    , printer_(services.dialogs, this, {platform::MessageKind::Warning, PrintFailed})
{
    setObjectName(QStringLiteral("FontUtilitiesWindow"));
    setWindowTitle(Caption);
    setWindowColour(this, Silver);
    setMouseTracking(true);

    characters_ = new FontCharacterModel(this);
    buildFunctionBar();
    buildFontPanel();
    buildCharacterPanel();
    buildClipboardPreview();
    buildMenus();
    helpPanel()->raise();
    closePanel()->raise();
    setHelpText(fontHelpText());
}

FontUtilitiesWindow::~FontUtilitiesWindow() = default;

// ---------------------------------------------------------------- building

void FontUtilitiesWindow::buildFunctionBar()
{
    functionBar_ = panel(this, QStringLiteral("functionBar"), QRect(21, 1, 587, 20), Panel::Bevel::Raised);
    fileButton_ = flatButton(functionBar_, QStringLiteral("fileButton"), QStringLiteral("File"), QRect(2, 0, 60, 20));
    editButton_ = flatButton(functionBar_, QStringLiteral("editButton"), QStringLiteral("Edit"), QRect(64, 0, 60, 20));
    for (QWidget* w : {static_cast<QWidget*>(functionBar_), static_cast<QWidget*>(fileButton_),
                       static_cast<QWidget*>(editButton_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void FontUtilitiesWindow::buildMenus()
{
    const auto menuPanel = [this](const QString& name, int x, int rows, int width) {
        Panel* menu = panel(this, name, QRect(x, 21, width, rows * MenuRowHeight + 4), Panel::Bevel::Raised);
        menu->hide();
        return menu;
    };
    const auto row = [](Panel* menu, int index, const QString& name, const QString& caption) {
        return flatButton(menu, name, caption, QRect(2, 2 + index * MenuRowHeight, menu->width() - 4, MenuRowHeight));
    };
    fileMenu_ = menuPanel(QStringLiteral("fileMenu"), functionBar_->x() + fileButton_->x(), 5, 200);
    printerSetupButton_ = row(fileMenu_, 0, QStringLiteral("printerSetupButton"), QStringLiteral("Printer Setup"));
    printCharactersButton_ =
        row(fileMenu_, 1, QStringLiteral("printCharactersButton"), QStringLiteral("Print Character Table"));
    printTypefacesButton_ =
        row(fileMenu_, 2, QStringLiteral("printTypefacesButton"), QStringLiteral("Print Typeface Samples"));
    printSizesButton_ = row(fileMenu_, 3, QStringLiteral("printSizesButton"), QStringLiteral("Print Size Samples"));
    closeButton_ = row(fileMenu_, 4, QStringLiteral("closeButton"), QStringLiteral("Close"));
    editMenu_ = menuPanel(QStringLiteral("editMenu"), functionBar_->x() + editButton_->x(), 1, 160);
    copyButton_ = row(editMenu_, 0, QStringLiteral("copyButton"), QStringLiteral("Copy to Clipboard"));

    connect(printerSetupButton_, &QPushButton::clicked, this, &FontUtilitiesWindow::setUpPrinter);
    connect(printCharactersButton_, &QPushButton::clicked, this, &FontUtilitiesWindow::printCharacterTable);
    connect(printTypefacesButton_, &QPushButton::clicked, this, &FontUtilitiesWindow::printTypefaceSamples);
    connect(printSizesButton_, &QPushButton::clicked, this, &FontUtilitiesWindow::printSizeSamples);
    connect(closeButton_, &QPushButton::clicked, this, &FontUtilitiesWindow::closeFromMenu);
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        showMenu(Menu::None);
        gatherCharacter();
    });
}

void FontUtilitiesWindow::buildFontPanel()
{
    fontPanel_ = panel(this, QStringLiteral("fontPanel"), QRect(6, 25, 617, 56), Panel::Bevel::Lowered);
    fontsList_ = new FontListBox(fontPanel_);
    fontsList_->setObjectName(QStringLiteral("fontsList"));
    fontsList_->setAccessibleName(QStringLiteral("Fonts"));
    fontsList_->setGeometry(6, 5, 605, 46);
    fontsList_->setToolTip(FontHintPrefix);
    connect(fontsList_, &QComboBox::activated, this, [this](int index) { applyFont(fontsList_->itemText(index)); });
    fontPanel_->setMouseTracking(true);
    fontPanel_->installEventFilter(this);
}

void FontUtilitiesWindow::buildCharacterPanel()
{
    characterPanel_ = panel(this, QStringLiteral("characterPanel"), QRect(6, 84, 617, 286), Panel::Bevel::Lowered);
    characterTable_ = new CharacterTableView(characters_, characterPanel_);
    characterTable_->setObjectName(QStringLiteral("characterTable"));
    characterTable_->setGeometry(6, 6, 605, 230);
    characterTable_->setColumnCount(ColumnsBeforeFirstFont);
    connect(characterTable_, &CharacterTableView::characterPicked, this, &FontUtilitiesWindow::showKeystrokes);
    connect(characterTable_, &CharacterTableView::characterDoubleClicked, this,
            &FontUtilitiesWindow::gatherCharacter);
    connect(characterTable_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        accessible::showValue(characterTable_, CharacterLabel,
                              altcodes::spokenCharacter(characterTable_->currentCode()));
    });

    keystrokes_ = new Panel(characterPanel_);
    keystrokes_->setObjectName(QStringLiteral("keystrokes"));
    keystrokes_->setColour(KeystrokesYellow);
    keystrokes_->setBevel(Panel::Bevel::Lowered, 1);
    keystrokes_->setGeometry(6, 242, 605, 38);
    QFont keystrokesFont = keystrokes_->font();
    keystrokesFont.setPointSize(16);
    keystrokesFont.setBold(true);
    keystrokes_->setFont(keystrokesFont);
    keystrokes_->setCaption(FirstKeystrokes);
    accessible::showValue(keystrokes_, KeystrokesLabel, FirstKeystrokes);

    for (QWidget* w : {static_cast<QWidget*>(characterPanel_), characterTable_->viewport(),
                       static_cast<QWidget*>(keystrokes_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void FontUtilitiesWindow::buildClipboardPreview()
{
    preview_ = new QTextEdit(this);
    preview_->setObjectName(QStringLiteral("clipboardPreview"));
    preview_->setGeometry(6, 374, 470, 50);
    // Shows only: nothing typed, selected or focused here.
    preview_->setReadOnly(true);
    preview_->setTextInteractionFlags(Qt::NoTextInteraction);
    preview_->setFocusPolicy(Qt::NoFocus);
    preview_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont previewFont = preview_->font();
    previewFont.setPointSize(PreviewPointSize);
    preview_->document()->setDefaultFont(previewFont);
    preview_->document()->setDocumentMargin(2);
    accessible::showValue(preview_, PreviewLabel, QString());

    clearButton_ = new QPushButton(QStringLiteral("Clear Clipboard"), this);
    clearButton_->setObjectName(QStringLiteral("clearClipboardButton"));
    clearButton_->setGeometry(482, 374, 141, 50);
    clearButton_->setFlat(true);
    clearButton_->setFocusPolicy(Qt::NoFocus);
    connect(clearButton_, &QPushButton::clicked, this, &FontUtilitiesWindow::clearGathered);
}

// ---------------------------------------------------------------- activation

void FontUtilitiesWindow::activated()
{
    if (returningFromDialog_) {
        returningFromDialog_ = false;
        return;
    }
    reset();
}

void FontUtilitiesWindow::deactivated()
{
    if (ownDialogOpen_)
        returningFromDialog_ = true;
}

void FontUtilitiesWindow::setFamilySource(std::function<QStringList()> source) { familySource_ = std::move(source); }

void FontUtilitiesWindow::reset()
{
    const QStringList families = familySource_();
    fontsList_->setFamilies(families);
    fontsList_->setCurrentIndex(families.isEmpty() ? -1 : 0);
    // The list filled afresh: nothing is highlighted until the font is applied.
    characterTable_->setCurrentCode(0);
    applyFont(fontsList_->currentFamily());
    setHelpText(fontHelpText());
    setHints();
}

void FontUtilitiesWindow::setHints()
{
    printerSetupButton_->setToolTip(QStringLiteral("Select Printer"));
    printCharactersButton_->setToolTip(
        QStringLiteral("Prints a table containing all the characters in the currently selected Font.  "));
    printTypefacesButton_->setToolTip(QStringLiteral("Prints a sample of each installed Font.  "));
    printSizesButton_->setToolTip(QStringLiteral("Prints the currently selected font in a variety of Sizes.  "));
    closeButton_->setToolTip(QStringLiteral("Close Font Utilities.  "));
    copyButton_->setToolTip(QStringLiteral(
        "Copies highlighted character to the clipboard (alternatively double click on the character).  "));
    keystrokes_->setToolTip(QStringLiteral("This panel shows the key presses required to obtain this character.  "));
    preview_->setToolTip(QStringLiteral("Preview of characters currently on Clipboard.  "));
}

// ---------------------------------------------------------------- characters

void FontUtilitiesWindow::applyFont(const QString& family)
{
    fontsList_->setToolTip(FontHintPrefix + family);
    characters_->setFamily(family);
    const QFontMetrics metrics(characters_->font());
    characterTable_->setColumnCount(
        altcodes::columnCount(characterTable_->width(), metrics.horizontalAdvance(QLatin1Char('M'))));
    if (characterTable_->currentCode() == 0)
        characterTable_->setCurrentCode(altcodes::FirstCode);
}

void FontUtilitiesWindow::showKeystrokes(int code)
{
    const QString text = altcodes::keystrokes(code);
    keystrokes_->setCaption(text);
    accessible::showValue(keystrokes_, KeystrokesLabel, text);
}

void FontUtilitiesWindow::gatherCharacter()
{
    const int code = characterTable_->currentCode();
    if (code == 0)
        return;
    gathered_.add(altcodes::character(code), characters_->family());
    // Every gathered character goes on the clipboard, each in its own font.
    QGuiApplication::clipboard()->setMimeData(gathered_.mimeData());
    showGathered();
    characterTable_->setFocus();
}

void FontUtilitiesWindow::clearGathered()
{
    // The system clipboard keeps what it has; only the gathering starts over.
    gathered_.clear();
    showGathered();
}

void FontUtilitiesWindow::showGathered()
{
    if (gathered_.isEmpty())
        preview_->clear();
    else
        preview_->setHtml(gathered_.html());
    preview_->moveCursor(QTextCursor::End);
    preview_->ensureCursorVisible();
    accessible::showValue(preview_, PreviewLabel, gathered_.plainText());
}

QString FontUtilitiesWindow::chosenFamily() const { return characters_->family(); }

int FontUtilitiesWindow::highlightedCode() const { return characterTable_->currentCode(); }

QString FontUtilitiesWindow::keystrokesShown() const { return keystrokes_->caption(); }

// ---------------------------------------------------------------- hover menus

void FontUtilitiesWindow::showMenu(Menu menu)
{
    fileMenu_->setVisible(menu == Menu::File);
    editMenu_->setVisible(menu == Menu::Edit);
    if (menu == Menu::File)
        fileMenu_->raise();
    if (menu == Menu::Edit)
        editMenu_->raise();
}

void FontUtilitiesWindow::pointerMovedOver(QWidget* under)
{
    if (under == fileButton_) {
        showMenu(Menu::File);
        return;
    }
    if (under == editButton_) {
        showMenu(Menu::Edit);
        return;
    }
    // Only these close the menus; the open menu itself, the font list and
    // the preview leave them as they are.
    const bool closes = under == nullptr || under == functionBar_ || under == fontPanel_ || under == characterPanel_
                        || under == keystrokes_ || under == characterTable_ || characterTable_->isAncestorOf(under);
    if (closes)
        showMenu(Menu::None);
}

bool FontUtilitiesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A move the control does not take travels on to its parents; what
    // counts is the control under the pointer, whoever sees the event.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const QPointF global = static_cast<QSinglePointEvent*>(event)->globalPosition();
        pointerMovedOver(childAt(mapFromGlobal(global.toPoint())));
    }
    return ToolWindow::eventFilter(watched, event);
}

void FontUtilitiesWindow::mouseMoveEvent(QMouseEvent* event)
{
    pointerMovedOver(childAt(event->position().toPoint()));
    ToolWindow::mouseMoveEvent(event);
}

// ---------------------------------------------------------------- printing

void FontUtilitiesWindow::withOwnDialog(const std::function<void()>& show)
{
    QPointer<FontUtilitiesWindow> alive(this);
    ownDialogOpen_ = true;
    show();
    if (alive)
        ownDialogOpen_ = false;
}

void FontUtilitiesWindow::setUpPrinter()
{
    showMenu(Menu::None);
    withOwnDialog([this] { printer_.setUp(); });
}

void FontUtilitiesWindow::printSheet(QPageLayout::Orientation orientation,
                                     const std::function<bool(QPrinter&)>& paintJob)
{
    showMenu(Menu::None);
    withOwnDialog([&] {
        printer_.printPages(orientation, [&](QPrinter& printer) {
            const WaitCursor hourglass;
            return paintJob(printer);
        });
    });
}

void FontUtilitiesWindow::printCharacterTable()
{
    const QString family = chosenFamily();
    printSheet(QPageLayout::Landscape,
               [family](QPrinter& printer) { return fontsheets::paintCharacterTable(printer, family); });
}

void FontUtilitiesWindow::printTypefaceSamples()
{
    QStringList families;
    for (int i = 0; i < fontsList_->count(); ++i)
        families.append(fontsList_->itemText(i));
    printSheet(QPageLayout::Portrait,
               [families](QPrinter& printer) { return fontsheets::paintTypefaceSamples(printer, families); });
}

void FontUtilitiesWindow::printSizeSamples()
{
    const QString family = chosenFamily();
    printSheet(QPageLayout::Landscape,
               [family](QPrinter& printer) { return fontsheets::paintSizeSamples(printer, family); });
}

void FontUtilitiesWindow::closeFromMenu()
{
    showMenu(Menu::None);
    closeIfAllowed();
}
