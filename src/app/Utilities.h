#pragma once

class TMenu1;

// Tells the menu which utilities are part of this build and how to create
// each one's window. Entries not registered here are shown disabled.
void registerUtilities(TMenu1& menu);
