#pragma once

#include <QColor>
#include <QString>

namespace tolvaran {

// Which of the six speaker colours a label gets: djb2 over its UTF-8 bytes,
// the same in every session.
int speakerColorIndex(const QString& speaker);
QColor speakerColor(const QString& speaker);

} // namespace tolvaran
