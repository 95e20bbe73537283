#pragma once
#include "app/ToolWindow.h"

class QComboBox;
class QLabel;

// USA State Codes: two drop-down lists of the same 58 postal codes and
// names, one by code and one by name.
class StateCodesWindow : public ToolWindow {
    Q_OBJECT
public:

    explicit StateCodesWindow(const UtilityServices& services, QWidget* owner = nullptr);

    // Reads the profile setting; maximised when it is "1", else normal size.
    void activated() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* content_ = nullptr; // everything but the corner panels, kept centred
    QLabel* flag_ = nullptr;
    QComboBox* byCodeList_ = nullptr;
    QComboBox* byStateList_ = nullptr;
};
