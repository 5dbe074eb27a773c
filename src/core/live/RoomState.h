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

public:
    using QObject::QObject;

    bool isRoomMode() const { return m_isRoomMode; }

    void setIsRoomMode(bool roomMode);

    const std::optional<QString>& roomId() const { return m_roomId; }

    void setRoomId(const std::optional<QString>& roomId);

    qint64 roomSubscriberCount() const { return m_roomSubscriberCount; }

    const QList<LanguageSubscriberCount>& roomActiveLanguages() const { return m_languages.rows(); }

    RoomLanguageModel* languageModel() { return &m_languages; }

    void applyUpdate(qint64 count, const QList<LanguageSubscriberCount>& languages);
    // End of a run in room mode: room mode off and every room field cleared.
    void reset();

    // The link others open to follow the room, while a room is open. The
    // identifier comes from the server: it is percent-encoded, so it can
    // neither change the link's path nor break it in two.
    std::optional<QString> shareURL(const QString& serverURL) const;

signals:
    void isRoomModeChanged();
    void roomIdChanged();
    void roomSubscriberCountChanged();
    void roomActiveLanguagesChanged();
    // The share link may differ (room mode or identifier changed).
    void shareURLChanged();

private:
    bool m_isRoomMode = false;
    std::optional<QString> m_roomId;
    qint64 m_roomSubscriberCount = 0;
    RoomLanguageModel m_languages;
};

} // namespace tolvaran
