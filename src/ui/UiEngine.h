#pragma once

class QQmlEngine;

namespace tolvaran::ui {

// Lets engine find the views of Tolvaran.Ui in the program's resources. Call
// once on every engine before it loads a view.
void prepareEngine(QQmlEngine& engine);

} // namespace tolvaran::ui
