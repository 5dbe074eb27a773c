#include "RoomState.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QUrl>

namespace tolvaran {

void RoomState::setIsRoomMode(bool roomMode)
{
    if (m_isRoomMode == roomMode)
        return;
    m_isRoomMode = roomMode;
    emit isRoomModeChanged();
    emit roomShareURLChanged();
}

void RoomState::setRoomId(const std::optional<QString>& roomId)
{
    if (m_roomId == roomId)
        return;
    m_roomId = roomId;
    emit roomIdChanged();
    emit roomShareURLChanged();
}

void RoomState::setHasLinkChanged(bool changed)
{
    if (m_hasLinkChanged == changed)
        return;
    m_hasLinkChanged = changed;
    emit roomShareURLChanged();
}

void RoomState::applyUpdate(qint64 count, const QList<LanguageSubscriberCount>& languages)
{
    if (m_roomSubscriberCount != count) {
        m_roomSubscriberCount = count;
        emit roomSubscriberCountChanged();
    }
    // Replaced on every update, and always told.
    m_languages.setRows(languages);
    emit roomActiveLanguagesChanged();
}

void RoomState::reset()
{
    setIsRoomMode(false);
    setRoomId(std::nullopt);
    setHasLinkChanged(false);
    applyUpdate(0, {});
}

void RoomState::setServerURL(const QString& serverURL)
{
    if (m_serverURL == serverURL)
        return;
    m_serverURL = serverURL;
    emit roomShareURLChanged();
}

void RoomState::setNetworkAddress(const QString& address)
{
    if (m_networkAddress == address)
        return;
    m_networkAddress = address;
    emit roomShareURLChanged();
}

bool RoomState::isOnThisMachine() const
{
    const QString host = QUrl(m_serverURL).host();
    return host == u"localhost" || QHostAddress(host).isLoopback();
}

QString RoomState::audienceText() const
{
    if (!isOnThisMachine())
        return {};
    if (!m_networkAddress.isEmpty())
        return QCoreApplication::translate("RoomState", "Anyone on this network with the link");
    return QCoreApplication::translate("RoomState", "Only this computer can open the link");
}

std::optional<QString> RoomState::shareURL() const
{
    if (!m_roomId || !m_isRoomMode)
        return std::nullopt;
    QString base = m_serverURL;
    if (!m_networkAddress.isEmpty() && isOnThisMachine()) {
        QUrl url(m_serverURL);
        url.setHost(m_networkAddress);
        base = url.toString();
    }
    base.replace(QStringLiteral("ws://"), QStringLiteral("http://"));
    base.replace(QStringLiteral("wss://"), QStringLiteral("https://"));
    return base + QStringLiteral("/room/") + QString::fromLatin1(QUrl::toPercentEncoding(*m_roomId));
}

} // namespace tolvaran
