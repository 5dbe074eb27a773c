#pragma once

#include "FakeAudioCapture.h"
#include "SmallDisk.h"
#include "TestTranslationServer.h"
#include "desktop/UpdaterService.h"
#include "live/TranslationViewModel.h"
#include "recordings/RecordingEntry.h"
#include "settings/AppSettings.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>
#include <unistd.h>

namespace tolvaran::test {

// The program's real view model and settings for views under test, on a
// folder of their own, with a scripted capture and a test server, and ways to
// bring them into each state a window shows.
class PanelFixture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* viewModel READ viewModelObject NOTIFY changed)
    Q_PROPERTY(QObject* settings READ settingsObject NOTIFY changed)
    // Without a feed: it cannot check.
    Q_PROPERTY(QObject* updater READ updaterObject CONSTANT)

public:
    explicit PanelFixture(QObject* parent = nullptr)
        : QObject(parent)
    {
        reset(true, 0);
    }

    QObject* viewModelObject() const { return m_viewModel.get(); }

    QObject* settingsObject() const { return m_settings.get(); }

    QObject* updaterObject() const { return const_cast<UpdaterService*>(&m_updater); }

    TranslationViewModel& viewModel() const { return *m_viewModel; }

    // A fresh view model: permission as given, and that many recordings in
    // its folder, one a day apart, the newest lasting 75.9 seconds. False
    // when the view model did not list them all in time.
    Q_INVOKABLE bool reset(bool permission, int recordingCount)
    {
        m_viewModel.reset();
        m_settings.reset();
        m_readOnlyDisk.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_server = std::make_unique<TestTranslationServer>();
        const QString folder = m_dir->filePath(QStringLiteral("Recordings"));
        QDir().mkpath(folder);
        for (int i = 0; i < recordingCount; ++i)
            writeRecording(folder, i);
        m_settings = std::make_unique<AppSettings>(m_dir->filePath(QStringLiteral("settings.json")));
        m_settings->setServerURL(m_server->url());
        m_settings->setAutoRecordOnListen(false);
        m_settings->setRecordingsFolder(QUrl::fromLocalFile(folder));
        auto capture = std::make_unique<FakeAudioCapture>();
        capture->permission = permission;
        m_capture = capture.get();
        m_viewModel = std::make_unique<TranslationViewModel>(*m_settings, std::move(capture));
        emit changed();
        // The folder is read in the background; a slow machine (or a
        // sanitizer build) may not have listed it by the first look.
        return QTest::qWaitFor([this, recordingCount] { return m_viewModel->recordings().size() == recordingCount; });
    }

    Q_INVOKABLE void setPermission(bool permission) { m_capture->permission = permission; }

    // Makes the recordings folder read-only for real: a read-only mount for
    // root (who may write anywhere else), the folder's mode otherwise. Gives
    // the reason when it cannot.
    Q_INVOKABLE QString makeRecordingsFolderReadOnly()
    {
        const QString folder = m_dir->filePath(QStringLiteral("Recordings"));
        if (::geteuid() != 0)
            return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner) ? QString()
                                                                                     : QStringLiteral("chmod failed");
        m_readOnlyDisk = std::make_unique<SmallDisk>(folder, "size=64k", true);
        return m_readOnlyDisk->isMounted() ? QString() : m_readOnlyDisk->error();
    }

    Q_INVOKABLE bool isCI() const { return qEnvironmentVariable("CI") == QLatin1String("true"); }

    Q_INVOKABLE void setMicPermission(bool permission) { m_capture->micPermission = permission; }

    Q_INVOKABLE void reportSoundServerAway(bool isAway) { m_capture->reportSoundServerAway(isAway); }

    Q_INVOKABLE void reportApplicationPlaying(const QString& playingName)
    {
        m_capture->reportApplicationPlaying(playingName);
    }

    // "accept", "refuse" or "hang": how the server answers the connection.
    Q_INVOKABLE void startListening(const QString& handshake = QStringLiteral("accept"))
    {
        m_server->setHandshake(handshake == QLatin1String("refuse") ? TestTranslationServer::Handshake::refuse
                : handshake == QLatin1String("hang")                ? TestTranslationServer::Handshake::hang
                                                                    : TestTranslationServer::Handshake::accept);
        m_startFinished = false;
        m_viewModel->startListening().then([this] { m_startFinished = true; });
    }

    // The connection drops without a close; the server refuses the
    // attempts to connect again, so listening keeps reconnecting.
    Q_INVOKABLE void loseConnection()
    {
        m_server->setHandshake(TestTranslationServer::Handshake::refuse);
        m_server->dropConnection();
    }

    // The start goes on after an early error (it waits out the connection
    // time): a test waits for it so that no task outlives the view model.
    Q_INVOKABLE bool hasStartFinished() const { return m_startFinished; }

    Q_INVOKABLE void sendRoomCreated(const QString& roomId)
    {
        m_server->sendText(QString::fromUtf8(
            QJsonDocument(QJsonObject{{"type", "room_created"}, {"roomId", roomId}}).toJson(QJsonDocument::Compact)));
    }

    // languages: {"de": 2, "fr": 1}
    Q_INVOKABLE void sendRoomUpdate(int subscriberCount, const QVariantMap& languages)
    {
        QJsonArray list;
        for (auto it = languages.begin(); it != languages.end(); ++it)
            list.append(QJsonObject{{"lang", it.key()}, {"count", it.value().toInt()}});
        m_server->sendText(QString::fromUtf8(QJsonDocument(
            QJsonObject{{"type", "room_update"}, {"subscriberCount", subscriberCount},
                {"languages", list}}).toJson(QJsonDocument::Compact)));
    }

    Q_INVOKABLE void sendServerMessage(const QString& type, const QString& message)
    {
        m_server->sendText(QString::fromUtf8(
            QJsonDocument(QJsonObject{{"type", type}, {"message", message}}).toJson(QJsonDocument::Compact)));
    }

    Q_INVOKABLE QString clipboardText() const { return QGuiApplication::clipboard()->text(); }

    Q_INVOKABLE void setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

    Q_INVOKABLE int recordingCount() const { return int(m_viewModel->recordings().size()); }

    Q_INVOKABLE QString recordingsFolder() const { return m_dir->filePath(QStringLiteral("Recordings")); }

    // Whether a file manager opens folders. Without one there is none: the
    // offscreen platform opens nothing.
    Q_INVOKABLE void setFolderOpener(bool works)
    {
        if (works)
            QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFolder");
        else
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    Q_INVOKABLE QStringList openedFolders() const { return m_openedFolders; }

    ~PanelFixture() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    Q_INVOKABLE QString newestRecordingId() const
    {
        return m_viewModel->recordings().isEmpty()
            ? QString()
            : m_viewModel->recordings().first().id.toString(QUuid::WithoutBraces);
    }

    Q_INVOKABLE QString playbackRecordingId() const
    {
        const auto& playing = m_viewModel->playbackRecording();
        return playing ? playing->id.toString(QUuid::WithoutBraces) : QString();
    }

public slots:

    void openFolder(const QUrl& url) { m_openedFolders.append(url.toLocalFile()); }

signals:
    void changed();

private:
    static void writeRecording(const QString& folder, int age)
    {
        RecordingEntry entry;
        entry.id = QUuid::createUuid();
        entry.date = std::chrono::time_point_cast<std::chrono::microseconds>(
            std::chrono::system_clock::now() - std::chrono::hours(24) * age);
        entry.duration = 75.9 + 60 * age;
        entry.language = QStringLiteral("de");
        entry.audioFileName = QStringLiteral("recording-%1.m4a").arg(age);
        QFile audio(QDir(folder).filePath(entry.audioFileName));
        QFile json(QDir(folder).filePath(QStringLiteral("recording-%1.json").arg(age)));
        QVERIFY(audio.open(QIODevice::WriteOnly));
        QVERIFY(json.open(QIODevice::WriteOnly));
        QVERIFY(json.write(encodeRecordingEntry(entry)) > 0);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    // Declared after m_dir: unmounted before the folder goes.
    std::unique_ptr<SmallDisk> m_readOnlyDisk;
    std::unique_ptr<TestTranslationServer> m_server;
    std::unique_ptr<AppSettings> m_settings;
    FakeAudioCapture* m_capture = nullptr;
    std::unique_ptr<TranslationViewModel> m_viewModel;
    bool m_startFinished = true;
    UpdaterService m_updater{QUrl(), QStringLiteral("1.0")};
    QStringList m_openedFolders;
};

} // namespace tolvaran::test
