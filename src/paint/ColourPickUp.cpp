#include "paint/ColourPickUp.h"

#include <QRect>

namespace paint {

void ColourPickUp::hover(const Picture& picture, QPoint at)
{
    if (!active() || picture.isNull() || !QRect(QPoint(0, 0), picture.size()).contains(at))
        return;
    barColour_ = picture.colourAt(at.x(), at.y());
}

ColourPickUp::Picked ColourPickUp::take()
{
    const Picked picked{target_, barColour_};
    target_ = PickUpTarget::None;
    barColour_ = RestingBarColour;
    return picked;
}

} // namespace paint
