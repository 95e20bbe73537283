#include "app/Utilities.h"

#include "app/Menu.h"
#include "arty/Patrn.h"
#include "calc/Dcalc.h"
#include "calc/Lc.h"
#include "calc/Usstate.h"
#include "games/Dce.h"
#include "organisers/Aniv.h"
#include "organisers/Wtc.h"
#include "organisers/typing.h"

// In the order of their menu entry numbers.
void registerUtilities(TMenu1& menu)
{
    menu.setFactory(TPattern::MenuEntry, [](QWidget* owner) { return new TPattern(owner); });
    menu.setFactory(TDice::MenuEntry, [](QWidget* owner) { return new TDice(owner); });
    menu.setFactory(TDateCalc::MenuEntry, [](QWidget* owner) { return new TDateCalc(owner); });
    menu.setFactory(TfrmTyping::MenuEntry, [](QWidget* owner) { return new TfrmTyping(owner); });
    menu.setFactory(TConversions::MenuEntry, [](QWidget* owner) { return new TConversions(owner); });
    menu.setFactory(TAmStCode::MenuEntry, [](QWidget* owner) { return new TAmStCode(owner); });
    menu.setFactory(TWatchIt::MenuEntry, [](QWidget* owner) { return new TWatchIt(owner); });
    menu.setFactory(TAnniversaries::MenuEntry, [](QWidget* owner) { return new TAnniversaries(owner); });
}
