// The interface in the desktop's language and in the one chosen in the
// settings: every window's texts fit their items, mirror under Arabic, and
// follow a change of language while the windows are open.
#include "../../core/live/ViewModelFixture.h"
#include "AppCoordinator.h"
#include "InterfaceTranslator.h"
#include "QuickTestItems.h"
#include "UiEngine.h"
#include "desktop/UpdaterService.h"
#include "model/RandomUuid.h"
#include "recordings/RecordingStore.h"
#include "settingswindow/SettingsModel.h"

#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

using test::findNamed;

RecordingEntry sampleRecording()
{
    RecordingEntry entry;
    entry.id = randomUuid();
    entry.date = recordingDateNow();
    entry.duration = 75.9;
    entry.language = QStringLiteral("es");
    entry.audioFileName = QStringLiteral("sample.m4a");
    entry.transcript = {{randomUuid(), 1200, QStringLiteral("Speaker 1"), QStringLiteral("Buenos días"),
        QStringLiteral("Good morning"), QStringLiteral("es")}};
    return entry;
}

// The panel, the settings window and the playback window of one view model,
// in the language its settings ask for.
struct OpenWindows
{
    test::ViewModelFixture fixture;
    test::PreparedEngine engine;
    InterfaceTranslator translator{&engine};
    UpdaterService updater{QUrl(), QStringLiteral("1.0")};
    AppCoordinator coordinator{*fixture.services, *fixture.viewModel, engine};
    std::unique_ptr<QQuickWindow> panel;

    OpenWindows()
    {
        translator.follow(*fixture.settings);
        coordinator.settingsManager().setUpdater(&updater);
    }

    bool open()
    {
        // Listed only beside its audio; the player need not play it.
        const RecordingEntry recording = sampleRecording();
        QDir().mkpath(fixture.recordingsFolder());
        QFile audio(QDir(fixture.recordingsFolder()).filePath(recording.audioFileName));
        if (!audio.open(QIODevice::WriteOnly) || audio.write("not audio") < 0)
            return false;
        audio.close();
        fixture.viewModel->recordingController()->store().save(recording);
        if (!QTest::qWaitFor([this] { return !fixture.viewModel->recordings().isEmpty(); }))
            return false;
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/panel/PanelWindow.qml")));
        panel.reset(qobject_cast<QQuickWindow*>(
            component.createWithInitialProperties({{"viewModel", QVariant::fromValue(fixture.viewModel.get())},
                {"settings", QVariant::fromValue(fixture.settings.get())}, {"updater", QVariant::fromValue(&updater)},
                {"isPopup", false}})));
        if (!panel)
            return false;
        panel->show();
        fixture.viewModel->setShowSettingsRequested(true);
        fixture.viewModel->openRecording(fixture.viewModel->recordings().first());
        return QTest::qWaitForWindowExposed(panel.get()) && QTest::qWaitFor([this] {
            return settings() && settings()->isExposed() && playback() && playback()->isExposed();
        });
    }

    QQuickWindow* settings() { return coordinator.settingsManager().window(); }

    QQuickWindow* playback() { return coordinator.playbackManager().window(); }

    QQuickItem* settingsView() { return settings()->contentItem()->childItems().value(0); }

    SettingsModel* settingsModel() { return settingsView()->property("model").value<SettingsModel*>(); }

    QList<QQuickWindow*> windows() { return {panel.get(), settings(), playback()}; }
};

bool isText(const QQuickItem* item)
{
    return item->inherits("QQuickText");
}

// Each shown text that does not fit its item: "Einstellungen…: 96 > 80".
QStringList cutTexts(QQuickItem* item)
{
    QStringList cut;
    if (!item->isVisible() || item->opacity() == 0)
        return cut;
    if (isText(item) && !item->property("text").toString().isEmpty()) {
        const bool wraps = item->property("wrapMode").toInt() != 0;
        const double implicit = item->implicitWidth();
        if (item->property("truncated").toBool() || (!wraps && implicit > item->width() + 0.5))
            cut.append(
                QStringLiteral("%1: %2 > %3").arg(item->property("text").toString()).arg(implicit).arg(item->width()));
    }
    for (QQuickItem* child : item->childItems())
        cut += cutTexts(child);
    return cut;
}

// The first shown text item with this text.
QQuickItem* textItem(QQuickItem* item, const QString& text)
{
    if (isText(item) && item->isVisible() && item->property("text").toString() == text)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = textItem(child, text))
            return found;
    return nullptr;
}

// Where an item's middle lies across its window, from 0 (left) to 1 (right).
double across(QQuickItem* item)
{
    const QPointF middle = item->mapToScene(QPointF(item->width() / 2, 0));
    return middle.x() / item->window()->width();
}

} // namespace

class tst_InterfaceTexts : public QObject
{
    Q_OBJECT

private slots:

