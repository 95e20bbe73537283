#pragma once
#include "app/ToolWindow.h"

class QComboBox;
class QLabel;

// USA State Codes: two drop-down lists of the same 58 postal codes and
// names, one by code and one by name. Program menu entry 14.
class StateCodesWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int MenuEntry = 14;

    explicit StateCodesWindow(QWidget* owner);

    // Reads the profile setting; maximised when it is "1", else normal size.
    void activated() override;
    void QuittoMenu1Click();

protected:
    void closePanelClicked() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    QWidget* content_ = nullptr; // everything but the corner panels, kept centred
    QLabel* flag_ = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
};
