#pragma once
#include <QLabel>

namespace paint {

// A value read-out drawn twice, as the pattern menu's scroll bars have
// them: the number in black, and over it the same number in bold white one
// pixel higher and to the left, so it stands out from the grey panel with a
// shadow.
class ShadowedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ShadowedLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace paint
