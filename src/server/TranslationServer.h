#pragma once

#include "SpeechRecognizer.h"

#include <QHash>
#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class QWebSocket;
class QUrlQuery;

namespace tolvaran::server {

class Room;
class SpeakerSession;
class Translator;

// The local translation server on one port: speakers stream to /translate,
// room listeners open /room/<id> and follow on /room/<id>/listen.
class TranslationServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxSpeakers = 8;
    // Listeners included; more connections are refused.
    static constexpr int maxConnections = 256;

    TranslationServer(
        std::shared_ptr<const RecognitionEngine> engine, Translator& translator, QObject* parent = nullptr);
    ~TranslationServer() override;

    // An error text when the address cannot be bound.
    std::optional<QString> listen(const QHostAddress& address, quint16 port);

    quint16 port() const { return m_port; }

    // Codes and names of the languages a listener can choose, spoken one first.
    QList<QPair<QString, QString>> listenerLanguages() const;

    int speakerCount() const { return m_speakers; }

    // Who may connect from where: a speaker's audio only from this machine,
    // room listeners (and their page) from anywhere the server listens.
    static bool isAllowedPeer(bool isSpeaker, const QHostAddress& peer);

    // How long a room waits for a speaker whose connection dropped.
    void setSpeakerReturnMs(int milliseconds) { m_speakerReturnMs = milliseconds; }

private:
    void acceptWebSockets();
    void acceptSpeaker(std::unique_ptr<QWebSocket> socket, const QUrlQuery& query);
    void acceptListener(std::unique_ptr<QWebSocket> socket, const QString& roomId, const QUrlQuery& query);
    void refuse(std::unique_ptr<QWebSocket> socket, const QString& message, int closeCode);
    void track(QWebSocket* socket);
    Room* roomToTakeOver(const QString& roomId);
    void keepRoom(Room* room);

    std::shared_ptr<const RecognitionEngine> m_engine;
    Translator& m_translator;
    QHttpServer m_http;
    quint16 m_port = 0;
    int m_speakers = 0;
    int m_connections = 0;
    int m_speakerReturnMs;
    QHash<QString, QPointer<Room>> m_rooms;
    // Which session holds each room now.
    QHash<Room*, QPointer<SpeakerSession>> m_roomSpeakers;
};

} // namespace tolvaran::server
