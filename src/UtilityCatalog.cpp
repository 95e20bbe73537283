#include "UtilityCatalog.h"

#include "calc/ConversionsWindow.h"
#include "calc/DateCalculatorWindow.h"
#include "calc/StateCodesWindow.h"
#include "games/DiceWindow.h"
#include "organisers/AnniversariesWindow.h"
#include "organisers/StopwatchWindow.h"
#include "paint/PaintWindow.h"
#include "platform/Dialogs.h"
#include "typing/TypingTutorWindow.h"

namespace {

// Windows that let themselves go say so with a released() signal; the Typing
// Tutor only ever hides, so it has none.
template <class Window>
UtilityEntry::Factory windowFactory()
{
    return [](const UtilityServices& services, QWidget* owner, UtilityEntry::Released released) -> QWidget* {
        auto* window = new Window(services, owner);
        if constexpr (requires { &Window::released; })
            QObject::connect(window, &Window::released, window, std::move(released));
        return window;
    };
}

const QString ResolutionTooLow =
    QStringLiteral("This module requires a resolution of at least 800x600 - please modify your "
                   "display settings in the control panel ");

bool screenAtLeast800x600(const UtilityServices& services, QWidget* menu, QSize screen)
{
    if (screen.width() >= 800 && screen.height() >= 600)
        return true;
    services.dialogs.message(menu, platform::MessageKind::Warning, ResolutionTooLow, platform::Ok);
    return false;
}

} // namespace

std::vector<UtilityEntry> utilityCatalog()
{
    using Opening = UtilityEntry::Opening;
    return {
        {MenuEntry::DuzaZidova, QStringLiteral("Duza Zidova"), windowFactory<PaintWindow>(), {},
         Opening::Normal, true},
        {MenuEntry::ElectronicDice, QStringLiteral("Electronic Dice"), windowFactory<DiceWindow>()},
        {MenuEntry::DateCalculator, QStringLiteral("Date Calculator"), windowFactory<DateCalculatorWindow>()},
        {MenuEntry::TypingTutor, QStringLiteral("Typing Tutor"), windowFactory<TypingTutorWindow>(),
         screenAtLeast800x600},
        {MenuEntry::Conversions, QStringLiteral("Conversion Utilities"), windowFactory<ConversionsWindow>()},
        {MenuEntry::StateCodes, QStringLiteral("USA State Codes"), windowFactory<StateCodesWindow>()},
        {MenuEntry::Stopwatch, QStringLiteral("Stopwatch"), windowFactory<StopwatchWindow>()},
        {MenuEntry::Anniversaries, QStringLiteral("Anniversary Database"), windowFactory<AnniversariesWindow>()},
    };
}
