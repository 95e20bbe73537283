#include "UtilityCatalog.h"

#include "calc/ConversionsWindow.h"
#include "calc/DateCalculatorWindow.h"
#include "calc/FontUtilitiesWindow.h"
#include "calc/StateCodesWindow.h"
#include "desktop/GradientWallpaperWindow.h"
#include "desktop/MagnifierWindow.h"
#include "desktop/WallpaperHangerWindow.h"
#include "games/DiceWindow.h"
#include "games/LotteryWindow.h"
#include "games/MusicPadsWindow.h"
#include "games/SkillStopWindow.h"
#include "games/TargetGameWindow.h"
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

UtilityEntry utility(MenuEntry entry, const char* caption, UtilityEntry::Factory create)
{
    UtilityEntry utility;
    utility.entry = entry;
    utility.caption = QString::fromLatin1(caption);
    utility.create = std::move(create);
    return utility;
}

} // namespace

std::vector<UtilityEntry> utilityCatalog()
{
    UtilityEntry paint = utility(MenuEntry::DuzaZidova, "Duza Zidova", windowFactory<PaintWindow>());
    paint.restoreWhenShownAgain = true;
    UtilityEntry typing = utility(MenuEntry::TypingTutor, "Typing Tutor", windowFactory<TypingTutorWindow>());
    typing.mayCreate = screenAtLeast800x600;
    UtilityEntry skillStop = utility(MenuEntry::SkillStop, "Vuroz Uzid Game", windowFactory<SkillStopWindow>());
    skillStop.opening = UtilityEntry::Opening::MaximisedTopmost;
    return {
        paint,
        utility(MenuEntry::GradientWallpaper, "Gradient Wallpaper", windowFactory<GradientWallpaperWindow>()),
        utility(MenuEntry::WallpaperHanger, "Wallpaper Hanger", windowFactory<WallpaperHangerWindow>()),
        utility(MenuEntry::MusicPads, "Derur Ivuva Zedod", windowFactory<MusicPadsWindow>()),
        utility(MenuEntry::ElectronicDice, "Electronic Dice", windowFactory<DiceWindow>()),
        skillStop,
        utility(MenuEntry::Lottery, "Bingo / Lottery Game", windowFactory<LotteryWindow>()),
        utility(MenuEntry::DateCalculator, "Date Calculator", windowFactory<DateCalculatorWindow>()),
        typing,
        utility(MenuEntry::Conversions, "Conversion Utilities", windowFactory<ConversionsWindow>()),
        utility(MenuEntry::FontUtilities, "Font Utilities", windowFactory<FontUtilitiesWindow>()),
        utility(MenuEntry::StateCodes, "USA State Codes", windowFactory<StateCodesWindow>()),
        utility(MenuEntry::Stopwatch, "Stopwatch", windowFactory<StopwatchWindow>()),
        utility(MenuEntry::TargetGame, "VU Dazuzi", windowFactory<TargetGameWindow>()),
        utility(MenuEntry::Magnifier, "VizazEzuziz", windowFactory<MagnifierWindow>()),
        utility(MenuEntry::Anniversaries, "Anniversary Database", windowFactory<AnniversariesWindow>()),
    };
}
