#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace tolvaran {

// What one update check found.
struct UpdateCheckResult
{
    Q_GADGET
    Q_PROPERTY(Outcome outcome MEMBER outcome CONSTANT)
    Q_PROPERTY(QString currentVersion MEMBER currentVersion CONSTANT)
    Q_PROPERTY(QString latestVersion MEMBER latestVersion CONSTANT)
    Q_PROPERTY(QUrl pageURL MEMBER pageURL CONSTANT)
    Q_PROPERTY(QString errorText MEMBER errorText CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString message READ message CONSTANT)

public:
    enum class Outcome { upToDate, updateAvailable, failed };
    Q_ENUM(Outcome)

    Outcome outcome = Outcome::failed;
    QString currentVersion;
    // Set when the feed could be read.
    QString latestVersion;
    // The new version's page (its release notes, else its download); only
    // http and https links are taken from a feed.
    QUrl pageURL;
    // Why the check failed.
    QString errorText;

    // The texts the result dialog shows.
    QString title() const;
    QString message() const;

    bool operator==(const UpdateCheckResult&) const = default;
};

// Software updates from a release feed: a small JSON document at a URL of the
// project's, {"version": "1.2.0", "releaseNotesURL": "https://...",
// "downloadURL": "https://..."}. The URL is fixed when the program is built
// (TOLVARAN_UPDATE_FEED_URL in CMake, empty by default) and the environment
// variable TOLVARAN_UPDATE_FEED_URL overrides it. Main thread only.
class UpdaterService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
    Q_PROPERTY(bool isFeedConfigured READ isFeedConfigured CONSTANT)

public:
    // A feed answer larger than this is not a release feed.
    static constexpr qint64 maxFeedSize = 16 * 1024;

    // The feed the program was built with, unless the environment names another.
    static QUrl configuredFeedURL();

    explicit UpdaterService(QObject* parent = nullptr);
    UpdaterService(const QUrl& feedURL, const QString& currentVersion, QObject* parent = nullptr);
    ~UpdaterService() override;

    // False while a check runs and while no feed is configured.
    bool canCheckForUpdates() const { return m_canCheckForUpdates; }

    bool isFeedConfigured() const { return m_feedURL.isValid() && !m_feedURL.isEmpty(); }

    QUrl feedURL() const { return m_feedURL; }

    // Fetches the feed; checkFinished tells the outcome. Ignored while a
    // check runs or without a feed.
    Q_INVOKABLE void checkForUpdates();

    // Decides the outcome from a feed document.
    static UpdateCheckResult evaluateFeed(const QByteArray& document, const QString& currentVersion);

signals:
    void canCheckForUpdatesChanged();
    void checkFinished(const tolvaran::UpdateCheckResult& result);

private:
    void setCanCheckForUpdates(bool can);
    void finish(QNetworkReply* reply);

    QUrl m_feedURL;
    QString m_currentVersion;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    bool m_canCheckForUpdates = false;
};

} // namespace tolvaran
