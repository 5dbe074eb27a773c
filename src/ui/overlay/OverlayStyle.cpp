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

bool OverlayStyle::showsOriginalAsTranslation(int mode, const QString& language, int target, bool hasTranslation)
{
    if (DisplayMode(mode) != DisplayMode::translatedOnly || hasTranslation || target < 0
        || target >= int(caseCount<TargetLanguage>))
        return false;
    // "en-US" is English too.
    const QString spoken = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return spoken.compare(rawValue(TargetLanguage(target)), Qt::CaseInsensitive) == 0;
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

} // namespace tolvaran