    // Run with LANG set to a desktop language (see CMakeLists.txt), which
    // TOLVARAN_EXPECTED_LANGUAGE names: the windows speak it, every text fits
    // on each settings tab, and Arabic mirrors them.
    void textsFitInTheDesktopLanguage()
    {
        const QString expected = qEnvironmentVariable("TOLVARAN_EXPECTED_LANGUAGE");
        QVERIFY(!expected.isEmpty());
        OpenWindows windows;
        QCOMPARE(rawValue(windows.translator.language()), expected);
        QVERIFY(windows.open());
        QVERIFY(!textItem(windows.panel->contentItem(), QStringLiteral("Quit")));

        QStringList cut;
        for (QQuickWindow* window : windows.windows())
            cut += cutTexts(window->contentItem());
        for (int tab = 0; tab < int(caseCount<AppSettings::SettingsTab>); ++tab) {
            windows.settingsView()->setProperty("selectedTab", tab);
            QTRY_VERIFY(findNamed(windows.settingsView(), QStringLiteral("page"))->isVisible());
            for (QString& text : cutTexts(windows.settings()->contentItem()))
                cut.append(QStringLiteral("tab %1, %2").arg(tab).arg(text));
        }
        cut.removeDuplicates();
        if (!cut.isEmpty())
            qWarning("Cut off:\n  %s", qUtf8Printable(cut.join(QStringLiteral("\n  "))));
        QVERIFY(cut.isEmpty());

        // Left to right, the panel's title and the settings' tabs start at
        // the left, the playback window's close button is at the right;
        // right to left, each is on the other side.
        const bool isRightToLeft = expected == QLatin1String("ar");
        QCOMPARE(QGuiApplication::layoutDirection(), isRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QQuickItem* title = textItem(windows.panel->contentItem(), QStringLiteral("Tolvaran"));
        QVERIFY(title);
        QCOMPARE(across(title) > 0.5, isRightToLeft);
        QQuickItem* tabs = findNamed(windows.settingsView(), QStringLiteral("tabs"));
        QVERIFY(tabs);
        QCOMPARE(across(tabs) > 0.5, isRightToLeft);
        QQuickItem* close = findNamed(windows.playback()->contentItem(), QStringLiteral("closeButton"));
        QVERIFY(close);
        QCOMPARE(across(close) > 0.5, !isRightToLeft);
    }

    // Choosing another language in the open settings window renames what
    // every open window shows, and "Same as the desktop" brings the
    // desktop's back (English here).
    void openWindowsFollowTheChosenLanguage()
    {
        OpenWindows windows;
        QVERIFY(windows.open());
        QQuickItem* panel = windows.panel->contentItem();
        QVERIFY(textItem(panel, QStringLiteral("Settings...")));
        QVERIFY(textItem(windows.settings()->contentItem(), QStringLiteral("General")));
        QVERIFY(textItem(windows.playback()->contentItem(), QStringLiteral("Original")));

        const int german = 1 + int(TargetLanguage::german);
        QCOMPARE(windows.settingsModel()->interfaceLanguageLabels().value(german), QStringLiteral("Deutsch"));
        windows.settingsModel()->selectInterfaceLanguage(german);
        QCOMPARE(windows.fixture.settings->interfaceLanguage(), QStringLiteral("de"));
        QTRY_VERIFY(textItem(panel, QString::fromUtf8("Einstellungen…")));
        QVERIFY(textItem(panel, QStringLiteral("Beenden")));
        QVERIFY(textItem(panel, QStringLiteral("Getrennt")));
        QVERIFY(textItem(windows.settings()->contentItem(), QStringLiteral("Allgemein")));
        QVERIFY(textItem(windows.settings()->contentItem(), QStringLiteral("Sprache")));
        QCOMPARE(windows.settings()->title(), QStringLiteral("Tolvaran-Einstellungen"));
        QVERIFY(textItem(windows.playback()->contentItem(), QStringLiteral("Übersetzung")));
        QVERIFY(!textItem(panel, QStringLiteral("Quit")));
        QCOMPARE(windows.settingsModel()->interfaceLanguageIndex(), german);

        windows.settingsModel()->selectInterfaceLanguage(0);
        QCOMPARE(windows.fixture.settings->interfaceLanguage(), QStringLiteral("system"));
        QTRY_VERIFY(textItem(panel, QStringLiteral("Settings...")));
        QVERIFY(textItem(panel, QStringLiteral("Disconnected")));
        QVERIFY(textItem(windows.settings()->contentItem(), QStringLiteral("General")));
        QCOMPARE(windows.settings()->title(), QStringLiteral("Tolvaran Settings"));
    }
};

QTEST_MAIN(tst_InterfaceTexts)

#include "tst_InterfaceTexts.moc"
