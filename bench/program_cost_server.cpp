// A translation server stand-in for the whole-program measurement: it takes
// the audio stream on 127.0.0.1, throws it away, and sends results at a fixed
// rate (5 per second unless given), an interim word list and then a final
// line in turn, as a live server does while people speak. Prints its address
// and, on exit, how many bytes of audio it received.
//
// With --flood N it sends nothing until SIGUSR1, then N results within one
// second (in 100 bursts) from three speakers taking turns, prints "flood sent"
// and falls silent again: the flood of bench/flood-memory. A third argument
// pads each result's texts to that many characters.
//
// After SIGUSR2 it prints "onset MS" (wall-clock milliseconds since the
// epoch) when the next loud audio arrives: the far end of the
// capture-to-socket latency.
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
int floodPipe[2] = {-1, -1};
int armPipe[2] = {-1, -1};

void onArmSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(armPipe[1], &byte, 1);
}

// Far above silence, in 16-bit samples.
bool isLoud(const QByteArray& frame)
{
    const auto* bytes = reinterpret_cast<const uchar*>(frame.constData());
    for (qsizetype i = 0; i + 1 < frame.size(); i += 2) {
        if (std::abs(int(qint16(quint16(bytes[i] | (bytes[i + 1] << 8))))) > 3000)
            return true;
    }
    return false;
}

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

void onFloodSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(floodPipe[1], &byte, 1);
}

// Words after the first up to about length characters.
QString padded(const QString& first, int length)
{
    QString text = first;
    static const QStringList filler{QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma"),
        QStringLiteral("delta"), QStringLiteral("epsilon")};
    for (int i = 0; text.size() < length; ++i)
        text += u' ' + filler[i % filler.size()];
    return text;
}

QString resultMessage(qint64 index, int speaker, int length)
{
    const bool isFinal = index % 5 == 4;
    const QString word = padded(QStringLiteral("word%1").arg(index), length);
    return QStringLiteral("{\"type\":\"result\",\"tokens\":[{\"text\":\"%1\",\"is_final\":%2,\"speaker\":\"%6\","
                          "\"translation_status\":\"original\",\"language\":\"en\",\"start_ms\":%3,\"end_ms\":%4},"
                          "{\"text\":\"%5\",\"is_final\":%2,\"speaker\":\"%6\",\"translation_status\":\"translation\","
                          "\"language\":\"de\"}],\"original\":\"%1\",\"translation\":\"%5\"}")
        .arg(word, isFinal ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(index * 200)
        .arg(index * 200 + 180)
        .arg(padded(QStringLiteral("Wort%1").arg(index), length))
        .arg(speaker);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const bool isFlood = argc > 2 && qstrcmp(argv[1], "--flood") == 0;
    const int rate = argc > 1 ? QString::fromLocal8Bit(argv[isFlood ? 2 : 1]).toInt() : 5;
    if (rate <= 0) {
        std::fprintf(stderr, "usage: %s [results per second | --flood results [characters]]\n", argv[0]);
        return 2;
    }
    const int length = isFlood && argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;

    if (::pipe(signalPipe) != 0 || ::pipe(floodPipe) != 0 || ::pipe(armPipe) != 0)
        return 1;
    bool isArmed = false;
    QSocketNotifier armNotifier(armPipe[0], QSocketNotifier::Read);
    QObject::connect(&armNotifier, &QSocketNotifier::activated, [&isArmed] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(armPipe[0], &byte, 1);
        isArmed = true;
    });
    std::signal(SIGUSR2, onArmSignal);
    QSocketNotifier quitNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);

    QWebSocketServer server(QStringLiteral("tolvaran-bench"), QWebSocketServer::NonSecureMode);
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    qint64 audioBytes = 0;
    qint64 sent = 0;
    QTimer results;
    constexpr int floodBursts = 100;
    results.setInterval(isFlood ? 1000 / floodBursts : 1000 / rate);
    int burstsLeft = 0;
    QSocketNotifier floodNotifier(floodPipe[0], QSocketNotifier::Read);
    QObject::connect(&floodNotifier, &QSocketNotifier::activated, [&] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(floodPipe[0], &byte, 1);
        burstsLeft = floodBursts;
        results.start();
    });
    std::signal(SIGUSR1, onFloodSignal);
    QList<QWebSocket*> clients;
    QObject::connect(&server, &QWebSocketServer::newConnection, [&] {
        while (QWebSocket* client = server.nextPendingConnection()) {
            clients.append(client);
            QObject::connect(
                client, &QWebSocket::binaryMessageReceived, [&audioBytes, &isArmed](const QByteArray& frame) {
                    audioBytes += frame.size();
                    if (isArmed && isLoud(frame)) {
                        isArmed = false;
                        std::printf("onset %lld\n", QDateTime::currentMSecsSinceEpoch());
                        std::fflush(stdout);
                    }
                });
            QObject::connect(client, &QWebSocket::disconnected, [&clients, client] {
                clients.removeAll(client);
                client->deleteLater();
            });
        }
        if (!isFlood)
            results.start();
    });
    QObject::connect(&results, &QTimer::timeout, [&] {
        const int count = isFlood ? rate / floodBursts + (burstsLeft <= rate % floodBursts ? 1 : 0) : 1;
        for (int i = 0; i < count; ++i) {
            // The flood is a conversation of three, taking turns each utterance.
            const QString message = resultMessage(sent, isFlood ? int(sent / 5 % 3) + 1 : 1, length);
            ++sent;
            for (QWebSocket* client : std::as_const(clients))
                client->sendTextMessage(message);
        }
        if (isFlood && --burstsLeft == 0) {
            results.stop();
            std::printf("flood sent\n");
            std::fflush(stdout);
        }
    });

    std::printf("ws://127.0.0.1:%u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    const int status = QCoreApplication::exec();
    std::printf("received %lld bytes of audio, sent %lld results\n", qlonglong(audioBytes), qlonglong(sent));
    return status;
}
