#pragma once
#include <QString>

namespace platform {

// Folder holding the settings file and the profile file Orvik.Ini:
// $ORVIK_CONFIG_DIR, else $XDG_CONFIG_HOME/orvik2000, else ~/.config/orvik2000.
// The folder is not created here; writers create it when they need it.
QString configDir();

} // namespace platform
