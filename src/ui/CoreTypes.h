#pragma once

#include "ParagraphListModel.h"
#include "desktop/LoginItem.h"
#include "desktop/UpdaterService.h"
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

// The view model's parts, which views reach through its properties
// (viewModel.session.isListening) but never name.
struct ListeningSessionForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::ListeningSession)
    QML_ANONYMOUS
};

struct ResultProcessorForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::ResultProcessor)
    QML_ANONYMOUS
};

struct RecordingControllerForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::RecordingController)
    QML_ANONYMOUS
};

struct RoomStateForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::RoomState)
    QML_ANONYMOUS
};

struct AppSettingsForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::AppSettings)
    QML_NAMED_ELEMENT(AppSettings)
    QML_UNCREATABLE("The program owns the settings")
};

struct UpdaterServiceForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::UpdaterService)
    QML_NAMED_ELEMENT(UpdaterService)
    QML_UNCREATABLE("The program owns the updater")
};

struct LoginItemForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::LoginItem)
    QML_NAMED_ELEMENT(LoginItem)
};

// The enums of the core's value types (DisplayMode, SubtitlesSide, ...), so
// that the QML tools know the type of the settings that hold them.
namespace TranslationModelsForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(tolvaran)
QML_NAMED_ELEMENT(Tolvaran)
} // namespace TranslationModelsForeign

// The overlay's paragraphs, which views take as a model but never name.
struct ParagraphListModelForeign
{
    Q_GADGET
    QML_FOREIGN(tolvaran::ParagraphListModel)
    QML_ANONYMOUS
};

} // namespace tolvaran::qmlforeign
