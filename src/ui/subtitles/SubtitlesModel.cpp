#include "SubtitlesModel.h"

#include "SubtitlesText.h"

namespace tolvaran {

SubtitlesModel::SubtitlesModel(QObject* parent)
    : QObject(parent)
{ }

void SubtitlesModel::setViewModel(TranslationViewModel* viewModel)
{
    if (m_viewModel == viewModel)
        return;
    m_viewModel = viewModel;
    connectSources();
}

void SubtitlesModel::setSettings(AppSettings* settings)
{
    if (m_settings == settings)
        return;
    m_settings = settings;
    connectSources();
}

void SubtitlesModel::setIsPreview(bool preview)
{
    if (m_isPreview == preview)
        return;
    m_isPreview = preview;
    connectSources();
}

void SubtitlesModel::connectSources()
{
    for (const auto& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    if (m_settings) {
        m_connections << connect(m_settings, &AppSettings::displayModeChanged, this, &SubtitlesModel::update)
                      << connect(m_settings, &AppSettings::paragraphSilenceGapChanged, this, &SubtitlesModel::update)
                      << connect(
                             m_settings, &AppSettings::subtitlesSideChanged, this, &SubtitlesModel::alignmentChanged);
    }
    if (m_viewModel && !m_isPreview) {
        m_connections << connect(
            m_viewModel->results(), &ResultProcessor::translationLinesChanged, this, &SubtitlesModel::update)
                      << connect(m_viewModel->results(), &ResultProcessor::currentTranslationChanged, this,
                             &SubtitlesModel::update)
                      << connect(m_viewModel->results(), &ResultProcessor::currentOriginalChanged, this,
                             &SubtitlesModel::update);
    }
    emit sourcesChanged();
    emit alignmentChanged();
    update();
}

void SubtitlesModel::update()
{
    QString translated;
    QString original;
    if (m_isPreview) {
        translated = previewTranslated;
        original = previewOriginal;
    } else if (m_viewModel && m_settings) {
        const QList<TranslationLine> lines
            = SubtitlesText::recentLines(m_viewModel->translationLines(), m_settings->paragraphSilenceGap());
        QStringList translatedFinals;
        QStringList originalFinals;
        for (const TranslationLine& line : lines) {
            translatedFinals.append(line.translatedText);
            originalFinals.append(line.originalText);
        }
        translated = SubtitlesText::join(translatedFinals, m_viewModel->currentTranslation());
        original = SubtitlesText::join(originalFinals, m_viewModel->currentOriginal());
    }
    m_translatedText = translated;
    m_originalText = original;
    // Also when the texts are equal: the display mode may have changed.
    emit textsChanged();
}

bool SubtitlesModel::showsTranslatedLine() const
{
    return m_settings && m_settings->displayMode() != DisplayMode::originalOnly && !m_translatedText.isEmpty();
}

bool SubtitlesModel::showsOriginalLine() const
{
    return m_settings && m_settings->displayMode() != DisplayMode::translatedOnly && !m_originalText.isEmpty();
}

bool SubtitlesModel::isBoth() const
{
    return m_settings && m_settings->displayMode() == DisplayMode::both;
}

int SubtitlesModel::alignment() const
{
    if (!m_settings)
        return Qt::AlignHCenter;
    switch (m_settings->subtitlesSide()) {
    case AppSettings::SubtitlesSide::left:
        return Qt::AlignLeft;
    case AppSettings::SubtitlesSide::right:
        return Qt::AlignRight;
    case AppSettings::SubtitlesSide::center:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace tolvaran
