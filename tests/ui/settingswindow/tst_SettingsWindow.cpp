#include "../../core/live/ViewModelFixture.h"
#include "AppCoordinator.h"
#include "QuickTestItems.h"
#include "UiEngine.h"
#include "audio/CallMonitorService.h"
#include "desktop/UpdaterService.h"
#include "panel/PanelModel.h"
#include "recordings/RecordingStore.h"
#include "settingswindow/SettingsModel.h"
#include "settingswindow/SettingsWindowManager.h"
#include "theme/TextColors.h"

#include <QCoroTask>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPalette>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>

#include <sys/stat.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

using test::PreparedEngine;

using test::findNamed;

QJsonObject storeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The settings window of a view model on a test server, opened as the
// panel's "Settings..." does it.
struct OpenSettings
{
    test::ViewModelFixture fixture;
    PreparedEngine engine;
    UpdaterService updater{QUrl(), QStringLiteral("1.0")};
    AppCoordinator coordinator{*fixture.services, *fixture.viewModel, engine};

    OpenSettings() { coordinator.settingsManager().setUpdater(&updater); }

    QQuickWindow* window() { return coordinator.settingsManager().window(); }

    QQuickItem* view() { return window() ? window()->contentItem()->childItems().value(0) : nullptr; }

    SettingsModel* model() { return view() ? view()->property("model").value<SettingsModel*>() : nullptr; }

    bool open()
    {
        fixture.viewModel->setShowSettingsRequested(true);
        return QTest::qWaitFor([this] { return window() && window()->isVisible(); })
            && QTest::qWaitForWindowExposed(window());
    }

    // The named control on the given tab, scrolled into view.
    QQuickItem* control(int tab, const QString& name)
    {
        view()->setProperty("selectedTab", tab);
        QCoreApplication::processEvents();
        QQuickItem* item = findNamed(view(), name);
        auto* detail = qobject_cast<QQuickItem*>(findNamed(view(), "detail"));
        if (item && detail) {
            auto* content = detail->property("contentItem").value<QQuickItem*>();
            const double top = item->mapToItem(content, QPointF()).y();
            const double most = detail->property("contentHeight").toDouble() - detail->height();
            detail->setProperty("contentY", std::clamp(top - 20, 0.0, std::max(0.0, most)));
            QCoreApplication::processEvents();
        }
        return item;
    }

    QQuickItem* switchOf(int tab, const QString& row)
    {
        QQuickItem* item = control(tab, row);
        return item ? findNamed(item, "switch") : nullptr;
    }
};

enum Tab { general, connection, translation, subtitles, audio, recording, advanced };

ino_t inodeOf(const QString& path)
{
    struct stat info
    {
    };

    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QPalette lightPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor("#EFEFEF"));
    palette.setColor(QPalette::WindowText, QColor("#000000"));
    palette.setColor(QPalette::Base, QColor("#FFFFFF"));
    palette.setColor(QPalette::AlternateBase, QColor("#F7F7F7"));
    palette.setColor(QPalette::Text, QColor("#000000"));
    palette.setColor(QPalette::Button, QColor("#EFEFEF"));
    palette.setColor(QPalette::ButtonText, QColor("#000000"));
    palette.setColor(QPalette::Highlight, QColor("#308CC6"));
    palette.setColor(QPalette::HighlightedText, QColor("#FFFFFF"));
    return palette;
}

// What qt6ct's "darker" scheme gives.
QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor("#424242"));
    palette.setColor(QPalette::WindowText, QColor("#FFFFFF"));
    palette.setColor(QPalette::Base, QColor("#3C3C3C"));
    palette.setColor(QPalette::AlternateBase, QColor("#505050"));
    palette.setColor(QPalette::Text, QColor("#FFFFFF"));
    palette.setColor(QPalette::Button, QColor("#424242"));
    palette.setColor(QPalette::ButtonText, QColor("#FFFFFF"));
    palette.setColor(QPalette::Highlight, QColor("#0C4B82"));
    palette.setColor(QPalette::HighlightedText, QColor("#FFFFFF"));
    return palette;
}

double effectiveOpacity(const QQuickItem* item)
{
    double opacity = 1.0;
    for (; item; item = item->parentItem())
        opacity *= item->opacity();
    return opacity;
}

void collectTexts(QQuickItem* item, QList<QQuickItem*>& texts)
{
    if (!item->isVisible())
        return;
    if (item->inherits("QQuickText") && !item->property("text").toString().trimmed().isEmpty())
        texts.append(item);
    for (QQuickItem* child : item->childItems())
        collectTexts(child, texts);
}

