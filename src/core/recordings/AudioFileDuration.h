#pragma once

#include <QString>

namespace tolvaran {

// The length in seconds of the audio in a file, read packet by packet, so a
// fragmented file cut short by a crash counts up to its last whole fragment.
// 0 when the file holds no readable audio. Any thread.
double audioFileDuration(const QString& path);

} // namespace tolvaran
