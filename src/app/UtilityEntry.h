#pragma once
#include "app/UtilityServices.h"

#include <QSize>
#include <QString>
#include <functional>

class QWidget;

// The entries of the program menu, by the numbers that name them on the menu
// (they are not consecutive: 2 and 13 were never used).
enum class MenuEntry : int {
    DuzaZidova = 1,
    GradientWallpaper = 3,
    WallpaperHanger = 4,
    MusicPads = 5,
    ElectronicDice = 6,
    SkillStop = 7,
    Lottery = 8,
    DateCalculator = 9,
    TypingTutor = 10,
    FontUtilities = 11,
    Conversions = 12,
    StateCodes = 14,
    Stopwatch = 15,
    TargetGame = 16,
    Magnifier = 17,
    Anniversaries = 18,
};

// How the program menu opens one utility: everything the menu needs to know
// of it, so the menu itself holds no rule of any one utility.
struct UtilityEntry {
    using Released = std::function<void()>;
    // Creates the window, owned by owner; released is to be called when the
    // window lets itself go, so the next choice creates a fresh one.
    using Factory = std::function<QWidget*(const UtilityServices& services, QWidget* owner, Released released)>;
    // Asked before the window is first created; false stops the opening (the
    // check has told the user why).
    using Precondition = std::function<bool(const UtilityServices& services, QWidget* menu, QSize screen)>;
    enum class Opening { Normal, MaximisedTopmost };

    MenuEntry entry = MenuEntry::DuzaZidova;
    QString caption;
    Factory create;
    Precondition mayCreate;
    Opening opening = Opening::Normal;
    // An existing window is brought back from minimised or maximised.
    bool restoreWhenShownAgain = false;
};
