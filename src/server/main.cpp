#include "ApertiumTranslator.h"
#include "PocketsphinxEngine.h"
#include "RecognitionWorker.h"
#include "TranslationServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace tolvaran::server;

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    // Nothing can be done about a full pipe here: a quit is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop, so sessions and translators are torn
// down in order and the worker threads are waited for.
bool quitOnTerminationSignals(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

bool parseListen(const QString& text, QHostAddress& address, quint16& port)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint value = text.mid(colon + 1).toUInt(&ok);
    if (!ok || value > 65535)
        return false;
    port = quint16(value);
    if (host == QLatin1String("localhost"))
        address = QHostAddress::LocalHost;
    else if (!address.setAddress(host))
        return false;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvaran-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Local translation server for Tolvaran: speech recognition with pocketsphinx, "
                       "translation with Apertium."));
    parser.addHelpOption();
    const QCommandLineOption listenOption(QStringLiteral("listen"),
        QStringLiteral("Address and port to listen on (default 127.0.0.1:3000; 0 picks a free port)."),
        QStringLiteral("ADDR:PORT"), QStringLiteral("127.0.0.1:3000"));
    const QCommandLineOption modelOption(QStringLiteral("model"),
        QStringLiteral("pocketsphinx model folder: acoustic model, language model, dictionary."), QStringLiteral("DIR"),
        PocketsphinxEngine::defaultModelFolder());
    const QCommandLineOption languageOption(QStringLiteral("language"),
        QStringLiteral("Code of the language the model recognises (default en)."), QStringLiteral("CODE"),
        QStringLiteral("en"));
    parser.addOptions({listenOption, modelOption, languageOption});
    parser.process(app);

    QHostAddress address;
    quint16 port = 0;
    if (!parseListen(parser.value(listenOption), address, port)) {
        std::fprintf(
            stderr, "tolvaran-server: --listen wants ADDR:PORT, got %s\n", qUtf8Printable(parser.value(listenOption)));
        return 2;
    }
    auto engine = PocketsphinxEngine::open(parser.value(modelOption), parser.value(languageOption), {});
    if (const auto* error = std::get_if<QString>(&engine)) {
        std::fprintf(stderr, "tolvaran-server: %s\n", qUtf8Printable(*error));
        return 1;
    }
    if (!quitOnTerminationSignals(app)) {
        std::perror("tolvaran-server: signal handlers");
        return 1;
    }

    int status = 0;
    {
        ApertiumTranslator translator;
        TranslationServer server(
            std::make_shared<PocketsphinxEngine>(std::move(std::get<PocketsphinxEngine>(engine))), translator);
        if (const auto error = server.listen(address, port)) {
            std::fprintf(stderr, "tolvaran-server: %s\n", qUtf8Printable(*error));
            return 1;
        }
        // The program that starts the server waits for this line, and
        // connects from this machine even when every address is served.
        QString host = address.protocol() == QAbstractSocket::IPv6Protocol
            ? QStringLiteral("[%1]").arg(address.toString())
            : address.toString();
        if (address == QHostAddress::AnyIPv4 || address == QHostAddress::Any || address == QHostAddress::AnyIPv6)
            host = QStringLiteral("127.0.0.1");
        std::printf("tolvaran-server listening on ws://%s:%u\n", qUtf8Printable(host), unsigned(server.port()));
        std::fflush(stdout);
        status = QCoreApplication::exec();
    }
    RecognitionChannel::waitForAllThreads();
    return status;
}
