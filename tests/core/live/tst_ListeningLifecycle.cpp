#include "ViewModelFixture.h"
#include "audio/CallMonitorService.h"
#include "translation/WebSocketService.h"

#include <QCoroTask>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace tolvaran;

namespace {

constexpr int waitMs = 10000;

using Kind = ConnectionState::Kind;

// Every state the view model went through, as status texts.
struct StateLog
{
    QStringList texts;

    explicit StateLog(TranslationViewModel& vm)
    {
        QObject::connect(
            vm.session(), &ListeningSession::stateChanged, &vm, [this, &vm] { texts.append(vm.statusText()); });
    }
};

// 100 ms of PCM whose samples all hold its number, so that what a server
// received can be told apart chunk by chunk.
QByteArray numberedChunk(int number)
{
    QByteArray chunk(3200, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); i += 2) {
        chunk[i] = char(number & 0xFF);
        chunk[i + 1] = char(number >> 8);
    }
    return chunk;
}

// The chunk numbers a connection carried; -1 for a frame that is not one chunk.
QList<int> chunkNumbers(const test::TestTranslationServer::Connection& connection)
{
    QList<int> numbers;
    for (qsizetype i = 0; i < connection.binaryFrames.size(); ++i) {
        QByteArray pcm = connection.binaryFrames[i];
        if (i == 0) {
            const auto header = StreamHeader::parse(pcm);
            if (!std::holds_alternative<StreamHeader>(header))
                return {-1};
            pcm = pcm.sliced(std::get<StreamHeader>(header).dataOffset);
        }
        const int number = quint8(pcm[0]) | quint8(pcm[1]) << 8;
        numbers.append(pcm == numberedChunk(number) ? number : -1);
    }
    return numbers;
}

} // namespace

class TestListeningLifecycle : public QObject
{
    Q_OBJECT

private slots:

    void startsAndStops()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        StateLog log(vm);
        fixture.settings->setSelectedLanguage(TargetLanguage::german);
        fixture.settings->setSpeakerLanguages({TargetLanguage::french});
        vm.setIsOverlayVisible(false);

        QCoro::waitFor(vm.startListening());
        QCOMPARE(log.texts, (QStringList{"Connecting...", "Ready", "Listening..."}));
        QVERIFY(vm.isListening());
        QVERIFY(vm.isOverlayVisible());
        QCOMPARE(fixture.capture->calls, (QStringList{"stopCapture", "startCapture"}));
        QCOMPARE(fixture.server.connections().size(), 1);
        QCOMPARE(fixture.server.connections().first().requestTarget, "/translate?lang=de&hints=fr");

        // Chunks from the capture thread reach the server whole and in order.
        QList<QByteArray> chunks;
        for (int i = 0; i < 30; ++i)
            chunks.append(QByteArray(640, char(i)));
        fixture.capture->deliver(chunks);
        QVERIFY(
            QTest::qWaitFor([&] { return fixture.server.connections().first().binaryFrames.size() == 30; }, waitMs));
        QCOMPARE(fixture.server.connections().first().binaryFrames.first(), StreamHeader::write() + chunks.first());
        QCOMPARE(fixture.server.connections().first().binaryFrames.last(), chunks.last());

