#pragma once
#include "app/ToolWindow.h"
#include "calc/GatheredCharacters.h"
#include "common/TextPrinter.h"

#include <QPageLayout>

#include <functional>

class CharacterTableView;
class FontCharacterModel;
class FontListBox;
class Panel;
class QPushButton;
class QTextEdit;

// Font Utilities: the characters 32 to 255 of a chosen font, the keystrokes
// that type the highlighted one, the characters gathered on the clipboard
// each in its own font, and three printed sheets (character table, a sample
// of every font, one font in ten sizes).
class FontUtilitiesWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Font Utilities");
    static inline const QString FirstKeystrokes = QStringLiteral("ALT + 0032");
    static inline const QString FontHintPrefix = QStringLiteral("Current selected font: ");

    explicit FontUtilitiesWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~FontUtilitiesWindow() override;

    // Every return to the window (not from one of its own dialogs) lists the
    // fonts afresh and goes back to the first; what was gathered stays.
    void activated() override;
    void deactivated() override;

    // The fonts the list offers; the installed ones unless a test says.
    void setFamilySource(std::function<QStringList()> source);

    // What the user sees, for the window's own checks and its tests.
    QString chosenFamily() const;
    int highlightedCode() const;
    QString keystrokesShown() const;
    // Jobs sent by the last sheet printed: one per copy.
    int printJobsSent() const { return printer_.jobsPrinted(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Menu { None, File, Edit };

    void buildFunctionBar();
    void buildMenus();
    void buildFontPanel();
    void buildCharacterPanel();
    void buildClipboardPreview();
    void reset();
    void setHints();
    void applyFont(const QString& family);
    void showKeystrokes(int code);
    void gatherCharacter();
    void clearGathered();
    void showGathered();
    void showMenu(Menu menu);
    void pointerMovedOver(QWidget* under);
    void setUpPrinter();
    void printSheet(QPageLayout::Orientation orientation, const std::function<bool(QPrinter&)>& paintJob);
    void printCharacterTable();
    void printTypefaceSamples();
    void printSizeSamples();
    void closeFromMenu();
    // Runs one of our own modal dialogs; the activation it hands back to
    // the window is then no new visit.
    void withOwnDialog(const std::function<void()>& show);

    std::function<QStringList()> familySource_;
    FontCharacterModel* characters_ = nullptr;
    GatheredCharacters gathered_;
    TextPrinter printer_;
    bool ownDialogOpen_ = false;
    bool returningFromDialog_ = false;

    Panel* functionBar_ = nullptr;
    QPushButton* fileButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    Panel* fileMenu_ = nullptr;
    Panel* editMenu_ = nullptr;
    QPushButton* printerSetupButton_ = nullptr;
    QPushButton* printCharactersButton_ = nullptr;
    QPushButton* printTypefacesButton_ = nullptr;
    QPushButton* printSizesButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    Panel* fontPanel_ = nullptr;
    FontListBox* fontsList_ = nullptr;
    Panel* characterPanel_ = nullptr;
    CharacterTableView* characterTable_ = nullptr;
    Panel* keystrokes_ = nullptr;
    QTextEdit* preview_ = nullptr;
    QPushButton* clearButton_ = nullptr;
};
