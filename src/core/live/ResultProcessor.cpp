#include "ResultProcessor.h"

#include "Assign.h"
#include "ResultText.h"
#include "model/RandomUuid.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcViewModel)

namespace tolvaran {

ResultProcessor::ResultProcessor(std::function<int()> maxLines, QObject* parent)
    : QObject(parent)
    , m_maxLines(std::move(maxLines))
{ }

void ResultProcessor::handleTranslationResult(const TranslationResult& result)
{
    qCDebug(lcViewModel, "Result: original='%s' translation='%s' tokens=%lld", qUtf8Printable(result.original.left(80)),
        qUtf8Printable(result.translation.left(80)), qint64(result.tokens.size()));
    if (ResultText::isTranslationOnlyMessage(result))
        applyTranslationUpdate(result);
    else if (ResultText::isFinalized(result))
        finalizeUtterance(result);
    else
        updateInterim(result);
}

void ResultProcessor::finalizeUtterance(const TranslationResult& result)
{
    m_lastSpeaker = ResultText::speakerIdentifier(result).value_or(m_lastSpeaker);
    const TranslationLine line{randomUuid(), ResultText::speakerLabel(m_lastSpeaker),
        ResultText::trimmed(result.original), ResultText::trimmed(result.translation),
        ResultText::detectLanguage(result), QDateTime::currentDateTime(), true};
    appendFinalLine(line);
    emit utteranceFinalized(line, ResultText::spokenTime(result));

    // One line at most per utterance: a lowered cap takes effect gradually.
    if (m_lines.rowCount() > m_maxLines()) {
        m_lines.removeFirst();
        emit translationLinesChanged();
    }
}

void ResultProcessor::applyTranslationUpdate(const TranslationResult& result)
{
    const QString translated = ResultText::trimmed(result.translation);
    if (!m_lines.rows().isEmpty()) {
        const TranslationLine last = m_lines.rows().last();
        // A new identity: views treat the line as new.
        m_lines.replace(m_lines.rowCount() - 1,
            {randomUuid(), last.speaker, last.originalText, translated, last.language, last.timestamp, true});
        emit translationLinesChanged();
    }
    emit lastTranslationUpdated(translated);
}

void ResultProcessor::updateInterim(const TranslationResult& result)
{
    if (assign(m_currentOriginal, result.original))
        emit currentOriginalChanged();
    if (assign(m_currentTranslation, result.translation))
        emit currentTranslationChanged();
    if (assign(m_currentOriginalWords, ResultText::updateWords(m_currentOriginalWords, result.original)))
        emit currentOriginalWordsChanged();
    if (assign(m_currentTranslationWords, ResultText::updateWords(m_currentTranslationWords, result.translation)))
        emit currentTranslationWordsChanged();
    const QString speaker = ResultText::speakerLabel(ResultText::speakerIdentifier(result).value_or(m_lastSpeaker));
    if (assign(m_currentInterimSpeaker, speaker))
        emit currentInterimSpeakerChanged();
}

void ResultProcessor::finalizeCurrentLine()
{
    const QString original = ResultText::trimmed(m_currentOriginal);
    if (original.isEmpty())
        return;
    appendFinalLine({randomUuid(), ResultText::speakerLabel(m_lastSpeaker), original,
        ResultText::trimmed(m_currentTranslation), QStringLiteral("?"), QDateTime::currentDateTime(), true});
}

void ResultProcessor::clear()
{
    if (!m_lines.rows().isEmpty()) {
        m_lines.setRows({});
        emit translationLinesChanged();
    }
    clearInterim();
}

void ResultProcessor::appendFinalLine(const TranslationLine& line)
{
    m_lines.append(line);
    emit translationLinesChanged();
    clearInterim();
}

void ResultProcessor::clearInterim()
{
    if (assign(m_currentOriginal, QString()))
        emit currentOriginalChanged();
    if (assign(m_currentTranslation, QString()))
        emit currentTranslationChanged();
    if (assign(m_currentOriginalWords, QList<InterimWord>()))
        emit currentOriginalWordsChanged();
    if (assign(m_currentTranslationWords, QList<InterimWord>()))
        emit currentTranslationWordsChanged();
    if (assign(m_currentInterimSpeaker, QString()))
        emit currentInterimSpeakerChanged();
}

} // namespace tolvaran
