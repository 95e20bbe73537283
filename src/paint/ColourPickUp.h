#pragma once
#include "paint/Picture.h"

#include <QPoint>

namespace paint {

// What a press on the picture gives its colour to while a colour is being
// picked up; None while the pen draws.
enum class PickUpTarget { None, DrawColour, CanvasColour, FirstColour, SecondColour };

// Picking up a colour from the picture. Once started, the pointer over the
// picture shows the colour under it on the menu bar, and the next press
// takes whatever the bar shows (the resting grey when the pointer never
// reached a pixel) and ends the pick-up, the bar grey again.
class ColourPickUp {
public:
    // The bar's own colour, MenuGrey (182, 182, 170), as a colour value.
    static constexpr ColourValue RestingBarColour = 0xAAB6B6;

    // The colour taken by a press, and what it is for.
    struct Picked {
        PickUpTarget target = PickUpTarget::None;
        ColourValue colour = RestingBarColour;
    };

    PickUpTarget target() const { return target_; }
    bool active() const { return target_ != PickUpTarget::None; }
    // What the menu bar shows.
    ColourValue barColour() const { return barColour_; }

    void start(PickUpTarget target) { target_ = target; }
    // The pointer is over a point of the picture: the bar takes that
    // pixel's colour. A point outside the picture leaves the bar as it is.
    // Nothing happens while no pick-up runs.
    void hover(const Picture& picture, QPoint at);
    // The press: the colour shown and its target; the pick-up is over.
    Picked take();

private:
    PickUpTarget target_ = PickUpTarget::None;
    ColourValue barColour_ = RestingBarColour;
};

} // namespace paint
