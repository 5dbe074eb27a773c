#pragma once

// Pictures of the X display for the programs that drive views into their
// states: each is taken by scripts/picture (its path is the compile
// definition TOLVARAN_PICTURE_SCRIPT), the one way pictures are taken, while
// this program's event loop runs on, so that animations finish and the
// picture waits for the screen to be still.

#include <QGuiApplication>
#include <QProcess>
#include <QQuickWindow>
#include <QRect>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWindow>

namespace tolvaran::test {

// Saves the area of the screen to path once the conditions of
// scripts/picture hold (by default: once the area has stopped changing).
inline bool takePicture(
    const QRect& area, const QString& path, const QStringList& conditions = {QStringLiteral("--still")})
{
    const QString geometry
        = QStringLiteral("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y());
    QProcess picture;
    picture.setProcessChannelMode(QProcess::ForwardedChannels);
    picture.start(
        QStringLiteral(TOLVARAN_PICTURE_SCRIPT), conditions + QStringList{QStringLiteral("--area"), geometry, path});
    const bool ended
        = picture.waitForStarted() && QTest::qWaitFor([&] { return picture.state() == QProcess::NotRunning; }, 120000);
    if (!ended) {
        picture.kill();
        picture.waitForFinished();
    }
    const bool saved = ended && picture.exitStatus() == QProcess::NormalExit && picture.exitCode() == 0;
    if (!saved)
        qCritical("No picture was saved as %s", qPrintable(path));
    return saved;
}

// For a dialog with a text field: its blinking cursor is all that changes.
inline const QStringList stillBesideCursor{
    QStringLiteral("--still"), QStringLiteral("--changes"), QStringLiteral("100")};

// A visible window of this program other than the one given (a dialog it
// opened), or none.
inline QWindow* otherWindow(const QWindow* window)
{
    for (QWindow* candidate : QGuiApplication::topLevelWindows())
        if (candidate != window && candidate->isVisible() && candidate->isExposed())
            return candidate;
    return nullptr;
}

// Waits until window has drawn a frame after a change.
inline bool nextFrame(QQuickWindow* window)
{
    QSignalSpy swapped(window, &QQuickWindow::frameSwapped);
    window->update();
    return swapped.wait(5000);
}

} // namespace tolvaran::test
