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
class QTableView;
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
    // The unit converted from: the position in the whole category for
    // length and weight, the list item for liquid.
    int selectedUnit(units::Category category) const;
    ConversionGrid* grid(units::Category category) const;
    QLineEdit* entryBox(Page page) const;
    QListWidget* groupList(units::Category category, int group) const;
    QScrollBar* scrollBar(units::Category category) const;
    QRadioButton* scaleButton(units::Scale scale) const;
    QLabel* temperatureResult(units::Scale scale) const;
    QTabBar* tabs() const { return tabBar_; }

    // Each return to the window, from anywhere but our own message box,
    // starts the three unit pages afresh.
    void activated() override;
    void deactivated() override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct UnitPage;

    void buildLayout();
    void buildTabStrip();
    void buildUnitPage(UnitPage& page, QWidget* host);
    void buildEntryBox(UnitPage& page, QWidget* panel);
    void buildUnitLists(UnitPage& page, QWidget* panel);
    void buildGrid(UnitPage& page, QWidget* panel);
    void buildScrollBar(UnitPage& page, QWidget* panel);
    void buildTemperaturePage(QWidget* host);
    void buildScaleButtons(QWidget* panel);
    void buildTemperatureEntry(QWidget* panel);
    void buildTemperatureResults(QWidget* panel);
    void buildOvenChart(QWidget* panel);
    void resetUnitPages();
    void resetGrid(UnitPage& page);
    void showPage(int index);
    void focusEntry(int page);
    void convert(UnitPage& page);
    void chooseUnit(UnitPage& page, int group);
    void showSelection(UnitPage& page);
    void scrollGrid(UnitPage& page);
    void describeGrid(UnitPage& page);
    void copySelectedNumber();
    void convertTemperature();
    void scaleChosen();
    UnitPage& unitPage(units::Category category) const;
    units::Scale scale() const;

    std::array<std::unique_ptr<UnitPage>, 3> unitPages_;
    // Set while one of our own message boxes has taken the activation, so
    // coming back from it is not taken for the user returning to the window.
    bool messageOpen_ = false;
    bool returningFromMessage_ = false;
    bool filling_ = false;

    QLabel* title_ = nullptr;
    QStackedWidget* pageStack_ = nullptr;
    Panel* tabPanel_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    EntryBox* temperatureEntry_ = nullptr;
    QRadioButton* celsiusButton_ = nullptr;
    QRadioButton* fahrenheitButton_ = nullptr;
    QRadioButton* kelvinButton_ = nullptr;
    QLabel* celsiusResult_ = nullptr;
    QLabel* fahrenheitResult_ = nullptr;
    QLabel* kelvinResult_ = nullptr;
    QTableView* ovenChart_ = nullptr;
};
