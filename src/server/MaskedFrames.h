#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QTcpSocket;
class QWebSocket;

namespace tolvaran::server {

// Every frame a client sends must be masked, and QWebSocket takes unmasked
// ones as they come. This follows the frame headers on the TCP connection
// beneath an accepted QWebSocket, looking at each new byte in the system's
// receive queue before Qt reads it, and closes the connection with a
// protocol error at an unmasked frame, so that frame is never handled.
// It stops after the first whole frame header: bytes that arrive while Qt
// reads would go unseen, and a header followed from the wrong place could
// refuse a client that masks every frame. A client that does not mask shows
// it from its first frame.
class MaskedFrames : public QObject
{
    Q_OBJECT

public:
    // Watches a socket the server accepted; false when its TCP connection
    // is not found.
    static bool watch(QWebSocket* socket, const QObject& server);

    MaskedFrames() = default;

    // Reads the next bytes of the stream; false at an unmasked frame.
    bool follow(QByteArrayView bytes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qint64 queued() const;
    bool inspectQueue();
    void refuse();

    QPointer<QWebSocket> m_socket;
    QPointer<QTcpSocket> m_tcp;
    // Bytes at the front of the receive queue already followed.
    qint64 m_seen = 0;
    bool m_delivering = false;
    // The header being read, and the payload bytes still to skip.
    QByteArray m_header;
    quint64 m_payloadLeft = 0;
    int m_headersChecked = 0;
};

} // namespace tolvaran::server
