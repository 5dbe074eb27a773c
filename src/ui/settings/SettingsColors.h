#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

// Text colours for what the settings window draws them on: every text must
// stand out from its background by a contrast ratio of at least 4.5:1 (the
// WCAG measure), in light and dark palettes alike, whatever the desktop's
// palette gives.
class SettingsColors : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    static constexpr double minimumContrast = 4.5;

    using QObject::QObject;

    // WCAG relative luminance of the opaque colour, 0 (black) to 1 (white).
    static double luminance(const QColor& color);
    // (lighter + 0.05) / (darker + 0.05): 1 to 21.
    Q_INVOKABLE static double contrastRatio(const QColor& a, const QColor& b);
    // text, or where it does not stand out from background, text blended
    // toward black or white until it does.
    Q_INVOKABLE static QColor textOn(const QColor& text, const QColor& background);
    // A quieter colour than text for captions and help, still readable:
    // text blended toward background as far as the contrast allows.
    Q_INVOKABLE static QColor secondaryOn(const QColor& text, const QColor& background);
};

} // namespace tolvaran
