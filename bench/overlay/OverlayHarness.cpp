// Shows the overlay or its preview with a scripted conversation, for
// screenshots and for measuring what the overlay costs while text streams in.
//
//   overlay_harness [--mode both|translated|original] [--labels on|off]
//                   [--scene short|long|chinese|arabic|preview|stream|idle|floor|final]
//                   [--seconds N] [--warmup N] [--report FILE]
//                   [--switch-to both|translated|original] [--menu]
//
// stream: 10 results a second (interim words, and a final line every fifth),
// 50 lines kept; idle: a finished conversation, nothing changes; floor: the
// same stream in a panel of the same size that shows each paragraph's two
// texts in plain Text items, with no typing, fading, scrolling animation or
// toolbar: what showing the stream costs at the least. final: live words
// the recogniser then finishes, tidied, with more words behind them; the
// typing stops 0.15 s after, so that a picture shows that moment. With
// --report, the process's CPU time in percent of one core and the frame
// statistics of the overlay window, counted after the warm-up, are written to
// FILE when the run ends. "overlay_harness: scene shown" on the error output
// says that every scripted step has been taken (for stream and floor: the
// first 40 results), so that a picture can wait for it.

#include "InterfaceTranslator.h"
#include "OverlayGeometry.h"
#include "UiEngine.h"
#include "audio/AudioCapture.h"
#include "live/TranslationViewModel.h"
#include "overlay/OverlayWindowManager.h"
#include "overlay/TypewriterText.h"
#include "protocol/ServerMessages.h"
#include "settings/AppSettings.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

// Captures nothing; the conversation is fed in directly.
class SilentCapture : public AudioCapture
{
public:
    QCoro::Task<std::optional<AudioCaptureError>> startCapture() override { co_return std::nullopt; }

    void stopCapture() override { }

    QCoro::Task<bool> checkPermission() override { co_return true; }

    bool isMicEnabled() const override { return false; }

    void setMicEnabled(bool) override { }

    void setSelectedMicDeviceUID(std::optional<QString>) override { }

    void setCaptureScope(const QString&) override { }

    void setCallApplications(const QSet<QString>&) override { }

    void startMicEngine() override { }

    void stopMicEngine() override { }

    QCoro::Task<bool> checkMicPermission() override { co_return true; }

    QCoro::Task<> refreshMicDevices() override { co_return; }

    QList<MicDevice> availableMicDevices() const override { return {}; }

    void watchPlayingApplications() override { }

    void unwatchPlayingApplications() override { }

    QList<PlayingApplication> playingApplications() const override { return {}; }
};

struct Utterance
{
    const char* speaker;
    const char* language;
    const char* original;
    const char* translated;
};

const Utterance conversation[] = {
    {"1", "de", "Guten Morgen zusammen, können alle mich hören?", "Good morning everyone, can you all hear me?"},
    {"2", "de", "Ja, laut und deutlich.", "Yes, loud and clear."},
    {"1", "de", "Gut. Dann fangen wir mit dem Quartalsbericht an.",
        "Good. Then let's start with the quarterly report."},
    {"3", "de", "Die Zahlen sind besser als erwartet, vor allem im Export.",
        "The figures are better than expected, especially in exports."},
    {"3", "de", "Wir haben im März zwölf Prozent mehr verkauft.", "We sold twelve percent more in March."},
    {"2", "de", "Und die Kosten?", "And the costs?"},
    {"1", "de", "Die sind leicht gestiegen, aber im Rahmen des Budgets.", "They rose slightly, but within the budget."},
};

const Utterance chinese[] = {
    {"1", "zh", "大家好，我们今天讨论新项目的时间安排。",
        "Hello everyone, today we discuss the schedule of the new project."},
    {"1", "zh", "第一阶段预计在六月底完成。", "The first phase is expected to finish at the end of June."},
    {"2", "en", "That sounds realistic to me.", "这听起来很现实。"},
};

