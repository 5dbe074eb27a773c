#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

class AppSettings;

// The small rules the overlay views follow, kept out of QML so that they are
// written once: speaker colours, what each display mode shows and the
// display-mode cycle. The toolbar's labels are the views' own (Texts.qml).
class OverlayStyle : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE static QColor speakerColor(const QString& speaker);
    // mode: a DisplayMode.
    Q_INVOKABLE static bool showsOriginal(int mode);
    Q_INVOKABLE static bool showsTranslation(int mode);
    Q_INVOKABLE static bool isBoth(int mode);
    // The overlay panel's width for the mode, when nothing else decides it.
    Q_INVOKABLE static int idealWidth(int mode);
    // In "Translate" mode, speech already in the target language (a
    // TargetLanguage) gets no translation from the server; its own words
    // stand in the translation column rather than an empty card.
    Q_INVOKABLE static bool showsOriginalAsTranslation(
        int mode, const QString& language, int target, bool hasTranslation);
    // both -> translated only -> original only -> both.
    Q_INVOKABLE static int nextDisplayMode(int mode);
    Q_INVOKABLE static void cycleDisplayMode(tolvaran::AppSettings* settings);
};

} // namespace tolvaran
