#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QWebSocket;

namespace tolvaran::server {

class Translator;

// The listeners of one speaker's captions, each in a language of their own.
// Belongs to the speaker's session: it ends with it, and its listeners are told.
class Room : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxListeners = 100;
    // Listeners only say which language they want: a larger message closes
    // their connection (1009) before it is buffered.
    static constexpr qint64 maxListenerMessageBytes = 4096;

    Room(QString id, QString spokenLanguage, Translator& translator, QObject* parent = nullptr);
    ~Room() override;

    QString id() const { return m_id; }

    // The speaker's connection dropped: the room waits this long for the
    // speaker to come back, then ends.
    static constexpr int speakerReturnMs = 60'000;
    // Starts the wait; takeOver ends it.
    void awaitSpeaker(int milliseconds = speakerReturnMs);
    void takeOver();

    bool isAwaitingSpeaker() const { return m_expiry.isActive(); }

    // Utterances are numbered across the speaker's connections, so that a
    // listener's page never mistakes a new one for an old one.
    qint64 nextUtterance() const { return m_nextUtterance; }

    bool isFull() const { return m_listeners.size() >= maxListeners; }

    // Takes the listener's open socket. Listeners whose language cannot be
    // reached get the spoken words.
    void addListener(std::unique_ptr<QWebSocket> socket, const QString& language);
    // Listeners per requested language, by language code.
    QList<QPair<QString, int>> languageCounts() const;

    // The words of an utterance so far, and once it has ended.
    void showInterim(qint64 utterance, const QString& original);
    void showFinal(qint64 utterance, const QString& original);

signals:
    void listenersChanged();

private:
    struct Listener
    {
        QString requested;
        QString shown;
    };

    // Interim captions of one language: only the newest waits for translation.
    struct LanguageState
    {
        bool isTranslatingInterim = false;
        std::optional<QPair<qint64, QString>> waitingInterim;
        qint64 lastFinal = -1;
    };

    void removeListener(QWebSocket* socket);
    QList<QString> shownLanguages() const;
    void translateInterim(const QString& language);
    void send(const QString& language, const QString& message);

    QString m_id;
    QString m_spokenLanguage;
    Translator& m_translator;
    QHash<QWebSocket*, Listener> m_listeners;
    QHash<QString, LanguageState> m_languages;
    QTimer m_expiry;
    qint64 m_nextUtterance = 0;
};

} // namespace tolvaran::server