const Utterance arabic[] = {
    {"1", "ar", "مرحبا بالجميع، هل يمكنكم سماعي بوضوح؟", "Hello everyone, can you hear me clearly?"},
    {"1", "ar", "سنبدأ الاجتماع بمراجعة نتائج الربع الأول.",
        "We will start the meeting by reviewing the first quarter results."},
    {"2", "en", "Yes, we can hear you well.", "نعم، نسمعك جيدا."},
};

QByteArray finalResult(const Utterance& u)
{
    QJsonObject token{
        {"text", QString::fromUtf8(u.original)}, {"is_final", true}, {"speaker", u.speaker}, {"language", u.language}};
    QJsonObject translation{{"text", QString::fromUtf8(u.translated)}, {"is_final", true},
        {"translation_status", "translation"}, {"speaker", u.speaker}, {"source_language", u.language}};
    return QJsonDocument(
        QJsonObject{{"type", "result"}, {"original", QString::fromUtf8(u.original)},
            {"translation", QString::fromUtf8(u.translated)}, {"tokens", QJsonArray{token, translation}}})
        .toJson(QJsonDocument::Compact);
}

// The first n words of an utterance, not yet final.
QByteArray interimResult(const Utterance& u, int words)
{
    const QString original = QString::fromUtf8(u.original).split(u' ').mid(0, words).join(u' ');
    const QString translated = QString::fromUtf8(u.translated).split(u' ').mid(0, words).join(u' ');
    QJsonArray tokens;
    for (const QString& word : original.split(u' '))
        tokens.append(
            QJsonObject{{"text", word + u' '}, {"is_final", false}, {"speaker", u.speaker}, {"language", u.language}});
    for (const QString& word : translated.split(u' '))
        tokens.append(QJsonObject{{"text", word + u' '}, {"is_final", false}, {"translation_status", "translation"},
            {"speaker", u.speaker}, {"source_language", u.language}});
    return QJsonDocument(
        QJsonObject{{"type", "result"}, {"original", original}, {"translation", translated}, {"tokens", tokens}})
        .toJson(QJsonDocument::Compact);
}

// The live words as the recogniser shows them before it finishes the line:
// lower case, without punctuation.
QByteArray rawInterimResult(const Utterance& u)
{
    const auto raw = [](const char* text) {
        return QString::fromUtf8(text).toLower().remove(QRegularExpression(QStringLiteral("[.,?!]"))).toUtf8();
    };
    const QByteArray original = raw(u.original);
    const QByteArray translated = raw(u.translated);
    return interimResult({u.speaker, u.language, original.constData(), translated.constData()}, 100);
}

void feed(TranslationViewModel& viewModel, const QByteArray& json)
{
    const auto message = decodeIncomingMessage(json);
    if (message && std::holds_alternative<TranslationResult>(*message))
        viewModel.handleTranslationResult(std::get<TranslationResult>(*message));
    else
        std::fprintf(stderr, "overlay_harness: not a result: %s\n", json.constData());
}

DisplayMode modeNamed(const QString& name)
{
    return name == "translated" ? DisplayMode::translatedOnly
        : name == "original"    ? DisplayMode::originalOnly
                                : DisplayMode::both;
}

// The last typed text shown, in the order of the item tree.
QQuickItem* lastText(QQuickItem* item)
{
    QQuickItem* found = qobject_cast<TypewriterText*>(item) && item->isVisible() ? item : nullptr;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* inner = lastText(child))
            found = inner;
    return found;
}

double processCpuSeconds()
{
    timespec t{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t) != 0)
        return 0;
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The floor's view: the overlay's paragraphs, both languages side by side,
// each text a plain Text item that changes at once; the list keeps its end
// in view without animating.
const char* floorView = R"(
import QtQuick
import Tolvaran.Ui

