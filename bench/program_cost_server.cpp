// A translation server stand-in for the whole-program measurement: it takes
// the audio stream on 127.0.0.1, throws it away, and sends results at a fixed
// rate (5 per second unless given), an interim word list and then a final
// line in turn, as a live server does while people speak. Prints its address
// and, on exit, how many bytes of audio it received.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

QString resultMessage(qint64 index)
{
    const bool isFinal = index % 5 == 4;
    const QString word = QStringLiteral("word%1").arg(index);
    return QStringLiteral(
        "{\"type\":\"result\",\"tokens\":[{\"text\":\"%1\",\"is_final\":%2,\"speaker\":\"1\","
        "\"translation_status\":\"original\",\"language\":\"en\",\"start_ms\":%3,\"end_ms\":%4},"
        "{\"text\":\"Wort%5\",\"is_final\":%2,\"speaker\":\"1\",\"translation_status\":\"translation\","
        "\"language\":\"de\"}],\"original\":\"%1\",\"translation\":\"Wort%5\"}")
        .arg(word, isFinal ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(index * 200)
        .arg(index * 200 + 180)
        .arg(index);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rate = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    if (rate <= 0) {
        std::fprintf(stderr, "usage: %s [results per second]\n", argv[0]);
        return 2;
    }

    if (::pipe(signalPipe) != 0)
        return 1;
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
    results.setInterval(1000 / rate);
    QList<QWebSocket*> clients;
    QObject::connect(&server, &QWebSocketServer::newConnection, [&] {
        while (QWebSocket* client = server.nextPendingConnection()) {
            clients.append(client);
            QObject::connect(client, &QWebSocket::binaryMessageReceived,
                [&audioBytes](const QByteArray& frame) { audioBytes += frame.size(); });
            QObject::connect(client, &QWebSocket::disconnected, [&clients, client] {
                clients.removeAll(client);
                client->deleteLater();
            });
        }
        results.start();
    });
    QObject::connect(&results, &QTimer::timeout, [&] {
        const QString message = resultMessage(sent++);
        for (QWebSocket* client : std::as_const(clients))
            client->sendTextMessage(message);
    });

    std::printf("ws://127.0.0.1:%u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    const int status = QCoreApplication::exec();
    std::printf("received %lld bytes of audio, sent %lld results\n", qlonglong(audioBytes), qlonglong(sent));
    return status;
}
