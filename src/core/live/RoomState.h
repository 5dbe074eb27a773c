#pragma once

#include "ListModels.h"
#include "protocol/ServerMessages.h"

#include <QObject>
#include <QString>

#include <optional>

namespace tolvaran {

// The room a listening run opened on the server: its identifier, the share
// link and who listens in which language. Main thread.
class RoomState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRoomMode READ isRoomMode WRITE setIsRoomMode NOTIFY isRoomModeChanged)
    Q_PROPERTY(qint64 roomSubscriberCount READ roomSubscriberCount NOTIFY roomSubscriberCountChanged)
    Q_PROPERTY(QString roomShareURL READ roomShareURLText NOTIFY roomShareURLChanged)
    // The server opened a new room when the connection was opened again:
    // the link shared before no longer leads to it.
    Q_PROPERTY(bool hasLinkChanged READ hasLinkChanged NOTIFY roomShareURLChanged)
    // Who can open the link, when that is known: empty for another
    // machine's server.
    Q_PROPERTY(QString audienceText READ audienceText NOTIFY roomShareURLChanged)
    // Who listens in which language, as a model with named roles.
    Q_PROPERTY(QAbstractListModel* roomLanguageModel READ roomLanguageModel CONSTANT)

public:
    using QObject::QObject;

    bool isRoomMode() const { return m_isRoomMode; }

    void setIsRoomMode(bool roomMode);

    const std::optional<QString>& roomId() const { return m_roomId; }

    void setRoomId(const std::optional<QString>& roomId);

    bool hasLinkChanged() const { return m_hasLinkChanged; }

    void setHasLinkChanged(bool changed);

    qint64 roomSubscriberCount() const { return m_roomSubscriberCount; }

    const QList<LanguageSubscriberCount>& roomActiveLanguages() const { return m_languages.rows(); }

    RoomLanguageModel* languageModel() { return &m_languages; }

    QAbstractListModel* roomLanguageModel() { return &m_languages; }

    void applyUpdate(qint64 count, const QList<LanguageSubscriberCount>& languages);
    // End of a run in room mode: room mode off and every room field cleared.
    void reset();

    // The address listening connects to, on which the share link is made.
    void setServerURL(const QString& serverURL);

    // The machine's address on its network while rooms are shared there
    // (the local server then serves listeners on it); empty otherwise. A
    // link to this machine's loopback uses it instead.
    void setNetworkAddress(const QString& address);

    QString audienceText() const;

    // The link others open to follow the room, while a room is open. The
    // identifier comes from the server: it is percent-encoded, so it can
    // neither change the link's path nor break it in two.
    std::optional<QString> shareURL() const;

    QString roomShareURLText() const { return shareURL().value_or(QString()); }

signals:
    void isRoomModeChanged();
    void roomIdChanged();
    void roomSubscriberCountChanged();
    void roomActiveLanguagesChanged();
    // The share link may differ (room mode, identifier or server changed).
    void roomShareURLChanged();

private:
    bool isOnThisMachine() const;

    bool m_isRoomMode = false;
    std::optional<QString> m_roomId;
    bool m_hasLinkChanged = false;
    QString m_serverURL;
    QString m_networkAddress;
    qint64 m_roomSubscriberCount = 0;
    RoomLanguageModel m_languages;
};

} // namespace tolvaran
