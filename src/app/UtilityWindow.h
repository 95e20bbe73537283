#pragma once

// What the program asks of a utility window when it ends: may the window go
// now (the window asks its own question about unsaved work; a save that
// fails or is cancelled keeps it), and then to go without asking again.
// Every utility window that can hold work implements it, whatever it is
// built on.
class UtilityWindow {
public:
    virtual ~UtilityWindow() = default;
    virtual bool queryClose() = 0;
    virtual void release() = 0;
};