Item {
    id: root

    required property TranslationViewModel viewModel
    required property AppSettings settings

    OverlayParagraphs {
        id: feed

        viewModel: root.viewModel
        settings: root.settings
    }

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 5
        anchors.bottomMargin: 5
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        radius: 12
        color: AppTheme.material
        opacity: root.settings.overlayOpacity
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 10
        anchors.topMargin: 40
        clip: true
        interactive: false
        contentHeight: column.height
        contentY: Math.max(0, contentHeight - height)

        Column {
            id: column

            width: parent.width
            padding: 16
            spacing: 12

            Repeater {
                model: feed.model

                delegate: Rectangle {
                    required property string originalText
                    required property string translatedText
                    required property string interimOriginalText
                    required property string interimTranslationText

                    width: column.width - 32
                    height: texts.height + 32
                    color: root.settings.overlayParagraphBgColor
                    radius: root.settings.overlayParagraphRadius

                    Row {
                        id: texts

                        x: 16
                        y: 16
                        spacing: 20

                        Text {
                            width: (column.width - 84) / 2
                            wrapMode: Text.Wrap
                            textFormat: Text.PlainText
                            text: originalText + " " + interimOriginalText
                            font.pixelSize: root.settings.fontSize
                            font.weight: Font.DemiBold
                            color: root.settings.overlayOriginalColor
                        }

                        Text {
                            width: (column.width - 84) / 2
                            wrapMode: Text.Wrap
                            textFormat: Text.PlainText
                            text: translatedText + " " + interimTranslationText
                            font.pixelSize: root.settings.fontSize
                            font.weight: Font.DemiBold
                            color: root.settings.overlayTranslatedColor
                        }
                    }
                }
            }
        }
    }
}
)";

