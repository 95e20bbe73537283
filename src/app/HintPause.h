#pragma once

// The application's hint hide pause: how long a tool tip stays up while the
// pointer rests on its control. Installed once at start-up; the help texts of
// the "?" panels are long and must not vanish while being read.
void setHintHidePause(int milliseconds);
int hintHidePause();
