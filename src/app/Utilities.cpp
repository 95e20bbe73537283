#include "app/Utilities.h"

#include "app/ProgramMenu.h"
#include "paint/PaintWindow.h"
#include "calc/DateCalculatorWindow.h"
#include "calc/ConversionsWindow.h"
#include "calc/StateCodesWindow.h"
#include "games/DiceWindow.h"
#include "organisers/AnniversariesWindow.h"
#include "organisers/StopwatchWindow.h"
#include "typing/TypingTutorWindow.h"

// In the order of their menu entry numbers.
void registerUtilities(ProgramMenu& menu)
{
    menu.setFactory(PaintWindow::MenuEntry, [](QWidget* owner) { return new PaintWindow(owner); });
    menu.setFactory(DiceWindow::MenuEntry, [](QWidget* owner) { return new DiceWindow(owner); });
    menu.setFactory(DateCalculatorWindow::MenuEntry, [](QWidget* owner) { return new DateCalculatorWindow(owner); });
    menu.setFactory(TypingTutorWindow::MenuEntry, [](QWidget* owner) { return new TypingTutorWindow(owner); });
    menu.setFactory(ConversionsWindow::MenuEntry, [](QWidget* owner) { return new ConversionsWindow(owner); });
    menu.setFactory(StateCodesWindow::MenuEntry, [](QWidget* owner) { return new StateCodesWindow(owner); });
    menu.setFactory(StopwatchWindow::MenuEntry, [](QWidget* owner) { return new StopwatchWindow(owner); });
    menu.setFactory(AnniversariesWindow::MenuEntry, [](QWidget* owner) { return new AnniversariesWindow(owner); });
}
