#pragma once
#include "app/ToolWindow.h"
#include "calc/UnitTables.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class ConversionGrid;
class EntryBox;
class Panel;

// Conversion Utilities: a value typed in one unit converted into every unit
// of its category at once (length, liquid capacity, weight), plus a
// temperature converter with an oven chart.
class ConversionsWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString NoCellText = QStringLiteral("You must select a cell to copy");

    enum Page { LengthPage = 0, LiquidPage = 1, WeightPage = 2, TemperaturePage = 3 };

    explicit ConversionsWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~ConversionsWindow() override;

    // What the user sees, for the window's own checks and its tests.
    int pageShown() const;
    // The unit converted from: the master list position for length and
    // weight, the list item for liquid.
    int selectedUnit(units::Category category) const;
    ConversionGrid* grid(units::Category category) const;
    QLineEdit* entryBox(Page page) const;
    QListWidget* groupList(units::Category category, int group) const;
    QScrollBar* scrollBar(units::Category category) const;
    QRadioButton* scaleButton(units::Scale scale) const;
    QLabel* temperatureLabel(units::Scale scale) const;
    QTabBar* tabs() const { return TabSet1; }

    // Handlers, named after the control and event that trigger them.
    void activated() override;
    void deactivated() override;
    void TabSet1Click(int index);
    void LengthValueChange();
    void LiquidValueChange();
    void WeightValueChange();
    void LengthValueEnter();
    void LiquidValueEnter();
    void WeightValueEnter();
    void LengthSelect1Click(int group);
    void WeightSelect1Click(int group);
    bool LengthSG1SelectCell(int column, int row) const;
    bool LiquidSG1SelectCell(int column, int row) const;
    bool WeightSG1SelectCell(int column, int row) const;
    void LengthSG1Click();
    void LiquidSG1Click();
    void WeightSG1Click();
    void LengthSG1DblClick();
    void LengthSB1Change();
    void WeightSB1Change();
    void TemValueChange();
    void RB1Click();
    void CopytoClipboard1Click();
    void QuittoMenu1Click();

protected:
    void closePanelClicked() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct UnitPage;

    void FormCreate();
    void FormMouseMove();
    void buildLayout();
    void buildUnitPage(UnitPage& page, QWidget* host);
    void buildTemperaturePage(QWidget* host);
    void resetGrid(UnitPage& page);
    void convert(UnitPage& page);
    void groupListClicked(UnitPage& page, int group);
    void focusEntry(int page);
    void showSelection(UnitPage& page);
    UnitPage& unitPage(units::Category category) const;
    units::Scale scale() const;

    std::array<std::unique_ptr<UnitPage>, 3> pages_;
    // Set while one of our own message boxes has taken the activation, so
    // coming back from it is not taken for the user returning to the window.
    bool messageOpen_ = false;
    bool returningFromMessage_ = false;
    bool filling_ = false;

    QLabel* Title = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    Panel* Panel4 = nullptr;
    QTabBar* TabSet1 = nullptr;
    QLineEdit* CopyBox = nullptr;
    EntryBox* TemValue = nullptr;
    QRadioButton* RB1 = nullptr;
    QRadioButton* RB2 = nullptr;
    QRadioButton* RB3 = nullptr;
    QLabel* Dcl = nullptr;
    QLabel* Dfr = nullptr;
    QLabel* Dk = nullptr;
    QTableWidget* OvenChart = nullptr;
};