struct FrameStats
{
    bool counting = false;
    double cpuAtStart = 0;
    QElapsedTimer clock;
    QElapsedTimer sinceStart;
    qint64 lastSwap = -1;
    QList<double> frameMs;
    // Time from the start of a frame's work (before synchronising) to its swap.
    qint64 frameStart = 0;
    QList<double> workMs;
};

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"mode", "both, translated or original", "mode", "both"},
        {"labels", "speaker labels on or off", "labels", "on"},
        {"scene", "short, long, chinese, arabic, preview, stream, idle, floor or final", "scene", "short"},
        {"seconds", "run for this long, then quit (0: until killed)", "seconds", "0"},
        {"warmup", "count frames and CPU only after this many seconds", "seconds", "0"},
        {"switch-to", "after 3 s, change the display mode to this one", "mode"},
        {"menu", "after 4 s, open the text menu on the last paragraph"},
        {"report", "write frame statistics here at the end", "file"}});
    parser.process(app);

    double frozenAt = -1;
    QElapsedTimer typingClock;
    typingClock.start();
    TypewriterText::setDefaultClock(
        [&] { return frozenAt >= 0 ? frozenAt : double(typingClock.nsecsElapsed()) / 1e9; });

    QTemporaryDir dir;
    AppSettings settings(dir.filePath("settings.json"));
    settings.setDisplayMode(modeNamed(parser.value("mode")));
    settings.setShowSpeakerLabels(parser.value("labels") != "off");
    settings.setMaxTranslationLines(50);
    settings.setIsPinnedAboveAll(true);
    settings.setAutoRecordOnListen(false);
    settings.setRecordingsFolder(QUrl::fromLocalFile(dir.filePath("Recordings")));

    // A peer on loopback that accepts the connection, so that listening starts.
    QWebSocketServer server(QStringLiteral("harness"), QWebSocketServer::NonSecureMode);
    if (!server.listen(QHostAddress::LocalHost)) {
        std::fprintf(stderr, "overlay_harness: cannot listen on loopback\n");
        return 1;
    }
    QList<QWebSocket*> peers;
    QObject::connect(&server, &QWebSocketServer::newConnection, [&] { peers.append(server.nextPendingConnection()); });
    settings.setServerURL(QStringLiteral("ws://127.0.0.1:%1").arg(server.serverPort()));

    TranslationViewModel viewModel(settings, std::make_unique<SilentCapture>());
    QQmlEngine engine;
    ui::prepareEngine(engine);
    // In the desktop's language, as the program.
    InterfaceTranslator translator(&engine);
    translator.apply(QStringLiteral("system"));
    OverlayWindowManager windows(engine);

    const QString scene = parser.value("scene");
    FrameStats stats;
    stats.clock.start();

    std::unique_ptr<FloatingPanel> floorPanel;
    const bool streaming = scene == "stream" || scene == "floor";
    int pendingSteps = 1 + (scene == "final" ? 1 : 0) + (streaming ? 1 : 0) + (parser.isSet("switch-to") ? 1 : 0)
        + (parser.isSet("menu") ? 1 : 0);
    // Said once the last step has been drawn.
    const auto stepTaken = [&] {
        if (--pendingSteps != 0)
            return;
        QQuickWindow* window = scene == "preview" ? windows.previewPanel()
            : floorPanel                          ? floorPanel.get()
                                                  : windows.panel();
        const auto say = [] {
            std::fprintf(stderr, "overlay_harness: scene shown\n");
            std::fflush(stderr);
        };
        if (!window) {
            say();
            return;
        }
        // Swaps are told from the render thread: the first alone counts.
        auto said = std::make_shared<bool>(false);
        QObject::connect(window, &QQuickWindow::frameSwapped, &app, [said, say] {
            if (!std::exchange(*said, true))
                say();
        });
        window->update();
    };
    const auto showFloor = [&]() -> QQuickWindow* {
        const QScreen* screen = QGuiApplication::primaryScreen();
        floorPanel.reset(FloatingPanel::titledTransparent(
            OverlayGeometry::overlayFrame(BottomLeftSpace(screen->geometry()).fromQt(screen->availableGeometry())),
            OverlayGeometry::minimumSize));
        QQmlComponent component(&engine);
        component.setData(floorView, QUrl(QStringLiteral("qrc:/harness/Floor.qml")));
        if (!component.isReady()) {
            std::fprintf(stderr, "overlay_harness: %s\n", qPrintable(component.errorString()));
            std::exit(1);
        }
        auto* content = qobject_cast<QQuickItem*>(
            component.createWithInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
                {QStringLiteral("settings"), QVariant::fromValue(&settings)}}));
        content->setParentItem(floorPanel->contentItem());
        content->setParent(floorPanel.get());
        content->setSize(floorPanel->size());
        floorPanel->setLevel(FloatingPanel::pinnedLevel);
        floorPanel->show();
        return floorPanel.get();
    };

    const auto start = [&] {
        if (scene == "preview") {
            windows.showPreview(viewModel, settings);
            stepTaken();
            return;
        }
        QQuickWindow* window = nullptr;
        if (scene == "floor") {
            window = showFloor();
        } else {
            windows.show(viewModel, settings);
            window = windows.panel();
        }
        QObject::connect(window, &QQuickWindow::frameSwapped, [&] {
            if (!stats.counting)
                return;
            const qint64 now = stats.clock.nsecsElapsed();
            if (stats.lastSwap >= 0)
                stats.frameMs.append(double(now - stats.lastSwap) / 1e6);
            stats.lastSwap = now;
        });
        QObject::connect(
            window, &QQuickWindow::beforeSynchronizing, window, [&] { stats.frameStart = stats.clock.nsecsElapsed(); },
            Qt::DirectConnection);
        QObject::connect(
            window, &QQuickWindow::afterRendering, window,
            [&] {
                if (stats.counting)
                    stats.workMs.append(double(stats.clock.nsecsElapsed() - stats.frameStart) / 1e6);
            },
            Qt::DirectConnection);

        const auto feedAll = [&](const auto& utterances) {
            for (const Utterance& u : utterances)
                feed(viewModel, finalResult(u));
        };
        if (scene == "chinese")
            feedAll(chinese);
        else if (scene == "arabic")
            feedAll(arabic);
        else if (scene == "long" || scene == "idle") {
            for (int i = 0; i < 4; ++i)
                feedAll(conversation);
        } else if (scene == "final") {
            for (int i = 0; i < 3; ++i)
                feed(viewModel, finalResult(conversation[i]));
            feed(viewModel, rawInterimResult(conversation[3]));
            QTimer::singleShot(3000, &app, [&] {
                feed(viewModel, finalResult(conversation[3]));
                feed(viewModel, interimResult(conversation[4], 5));
                QTimer::singleShot(150, &app, [&] {
                    frozenAt = double(typingClock.nsecsElapsed()) / 1e9;
                    stepTaken();
                });
            });
        } else if (scene == "short") {
            feedAll(conversation);
            feed(viewModel, interimResult(conversation[3], 4));
        }
        if (streaming) {
            // Made before the stream starts: building them is not the
            // overlay's cost, while reading them is the program's.
            QList<QByteArray> messages;
            for (const Utterance& u : conversation)
                for (int step = 0; step < 5; ++step)
                    messages.append(step == 4 ? finalResult(u) : interimResult(u, 2 + step * 2));
            auto* timer = new QTimer(&app);
            timer->setInterval(100);
            QObject::connect(timer, &QTimer::timeout, [&viewModel, &stepTaken, messages, next = 0]() mutable {
                feed(viewModel, messages[next++ % messages.size()]);
                if (next == 40)
                    stepTaken();
            });
            timer->start();
        }
        stepTaken();
    };
    QObject::connect(viewModel.session(), &ListeningSession::stateChanged, &app, [&, started = false]() mutable {
        if (viewModel.isListening() && !started) {
            started = true;
            start();
        }
    });
    viewModel.startListening();

    if (parser.isSet("switch-to"))
        QTimer::singleShot(3000, &app, [&] {
            settings.setDisplayMode(modeNamed(parser.value("switch-to")));
            stepTaken();
        });
    if (parser.isSet("menu")) {
        QTimer::singleShot(4000, &app, [&] {
            QQuickWindow* window = windows.panel();
            QQuickItem* text = window ? lastText(window->contentItem()) : nullptr;
            if (!text) {
                stepTaken();
                return;
            }
            const QPointF at = text->mapToScene(QPointF(std::min(60.0, text->width() / 2), 10));
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, at, window->mapToGlobal(at), Qt::RightButton,
                    type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, {});
                QCoreApplication::sendEvent(window, &event);
            }
            stepTaken();
        });
    }

    QTimer::singleShot(parser.value("warmup").toInt() * 1000, &app, [&] {
        stats.counting = true;
        stats.cpuAtStart = processCpuSeconds();
        stats.clock.restart();
    });
    const int seconds = parser.value("seconds").toInt();
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    const int status = QGuiApplication::exec();

    if (parser.isSet("report")) {
        QFile report(parser.value("report"));
        if (!report.open(QIODevice::WriteOnly | QIODevice::Text)) {
            std::fprintf(stderr, "overlay_harness: cannot write %s\n", qPrintable(parser.value("report")));
            return 1;
        }
        auto work = stats.workMs;
        std::sort(work.begin(), work.end());
        const double p99 = work.isEmpty() ? 0 : work[qsizetype(double(work.size() - 1) * 0.99)];
        const double median = work.isEmpty() ? 0 : work[work.size() / 2];
        const double elapsed = double(stats.clock.nsecsElapsed()) / 1e9;
        const double cpu = (processCpuSeconds() - stats.cpuAtStart) / elapsed * 100;
        report.write(
            QStringLiteral("cpu_percent %1\nframes %2\nseconds %3\nfps %4\np99_frame_ms %5\nmedian_frame_ms %6\n")
                .arg(cpu, 0, 'f', 2)
                .arg(stats.workMs.size())
                .arg(elapsed, 0, 'f', 2)
                .arg(double(stats.workMs.size()) / elapsed, 0, 'f', 1)
                .arg(p99, 0, 'f', 2)
                .arg(median, 0, 'f', 2)
                .toUtf8());
    }
    return status;
}
