#include "SessionURL.h"

#include <QUrlQuery>

namespace tolvaran {

SessionRequest SessionRequest::fromQuery(const QUrlQuery& query)
{
    SessionRequest request;
    request.language = query.queryItemValue(QStringLiteral("lang"));
    request.createRoom = query.queryItemValue(QStringLiteral("room")) == u"create";
    const QString hints = query.queryItemValue(QStringLiteral("hints"));
    request.speakerLanguageHints = hints.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return request;
}

QString sessionURLText(
    const QString& serverURL, const QString& language, bool createRoom, const QStringList& speakerLanguageHints)
{
    QString text = serverURL + QLatin1StringView(sessionPath) + QStringLiteral("?lang=") + language;
    if (createRoom)
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
