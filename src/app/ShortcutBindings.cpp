#include "ShortcutBindings.h"

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

namespace tolvaran {

ShortcutBindings::ShortcutBindings(
    ShortcutService& shortcuts, AppSettings& settings, TranslationViewModel& viewModel, QObject* parent)
    : QObject(parent)
    , m_shortcuts(shortcuts)
    , m_settings(settings)
    , m_viewModel(viewModel)
{
    using Action = ShortcutService::Action;
    for (const Action action : {Action::listening, Action::overlay, Action::recording})
        apply(action);
    connect(&settings, &AppSettings::listeningShortcutChanged, this, [this] { apply(Action::listening); });
    connect(&settings, &AppSettings::overlayShortcutChanged, this, [this] { apply(Action::overlay); });
    connect(&settings, &AppSettings::recordingShortcutChanged, this, [this] { apply(Action::recording); });
    connect(&shortcuts, &ShortcutService::activated, this, &ShortcutBindings::perform);
}

void ShortcutBindings::apply(ShortcutService::Action action)
{
    QString text;
    switch (action) {
    case ShortcutService::Action::listening:
        text = m_settings.listeningShortcut();
        break;
    case ShortcutService::Action::overlay:
        text = m_settings.overlayShortcut();
        break;
    case ShortcutService::Action::recording:
        text = m_settings.recordingShortcut();
        break;
    }
    m_shortcuts.setShortcut(action, QKeySequence(text, QKeySequence::PortableText));
}

void ShortcutBindings::perform(ShortcutService::Action action)
{
    const auto kind = m_viewModel.state().kind();
    switch (action) {
    case ShortcutService::Action::listening:
        // A start still connecting is stopped as well.
        if (kind == ConnectionState::Kind::disconnected || kind == ConnectionState::Kind::error)
            m_viewModel.startListening();
        else
            m_viewModel.stopListening();
        break;
    case ShortcutService::Action::overlay:
        m_viewModel.setIsOverlayVisible(!m_viewModel.isOverlayVisible());
        break;
    case ShortcutService::Action::recording:
        if (m_viewModel.isRecording())
            m_viewModel.stopRecording();
        else if (m_viewModel.isListening())
            m_viewModel.startRecording();
        break;
    }
}

} // namespace tolvaran
