#pragma once

class ProgramMenu;

// Tells the menu which utilities are part of this build and how to create
// each one's window. Entries not registered here are shown disabled.
void registerUtilities(ProgramMenu& menu);
