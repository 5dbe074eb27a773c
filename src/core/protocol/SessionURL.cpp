#include "SessionURL.h"

#include <QUrlQuery>

namespace tolvaran {

SessionRequest SessionRequest::fromQuery(const QUrlQuery& query)
{
    SessionRequest request;
    request.language = query.queryItemValue(QStringLiteral("lang"));
    const QString room = query.queryItemValue(QStringLiteral("room"), QUrl::FullyDecoded);
    request.createRoom = room == u"create";
    if (!request.createRoom)
        request.resumeRoomId = room;
    const QString hints = query.queryItemValue(QStringLiteral("hints"));
    request.speakerLanguageHints = hints.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return request;
}

QString sessionURLText(const QString& serverURL, const QString& language, bool createRoom,
    const QStringList& speakerLanguageHints, const QString& resumeRoomId)
{
    QString text = serverURL + QLatin1StringView(sessionPath) + QStringLiteral("?lang=") + language;
    if (!resumeRoomId.isEmpty())
        text += QStringLiteral("&room=") + QString::fromLatin1(QUrl::toPercentEncoding(resumeRoomId));
    else if (createRoom)
        text += QStringLiteral("&room=create");
    if (!speakerLanguageHints.isEmpty())
        text += QStringLiteral("&hints=") + speakerLanguageHints.join(QLatin1Char(','));
    return text;
}

std::optional<QUrl> parseSessionURL(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != u"ws" && scheme != u"wss") || url.host().isEmpty())
        return std::nullopt;
    return url;
}

} // namespace tolvaran
