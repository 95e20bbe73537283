#include "paint/PaintHints.h"

#include "common/HelpText.h"

namespace paint::hints {

namespace {

using Hints = QList<QPair<QString, QString>>;

const QString CrLf = QStringLiteral("\r\n");
const QString PickUpHow = QStringLiteral(
    "Just move the mouse pointer over the color you wish to use (it will be shown on the menu bar) and click.  ");
const QString TryIt = QStringLiteral(
    "To get a better idea of what it does, try drawing with this option off and then with it on.  ");

Hints fileHints()
{
    const QString recent = QStringLiteral("Click here to open this previously saved file.  ");
    return {
        {"openButton", QStringLiteral("Opens a previous .bmp format drawing.   ")},
        {"saveButton", QStringLiteral("Saves the current drawing to disk in .bmp format.  ")},
        {"saveAsButton", QStringLiteral("Saves the current drawing to disk in .bmp format, under a different filename")},
        {"closeButton", QStringLiteral("Closes Duza Zidova, you will be prompted to save the current picture.  ")},
        {"recentFileButton1", recent},
        {"recentFileButton2", recent},
        {"recentFileButton3", recent},
        {"recentFileButton4", recent},
    };
}

Hints canvasHints()
{
    const auto ramp = [](const char* what) {
        return QStringLiteral("Creates %1 Gradient backdrop for future canvases.  Use \"New Canvas\" afterwards.  ")
            .arg(QString::fromLatin1(what));
    };
    return {
        {"solidCanvasButton", QStringLiteral("Selects a solid background color for future canvases.  ") + CrLf
            + QStringLiteral("Once selected, click \"New Canvas\" to create.  ")},
        {"pickUpCanvasColourButton", QStringLiteral("In pick up color mode you can select any color used in the drawing as the new canvas color.  ")
            + CrLf + PickUpHow + CrLf + QStringLiteral("Remember to click \"New Canvas\" afterwards.  ")},
        {"redBlackCanvasButton", ramp("a Red")},
        {"greenWhiteCanvasButton", ramp("a Green")},
        {"blueCyanCanvasButton", ramp("a Blue")},
        {"orangeYellowCanvasButton", ramp("an Orange/Yellow")},
        {"magentaCanvasButton", ramp("a Magenta")},
        {"loadCanvasButton", QStringLiteral("Allows you to select an existing image which will be stretched/shrunk to form your canvas.  Use \"New Canvas\" afterwards.  ")
            + CrLf + QStringLiteral("HINT - you can create your own gradients using the Razidi Rurid Wallpaper Maker module!  ")},
        {"newCanvasButton", QStringLiteral("Creates a new blank canvas of the selected color/pattern.  ")},
    };
}

Hints brushAndEffectsHints()
{
    const QString width = QStringLiteral(
        "Move indicator to select brush width, move left for a smaller brush, or right for a larger one.  ");
    return {
        {"normalBrushButton", QStringLiteral("Draw using selected color, regardless of what color is underneath.  ")},
        {"mixLightBrushButton", QStringLiteral("Mix selected paint color with color underneath (light) ")},
        {"mixDarkBrushButton", QStringLiteral("Mix selected paint color with color underneath (dark) ")},
        {"brushWidthLabel", width},
        {"brushWidthSlider", width},
        {"webbedButton", QStringLiteral("When the Webbed Pattern is turned on, lines are drawn from the point where you originally click.  ")
            + CrLf + CrLf + TryIt},
        {"mirrorButton", QStringLiteral("When the Mirror Pattern is turned on, identical lines are drawn in the other 3 corners of the canvas in the same position.  ")
            + CrLf + CrLf + TryIt},
    };
}

Hints colourHints()
{
    return {
        {"solidColourButton", QStringLiteral("Selects a solid draw color.  ")},
        {"pickUpDrawColourButton", QStringLiteral("In pick up color mode you can select any color used in the drawing as the new pen color.  ")
            + CrLf + PickUpHow},
        {"randomColourButton", QStringLiteral("Draws each line in a random color - use this for dazzling patterns!  ")},
        {"redGradientButton", QStringLiteral("Turns the Drawing color into a Red Gradient.  ")},
        {"greenGradientButton", QStringLiteral("Turns the Drawing color into a Green Gradient.  ")},
        {"blueGradientButton", QStringLiteral("Turns the Drawing color into a Blue Gradient.  ")},
    };
}

Hints utilitiesHints()
{
    const auto pickUpUtility = [](const char* which) {
        return QStringLiteral("In pick up color mode you can select any color used in the drawing as the %1 in "
                              "Replacement/Outline functions.  ").arg(QString::fromLatin1(which))
               + CrLf + PickUpHow;
    };
    return {
        {"firstColourShape", QStringLiteral("Select 1st color for replacement/outline functions")},
        {"pickUpFirstColourButton", pickUpUtility("1st Color")},
        {"secondColourShape", QStringLiteral("Select 2nd color for replacement/outline functions")},
        {"pickUpSecondColourButton", pickUpUtility("2nd Color")},
        {"cmButton", QStringLiteral("Shows current image size in cm.  ")},
        {"inchesButton", QStringLiteral("Shows current image size in inches.  ")},
        {"pixelsButton", QStringLiteral("Shows current image size in pixels.  ")},
        {"widthBox", QStringLiteral("Enter new Width here.  ")},
        {"heightBox", QStringLiteral("Enter new Height here.  ")},
        {"resetSizeButton", QStringLiteral("Click here to put back current image Width/Height ")},
        {"resizeButton", QStringLiteral("Resizes current image to given Width/Height ")},
        {"replaceColourButton", QStringLiteral("Replaces every instance of the \"1st Color\" with the \"2nd Color\".  ")},
        {"outlineButton", QStringLiteral("Draws a line in \"2nd Color\" around the edges of each object with a background of \"1st Color\".  ")},
        {"invertButton", QStringLiteral("Inverts the entire image.  To undo, do a second time.  ")},
    };
}

Hints patternHints()
{
    const QString parameter = QStringLiteral(
        "Play around with the values of each parameter and click \"Draw Pattern\" to see the new pattern.  ");
    return {
        {"randomizeValuesButton", QStringLiteral("Selects random values for all 5 parameters.  Remember to click \"Draw Pattern\" afterwards.  ")},
        {"ringScrollBar", parameter},
        {"wheelScrollBar", parameter},
        {"penDistanceScrollBar", parameter},
        {"qualityScrollBar", parameter},
        {"widthScrollBar", parameter},
        {"samplePanel", QStringLiteral("These samples show what is possible, just highlight one and click \"Draw Pattern\".  ")},
        {"patternNewCanvasButton", QStringLiteral("Creates a new blank canvas of the selected color/pattern (Duplicated on this menu for convenience).  ")},
        {"drawPatternButton", QStringLiteral("Draws pattern based on values of above parameters.  Can be time consuming.  ")},
    };
}

Hints textEffectsHints()
{
    return {
        {"textPanel", QStringLiteral("Enter text here.  ")},
        {"fontButton", QStringLiteral("Select typeface, size etc.  ")},
        {"textOutlineButton", QStringLiteral("Turn text outline on/off.  ")},
        {"materialPanel", QStringLiteral("Select material for body of text, you can also load an existing image.  ") + CrLf
            + QStringLiteral("HINT - Use Razidi Rurid Wallpaper Maker to create your own gradient material!  ")},
        {"autoPreviewButton", QStringLiteral("If your PC is slow you may wish to turn \"Auto Preview\" off whilst typing.  ")},
        {"addTextButton", QStringLiteral("Adds the text to your picture.  Simply move the mouse to where you want the text to appear and click.  ")},
        {"textPreviewArea", QStringLiteral("This is what your text will look like.  ")},
    };
}

} // namespace

QString helpText()
{
    return buildHelpText(QStringLiteral("Duza Zidova"), {
        {QStringLiteral("This module allows you to create dazzling multi-colored patterns regardless of artistic ability!  ")},
        {QStringLiteral("To start drawing, simply click anywhere on the canvas and move the mouse with the button held down.  ")},
        {QStringLiteral("To learn about the various menu options just pause the mouse over them.  ")},
    });
}

QList<QPair<QString, QString>> controlHints()
{
    return fileHints() + canvasHints() + brushAndEffectsHints() + colourHints() + patternHints()
           + textEffectsHints() + utilitiesHints();
}

} // namespace paint::hints
