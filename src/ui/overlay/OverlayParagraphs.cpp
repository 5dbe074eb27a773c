#include "OverlayParagraphs.h"

#include "live/TranslationViewModel.h"
#include "model/RandomUuid.h"
#include "settings/AppSettings.h"

#include <QTimer>

namespace tolvaran {

OverlayParagraphs::OverlayParagraphs(QObject* parent)
    : QObject(parent)
{ }

void OverlayParagraphs::setViewModel(TranslationViewModel* viewModel)
{
    if (viewModel == m_viewModel)
        return;
    if (m_viewModel) {
        m_viewModel->session()->disconnect(this);
        m_viewModel->results()->disconnect(this);
    }
    m_viewModel = viewModel;
    if (viewModel) {
        connect(viewModel->session(), &ListeningSession::stateChanged, this, &OverlayParagraphs::scheduleRefresh);
        for (auto signal : {&ResultProcessor::translationLinesChanged, &ResultProcessor::currentOriginalChanged,
                 &ResultProcessor::currentOriginalWordsChanged, &ResultProcessor::currentTranslationWordsChanged,
                 &ResultProcessor::currentInterimSpeakerChanged})
            connect(viewModel->results(), signal, this, &OverlayParagraphs::scheduleRefresh);
    }
    refresh();
    emit viewModelChanged();
}

void OverlayParagraphs::setSettings(AppSettings* settings)
{
    if (settings == m_settings)
        return;
    if (m_settings)
        m_settings->disconnect(this);
    m_settings = settings;
    if (settings)
        connect(settings, &AppSettings::paragraphSilenceGapChanged, this, &OverlayParagraphs::scheduleRefresh);
    refresh();
    emit settingsChanged();
}

void OverlayParagraphs::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_refreshPending)
            refresh();
    });
}

void OverlayParagraphs::refresh()
{
    m_refreshPending = false;
    if (!m_viewModel || !m_settings) {
        m_model.setParagraphs({});
        emit refreshed();
        return;
    }
    const ParagraphGrouper::Interim interim{m_viewModel->isListening(), m_viewModel->currentOriginal(),
        m_viewModel->currentInterimSpeaker(), m_viewModel->currentOriginalWords(),
        m_viewModel->currentTranslationWords()};
    const QList<TranslationLine>& lines = m_viewModel->translationLines();
    QList<TranslationParagraph> paragraphs = ParagraphGrouper::group(lines, interim, m_settings->paragraphSilenceGap());
    m_identities.apply(lines, paragraphs);
    m_model.setParagraphs(paragraphs);
    emit refreshed();
}

PreviewParagraphs::PreviewParagraphs(QObject* parent)
    : QObject(parent)
{
    m_model.setParagraphs(sampleParagraphs());
}

const QList<TranslationParagraph>& PreviewParagraphs::sampleParagraphs()
{
    static const QList<TranslationParagraph> paragraphs = [] {
        const QDateTime now = QDateTime::currentDateTime();
        const auto sample = [&](const char* original, const char* translated, int seconds) {
            const TranslationLine line{randomUuid(), QStringLiteral("Speaker 1"), QString::fromUtf8(original),
                QString::fromUtf8(translated), QStringLiteral("es"), now.addSecs(seconds), true};
            return TranslationParagraph({line});
        };
        return QList{sample("Buenos días, ¿cómo estás hoy?", "Good morning, how are you today?", 0),
            sample(
                "Estoy bien, gracias. ¿Podemos empezar la reunión?", "I'm fine, thanks. Can we start the meeting?", 3),
            sample("Sí, por supuesto. El primer tema es el proyecto nuevo.",
                "Yes, of course. The first topic is the new project.", 6)};
    }();
    return paragraphs;
}

} // namespace tolvaran
