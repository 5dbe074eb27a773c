#include "OverlayStyle.h"

#include "OverlayGeometry.h"
#include "SpeakerColors.h"
#include "settings/AppSettings.h"

namespace tolvaran {

QColor OverlayStyle::speakerColor(const QString& speaker)
{
    return tolvaran::speakerColor(speaker);
}

bool OverlayStyle::showsOriginal(int mode)
{
    return showOriginal(DisplayMode(mode));
}

bool OverlayStyle::showsTranslation(int mode)
{
    return showTranslated(DisplayMode(mode));
}

bool OverlayStyle::isBoth(int mode)
{
    return DisplayMode(mode) == DisplayMode::both;
}

int OverlayStyle::idealWidth(int mode)
{
    return isBoth(mode) ? OverlayGeometry::idealWidthSideBySide : OverlayGeometry::idealWidthOneColumn;
}

QString OverlayStyle::displayModeLabel(int mode)
{
    switch (DisplayMode(mode)) {
    case DisplayMode::translatedOnly:
        return QStringLiteral("Translate");
    case DisplayMode::both:
        return QStringLiteral("Original & Translate");
    case DisplayMode::originalOnly:
        return QStringLiteral("Original");
    }
    return {};
}

int OverlayStyle::nextDisplayMode(int mode)
{
    switch (DisplayMode(mode)) {
    case DisplayMode::both:
        return int(DisplayMode::translatedOnly);
    case DisplayMode::translatedOnly:
        return int(DisplayMode::originalOnly);
    case DisplayMode::originalOnly:
        break;
    }
    return int(DisplayMode::both);
}

void OverlayStyle::cycleDisplayMode(AppSettings* settings)
{
    if (settings)
        settings->setDisplayMode(DisplayMode(nextDisplayMode(int(settings->displayMode()))));
}

QString OverlayStyle::fontSizeHelp(AppSettings* settings)
{
    return settings ? QStringLiteral("Font size: ") + label(settings->fontSizePreset()) : QString();
}

} // namespace tolvaran