        fixture.server.sendText("{\"type\":\"result\",\"tokens\":[{\"text\":\"x\",\"is_final\":false}],"
                                "\"original\":\"Bonjour\",\"translation\":\"\"}");
        QVERIFY(QTest::qWaitFor([&] { return vm.currentOriginal() == "Bonjour"; }, waitMs));

        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.state(), ConnectionState::disconnected());
        QCOMPARE(fixture.capture->calls, (QStringList{"stopCapture", "startCapture", "stopCapture"}));
        // The finish request went out, the interim text became a line.
        QCOMPARE(fixture.server.connections().first().textFrames, QStringList{"{\"type\":\"finish\"}"});
        QCOMPARE(test::describe(vm.translationLines()), QStringList{"Speaker 1|Bonjour||?"});
        QVERIFY(QTest::qWaitFor([&] { return !fixture.server.connections().first().isOpen; }, waitMs));

        // Lines survive the stop; the next start clears them.
        QCoro::waitFor(vm.startListening());
        QCOMPARE(vm.translationLines().size(), 0);
        QCoro::waitFor(vm.stopListening());
    }

    // Capture starts with the connection: what is said before the socket
    // opens reaches the server first, behind the header.
    void streamsFromTheFirstMoment()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::Task<> start = vm.startListening();
        QVERIFY(fixture.capture->capturing);
        QCOMPARE(fixture.server.connections().size(), 0);
        QList<QByteArray> chunks;
        for (int i = 0; i < 5; ++i)
            chunks.append(QByteArray(640, char('a' + i)));
        fixture.capture->deliver(chunks);
        QCoro::waitFor(start);
        QVERIFY(vm.isListening());
        QVERIFY(QTest::qWaitFor([&] { return fixture.server.connections().first().binaryFrames.size() == 5; }, waitMs));
        QCOMPARE(fixture.server.connections().first().binaryFrames.first(), StreamHeader::write() + chunks.first());
        QCOMPARE(fixture.server.connections().first().binaryFrames.last(), chunks.last());
        QCoro::waitFor(vm.stopListening());
    }

    // Audio captured before the stop goes out before the finish request.
    void finishFollowsTheLastChunk()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.capture->deliver(QList<QByteArray>(40, QByteArray(640, 'a')));
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return !fixture.server.connections().first().isOpen; }, waitMs));
        QCOMPARE(fixture.server.connections().first().frameKinds, QStringList(40, "binary") << "text");
    }

    // Started again while listening: the new connection begins with the header.
    void restartBeginsWithTheHeader()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.capture->deliver({QByteArray(640, 'a')});
        QCoro::waitFor(vm.startListening());
        QCOMPARE(fixture.capture->calls, (QStringList{"stopCapture", "startCapture", "stopCapture", "startCapture"}));
        fixture.capture->deliver({QByteArray(640, 'b')});
        QVERIFY(QTest::qWaitFor(
            [&] {
                return fixture.server.connections().size() == 2
                    && !fixture.server.connections().last().binaryFrames.isEmpty();
            },
            waitMs));
        QCOMPARE(
            fixture.server.connections().last().binaryFrames.first(), StreamHeader::write() + QByteArray(640, 'b'));
        QCOMPARE(fixture.server.connections().last().binaryFrames.size(), 1);
        QCoro::waitFor(vm.stopListening());
    }

    // A stop while the start still waits for its connection ends that start:
    // nothing is captured or recorded afterwards.
    void stopDuringStartWins()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::Task<> start = vm.startListening();
        QCoro::waitFor(vm.stopListening());
        QCoro::waitFor(start);
        QTest::qWait(100);
        QCOMPARE(vm.state(), ConnectionState::disconnected());
        QVERIFY(!fixture.capture->capturing);
        QVERIFY(!vm.isRecording());
    }

    // A start during a stop's 1 s wait owns the session: the older stop must
    // not disconnect it when its wait ends.
    void startDuringStopWins()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        QVERIFY(vm.isRecording());
        fixture.capture->deliver(QList<QByteArray>(50, QByteArray(640, 'a')));
        QCoro::Task<> stop = vm.stopListening();
        QTest::qWait(300);
        QCoro::waitFor(vm.startListening());
        QCoro::waitFor(stop);
        QTest::qWait(100);
        QCOMPARE(vm.state(), ConnectionState::listening());
        QVERIFY(fixture.capture->capturing);
        QVERIFY(vm.isRecording());
        QCOMPARE(fixture.capture->calls.count("startCapture"), 2);
        QCOMPARE(fixture.server.connections().size(), 2);
        QVERIFY(fixture.server.connections().last().isOpen);
        fixture.capture->deliver(QList<QByteArray>(50, QByteArray(640, 'b')));
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QCOMPARE(vm.recordings().size(), 2);
    }

    void connectionFailures_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("status");
        QTest::newRow("invalid server URL") << "invalid"
                                            << "Error: Connection failed: Invalid server URL";
        QTest::newRow("nothing listening") << "closed"
                                           << "Error: Connection failed: Could not reach ws://127.0.0.1:1: connection "
                                              "refused. Check Settings \u2192 Connection.";
        QTest::newRow("handshake refused") << "refused"
                                           << "";
        QTest::newRow("socket fails at once") << "drop"
                                              << "";
        QTest::newRow("handshake never answered") << "hang"
                                                  << "";
    }

    // Not connected after the half-second check: no capture, the service's text.
    void connectionFailures()
    {
        QFETCH(QString, how);
        QFETCH(QString, status);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        StateLog log(vm);
        if (how == "invalid") {
            fixture.settings->setServerURL("not a server");
        } else if (how == "closed") {
            fixture.settings->setServerURL("ws://127.0.0.1:1");
        } else if (how == "refused") {
            fixture.server.setHandshake(test::TestTranslationServer::Handshake::refuse);
        } else if (how == "hang") {
            // Given up after the half-second check has passed: listening
            // had begun, yet the server was never reached.
            fixture.server.setHandshake(test::TestTranslationServer::Handshake::hang);
            vm.webSocketService().setHandshakeTimeout(800);
        } else {
            QObject::connect(&fixture.server, &test::TestTranslationServer::clientConnected, &fixture.server,
                [&] { fixture.server.dropConnection(); });
        }

        QCoro::waitFor(vm.startListening());
        QTRY_COMPARE_WITH_TIMEOUT(vm.state().kind(), Kind::error, waitMs);
        QCOMPARE(vm.state().error()->kind(), TolvaranError::Kind::connectionFailed);
        const QString message = vm.state().error()->message();
        if (how == "hang") {
            QCOMPARE(message,
                "Could not reach " + fixture.server.url()
                    + ": the request timed out. Check Settings \u2192 Connection.");
            QVERIFY(!vm.session()->isReconnecting());
        }
        QVERIFY(!message.isEmpty());
        QCOMPARE(message, *fixture.viewModel->webSocketService().lastError());
        if (!status.isEmpty())
            QCOMPARE(vm.statusText(), status);
        QVERIFY(!fixture.capture->capturing);
        if (how == "drop") {
            // A failed connection, never the server's error.
            QCOMPARE(log.texts, (QStringList{"Connecting...", "Error: Connection failed: " + message}));
        }
        QVERIFY(!vm.isRecording());
    }

    // The server drops the connection (no close frame) after 3 s of audio:
    // listening goes on, a new connection opens within a second, begins with
    // the header, and the two together carry every chunk.
    void reconnectsWithoutLosingAudio()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        int next = 0;
        auto deliver = [&](int count) {
            QList<QByteArray> chunks;
            for (int i = 0; i < count; ++i)
                chunks.append(numberedChunk(next++));
            fixture.capture->deliver(chunks);
        };
        deliver(30);
        QVERIFY(
            QTest::qWaitFor([&] { return fixture.server.connections().first().binaryFrames.size() == 30; }, waitMs));
        fixture.server.dropConnection();
        QVERIFY(QTest::qWaitFor([&] { return vm.session()->isReconnecting(); }, waitMs));
        QVERIFY(vm.isListening());
        QCOMPARE(vm.statusText(), "Reconnecting\u2026");
        QVERIFY(fixture.capture->capturing);
        deliver(10); // said during the outage
        QTRY_VERIFY_WITH_TIMEOUT(fixture.server.connections().size() == 2, 1000);
        QVERIFY(QTest::qWaitFor([&] { return !vm.session()->isReconnecting(); }, waitMs));
        QCOMPARE(vm.statusText(), "Listening...");
        deliver(10);
        QVERIFY(
            QTest::qWaitFor([&] { return chunkNumbers(fixture.server.connections().last()).contains(49); }, waitMs));

        const QList<int> before = chunkNumbers(fixture.server.connections().first());
        const QList<int> after = chunkNumbers(fixture.server.connections().last());
        QVERIFY(!before.contains(-1) && !after.contains(-1));
        QSet<int> heard(before.begin(), before.end());
        heard.unite(QSet<int>(after.begin(), after.end()));
        for (int number = 0; number < next; ++number)
            QVERIFY2(heard.contains(number), qPrintable(QString("chunk %1 never reached the server").arg(number)));
        // Each connection's chunks come in the order they were captured.
        QVERIFY(std::is_sorted(after.begin(), after.end()));
        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.state(), ConnectionState::disconnected());
    }

    void roomAcrossReconnect_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("changed");
        QTest::newRow("the room is taken over") << "R1" << false;
        QTest::newRow("the server opens another") << "R2" << true;
    }

    // A reconnect asks for the room it had; a new room's link is shown and
    // said to have changed.
    void roomAcrossReconnect()
    {
        QFETCH(QString, answer);
        QFETCH(bool, changed);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startRoom());
        fixture.server.sendText(R"({"type":"room_created","roomId":"R1"})");
        QVERIFY(QTest::qWaitFor([&] { return vm.roomId() == "R1"; }, waitMs));
        fixture.server.dropConnection();
        QVERIFY(QTest::qWaitFor([&] { return fixture.server.connections().size() == 2; }, waitMs));
        QVERIFY(fixture.server.connections().last().requestTarget.endsWith("?lang=en&room=R1"));
        fixture.server.sendText(QString(R"({"type":"room_created","roomId":"%1"})").arg(answer));
        QVERIFY(QTest::qWaitFor([&] { return vm.roomId() == answer; }, waitMs));
        QVERIFY(vm.roomShareURL()->endsWith("/room/" + answer));
        QCOMPARE(vm.room()->hasLinkChanged(), changed);
        QCoro::waitFor(vm.stopListening());
        QVERIFY(!vm.room()->hasLinkChanged());
    }

    // A server that stops answering pings is left and connected to again.
    void reconnectsWhenPongsStop()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        vm.webSocketService().setKeepAlive(100, 400);
        fixture.server.setHandshake(test::TestTranslationServer::Handshake::deaf);
        QCoro::waitFor(vm.startListening());
        QVERIFY(vm.isListening());
        QCOMPARE(fixture.server.deafConnectionCount(), 1);
        fixture.server.setHandshake(test::TestTranslationServer::Handshake::accept);
        QVERIFY(QTest::qWaitFor([&] { return vm.session()->isReconnecting(); }, waitMs));
        QVERIFY(QTest::qWaitFor([&] { return fixture.server.connections().size() == 1; }, waitMs));
        QVERIFY(QTest::qWaitFor([&] { return !vm.session()->isReconnecting(); }, waitMs));
        QVERIFY(vm.isListening());
        // The answering server is kept.
        QSignalSpy lost(&vm.webSocketService(), &WebSocketService::connectionLost);
        QVERIFY(!lost.wait(1000));
        QCoro::waitFor(vm.stopListening());
    }

    void stopDuringReconnecting_data()
    {
        QTest::addColumn<test::TestTranslationServer::Handshake>("handshake");
        QTest::newRow("refused") << test::TestTranslationServer::Handshake::refuse;
        QTest::newRow("never answered") << test::TestTranslationServer::Handshake::hang;
    }

    // While the server refuses every new connection, or takes it and never
    // answers, attempts go on; a stop ends them.
    void stopDuringReconnecting()
    {
        QFETCH(test::TestTranslationServer::Handshake, handshake);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        vm.session()->setRetryDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(100));
        vm.webSocketService().setHandshakeTimeout(200);
        QCoro::waitFor(vm.startListening());
        fixture.server.setHandshake(handshake);
        fixture.server.dropConnection();
        QVERIFY(QTest::qWaitFor([&] { return fixture.server.tcpConnectionCount() >= 4; }, waitMs));
        QVERIFY(vm.isListening());
        QCOMPARE(vm.statusText(), "Reconnecting\u2026");
        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.state(), ConnectionState::disconnected());
        QVERIFY(!vm.session()->isReconnecting());
        QVERIFY(!fixture.capture->capturing);
        // Attempts came every 100 ms at most: none comes in half a second now.
        const int attempts = fixture.server.tcpConnectionCount();
        QVERIFY(!QTest::qWaitFor([&] { return fixture.server.tcpConnectionCount() != attempts; }, 500));
    }

    void captureFailureDisconnects()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        fixture.capture->startFailure = AudioCaptureError::noDefaultOutput();
        QCoro::waitFor(vm.startListening());
        QCOMPARE(vm.state(),
            ConnectionState::error(
                TolvaranError::audioCaptureFailed(AudioCaptureError::noDefaultOutput().errorDescription())));
        QVERIFY(!vm.webSocketService().isConnected());
        // The capture fails before the handshake is done: the server may never see the socket open.
        QVERIFY(QTest::qWaitFor(
            [&] { return fixture.server.connections().isEmpty() || !fixture.server.connections().first().isOpen; },
            waitMs));
        QVERIFY(!vm.isRecording()); // auto-record never starts on a failed start
    }

    void captureLostWhileListening()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.capture->failWhileRunning("the sound server went away");
        QVERIFY(QTest::qWaitFor([&] { return vm.state().kind() == Kind::error; }, waitMs));
        QCOMPARE(vm.statusText(), "Error: Audio capture failed: the sound server went away");
        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.state(), ConnectionState::disconnected());
    }

    // A sound server away for a while is shown while listening goes on and
    // recording goes on; the notice goes with its return or with the stop.
    void soundServerAwayWhileListening()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        QSignalSpy notices(&vm, &TranslationViewModel::isSoundServerAwayChanged);
        QCoro::waitFor(vm.startListening());
        QVERIFY(vm.isRecording());
        fixture.capture->reportSoundServerAway(true);
        QVERIFY(QTest::qWaitFor([&] { return vm.isSoundServerAway(); }, waitMs));
        QVERIFY(vm.isListening());
        QVERIFY(vm.isRecording());
        fixture.capture->reportSoundServerAway(false);
        QVERIFY(QTest::qWaitFor([&] { return !vm.isSoundServerAway(); }, waitMs));
        fixture.capture->reportSoundServerAway(true);
        QVERIFY(QTest::qWaitFor([&] { return vm.isSoundServerAway(); }, waitMs));
        QCoro::waitFor(vm.stopListening());
        QVERIFY(!vm.isSoundServerAway());
        QCOMPARE(notices.size(), 4);
    }

    void captureStatus_data()
    {
        QTest::addColumn<QString>("scope");
        QTest::addColumn<QString>("captured");
        QTest::addColumn<QString>("waiting");
        QTest::addColumn<QString>("heard");
        // Once the application was heard under its own name.
        QTest::addColumn<QString>("waitingAgain");
        // Which applications' calls count.
        QTest::addColumn<QString>("which");

        QTest::newRow("all system audio") << "system"
                                          << "system"
                                          << "Capturing: all system audio"
                                          << "Capturing: all system audio"
                                          << "Capturing: all system audio"
                                          << "any";
        QTest::newRow("the call's application, teams only") << "callApp"
                                                            << "callApp"
                                                            << "Waiting for Teams…"
                                                            << "Capturing: Teams"
                                                            << "Waiting for Teams…"
                                                            << "teams";
        QTest::newRow("the call's application, no call") << "callApp"
                                                         << "callApp"
                                                         << "Waiting for a call…"
                                                         << "Waiting for a call…"
                                                         << "Waiting for a call…"
                                                         << "any";
        QTest::newRow("one application") << "app:music"
                                         << "app:music"
                                         << "Waiting for music…"
                                         << "Capturing: Music Player"
                                         << "Waiting for Music Player…"
                                         << "any";
    }

    // The panel tells what listening captures, from the scope in the settings
    // at the start, and whether the chosen application is heard yet.
    void captureStatus()
    {
        QFETCH(QString, scope);
        QFETCH(QString, captured);
        QFETCH(QString, waiting);
        QFETCH(QString, heard);
        QFETCH(QString, waitingAgain);
        QFETCH(QString, which);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        fixture.settings->setCaptureScope(scope);
        fixture.settings->setCallApplications(which);
        QCOMPARE(vm.captureStatus(), QString());
        QCoro::waitFor(vm.startListening());
        QCOMPARE(fixture.capture->captureScope, captured);
        // Teams alone, or the application of a call, of which there is none.
        QCOMPARE(fixture.capture->callApplications,
            which == "teams" ? CallMonitorService::teamsProcessNames : QSet<QString>());
        QCOMPARE(vm.captureStatus(), waiting);
        QSignalSpy changes(&vm, &TranslationViewModel::captureStatusChanged);
        fixture.capture->reportApplicationPlaying("Music Player");
        QVERIFY(QTest::qWaitFor([&] { return vm.captureStatus() == heard; }, waitMs));
        fixture.capture->reportApplicationPlaying({});
        QVERIFY(QTest::qWaitFor([&] { return vm.captureStatus() == waitingAgain; }, waitMs));
        // The panel hears of each change.
        if (waiting != heard)
            QVERIFY(changes.size() >= 2);
        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.captureStatus(), QString());
    }

    // A server error replaces listening; capture and socket keep running.
    void serverErrorKeepsTheSessionRunning()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.server.sendText("{\"type\":\"error\",\"message\":\"Quota exceeded\"}");
        QVERIFY(QTest::qWaitFor([&] { return vm.state().kind() == Kind::error; }, waitMs));
        QCOMPARE(vm.statusText(), "Error: Server error: Quota exceeded");
        QVERIFY(fixture.capture->capturing);

        fixture.capture->deliver({QByteArray(640, 'a')});
        QVERIFY(QTest::qWaitFor([&] { return !fixture.server.connections().first().binaryFrames.isEmpty(); }, waitMs));
        fixture.server.sendText("{\"type\":\"result\",\"tokens\":[],\"original\":\"Still here\",\"translation\":\"\"}");
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 1; }, waitMs));

        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.state(), ConnectionState::disconnected());
        QVERIFY(!fixture.capture->capturing);
    }

    void messageWhileConnecting_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("notice");
        QTest::newRow("notice: listening goes on") << R"({"type":"notice","message":"cannot translate to German"})"
                                                   << "Listening..."
                                                   << "cannot translate to German";
        QTest::newRow("error: not hidden behind listening") << R"({"type":"error","message":"Quota exceeded"})"
                                                            << "Error: Server error: Quota exceeded"
                                                            << "";
    }

    // What the server says as the connection opens, within the first wait.
    void messageWhileConnecting()
    {
        QFETCH(QString, message);
        QFETCH(QString, status);
        QFETCH(QString, notice);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QObject::connect(&fixture.server, &test::TestTranslationServer::clientConnected, &fixture.server,
            [&] { fixture.server.sendText(message); });
        QCoro::waitFor(vm.startListening());
        QCOMPARE(vm.statusText(), status);
        QCOMPARE(vm.serverNotice(), notice);
        QCOMPARE(fixture.capture->capturing, !notice.isEmpty());
        QCoro::waitFor(vm.stopListening());
        QCOMPARE(vm.serverNotice(), QString());
    }

    void stopFromIdleIsHarmless()
    {
        test::ViewModelFixture fixture;
        QCoro::waitFor(fixture.viewModel->stopListening());
        QCOMPARE(fixture.viewModel->state(), ConnectionState::disconnected());
    }

    void roomMode()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        fixture.settings->setServerURL(fixture.server.url() + "/base");
        QCoro::waitFor(vm.startRoom());
        // The server does not serve "/base/translate" differently; what matters is the query.
        QVERIFY(fixture.server.connections().first().requestTarget.endsWith("?lang=en&room=create"));
        QVERIFY(!vm.isOverlayVisible());
        QVERIFY(fixture.settings->isSubtitlesMode());
        QCOMPARE(vm.roomShareURL(), std::nullopt);

        fixture.server.sendText("{\"type\":\"room_created\",\"roomId\":\"R 1/x\"}");
        QVERIFY(QTest::qWaitFor([&] { return vm.roomId().has_value(); }, waitMs));
        const QString port = QString::number(QUrl(fixture.server.url()).port());
        QCOMPARE(vm.roomShareURL(), "http://127.0.0.1:" + port + "/base/room/R%201%2Fx");

        QSignalSpy countChanged(vm.room(), &RoomState::roomSubscriberCountChanged);
        QSignalSpy languagesChanged(vm.room(), &RoomState::roomActiveLanguagesChanged);
        fixture.server.sendText("{\"type\":\"room_update\",\"subscriberCount\":3,\"languages\":"
                                "[{\"lang\":\"de\",\"count\":2},{\"lang\":\"fr\",\"count\":1}]}");
        fixture.server.sendText("{\"type\":\"room_update\",\"subscriberCount\":3,\"languages\":"
                                "[{\"lang\":\"de\",\"count\":3}]}");
        QVERIFY(QTest::qWaitFor([&] { return languagesChanged.count() == 2; }, waitMs));
        QCOMPARE(countChanged.count(), 1);
        QCOMPARE(vm.roomSubscriberCount(), 3);
        QCOMPARE(vm.roomActiveLanguages(), (QList<LanguageSubscriberCount>{{"de", 3}}));

        QCoro::waitFor(vm.stopListening());
        QVERIFY(!vm.isRoomMode());
        QCOMPARE(vm.roomId(), std::nullopt);
        QCOMPARE(vm.roomSubscriberCount(), 0);
        QCOMPARE(vm.roomActiveLanguages(), QList<LanguageSubscriberCount>());
        // The subtitles stay on after the room.
        QVERIFY(AppSettings(fixture.dir.filePath("settings.json")).isSubtitlesMode());
    }

    void roomLinks_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("roomId");
        QTest::addColumn<QString>("link");
        QTest::newRow("wss") << "wss://translate.example/"
                             << "abc"
                             << "https://translate.example//room/abc";
        QTest::newRow("ws with port") << "ws://host:3000"
                                      << "abc"
                                      << "http://host:3000/room/abc";
        QTest::newRow("neither") << "host"
                                 << "abc"
                                 << "host/room/abc";
        // The identifier comes from the server: it stays one path segment.
        QTest::newRow("path climbing") << "wss://host"
                                       << "x/../../login?next=https://evil"
                                       << "https://host/room/x%2F..%2F..%2Flogin%3Fnext%3Dhttps%3A%2F%2Fevil";
        QTest::newRow("line break") << "wss://host"
                                    << "a\nhttps://evil/"
                                    << "https://host/room/a%0Ahttps%3A%2F%2Fevil%2F";
        QTest::newRow("unreserved kept") << "wss://host"
                                         << "Ab-9._~"
                                         << "https://host/room/Ab-9._~";
    }

    void roomLinks()
    {
        QFETCH(QString, server);
        QFETCH(QString, roomId);
        QFETCH(QString, link);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startRoom());
        const QJsonObject created{{"type", "room_created"}, {"roomId", roomId}};
        fixture.server.sendText(QString::fromUtf8(QJsonDocument(created).toJson(QJsonDocument::Compact)));
        QVERIFY(QTest::qWaitFor([&] { return vm.roomId().has_value(); }, waitMs));
        fixture.settings->setServerURL(server);
        QCOMPARE(vm.roomShareURL(), link);
        // Room mode off: no link, though the room is still known.
        vm.setIsRoomMode(false);
        QCOMPARE(vm.roomShareURL(), std::nullopt);
        QCOMPARE(vm.roomId(), roomId);
    }

    void sharedRoomLinks_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("networkAddress");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("audience");
        QTest::newRow("local, shared") << "ws://localhost:3000"
                                       << "192.0.2.7"
                                       << "http://192.0.2.7:3000/room/abc"
                                       << "Anyone on this network with the link";
        QTest::newRow("local, not shared") << "ws://127.0.0.1:3000"
                                           << ""
                                           << "http://127.0.0.1:3000/room/abc"
                                           << "Only this computer can open the link";
        QTest::newRow("another machine's server") << "wss://translate.example"
                                                  << "192.0.2.7"
                                                  << "https://translate.example/room/abc"
                                                  << "";
    }

    // Rooms shared on the network are linked at the machine's address there.
    void sharedRoomLinks()
    {
        QFETCH(QString, server);
        QFETCH(QString, networkAddress);
        QFETCH(QString, link);
        QFETCH(QString, audience);
        RoomState room;
        room.setServerURL(server);
        room.setIsRoomMode(true);
        room.setRoomId(QStringLiteral("abc"));
        room.setNetworkAddress(networkAddress);
        QCOMPARE(room.shareURL(), link);
        QCOMPARE(room.audienceText(), audience);
    }

    void callDetection()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        auto callStateChanged = [&](bool active) { emit fixture.services->callMonitor->callStateChanged(active); };

        // A call starts while idle: listening starts; its end stops it.
        callStateChanged(true);
        QVERIFY(QTest::qWaitFor([&] { return vm.isListening(); }, waitMs));
        callStateChanged(false);
        QVERIFY(QTest::qWaitFor([&] { return vm.state() == ConnectionState::disconnected(); }, waitMs));

        // A call that ends while its run shows an error still stops it.
        callStateChanged(true);
        QVERIFY(QTest::qWaitFor([&] { return vm.isListening(); }, waitMs));
        fixture.server.sendText("{\"type\":\"error\",\"message\":\"Quota exceeded\"}");
        QVERIFY(QTest::qWaitFor([&] { return vm.state().kind() == Kind::error; }, waitMs));
        callStateChanged(false);
        QVERIFY(QTest::qWaitFor([&] { return vm.state() == ConnectionState::disconnected(); }, waitMs));
        QVERIFY(!fixture.capture->capturing);

        // Listening started by hand outlives the call.
        QCoro::waitFor(vm.startListening());
        callStateChanged(true);
        callStateChanged(false);
        QTest::qWait(1500);
        QVERIFY(vm.isListening());
        QCoro::waitFor(vm.stopListening());
    }

    void microphoneRules()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QStringList& calls = fixture.capture->calls;

        vm.setIsMicEnabled(true); // idle: only the flag
        QVERIFY(fixture.capture->micEnabled);
        QCOMPARE(calls, QStringList());

        QCoro::waitFor(vm.startListening());
        calls.clear();
        vm.setIsMicEnabled(true); // listening: the engine starts at once, also when unchanged
        QCOMPARE(calls, QStringList{"startMicEngine"});

        calls.clear();
        vm.setSelectedMicDeviceUID(QStringLiteral("usb-mic"));
        vm.setSelectedMicDeviceUID(QStringLiteral("usb-mic")); // the same again: nothing
        QCOMPARE(calls, (QStringList{"setSelectedMicDeviceUID:usb-mic", "stopMicEngine", "startMicEngine"}));

        calls.clear();
        vm.setIsMicEnabled(false);
        QCOMPARE(calls, QStringList{"stopMicEngine"});
        vm.setSelectedMicDeviceUID(std::nullopt); // microphone off: no restart
        QCOMPARE(calls, (QStringList{"stopMicEngine", "setSelectedMicDeviceUID:none"}));
        QCoro::waitFor(vm.stopListening());
    }

    void permissions()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        fixture.capture->micPermission = false;
        vm.checkMicPermission();
        QVERIFY(!vm.hasMicPermission());
        QCOMPARE(fixture.capture->calls, QStringList());
        fixture.capture->micPermission = true;
        fixture.capture->devices = {{"mic-1", "Headset"}};
        vm.checkMicPermission();
        QVERIFY(vm.hasMicPermission());
        QCOMPARE(fixture.capture->calls, QStringList{"refreshMicDevices"});
        QCOMPARE(vm.micDeviceModel()->rowCount(), 1);

        fixture.capture->permission = false;
        vm.checkPermission();
        QVERIFY(!vm.hasPermission());
        fixture.capture->permission = true;
        vm.checkPermission();
        QVERIFY(vm.hasPermission());
    }

    void requestsForTheCoordinator()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QSignalSpy settingsSpy(&vm, &TranslationViewModel::showSettingsRequestedChanged);
        vm.openSettings();
        vm.openSettings();
        QVERIFY(vm.showSettingsRequested());
        QCOMPARE(settingsSpy.count(), 1);
        vm.resetOverlayPosition();
        QVERIFY(vm.resetOverlayPositionRequested());
    }
};

QTEST_GUILESS_MAIN(TestListeningLifecycle)
#include "tst_ListeningLifecycle.moc"
