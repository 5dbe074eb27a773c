#pragma once

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

#include <QtQml/qqml.h>

// The core's observable objects as QML types, so that windows can declare
// them as required properties. QML never creates them: the program hands its
// own instances to each window.
namespace tolvaran::qmlforeign {

struct TranslationViewModelForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::TranslationViewModel)
    QML_NAMED_ELEMENT(TranslationViewModel)
    QML_UNCREATABLE("The program owns the view model")
};

struct AppSettingsForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::AppSettings)
    QML_NAMED_ELEMENT(AppSettings)
    QML_UNCREATABLE("The program owns the settings")
};

} // namespace tolvaran::qmlforeign
