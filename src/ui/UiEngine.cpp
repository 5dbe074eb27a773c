#include "UiEngine.h"

#include <QLoggingCategory>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQmlEngine>
#include <QQuickWindow>

Q_LOGGING_CATEGORY(lcUi, "com.tolvaran.app.Ui")

namespace tolvaran::ui {

void prepareEngine(QQmlEngine& engine)
{
    // The module's qmldir lies at qrc:/Tolvaran/Ui; Qt 6.4 does not look
    // there by itself.
    engine.addImportPath(QStringLiteral("qrc:/"));
}

bool isSoftwareRasterizer(const QString& glRenderer)
{
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software rasterizer"})
        if (glRenderer.contains(QLatin1String(name), Qt::CaseInsensitive))
            return true;
    return false;
}

void chooseRenderer()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND")
        || QQuickWindow::graphicsApi() != QSGRendererInterface::OpenGL)
        return;
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface))
        return; // Qt Quick finds its own way then
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromUtf8(name) : QString();
    context.doneCurrent();
    if (isSoftwareRasterizer(renderer)) {
        qCInfo(
            lcUi, "OpenGL is drawn by the processor (%s): windows use the software renderer", qUtf8Printable(renderer));
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
}

} // namespace tolvaran::ui
