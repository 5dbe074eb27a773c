#pragma once

#include "ListModels.h"
#include "ResultText.h"
#include "model/TranslationModels.h"
#include "protocol/ServerMessages.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace tolvaran {

// Turns server results into finished lines and interim words. Main thread.
class ResultProcessor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<tolvaran::TranslationLine> translationLines READ translationLines NOTIFY translationLinesChanged)
    Q_PROPERTY(QString currentOriginal READ currentOriginal NOTIFY currentOriginalChanged)
    Q_PROPERTY(QString currentTranslation READ currentTranslation NOTIFY currentTranslationChanged)
    Q_PROPERTY(
        QList<tolvaran::InterimWord> currentOriginalWords READ currentOriginalWords NOTIFY currentOriginalWordsChanged)
    Q_PROPERTY(QList<tolvaran::InterimWord> currentTranslationWords READ currentTranslationWords NOTIFY
            currentTranslationWordsChanged)
    Q_PROPERTY(QString currentInterimSpeaker READ currentInterimSpeaker NOTIFY currentInterimSpeakerChanged)
    // The finished lines, as a model with named roles.
    Q_PROPERTY(QAbstractListModel* translationLineModel READ translationLineModel CONSTANT)

public:
    // maxLines is asked on every new line, so a changed setting applies at once.
    explicit ResultProcessor(std::function<int()> maxLines, QObject* parent = nullptr);

    void handleTranslationResult(const TranslationResult& result);
    // The interim text becomes a line of its own (end of a run).
    void finalizeCurrentLine();
    // Lines and interim text go (a new run begins).
    void clear();

    const QList<TranslationLine>& translationLines() const { return m_lines.rows(); }

    TranslationLineModel* lineModel() { return &m_lines; }

    QAbstractListModel* translationLineModel() { return &m_lines; }

    const QString& currentOriginal() const { return m_currentOriginal; }

    const QString& currentTranslation() const { return m_currentTranslation; }

    const QList<InterimWord>& currentOriginalWords() const { return m_currentOriginalWords; }

    const QList<InterimWord>& currentTranslationWords() const { return m_currentTranslationWords; }

    const QString& currentInterimSpeaker() const { return m_currentInterimSpeaker; }

signals:
    void translationLinesChanged();
    void currentOriginalChanged();
    void currentTranslationChanged();
    void currentOriginalWordsChanged();
    void currentTranslationWordsChanged();
    void currentInterimSpeakerChanged();
    // A server-finalized utterance (lines made by finalizeCurrentLine are not),
    // with when its words were spoken when the server said.
    void utteranceFinalized(const TranslationLine& line, const tolvaran::ResultText::SpokenTime& time);
    // A late translation replaced the last line's translation.
    void lastTranslationUpdated(const QString& translatedText);

private:
    void applyTranslationUpdate(const TranslationResult& result);
    void finalizeUtterance(const TranslationResult& result);
    void updateInterim(const TranslationResult& result);
    void appendFinalLine(const TranslationLine& line);
    void clearInterim();

    std::function<int()> m_maxLines;
    TranslationLineModel m_lines;
    QString m_currentOriginal;
    QString m_currentTranslation;
    QList<InterimWord> m_currentOriginalWords;
    QList<InterimWord> m_currentTranslationWords;
    QString m_currentInterimSpeaker;
    QString m_lastSpeaker = QStringLiteral("1");
};

} // namespace tolvaran
