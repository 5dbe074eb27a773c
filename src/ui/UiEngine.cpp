#include "UiEngine.h"

#include <QQmlEngine>

namespace tolvaran::ui {

void prepareEngine(QQmlEngine& engine)
{
    // The module's qmldir lies at qrc:/Tolvaran/Ui; Qt 6.4 does not look
    // there by itself.
    engine.addImportPath(QStringLiteral("qrc:/"));
}

} // namespace tolvaran::ui
