#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QUrlQuery;

namespace tolvaran {

// Where a speaker's stream goes on the server.
inline constexpr char sessionPath[] = "/translate";

// What a speaker's stream asks of the server, in its address's query.
struct SessionRequest
{
    // The target language's code; empty when the address names none.
    QString language;
    bool createRoom = false;
    QStringList speakerLanguageHints;
    // A room the speaker had before its connection dropped, to take over.
    QString resumeRoomId;

    // The server's reading of a session address's query.
    static SessionRequest fromQuery(const QUrlQuery& query);

    bool operator==(const SessionRequest&) const = default;
};

// The session address as text: the pieces joined as they are, but for a
// room to resume, which is percent-encoded and replaces "room=create".
QString sessionURLText(const QString& serverURL, const QString& language, bool createRoom,
    const QStringList& speakerLanguageHints, const QString& resumeRoomId = {});
// A ws or wss URL with a host, or nothing.
std::optional<QUrl> parseSessionURL(const QString& text);

} // namespace tolvaran
