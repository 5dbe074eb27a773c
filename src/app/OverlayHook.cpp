#include "OverlayHook.h"

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

namespace tolvaran {

OverlayHook::OverlayHook(TranslationViewModel& viewModel, AppSettings& settings, QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_viewModel(viewModel)
    , m_settings(settings)
    , m_windows(engine)
{
    connect(&viewModel, &TranslationViewModel::stateChanged, this, [this] {
        const bool listening = m_viewModel.isListening();
        if (listening && !m_wasListening && m_viewModel.isOverlayVisible())
            m_windows.show(m_viewModel, m_settings);
        m_wasListening = listening;
    });
    connect(&viewModel, &TranslationViewModel::isOverlayVisibleChanged, this, [this] {
        if (!m_viewModel.isOverlayVisible())
            m_windows.hide();
        else if (m_viewModel.isListening())
            m_windows.show(m_viewModel, m_settings);
    });
    connect(&settings, &AppSettings::isPinnedAboveAllChanged, this,
        [this] { m_windows.updateWindowLevel(m_settings.isPinnedAboveAll()); });
    connect(&viewModel, &TranslationViewModel::isTranslationPreviewVisibleChanged, this, [this] {
        if (m_viewModel.isTranslationPreviewVisible())
            m_windows.showPreview(m_viewModel, m_settings);
        else
            m_windows.hidePreview();
    });
    connect(&viewModel, &TranslationViewModel::resetOverlayPositionRequestedChanged, this, [this] {
        if (!m_viewModel.resetOverlayPositionRequested())
            return;
        m_windows.resetPosition();
        m_viewModel.setResetOverlayPositionRequested(false);
    });
}

} // namespace tolvaran
