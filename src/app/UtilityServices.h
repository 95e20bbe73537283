#pragma once

class PictureStore;
class SoundEffects;
namespace platform {
class Clock;
class Dialogs;
class Random;
}

// What a utility window may use of the program around it, handed to its
// constructor: the sound effects (with the menu's sound switch behind them),
// the shared pictures, the display's colour depth, the message boxes and
// standard dialogs, the clock and the random numbers. A window reaches
// nothing else of the launcher, so a test builds one with test services.
struct UtilityServices {
    SoundEffects& sounds;
    const PictureStore& pictures;
    int colourDepth;
    platform::Dialogs& dialogs;
    platform::Clock& clock;
    platform::Random& random;
};
