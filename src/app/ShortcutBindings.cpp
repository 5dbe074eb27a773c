#include "ShortcutBindings.h"

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

namespace tolvaran {

ShortcutBindings::ShortcutBindings(
    GlobalShortcuts& shortcuts, AppSettings& settings, TranslationViewModel& viewModel, QObject* parent)
    : QObject(parent)
    , m_shortcuts(shortcuts)
    , m_settings(settings)
    , m_viewModel(viewModel)
{
    using Action = GlobalShortcuts::Action;
    for (const Action action : {Action::listening, Action::overlay, Action::recording})
        apply(action);
    connect(&settings, &AppSettings::listeningShortcutChanged, this, [this] { apply(Action::listening); });
    connect(&settings, &AppSettings::overlayShortcutChanged, this, [this] { apply(Action::overlay); });
    connect(&settings, &AppSettings::recordingShortcutChanged, this, [this] { apply(Action::recording); });
    connect(&shortcuts, &GlobalShortcuts::activated, this, &ShortcutBindings::perform);
}

void ShortcutBindings::apply(GlobalShortcuts::Action action)
{
    QString text;
    switch (action) {
    case GlobalShortcuts::Action::listening:
        text = m_settings.listeningShortcut();
        break;
    case GlobalShortcuts::Action::overlay:
        text = m_settings.overlayShortcut();
        break;
    case GlobalShortcuts::Action::recording:
        text = m_settings.recordingShortcut();
        break;
    }
    m_shortcuts.setShortcut(action, QKeySequence(text, QKeySequence::PortableText));
}

void ShortcutBindings::perform(GlobalShortcuts::Action action)
{
    const auto kind = m_viewModel.state().kind();
    switch (action) {
    case GlobalShortcuts::Action::listening:
        // A start still connecting is stopped as well.
        if (kind == ConnectionState::Kind::disconnected || kind == ConnectionState::Kind::error)
            m_viewModel.startListening();
        else
            m_viewModel.stopListening();
        break;
    case GlobalShortcuts::Action::overlay:
        m_viewModel.setIsOverlayVisible(!m_viewModel.isOverlayVisible());
        break;
    case GlobalShortcuts::Action::recording:
        if (m_viewModel.isRecording())
            m_viewModel.stopRecording();
        else if (m_viewModel.isListening())
            m_viewModel.startRecording();
        break;
    }
}

} // namespace tolvaran
