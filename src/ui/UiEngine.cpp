#include "UiEngine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QProcess>
#include <QQmlEngine>
#include <QQuickWindow>

#include <cstdio>

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
    // A program that does not answer as the probe would start itself again
    // and again.
    if (qEnvironmentVariableIsSet(openGLProbeVariable)) {
        qCWarning(lcUi, "Asked for the renderer from within the OpenGL probe; not asking again");
        return;
    }
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND")
        || QQuickWindow::graphicsApi() != QSGRendererInterface::OpenGL)
        return;
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(openGLProbeVariable), QStringLiteral("1"));
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QCoreApplication::applicationFilePath(), QStringList());
    if (!probe.waitForFinished(10000)) {
        probe.kill();
        probe.waitForFinished(1000);
        return; // Qt Quick finds its own way then
    }
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return;
    const QString renderer = QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    if (isSoftwareRasterizer(renderer)) {
        qCInfo(
            lcUi, "OpenGL is drawn by the processor (%s): windows use the software renderer", qUtf8Printable(renderer));
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
}

int printOpenGLRenderer(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface))
        return 1;
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    std::printf("%s\n", name ? name : "");
    context.doneCurrent();
    return 0;
}

} // namespace tolvaran::ui
