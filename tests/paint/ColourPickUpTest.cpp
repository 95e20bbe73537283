#include "paint/ColourPickUp.h"

#include <gtest/gtest.h>

using paint::ColourPickUp;
using paint::PickUpTarget;

namespace {

// A white picture with a blue pixel at (3, 2) and a red one at (0, 0).
paint::Picture samplePicture(paint::PixelFormat format = paint::PixelFormat::Rgb32)
{
    paint::Picture picture = *paint::Picture::create(8, 6, format);
    picture.setPixelAt(3, 2, picture.storedPixel(0xFF0000));
    picture.setPixelAt(0, 0, picture.storedPixel(0x0000FF));
    return picture;
}

} // namespace

TEST(ColourPickUpTest, ThePointerPreviewsTheColourUnderItAndThePressTakesIt)
{
    const paint::Picture picture = samplePicture();
    ColourPickUp pickUp;
    EXPECT_FALSE(pickUp.active());
    EXPECT_EQ(pickUp.barColour(), 0xAAB6B6u) << "the bar's own grey, red 182, green 182, blue 170";
    pickUp.hover(picture, QPoint(3, 2));
    EXPECT_EQ(pickUp.barColour(), ColourPickUp::RestingBarColour) << "no preview while nothing is picked up";

    pickUp.start(PickUpTarget::FirstColour);
    EXPECT_TRUE(pickUp.active());
    EXPECT_EQ(pickUp.target(), PickUpTarget::FirstColour);
    pickUp.hover(picture, QPoint(3, 2));
    EXPECT_EQ(pickUp.barColour(), 0xFF0000u);
    pickUp.hover(picture, QPoint(1, 1));
    EXPECT_EQ(pickUp.barColour(), 0xFFFFFFu);
    pickUp.hover(picture, QPoint(0, 0));
    const ColourPickUp::Picked picked = pickUp.take();
    EXPECT_EQ(picked.target, PickUpTarget::FirstColour);
    EXPECT_EQ(picked.colour, 0x0000FFu);
    EXPECT_FALSE(pickUp.active());
    EXPECT_EQ(pickUp.target(), PickUpTarget::None);
    EXPECT_EQ(pickUp.barColour(), ColourPickUp::RestingBarColour);
}

TEST(ColourPickUpTest, OutsideThePictureTheBarKeepsTheLastColour)
{
    const paint::Picture picture = samplePicture();
    ColourPickUp pickUp;
    pickUp.start(PickUpTarget::CanvasColour);
    pickUp.hover(picture, QPoint(3, 2));
    for (QPoint outside : {QPoint(8, 2), QPoint(3, 6), QPoint(-1, 0), QPoint(0, -1), QPoint(500, 500)})
        pickUp.hover(picture, outside);
    EXPECT_EQ(pickUp.take().colour, 0xFF0000u);
    // The last pixel inside on each side counts.
    pickUp.start(PickUpTarget::CanvasColour);
    pickUp.hover(picture, QPoint(7, 5));
    EXPECT_EQ(pickUp.barColour(), 0xFFFFFFu);
    pickUp.hover(paint::Picture(), QPoint(0, 0));
    EXPECT_EQ(pickUp.barColour(), 0xFFFFFFu) << "a null picture shows nothing";
}

TEST(ColourPickUpTest, APressWithoutAPreviewTakesTheBarsGreyAndEachPickUpStartsGrey)
{
    const paint::Picture picture = samplePicture();
    ColourPickUp pickUp;
    pickUp.start(PickUpTarget::DrawColour);
    EXPECT_EQ(pickUp.take().colour, ColourPickUp::RestingBarColour);

    pickUp.start(PickUpTarget::SecondColour);
    pickUp.hover(picture, QPoint(3, 2));
    pickUp.take();
    pickUp.start(PickUpTarget::SecondColour);
    const ColourPickUp::Picked picked = pickUp.take();
    EXPECT_EQ(picked.target, PickUpTarget::SecondColour);
    EXPECT_EQ(picked.colour, ColourPickUp::RestingBarColour) << "no colour left over from the last pick-up";
}

TEST(ColourPickUpTest, TheBarShowsWhatAPixelShowsInEveryFormat)
{
    // 5-bit channels are widened by repeating their top bits, as the picture shows them.
    const paint::Picture picture = samplePicture(paint::PixelFormat::Rgb555);
    ColourPickUp pickUp;
    pickUp.start(PickUpTarget::FirstColour);
    pickUp.hover(picture, QPoint(3, 2));
    EXPECT_EQ(pickUp.barColour(), picture.colourAt(3, 2));
    EXPECT_EQ(pickUp.barColour(), 0xFF0000u);
}
