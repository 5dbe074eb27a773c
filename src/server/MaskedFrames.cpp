#include "MaskedFrames.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QWebSocket>
#include <QtEndian>

#include <sys/ioctl.h>
#include <sys/socket.h>

namespace tolvaran::server {

bool MaskedFrames::watch(QWebSocket* socket, const QObject& server)
{
    // The HTTP server's listening socket keeps the connection's TCP socket
    // as its child after the upgrade.
    QTcpSocket* tcp = nullptr;
    for (QTcpSocket* candidate : server.findChildren<QTcpSocket*>()) {
        if (candidate->peerPort() == socket->peerPort() && candidate->peerAddress() == socket->peerAddress()
            && candidate->localPort() == socket->localPort())
            tcp = candidate;
    }
    if (!tcp)
        return false;
    QSocketNotifier* reader = nullptr;
    for (QSocketNotifier* notifier : tcp->findChildren<QSocketNotifier*>()) {
        if (notifier->type() == QSocketNotifier::Read)
            reader = notifier;
    }
    if (!reader)
        return false;
    auto* frames = new MaskedFrames;
    frames->setParent(tcp);
    frames->m_socket = socket;
    frames->m_tcp = tcp;
    // What came in Qt's buffer after the upgrade request, then the queue.
    if (!frames->follow(tcp->peek(tcp->bytesAvailable())))
        frames->refuse();
    else if (frames->inspectQueue() && frames->m_headersChecked == 0)
        reader->installEventFilter(frames);
    return true;
}

qint64 MaskedFrames::queued() const
{
    int bytes = 0;
    if (!m_tcp || ::ioctl(int(m_tcp->socketDescriptor()), FIONREAD, &bytes) != 0)
        return 0;
    return bytes;
}

// Follows what the receive queue holds beyond what was seen; closes the
// connection at an unmasked frame.
bool MaskedFrames::inspectQueue()
{
    const qint64 available = queued();
    if (available > m_seen) {
        QByteArray bytes(available, Qt::Uninitialized);
        const auto got
            = ::recv(int(m_tcp->socketDescriptor()), bytes.data(), size_t(available), MSG_PEEK | MSG_DONTWAIT);
        if (got > m_seen && !follow(QByteArrayView(bytes).first(got).sliced(m_seen))) {
            refuse();
            return false;
        }
    }
    m_seen = available;
    return true;
}

void MaskedFrames::refuse()
{
    m_socket->close(QWebSocketProtocol::CloseCodeProtocolError, QStringLiteral("Client frames must be masked"));
}

bool MaskedFrames::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::SockAct || m_delivering || !m_socket || m_headersChecked > 0)
        return false;
    if (!inspectQueue())
        return true;
    // Qt reads the queue now; what it leaves there was seen already.
    QPointer<MaskedFrames> self(this);
    m_delivering = true;
    QCoreApplication::sendEvent(watched, event);
    if (self) {
        m_delivering = false;
        m_seen = queued();
        // The notifier may be gone with the connection: a filter that goes
        // is left out of its filters.
        if (m_headersChecked > 0)
            deleteLater();
    }
    return true;
}

bool MaskedFrames::follow(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        if (m_payloadLeft > 0) {
            const qsizetype skipped = qsizetype(std::min<quint64>(m_payloadLeft, quint64(bytes.size())));
            m_payloadLeft -= quint64(skipped);
            bytes = bytes.sliced(skipped);
            continue;
        }
        m_header.append(bytes.front());
        bytes = bytes.sliced(1);
        if (m_header.size() < 2)
            continue;
        const quint8 second = quint8(m_header[1]);
        if ((second & 0x80) == 0)
            return false;
        const int lengthField = second & 0x7F;
        const qsizetype extended = lengthField == 126 ? 2 : lengthField == 127 ? 8 : 0;
        if (m_header.size() < 2 + extended + 4)
            continue;
        const auto* length = reinterpret_cast<const uchar*>(m_header.constData() + 2);
        m_payloadLeft = extended == 2 ? qFromBigEndian<quint16>(length)
            : extended == 8           ? qFromBigEndian<quint64>(length)
                                      : quint64(lengthField);
        m_header.clear();
        ++m_headersChecked;
    }
    return true;
}

} // namespace tolvaran::server
