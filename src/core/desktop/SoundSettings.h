#pragma once

namespace tolvaran {

// Opens the desktop's sound settings, where one is installed; false when
// none is.
bool openSoundSettings();

} // namespace tolvaran
