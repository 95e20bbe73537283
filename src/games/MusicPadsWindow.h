#pragma once
#include "app/ToolWindow.h"
#include "games/MusicPads.h"

#include <QPixmap>
#include <array>

class QLabel;
class Panel;

// Derur Ivuva Zedod: fifteen pads on a light blue panel. Holding a pad plays
// its instrument at a pitch set by the pointer's height, a new note with
// every move; letting go, or moving over the panel between the pads, lets
// the pads go. The sound plays whatever the menu's sound switch says.
class MusicPadsWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit MusicPadsWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~MusicPadsWindow() override;

    const pads::PadBoard& board() const { return board_; }
    QLabel* pad(int number) const { return pads_[std::size_t(number - 1)]; }
    Panel* padPanel() const { return padPanel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPadPanel();
    void buildPad(int number);

    // y is the pointer's height relative to the pad's top edge.
    void pressPad(int number, int y);
    void movePad(int number, int y);
    void releasePad(int number);
    void releaseAllPads();
    void showPad(int number);
    int padNumberOf(QObject* object) const;

    pads::PadBoard board_;
    Panel* padPanel_ = nullptr;
    std::array<QLabel*, pads::PadCount> pads_{};
    // upPictures_[row], downPictures_[row]
    std::array<QPixmap, pads::RowCount> upPictures_;
    std::array<QPixmap, pads::RowCount> downPictures_;
};
