#include "UpdaterService.h"

#include "model/JsonFields.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QVersionNumber>

#include <optional>

Q_LOGGING_CATEGORY(lcUpdater, "com.tolvaran.app.Updater")

#ifndef TOLVARAN_UPDATE_FEED_URL
#define TOLVARAN_UPDATE_FEED_URL ""
#endif

namespace tolvaran {
namespace {

struct ReleaseFeed
{
    QString version;
    std::optional<QString> releaseNotesURL;
    std::optional<QString> downloadURL;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("version"), self.version);
        visit(QLatin1StringView("releaseNotesURL"), self.releaseNotesURL);
        visit(QLatin1StringView("downloadURL"), self.downloadURL);
    }
};

// A feed could name any scheme; only web pages are opened from it.
QUrl webPage(const std::optional<QString>& text)
{
    if (!text)
        return {};
    const QUrl url(*text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"https" && scheme != u"http"))
        return {};
    return url;
}

constexpr auto transferTimeout = std::chrono::seconds(15);
constexpr const char* tooLargeProperty = "tolvaranTooLarge";

} // namespace

QString UpdateCheckResult::title() const
{
    switch (outcome) {
    case Outcome::upToDate:
        return QCoreApplication::translate("UpdaterService", "You're up to date");
    case Outcome::updateAvailable:
        return QCoreApplication::translate("UpdaterService", "Tolvaran %1 is available").arg(latestVersion);
    case Outcome::failed:
        break;
    }
    return QCoreApplication::translate("UpdaterService", "Could not check for updates");
}

QString UpdateCheckResult::message() const
{
    switch (outcome) {
    case Outcome::upToDate:
        return QCoreApplication::translate("UpdaterService", "Tolvaran %1 is the newest version.").arg(currentVersion);
    case Outcome::updateAvailable:
        return QCoreApplication::translate("UpdaterService", "You have version %1.").arg(currentVersion);
    case Outcome::failed:
        break;
    }
    return errorText;
}

QUrl UpdaterService::configuredFeedURL()
{
    const QByteArray fromEnvironment = qgetenv("TOLVARAN_UPDATE_FEED_URL");
    return QUrl(QString::fromUtf8(fromEnvironment.isEmpty() ? QByteArray(TOLVARAN_UPDATE_FEED_URL) : fromEnvironment));
}

UpdaterService::UpdaterService(QObject* parent)
    : UpdaterService(configuredFeedURL(), QCoreApplication::applicationVersion(), parent)
{ }

UpdaterService::UpdaterService(const QUrl& feedURL, const QString& currentVersion, QObject* parent)
    : QObject(parent)
    , m_feedURL(feedURL)
    , m_currentVersion(currentVersion)
    , m_network(new QNetworkAccessManager(this))
{
    m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    m_canCheckForUpdates = isFeedConfigured();
    if (!isFeedConfigured())
        qCInfo(lcUpdater, "No release feed configured; update checks are off");
}

UpdaterService::~UpdaterService()
{
    // A check still running ends without telling anyone.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void UpdaterService::setCanCheckForUpdates(bool can)
{
    if (m_canCheckForUpdates == can)
        return;
    m_canCheckForUpdates = can;
    emit canCheckForUpdatesChanged();
}

void UpdaterService::checkForUpdates()
{
    if (!m_canCheckForUpdates)
        return;
    setCanCheckForUpdates(false);
    qCInfo(lcUpdater, "Checking %s for updates", qUtf8Printable(m_feedURL.toDisplayString()));

    QNetworkRequest request(m_feedURL);
    request.setTransferTimeout(int(std::chrono::milliseconds(transferTimeout).count()));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tolvaran/%1").arg(m_currentVersion));
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > maxFeedSize || total > maxFeedSize) {
            reply->setProperty(tooLargeProperty, true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void UpdaterService::finish(QNetworkReply* reply)
{
    reply->deleteLater();
    UpdateCheckResult result;
    result.currentVersion = m_currentVersion;
    if (reply->property(tooLargeProperty).toBool()) {
        result.errorText = QCoreApplication::translate("UpdaterService", "The release feed is too large.");
    } else if (reply->error() != QNetworkReply::NoError) {
        result.errorText = reply->error() == QNetworkReply::OperationCanceledError
            ? QCoreApplication::translate("UpdaterService", "The release feed did not answer in time.")
            : QCoreApplication::translate("UpdaterService", "The release feed could not be reached: %1")
                  .arg(reply->errorString());
    } else {
        result = evaluateFeed(reply->read(maxFeedSize + 1), m_currentVersion);
    }
    if (result.outcome == UpdateCheckResult::Outcome::failed)
        qCWarning(lcUpdater, "Update check failed: %s", qUtf8Printable(result.errorText));
    else
        qCInfo(lcUpdater, "Update check: newest version %s, this is %s", qUtf8Printable(result.latestVersion),
            qUtf8Printable(m_currentVersion));
    setCanCheckForUpdates(isFeedConfigured());
    emit checkFinished(result);
}

UpdateCheckResult UpdaterService::evaluateFeed(const QByteArray& document, const QString& currentVersion)
{
    UpdateCheckResult result;
    result.currentVersion = currentVersion;
    ReleaseFeed feed;
    rapidjson::Document parsed;
    if (document.size() > maxFeedSize || !json::parse(document, parsed) || !json::decodeRecord(parsed, feed)) {
        result.errorText = QCoreApplication::translate("UpdaterService", "The release feed could not be read.");
        return result;
    }
    qsizetype suffix = 0;
    const QVersionNumber newest = QVersionNumber::fromString(feed.version, &suffix);
    if (newest.isNull() || suffix != feed.version.size()) {
        result.errorText = QCoreApplication::translate("UpdaterService", "The release feed names no valid version.");
        return result;
    }
    result.latestVersion = newest.toString();
    if (newest <= QVersionNumber::fromString(currentVersion)) {
        result.outcome = UpdateCheckResult::Outcome::upToDate;
        return result;
    }
    result.outcome = UpdateCheckResult::Outcome::updateAvailable;
    result.pageURL = webPage(feed.releaseNotesURL);
    if (result.pageURL.isEmpty())
        result.pageURL = webPage(feed.downloadURL);
    return result;
}

} // namespace tolvaran