// The colour most of the pixels under the item have.
QColor backgroundUnder(const QImage& image, const QRect& rect)
{
    QHash<QRgb, int> counts;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    return QColor::fromRgb(most);
}

QColor over(const QColor& text, double opacity, const QColor& background)
{
    const double a = text.alphaF() * opacity;
    return QColor::fromRgbF(float(text.redF() * a + background.redF() * (1 - a)),
        float(text.greenF() * a + background.greenF() * (1 - a)),
        float(text.blueF() * a + background.blueF() * (1 - a)));
}

} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    void captions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("overlay opacity, lower end") << "percent" << 0.3 << "30%";
        QTest::newRow("opacity default") << "percent" << 0.95 << "95%";
        QTest::newRow("a step of 0.05 from 0.3") << "percent" << (0.3 + 0.05 * 3) << "45%";
        QTest::newRow("subtitle opacity, lower end") << "percent" << 0.0 << "0%";
        QTest::newRow("full") << "percent" << 1.0 << "100%";
        QTest::newRow("length truncated") << "length" << 12.7 << "12 px";
        QTest::newRow("font size, upper end") << "points" << 60.0 << "60 pt";
        QTest::newRow("gap default") << "seconds" << 8.0 << "8.0s";
        QTest::newRow("gap half step") << "seconds" << 1.5 << "1.5s";
    }

    void captions()
    {
        QFETCH(QString, kind);
        QFETCH(double, value);
        QFETCH(QString, expected);
        const QString text = kind == "percent" ? SettingsModel::percentText(value)
            : kind == "length"                 ? SettingsModel::lengthText(value)
            : kind == "points"                 ? SettingsModel::pointText(value)
                                               : SettingsModel::secondsText(value);
        QCOMPARE(text, expected);
    }

    // The sliders' ends in the window, dragged there as a user would.
    void slidersReachTheirEnds()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        for (const auto& [tab, row, end, caption] : {std::tuple{translation, "overlayOpacity", 0.3, "30%"},
                 std::tuple{subtitles, "subtitleBgOpacity", 0.0, "0%"}}) {
            QQuickItem* item = settings.control(tab, row);
            QVERIFY(item);
            QQuickItem* slider = findNamed(item, "slider");
            QTest::mouseClick(
                settings.window(), Qt::LeftButton, {}, slider->mapToScene(QPointF(1, slider->height() / 2)).toPoint());
            QTRY_COMPARE(findNamed(item, "valueText")->property("text").toString(), caption);
        }
        QCOMPARE(settings.fixture.settings->overlayOpacity(), 0.3);
        QCOMPARE(settings.fixture.settings->subtitleBgOpacity(), 0.0);
    }

    void windowOpensAndComesForward()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        QCOMPARE(settings.fixture.viewModel->showSettingsRequested(), false);
        QQuickWindow* window = settings.window();
        QCOMPARE(window->title(), "Tolvaran Settings");
        QCOMPARE(window->size(), QSize(580, 420));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(settings.control(audio, "audioPage"));

        // Open: brought forward, on the same tab.
        QVERIFY(settings.open());
        QCOMPARE(settings.window(), window);
        QCOMPARE(settings.view()->property("selectedTab").toInt(), int(audio));

        // A lowered flag closes nothing.
        settings.fixture.viewModel->setShowSettingsRequested(false);
        QCoreApplication::processEvents();
        QVERIFY(window->isVisible());

        // Closed: built anew, on General.
        window->close();
        QVERIFY(settings.open());
        QVERIFY(settings.window() != window);
        QCOMPARE(settings.view()->property("selectedTab").toInt(), int(general));
        QVERIFY(findNamed(settings.view(), "generalPage"));
    }

    void controlsWhileListening()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        const auto enabled = [&](int tab, const QString& name) {
            QQuickItem* item = settings.control(tab, name);
            return item && item->isEnabled();
        };
        QVERIFY(enabled(connection, "serverURL"));
        QVERIFY(enabled(connection, "targetLanguage"));
        QVERIFY(enabled(connection, "speaker_3"));
        QVERIFY(settings.switchOf(general, "autoDetect")->isEnabled());

        QCoro::waitFor(settings.fixture.viewModel->startListening());
        QVERIFY(settings.fixture.viewModel->isListening());
        QVERIFY(!enabled(connection, "serverURL"));
        QVERIFY(!enabled(connection, "targetLanguage"));
        for (int i = 0; i < 16; ++i)
            QVERIFY(!enabled(connection, QStringLiteral("speaker_%1").arg(i)));
        // Off: cannot be switched on while listening.
        QVERIFY(!settings.switchOf(general, "autoDetect")->isEnabled());
        settings.model()->setAutoDetect(true);
        QVERIFY(!settings.fixture.settings->isAutoDetectEnabled());
        QVERIFY(!settings.fixture.services->callMonitor->isMonitoring());

        // On: can be switched off, and the monitor stops.
        QCoro::waitFor(settings.fixture.viewModel->stopListening());
        QQuickItem* toggle = settings.switchOf(general, "autoDetect");
        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, toggle->mapToScene(toggle->boundingRect().center()).toPoint());
        QTRY_VERIFY(settings.fixture.settings->isAutoDetectEnabled());
        QVERIFY(settings.fixture.services->callMonitor->isMonitoring());
        QVERIFY(findNamed(settings.view(), "callStatus")->isVisible());
        QCoro::waitFor(settings.fixture.viewModel->startListening());
        toggle = settings.switchOf(general, "autoDetect");
        QVERIFY(toggle->isEnabled());
        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, toggle->mapToScene(toggle->boundingRect().center()).toPoint());
        QTRY_VERIFY(!settings.fixture.settings->isAutoDetectEnabled());
        QVERIFY(!settings.fixture.services->callMonitor->isMonitoring());
        QVERIFY(!settings.switchOf(general, "autoDetect")->isEnabled());
    }

    // A new user's first need: a target language other than English.
    void languagesAreChosenHere()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        SettingsModel* model = settings.model();
        QCOMPARE(model->languageLabels().size(), 16);
        QVERIFY(model->languageLabels().at(3).endsWith("German"));
        // The local server shows German only as the transcript; another server is not judged.
        for (const auto& [url, german] : {std::pair{"ws://localhost:3000", "German (transcript only)"},
                 std::pair{"wss://translate.example.org/", "German"}}) {
            settings.fixture.settings->setServerURL(url);
            QVERIFY(model->targetLanguageLabels().at(3).endsWith(german));
            QVERIFY(model->targetLanguageLabels().at(1).endsWith("Spanish"));
        }
        model->selectLanguage(3);
        QCOMPARE(settings.fixture.settings->selectedLanguage(), TargetLanguage::german);
        QCOMPARE(settings.control(connection, "targetLanguage")->property("currentIndex").toInt(), 3);

        QQuickItem* spanish = settings.control(connection, "speaker_1");
        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, spanish->mapToScene(spanish->boundingRect().center()).toPoint());
        QTRY_COMPARE(settings.fixture.settings->speakerLanguages(), LanguageSet{TargetLanguage::spanish});
        QVERIFY(spanish->property("checked").toBool());
        // Unticking the last one leaves none: the server detects the language.
        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, spanish->mapToScene(spanish->boundingRect().center()).toPoint());
        QTRY_VERIFY(settings.fixture.settings->speakerLanguages().isEmpty());
        QVERIFY(!spanish->property("checked").toBool());
        settings.window()->close();
        QCOMPARE(storeFile(settings.fixture.dir.filePath("settings.json"))
                     .value("speakerLanguages")
                     .toObject()
                     .value("data"),
            QString::fromLatin1(QByteArray("[]").toBase64()));
    }

    void folderRow()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        const QString custom = settings.fixture.recordingsFolder();
        QCOMPARE(settings.control(recording, "folderName")->property("text").toString(), "Recordings");
        QCOMPARE(findNamed(settings.view(), "folderPath")->property("text").toString(), custom);
        QVERIFY(findNamed(settings.view(), "resetFolder")->isVisible());

        const QString chosen = settings.fixture.dir.filePath("Elsewhere/Calls");
        settings.model()->chooseFolder(QUrl::fromLocalFile(chosen));
        QCOMPARE(findNamed(settings.view(), "folderName")->property("text").toString(), "Calls");
        QTRY_COMPARE(settings.fixture.services->recordingStore->activeDirectory(), chosen);
        QVERIFY(QFileInfo(chosen).isDir());

        settings.model()->resetFolder();
        QCOMPARE(settings.fixture.settings->recordingsFolder(), QUrl());
        QCOMPARE(findNamed(settings.view(), "folderName")->property("text").toString(), "Default");
        QCOMPARE(findNamed(settings.view(), "folderPath")->property("text").toString(),
            QDir::toNativeSeparators(RecordingStore::recordingsDirectory()));
        QVERIFY(!findNamed(settings.view(), "resetFolder")->isVisible());
    }

    void microphoneRowWithoutPermission()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        QTRY_COMPARE(
            settings.control(audio, "micWarning")->isVisible(), !settings.fixture.viewModel->hasMicPermission());
        QCOMPARE(findNamed(settings.view(), "micPicker")->isVisible(), settings.fixture.viewModel->hasMicPermission());
        QCOMPARE(settings.model()->micDeviceLabels().value(0), "System Default");
    }

    // The capture choice and the stored scope, both ways: the programs
    // playing follow the two fixed entries, and a chosen program that is
    // not playing (or a stored value this program does not know) still
    // shows what listening will capture.
    // What the General tab says of calls, as the monitor decides them.
    void callStatus_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("recorder");
        QTest::addColumn<QString>("status");
        QTest::newRow("no call") << "any" << QString() << "Monitoring for calls...";
        QTest::newRow("zoom") << "any"
                              << "zoom"
                              << "Call detected in Zoom";
        QTest::newRow("a browser") << "any"
                                   << "firefox-esr"
                                   << "Call detected in Firefox";
        QTest::newRow("teams only") << "teams"
                                    << "zoom"
                                    << "Call detected in Teams";
    }

    void callStatus()
    {
        QFETCH(QString, which);
        QFETCH(QString, recorder);
        QFETCH(QString, status);
        test::ViewModelFixture fixture;
        CallMonitorService::Probes probes;
        probes.isTeamsRunning = [] { return true; };
        probes.isMicrophoneInUse = []() -> QCoro::Task<bool> { co_return true; };
        probes.microphoneRecorders = [recorder]() -> QCoro::Task<std::optional<QList<MicrophoneRecorder>>> {
            co_return recorder.isEmpty() ? QList<MicrophoneRecorder>() : QList<MicrophoneRecorder>{{recorder, {}}};
        };
        CallMonitorService monitor(probes);
        SettingsModel model;
        model.setViewModel(fixture.viewModel.get());
        model.setServices(fixture.settings.get(), fixture.capture, &monitor, fixture.services->recordingStore.get());
        QSignalSpy changes(&model, &SettingsModel::autoDetectChanged);
        monitor.setCallApplications(which);
        monitor.startMonitoring();
        QCOMPARE(model.isCallDetected(), !recorder.isEmpty());
        QCOMPARE(model.callStatusText(), status);
        QCOMPARE(changes.isEmpty(), recorder.isEmpty());
    }

    // A combination pressed on the General tab becomes the shortcut.
    void shortcutKeys_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("texts");
        const int ctrlAlt = int(Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("listening") << 0 << int(Qt::Key_K) << ctrlAlt
                                   << QStringList{"Ctrl+Alt+K", "Ctrl+Alt+O", "Ctrl+Alt+R"};
        QTest::newRow("recording with F9")
            << 2 << int(Qt::Key_F9) << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier)
            << QStringList{"Ctrl+Alt+L", "Ctrl+Alt+O", "Ctrl+Shift+F9"};
        QTest::newRow("a letter alone") << 1 << int(Qt::Key_K) << 0
                                        << QStringList{"Ctrl+Alt+L", "Ctrl+Alt+O", "Ctrl+Alt+R"};
        QTest::newRow("shift and a letter")
            << 1 << int(Qt::Key_K) << int(Qt::ShiftModifier) << QStringList{"Ctrl+Alt+L", "Ctrl+Alt+O", "Ctrl+Alt+R"};
        QTest::newRow("a modifier alone") << 1 << int(Qt::Key_Control) << int(Qt::ControlModifier)
                                          << QStringList{"Ctrl+Alt+L", "Ctrl+Alt+O", "Ctrl+Alt+R"};
        QTest::newRow("no such action") << 3 << int(Qt::Key_K) << ctrlAlt
                                        << QStringList{"Ctrl+Alt+L", "Ctrl+Alt+O", "Ctrl+Alt+R"};
    }

    void shortcutKeys()
    {
        QFETCH(int, action);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, texts);
        test::ViewModelFixture fixture;
        SettingsModel model;
        model.setViewModel(fixture.viewModel.get());
        model.setServices(fixture.settings.get(), fixture.capture, fixture.services->callMonitor.get(),
            fixture.services->recordingStore.get());
        QSignalSpy changes(&model, &SettingsModel::shortcutsChanged);
        const QStringList before = model.shortcutTexts();
        QCOMPARE(model.setShortcut(action, key, modifiers), texts != before);
        QCOMPARE(model.shortcutTexts(), texts);
        QCOMPARE(changes.isEmpty(), texts == before);
        model.clearShortcut(action);
        if (action < 3)
            QCOMPARE(model.shortcutTexts().at(action), "None");
    }

    // Clicked, then pressed with the keyboard, as a user does; what stands
    // in a shortcut's way shows beside it.
    void shortcutFields()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        QQuickItem* row = settings.control(general, "shortcut_1");
        QVERIFY(row);
        QQuickItem* field = findNamed(row, "keys");
        QVERIFY(field);
        QCOMPARE(field->property("text").toString(), "Ctrl+Alt+O");
        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, field->mapToScene(field->boundingRect().center()).toPoint());
        QTRY_COMPARE(field->property("text").toString(), "Press keys…");
        QTest::keyClick(settings.window(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(settings.fixture.settings->overlayShortcut(), "Ctrl+Alt+J");
        QTRY_COMPARE(field->property("text").toString(), "Ctrl+Alt+J");

        QQuickItem* problem = findNamed(row, "problem");
        QVERIFY(problem);
        QVERIFY(!problem->isVisible());
        settings.coordinator.settingsManager().setShortcutProblems(
            {QString(), "Ctrl+Alt+J is taken by another program", QString()});
        QTRY_VERIFY(problem->isVisible());
        QCOMPARE(problem->property("text").toString(), "Ctrl+Alt+J is taken by another program");

        QQuickItem* none = findNamed(row, "none");
        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, none->mapToScene(none->boundingRect().center()).toPoint());
        QCOMPARE(settings.fixture.settings->overlayShortcut(), QString());
        QTRY_COMPARE(field->property("text").toString(), "None");
    }

    // The user's own call programs, as typed on the Advanced tab.
    void extraCallApplications_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("commas") << "jami,linphone" << QStringList{"jami", "linphone"};
        QTest::newRow("commas and spaces") << " jami ,  linphone " << QStringList{"jami", "linphone"};
        QTest::newRow("spaces alone") << "jami linphone" << QStringList{"jami", "linphone"};
        QTest::newRow("twice") << "jami, jami" << QStringList{"jami"};
        QTest::newRow("a path") << "/usr/bin/jami, linphone" << QStringList{"linphone"};
        QTest::newRow("nothing") << " , " << QStringList{};
    }

    void extraCallApplications()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        test::ViewModelFixture fixture;
        fixture.settings->setExtraCallApplications({"before"});
        SettingsModel model;
        model.setViewModel(fixture.viewModel.get());
        model.setServices(fixture.settings.get(), fixture.capture, fixture.services->callMonitor.get(),
            fixture.services->recordingStore.get());
        model.setExtraCallApplicationsText(text);
        QCOMPARE(fixture.settings->extraCallApplications(), names);
    }

    // The picker on the General tab, with the keyboard, and the capture
    // picker's name for the call that goes with it.
    void callApplicationsPicker()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        QQuickItem* picker = settings.control(general, "callApplications");
        QVERIFY(picker);
        QCOMPARE(picker->property("currentText").toString(), "Any call application");
        QCOMPARE(settings.model()->captureLabels().value(1), "Only the call");
        picker->forceActiveFocus();
        QTest::keyClick(settings.window(), Qt::Key_Up);
        QCOMPARE(settings.fixture.settings->callApplications(), "teams");
        QCOMPARE(picker->property("currentText").toString(), "Teams only");
        QCOMPARE(settings.model()->captureLabels().value(1), "Only the call (Teams)");
        QTest::keyClick(settings.window(), Qt::Key_Down);
        QCOMPARE(settings.fixture.settings->callApplications(), "any");
    }

    void captureChoices_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<PlayingApplication>>("playing");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("selected");

        const QStringList fixed{"All system audio", "Only the call"};
        const QList<PlayingApplication> two{{"firefox-esr", "Firefox"}, {"music", "Music Player"}};
        QTest::newRow("all system audio") << "system" << QList<PlayingApplication>() << fixed << 0;
        QTest::newRow("the call") << "callApp" << two << fixed + QStringList{"Firefox", "Music Player"} << 1;
        QTest::newRow("a program playing") << "app:music" << two << fixed + QStringList{"Firefox", "Music Player"} << 3;
        QTest::newRow("a program not playing now")
            << "app:vlc" << two << fixed + QStringList{"Firefox", "Music Player", "vlc"} << 4;
        QTest::newRow("none playing, a program chosen")
            << "app:vlc" << QList<PlayingApplication>() << fixed + QStringList{"vlc"} << 2;
        QTest::newRow("unknown value") << "CallApp" << two << fixed + QStringList{"Firefox", "Music Player"} << 0;
        QTest::newRow("a path, not a program") << "app:/usr/bin/vlc" << QList<PlayingApplication>() << fixed << 0;
    }

    void captureChoices()
    {
        QFETCH(QString, stored);
        QFETCH(QList<PlayingApplication>, playing);
        QFETCH(QStringList, labels);
        QFETCH(int, selected);
        test::ViewModelFixture fixture;
        fixture.settings->setCaptureScope(stored);
        fixture.capture->setPlayingApplications(playing);
        SettingsModel model;
        model.setViewModel(fixture.viewModel.get());
        model.setServices(fixture.settings.get(), fixture.capture, fixture.services->callMonitor.get(),
            fixture.services->recordingStore.get());
        QCOMPARE(model.captureLabels(), labels);
        QCOMPARE(model.selectedCaptureIndex(), selected);

        // Each entry chosen is stored, and shows as chosen; from the last,
        // as a program not playing leaves the list once another is chosen.
        QSignalSpy changes(&model, &SettingsModel::captureChanged);
        const QStringList scopes = model.captureScopes();
        for (auto index = scopes.size() - 1; index >= 0; --index) {
            model.selectCapture(int(index));
            QCOMPARE(fixture.settings->captureScope(), scopes.at(index));
            QCOMPARE(AppSettings::knownCaptureScope(scopes.at(index)), scopes.at(index));
            QCOMPARE(model.selectedCaptureIndex(), index);
            QCOMPARE(model.captureLabels().value(index), labels.at(index));
        }
        QVERIFY(!changes.isEmpty());
        // Out of range: nothing changes.
        model.selectCapture(int(labels.size()) + 1);
        model.selectCapture(-1);
        QCOMPARE(fixture.settings->captureScope(), "system");
    }

    // The picker in the window: it follows the programs while the Audio tab
    // is in view, a choice made while listening changes the capture at once,
    // and a chosen program that stops playing stays shown by its name.
    void capturePickerFollowsPlayingApplications()
    {
        OpenSettings settings;
        test::FakeAudioCapture& capture = *settings.fixture.capture;
        QVERIFY(settings.open());
        QCOMPARE(capture.applicationWatchers, 0);
        QQuickItem* picker = settings.control(audio, "capture");
        QVERIFY(picker);
        QCOMPARE(capture.applicationWatchers, 1);
        QCOMPARE(picker->property("count").toInt(), 2);
        QCOMPARE(picker->property("currentText").toString(), "All system audio");

        capture.setPlayingApplications({{"music", "Music Player"}});
        QTRY_COMPARE(picker->property("count").toInt(), 3);
        QCoro::waitFor(settings.fixture.viewModel->startListening());
        QVERIFY(settings.fixture.viewModel->isListening());
        QCOMPARE(capture.captureScope, "system");
        // Listening brings the overlay up; the offscreen platform hands it the
        // focus, which a desktop would not. The user comes back to settings.
        QTRY_VERIFY(settings.coordinator.overlayManager().panel());
        settings.window()->requestActivate();
        QTRY_VERIFY(settings.window()->isActive());

        // Chosen with the keyboard, as a user would.
        picker->forceActiveFocus();
        QTest::keyClick(settings.window(), Qt::Key_Down);
        QCOMPARE(settings.fixture.settings->captureScope(), "callApp");
        QCOMPARE(capture.captureScope, "callApp");
        QCOMPARE(settings.fixture.viewModel->captureStatus(), "Waiting for a call…");
        QTest::keyClick(settings.window(), Qt::Key_Down);
        QCOMPARE(settings.fixture.settings->captureScope(), "app:music");
        QCOMPARE(capture.captureScope, "app:music");
        QCOMPARE(picker->property("currentText").toString(), "Music Player");

        // The music stops, another program plays: the choice stays in view.
        capture.setPlayingApplications({{"firefox-esr", "Firefox"}});
        QTRY_COMPARE(picker->property("count").toInt(), 4);
        QCOMPARE(picker->property("currentIndex").toInt(), 3);
        QCOMPARE(picker->property("currentText").toString(), "Music Player");
        QCoro::waitFor(settings.fixture.viewModel->stopListening());

        // Followed only while the Audio tab is in view in an open window.
        settings.view()->setProperty("selectedTab", int(general));
        QTRY_COMPARE(capture.applicationWatchers, 0);
        QVERIFY(settings.control(audio, "capture"));
        QCOMPARE(capture.applicationWatchers, 1);
        settings.window()->close();
        QTRY_COMPARE(capture.applicationWatchers, 0);
    }

    // A drag writes the file a few times, not once per step, and closing the
    // window leaves the last value on disk.
    void sliderDragIsWrittenInFewWrites()
    {
        OpenSettings settings;
        QVERIFY(settings.open());
        const QString path = settings.fixture.dir.filePath("settings.json");
        settings.fixture.settings->flush();
        QQuickItem* row = settings.control(subtitles, "subtitleBottomOffset");
        QQuickItem* slider = findNamed(row, "slider");
        QVERIFY(slider);

        // 100 steps at 60 per second, as a mouse drags.
        const QPointF start = slider->mapToScene(QPointF(1, slider->height() / 2));
        const double width = slider->width() - 2;
        QTest::mousePress(settings.window(), Qt::LeftButton, {}, start.toPoint());
        QSet<ino_t> versions{inodeOf(path)};
        int step = 0;
        QTimer drag;
        drag.setInterval(16);
        connect(&drag, &QTimer::timeout, this, [&] {
            ++step;
            QTest::mouseMove(settings.window(), (start + QPointF(width * step / 100.0 * 0.6, 0)).toPoint());
            versions.insert(inodeOf(path));
        });
        drag.start();
        QTRY_VERIFY_WITH_TIMEOUT(step >= 100, 20000);
        drag.stop();
        QTest::mouseRelease(settings.window(), Qt::LeftButton, {}, (start + QPointF(width * 0.6, 0)).toPoint());
        const double last = settings.fixture.settings->subtitleBottomOffset();
        QVERIFY(last >= 150 && last <= 200);
        // Four writes a second over the drag's second and a half, and the start.
        QVERIFY2(versions.size() <= 10, QByteArray::number(versions.size()));

        settings.window()->close();
        QCOMPARE(storeFile(path).value("subtitleBottomOffset").toDouble(), last);
    }

    // Each segment, clicked, is the choice the file holds and the one shown.
    void segmentsChooseTheirValue_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("segment");
        QTest::addColumn<QString>("stored");

        QTest::newRow("translated only") << int(translation) << "displayMode"
                                         << "Translated"
                                         << "translated";
        QTest::newRow("original only") << int(translation) << "displayMode"
                                       << "Original"
                                       << "original";
        QTest::newRow("subtitles left") << int(subtitles) << "subtitlesSide"
                                        << "Left"
                                        << "left";
        QTest::newRow("subtitles right") << int(subtitles) << "subtitlesSide"
                                         << "Right"
                                         << "right";
    }

    void segmentsChooseTheirValue()
    {
        QFETCH(int, tab);
        QFETCH(QString, row);
        QFETCH(QString, segment);
        QFETCH(QString, stored);
        OpenSettings settings;
        QVERIFY(settings.open());
        QQuickItem* button = findNamed(settings.control(tab, row), "segment_" + segment);
        QVERIFY(button);
        QVERIFY(!button->property("checked").toBool());

        QTest::mouseClick(
            settings.window(), Qt::LeftButton, {}, button->mapToScene(button->boundingRect().center()).toPoint());
        QTRY_VERIFY(button->property("checked").toBool());
        settings.fixture.settings->flush();
        QCOMPARE(storeFile(settings.fixture.dir.filePath("settings.json")).value(row).toString(), stored);
    }

    void invalidServerURL_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("valid");

        QTest::newRow("ws") << "ws://localhost:3000" << true;
        QTest::newRow("wss with path") << "wss://translate.example.org/v1?x=1" << true;
        QTest::newRow("upper-case scheme") << "WSS://example.org" << true;
        QTest::newRow("http") << "http://example.org" << false;
        QTest::newRow("no scheme") << "localhost:3000" << false;
        QTest::newRow("no host") << "ws://" << false;
        QTest::newRow("only a path") << "ws:///socket" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("spaces inside") << "ws://local host" << false;
    }

    void invalidServerURL()
    {
        QFETCH(QString, url);
        QFETCH(bool, valid);
        QCOMPARE(AppSettings::isValidServerURL(url), valid);

        OpenSettings settings;
        QVERIFY(settings.open());
        const QString working = settings.fixture.settings->serverURL();
        QVERIFY(!settings.control(connection, "invalidServerURL")->isVisible());
        settings.fixture.settings->setServerURL(url);
        QCOMPARE(findNamed(settings.view(), "invalidServerURL")->isVisible(), !valid);

        // The panel's buttons do not try a URL that cannot connect.
        PanelModel panelModel;
        panelModel.setViewModel(settings.fixture.viewModel.get());
        panelModel.setSettings(settings.fixture.settings.get());
        if (!valid) {
            panelModel.toggleListening();
            panelModel.startRoom();
            QCOMPARE(settings.fixture.viewModel->state().kind(), ConnectionState::Kind::disconnected);
            QVERIFY(!settings.fixture.viewModel->isRoomMode());
        }
        settings.fixture.settings->setServerURL(working);
        panelModel.toggleListening();
        QTRY_VERIFY(settings.fixture.viewModel->isListening());
        QCoro::waitFor(settings.fixture.viewModel->stopListening());
    }

    // Every text of every tab stands out from what it is drawn on, in a light
    // and a dark palette.
    void textsAreLegible_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << lightPalette();
        QTest::newRow("dark") << darkPalette();
    }

    void textsAreLegible()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QGuiApplication::palette();
        QGuiApplication::setPalette(palette);
        OpenSettings settings;
        QVERIFY(settings.open());
        int checked = 0;
        int offSwitches = 0;
        for (int tab = general; tab <= advanced; ++tab) {
            settings.view()->setProperty("selectedTab", tab);
            // The page lays out before the grab.
            QVERIFY(QQuickTest::qWaitForPolish(settings.window()));
            const QImage image = settings.window()->grabWindow();
            QList<QQuickItem*> texts;
            collectTexts(settings.view(), texts);
            for (QQuickItem* text : texts) {
                const QRect rect = text->mapRectToScene(text->boundingRect()).toAlignedRect();
                if (!rect.intersects(image.rect()) || !text->isEnabled())
                    continue;
                const QColor background = backgroundUnder(image, rect);
                const QColor shown = over(text->property("color").value<QColor>(), effectiveOpacity(text), background);
                const double contrast = TextColors::contrast(shown, background);
                QVERIFY2(contrast >= 4.5,
                    qPrintable(QStringLiteral("tab %1, \"%2\": %3 on %4 is %5:1")
                                   .arg(tab)
                                   .arg(text->property("text").toString(), shown.name(), background.name())
                                   .arg(contrast, 0, 'f', 2)));
                ++checked;
            }
            // A switch that is off still shows its outline (3:1, as for any
            // control), and a page longer than the window shows its scroll bar.
            for (QQuickItem* toggle : settings.view()->findChildren<QQuickItem*>("switch")) {
                const auto* indicator = toggle->property("indicator").value<QQuickItem*>();
                const QRect rect = indicator->mapRectToScene(indicator->boundingRect()).toAlignedRect();
                if (!toggle->isVisible() || toggle->property("checked").toBool() || !rect.intersects(image.rect()))
                    continue;
                const QColor background = image.pixelColor(rect.left() - 2, rect.center().y());
                double strongest = 0;
                for (int x = rect.left(); x <= rect.right(); ++x)
                    strongest = std::max(
                        strongest, TextColors::contrast(image.pixelColor(x, rect.center().y()).toRgb(), background));
                QVERIFY2(strongest >= 3,
                    qPrintable(QStringLiteral("tab %1: an off switch at %2:1").arg(tab).arg(strongest)));
                ++offSwitches;
            }
            const auto* detail = settings.view()->findChild<QQuickItem*>("detail");
            const auto* scrollBar = settings.view()->findChild<QQuickItem*>("detailScrollBar");
            if (detail->property("contentHeight").toDouble() > detail->height())
                QVERIFY2(scrollBar->isVisible() && scrollBar->opacity() > 0.5, qPrintable(QString::number(tab)));
        }
        QGuiApplication::setPalette(before);
        QVERIFY(checked > 60);
        QVERIFY(offSwitches > 0);
    }

    void secondaryColoursKeepTheirContrast_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("white on dark grey") << QColor(Qt::white) << QColor("#3C3C3C");
        QTest::newRow("grey text on grey, from the palette") << QColor("#808080") << QColor("#707070");
        QTest::newRow("white on mid blue") << QColor(Qt::white) << QColor("#308CC6");
        QTest::newRow("a warning red on a dark card") << QColor("#FF453A") << QColor("#3D3D3D");
    }

    void secondaryColoursKeepTheirContrast()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        const QColor shown = TextColors::readable(text, background);
        QVERIFY(TextColors::contrast(shown, background) >= 4.5);
        // Only as far from the given colour as needed: a red warning stays red.
        if (TextColors::contrast(text, background) >= 4.5)
            QCOMPARE(shown, text);
        if (text.hslSaturation() > 200)
            QVERIFY(qAbs(shown.hslHue() - text.hslHue()) <= 2);
        const QColor secondary = TextColors::label(background, TextColors::Secondary);
        QVERIFY(TextColors::contrast(secondary, background) >= 4.5);
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_SettingsWindow.moc"
