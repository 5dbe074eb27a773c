#include "settings/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;
using namespace Qt::StringLiterals;
using FontSizePreset = AppSettings::FontSizePreset;
using SubtitlesSide = AppSettings::SubtitlesSide;
using SettingsTab = AppSettings::SettingsTab;

namespace {

QJsonObject readStoreFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

void writeStoreFile(const QString& path, const QByteArray& json)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(json);
}

QByteArray dataTag(const QByteArray& bytes)
{
    return "{\"data\": \"" + bytes.toBase64() + "\"}";
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileCount = 0;

    // A fresh store file per test, so no two tests share QSettings' cache.
    QString newStorePath() { return m_dir.filePath(QStringLiteral("store-%1/settings.json").arg(++m_fileCount)); }

private slots:

    void emptyStoreGivesDefaults()
    {
        const AppSettings settings(newStorePath());
        QCOMPARE(settings.selectedLanguage(), TargetLanguage::english);
        QCOMPARE(settings.speakerLanguages(), QSet<TargetLanguage>());
        QCOMPARE(settings.serverURL(), "ws://localhost:3000");
        QCOMPARE(settings.displayMode(), DisplayMode::both);
        QCOMPARE(settings.overlayOpacity(), 0.95);
        QCOMPARE(settings.showSpeakerLabels(), true);
        QCOMPARE(settings.overlayTranslatedColor(), QColor(Qt::black));
        QCOMPARE(settings.overlayOriginalColor(), QColor(Qt::black));
        QCOMPARE(settings.overlayParagraphBgColor(), QColor(Qt::white));
        QCOMPARE(settings.overlayParagraphRadius(), 12.0);
        QCOMPARE(settings.isPinnedAboveAll(), false);
        QCOMPARE(settings.isSubtitlesMode(), false);
        QCOMPARE(settings.subtitlesSide(), SubtitlesSide::center);
        QCOMPARE(settings.subtitleFontSize(), 28.0);
        QCOMPARE(settings.subtitleTextColor(), QColor(Qt::white));
        QCOMPARE(settings.subtitleBgColor(), QColor(Qt::black));
        QCOMPARE(settings.subtitleBgOpacity(), 0.75);
        QCOMPARE(settings.subtitleBottomOffset(), 10.0);
        QCOMPARE(settings.subtitleCornerRadius(), 6.0);
        QCOMPARE(settings.subtitlePaddingH(), 12.0);
        QCOMPARE(settings.subtitlePaddingV(), 6.0);
        QCOMPARE(settings.fontSizePreset(), FontSizePreset::small);
        QCOMPARE(settings.autoStartListening(), false);
        QCOMPARE(settings.autoRecordOnListen(), true);
        QCOMPARE(settings.recordingsFolder(), QUrl());
        QCOMPARE(settings.isAutoDetectEnabled(), false);
        QCOMPARE(settings.callApplications(), "any");
        QCOMPARE(settings.extraCallApplications(), QStringList());
        QCOMPARE(settings.listeningShortcut(), "Ctrl+Alt+L");
        QCOMPARE(settings.overlayShortcut(), "Ctrl+Alt+O");
        QCOMPARE(settings.recordingShortcut(), "Ctrl+Alt+R");
        QCOMPARE(settings.maxTranslationLines(), 50);
        QCOMPARE(settings.paragraphSilenceGap(), 8.0);
        QCOMPARE(settings.captureScope(), "system");
        QCOMPARE(settings.overlayFrame(), QRect());
    }

    // What a hand-written store file loads as: usable values are taken, every
    // unusable one falls back to its default.
    void storedValues_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");

        const auto language = [](TargetLanguage l) { return QVariant::fromValue(l); };
        const auto languages = [](QSet<TargetLanguage> s) { return QVariant::fromValue(s); };
        const QColor orange(0xFF, 0x80, 0x00);

        QTest::newRow("language code") << "selectedLanguage"_ba
                                       << R"("de")"_ba
                                       << "selectedLanguage"_ba << language(TargetLanguage::german);
        QTest::newRow("unknown language code") << "selectedLanguage"_ba
                                               << R"("xx")"_ba
                                               << "selectedLanguage"_ba << language(TargetLanguage::english);
        QTest::newRow("upper-case language code") << "selectedLanguage"_ba
                                                  << R"("DE")"_ba
                                                  << "selectedLanguage"_ba << language(TargetLanguage::english);
        QTest::newRow("number for a language") << "selectedLanguage"_ba
                                               << "3"_ba
                                               << "selectedLanguage"_ba << language(TargetLanguage::english);
        QTest::newRow("display mode") << "displayMode"_ba
                                      << R"("original")"_ba
                                      << "displayMode"_ba << QVariant::fromValue(DisplayMode::originalOnly);
        QTest::newRow("display mode Both") << "displayMode"_ba
                                           << R"("Both")"_ba
                                           << "displayMode"_ba << QVariant::fromValue(DisplayMode::both);
        QTest::newRow("side middle") << "subtitlesSide"_ba
                                     << R"("middle")"_ba
                                     << "subtitlesSide"_ba << QVariant::fromValue(SubtitlesSide::center);
        QTest::newRow("side left") << "subtitlesSide"_ba
                                   << R"("left")"_ba
                                   << "subtitlesSide"_ba << QVariant::fromValue(SubtitlesSide::left);
        QTest::newRow("preset large") << "fontSizePreset"_ba
                                      << R"("large")"_ba
                                      << "fontSizePreset"_ba << QVariant::fromValue(FontSizePreset::large);
        QTest::newRow("preset huge") << "fontSizePreset"_ba
                                     << R"("huge")"_ba
                                     << "fontSizePreset"_ba << QVariant::fromValue(FontSizePreset::small);

        QTest::newRow("number") << "overlayOpacity"_ba
                                << "0.5"_ba
                                << "overlayOpacity"_ba << QVariant(0.5);
        QTest::newRow("text for a number") << "overlayOpacity"_ba
                                           << R"("0.5")"_ba
                                           << "overlayOpacity"_ba << QVariant(0.95);
        QTest::newRow("boolean for a number") << "subtitleFontSize"_ba
                                              << "true"_ba
                                              << "subtitleFontSize"_ba << QVariant(1.0);
        QTest::newRow("null for a number") << "paragraphSilenceGap"_ba
                                           << "null"_ba
                                           << "paragraphSilenceGap"_ba << QVariant(8.0);
        QTest::newRow("object for a number") << "subtitlePaddingH"_ba
                                             << R"({"a": 1})"_ba
                                             << "subtitlePaddingH"_ba << QVariant(12.0);
        QTest::newRow("out of the window's range") << "maxTranslationLines"_ba
                                                   << "5"_ba
                                                   << "maxTranslationLines"_ba << QVariant(5);
        QTest::newRow("fraction for an integer") << "maxTranslationLines"_ba
                                                 << "7.9"_ba
                                                 << "maxTranslationLines"_ba << QVariant(7);
        QTest::newRow("text for an integer") << "maxTranslationLines"_ba
                                             << R"("30")"_ba
                                             << "maxTranslationLines"_ba << QVariant(50);
        QTest::newRow("integer out of range") << "maxTranslationLines"_ba
                                              << "1e300"_ba
                                              << "maxTranslationLines"_ba << QVariant(50);
        QTest::newRow("integer beyond a count") << "maxTranslationLines"_ba
                                                << "4294967396"_ba
                                                << "maxTranslationLines"_ba << QVariant(50);
        QTest::newRow("boolean") << "showSpeakerLabels"_ba
                                 << "false"_ba
                                 << "showSpeakerLabels"_ba << QVariant(false);
        QTest::newRow("number for a boolean") << "showSpeakerLabels"_ba
                                              << "0"_ba
                                              << "showSpeakerLabels"_ba << QVariant(false);
        QTest::newRow("text for a boolean") << "showSpeakerLabels"_ba
                                            << R"("false")"_ba
                                            << "showSpeakerLabels"_ba << QVariant(true);
        QTest::newRow("auto-detect key") << "autoDetectTeams"_ba
                                         << "true"_ba
                                         << "isAutoDetectEnabled"_ba << QVariant(true);
        QTest::newRow("property name is not the key") << "isAutoDetectEnabled"_ba
                                                      << "true"_ba
                                                      << "isAutoDetectEnabled"_ba << QVariant(false);

        QTest::newRow("server text unvalidated") << "serverURL"_ba
                                                 << R"("not a url")"_ba
                                                 << "serverURL"_ba << QVariant("not a url");
        QTest::newRow("number for the server") << "serverURL"_ba
                                               << "42"_ba
                                               << "serverURL"_ba << QVariant(AppSettings::defaultServerURL);

        QTest::newRow("capture the call's application") << "captureScope"_ba
                                                        << R"("callApp")"_ba
                                                        << "captureScope"_ba << QVariant("callApp");
        QTest::newRow("capture one application") << "captureScope"_ba
                                                 << R"("app:firefox-esr")"_ba
                                                 << "captureScope"_ba << QVariant("app:firefox-esr");
        QTest::newRow("unknown capture scope") << "captureScope"_ba
                                               << R"("window")"_ba
                                               << "captureScope"_ba << QVariant("system");
        QTest::newRow("capture scope other case") << "captureScope"_ba
                                                  << R"("CallApp")"_ba
                                                  << "captureScope"_ba << QVariant("system");
        QTest::newRow("application without name") << "captureScope"_ba
                                                  << R"("app:")"_ba
                                                  << "captureScope"_ba << QVariant("system");
        QTest::newRow("application as a path") << "captureScope"_ba
                                               << R"("app:/usr/bin/vlc")"_ba
                                               << "captureScope"_ba << QVariant("system");
        QTest::newRow("number for the capture scope") << "captureScope"_ba
                                                      << "1"_ba
                                                      << "captureScope"_ba << QVariant("system");

        QTest::newRow("teams calls only") << "callApplications"_ba
                                          << R"("teams")"_ba
                                          << "callApplications"_ba << QVariant("teams");
        QTest::newRow("unknown call applications") << "callApplications"_ba
                                                   << R"("zoom")"_ba
                                                   << "callApplications"_ba << QVariant("any");
        QTest::newRow("call applications as a flag") << "callApplications"_ba
                                                     << "true"_ba
                                                     << "callApplications"_ba << QVariant("any");
        QTest::newRow("executables the user calls with")
            << "extraCallApplications"_ba << dataTag(R"(["jami","linphone"])") << "extraCallApplications"_ba
            << QVariant(QStringList{"jami", "linphone"});
        QTest::newRow("executables not all text") << "extraCallApplications"_ba << dataTag(R"(["jami",3])")
                                                  << "extraCallApplications"_ba << QVariant(QStringList());

        QTest::newRow("no shortcut") << "overlayShortcut"_ba
                                     << R"("")"_ba
                                     << "overlayShortcut"_ba << QVariant("");
        QTest::newRow("another shortcut") << "listeningShortcut"_ba
                                          << R"("Ctrl+Shift+F9")"_ba
                                          << "listeningShortcut"_ba << QVariant("Ctrl+Shift+F9");

        QTest::newRow("colour without hash") << "overlayTranslatedColorHex"_ba
                                             << R"("ff8000")"_ba
                                             << "overlayTranslatedColor"_ba << QVariant(orange);
        QTest::newRow("colour padded") << "overlayOriginalColorHex"_ba
                                       << R"("  #FF8000 \n")"_ba
                                       << "overlayOriginalColor"_ba << QVariant(orange);
        QTest::newRow("colour double hash") << "overlayParagraphBgColorHex"_ba
                                            << R"("##FF8000")"_ba
                                            << "overlayParagraphBgColor"_ba << QVariant(orange);
        QTest::newRow("colour three digits") << "overlayTranslatedColorHex"_ba
                                             << R"("#F80")"_ba
                                             << "overlayTranslatedColor"_ba << QVariant(QColor(Qt::black));
        QTest::newRow("colour seven digits") << "subtitleTextColorHex"_ba
                                             << R"("#FF80001")"_ba
                                             << "subtitleTextColor"_ba << QVariant(QColor(Qt::white));
        QTest::newRow("colour as number") << "subtitleBgColorHex"_ba
                                          << "16744448"_ba
                                          << "subtitleBgColor"_ba << QVariant(QColor(Qt::black));
        QTest::newRow("colour under the property name") << "subtitleBgColor"_ba
                                                        << R"("#FF8000")"_ba
                                                        << "subtitleBgColor"_ba << QVariant(QColor(Qt::black));

        QTest::newRow("speaker languages, unknown dropped, duplicates collapse")
            << "speakerLanguages"_ba << dataTag(R"(["de","zz","de"])") << "speakerLanguages"_ba
            << languages({TargetLanguage::german});
        QTest::newRow("speaker languages as text") << "speakerLanguages"_ba
                                                   << "\"[\\\"de\\\"]\""_ba
                                                   << "speakerLanguages"_ba << languages({});
        QTest::newRow("speaker languages as plain array") << "speakerLanguages"_ba
                                                          << R"(["de"])"_ba
                                                          << "speakerLanguages"_ba << languages({});
        QTest::newRow("speaker languages not JSON")
            << "speakerLanguages"_ba << dataTag("de,fr") << "speakerLanguages"_ba << languages({});
        QTest::newRow("speaker languages of numbers")
            << "speakerLanguages"_ba << dataTag("[1,2]") << "speakerLanguages"_ba << languages({});
        QTest::newRow("speaker languages bad base64") << "speakerLanguages"_ba
                                                      << R"({"data": "!!"})"_ba
                                                      << "speakerLanguages"_ba << languages({});

        QTest::newRow("folder") << "recordingsFolder"_ba
                                << "{\"url\": \"file:///tmp/My%20Calls\"}"_ba
                                << "recordingsFolder"_ba << QVariant(QUrl::fromLocalFile("/tmp/My Calls"));
        QTest::newRow("folder as text") << "recordingsFolder"_ba
                                        << R"("/tmp/rec")"_ba
                                        << "recordingsFolder"_ba << QVariant(QUrl());

        QTest::newRow("overlay frame") << "overlayFrame"_ba
                                       << R"("-1200,40,520,360")"_ba
                                       << "overlayFrame"_ba << QVariant(QRect(-1200, 40, 520, 360));
        for (const char* bad : {R"("1,2,3")", R"("1,2,3,4,5")", R"("a,2,3,4")", R"("1.5,2,300,400")", R"("1,2,0,400")",
                 R"("1,2,300,-4")", R"("")", "[1,2,3,4]", "12"})
            QTest::addRow("overlay frame %s", bad)
                << "overlayFrame"_ba << QByteArray(bad) << "overlayFrame"_ba << QVariant(QRect());

        // Nesting: Qt's reader refuses a document deeper than 1024 levels.
        const auto nested = [](int depth) { return QByteArray(depth, '[') + "\"de\"" + QByteArray(depth, ']'); };
        QTest::newRow("nested server address")
            << "serverURL"_ba << nested(1000) << "serverURL"_ba << QVariant(AppSettings::defaultServerURL);
        QTest::newRow("speaker languages nested 200000 deep")
            << "speakerLanguages"_ba << dataTag(nested(200000)) << "speakerLanguages"_ba << languages({});
    }

    // A settings file nested 200,000 deep is refused whole, kept aside, and
    // the program starts on defaults.
    void deeplyNestedFileIsKeptAside()
    {
        const QString path = newStorePath();
        writeStoreFile(path, "{\"serverURL\": " + QByteArray(200000, '[') + QByteArray(200000, ']') + "}");
        AppSettings settings(path);
        QCOMPARE(settings.serverURL(), AppSettings::defaultServerURL);
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList({"settings.json.corrupt-*"}, QDir::Files).size(), 1);
        settings.setSelectedLanguage(TargetLanguage::german);
        QTRY_COMPARE(readStoreFile(path).value("selectedLanguage").toString(), "de");
    }

    void storedValues()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);

        const QString path = newStorePath();
        writeStoreFile(path, "{\"" + key + "\": " + json + "}");
        const AppSettings settings(path);
        QCOMPARE(settings.property(property), expected);
    }

    void valuesSurviveARestart()
    {
        const QString path = newStorePath();
        const QSet<TargetLanguage> speakers{TargetLanguage::german, TargetLanguage::french};
        const QUrl folder = QUrl::fromLocalFile(m_dir.filePath("Recordings Ä"));
        const QColor color(0x12, 0x34, 0x56);
        {
            AppSettings settings(path);
            settings.setSelectedLanguage(TargetLanguage::japanese);
            settings.setSpeakerLanguages(speakers);
            settings.setServerURL(" wss://example.test/x ");
            settings.setDisplayMode(DisplayMode::originalOnly);
            settings.setOverlayOpacity(0.4);
            settings.setShowSpeakerLabels(false);
            settings.setOverlayTranslatedColor(color);
            settings.setOverlayOriginalColor(color);
            settings.setOverlayParagraphBgColor(color);
            settings.setOverlayParagraphRadius(3.5);
            settings.setIsPinnedAboveAll(true);
            settings.setIsSubtitlesMode(true);
            settings.setSubtitlesSide(SubtitlesSide::right);
            settings.setSubtitleFontSize(40);
            settings.setSubtitleTextColor(color);
            settings.setSubtitleBgColor(color);
            settings.setSubtitleBgOpacity(0.1);
            settings.setSubtitleBottomOffset(99);
            settings.setSubtitleCornerRadius(1);
            settings.setSubtitlePaddingH(2);
            settings.setSubtitlePaddingV(3);
            settings.setFontSizePreset(FontSizePreset::medium);
            settings.setAutoStartListening(true);
            settings.setAutoRecordOnListen(false);
            settings.setRecordingsFolder(folder);
            settings.setIsAutoDetectEnabled(true);
            settings.setMaxTranslationLines(120);
            settings.setParagraphSilenceGap(2.25);
            settings.setCaptureScope(QStringLiteral("app:music"));
            settings.setOverlayFrame(QRect(-300, 20, 640, 480));
        }
        const AppSettings settings(path);
        QCOMPARE(settings.selectedLanguage(), TargetLanguage::japanese);
        QCOMPARE(settings.speakerLanguages(), speakers);
        QCOMPARE(settings.serverURL(), " wss://example.test/x ");
        QCOMPARE(settings.displayMode(), DisplayMode::originalOnly);
        QCOMPARE(settings.overlayOpacity(), 0.4);
        QCOMPARE(settings.showSpeakerLabels(), false);
        QCOMPARE(settings.overlayTranslatedColor(), color);
        QCOMPARE(settings.overlayOriginalColor(), color);
        QCOMPARE(settings.overlayParagraphBgColor(), color);
        QCOMPARE(settings.overlayParagraphRadius(), 3.5);
        QCOMPARE(settings.isPinnedAboveAll(), true);
        QCOMPARE(settings.isSubtitlesMode(), true);
        QCOMPARE(settings.subtitlesSide(), SubtitlesSide::right);
        QCOMPARE(settings.subtitleFontSize(), 40.0);
        QCOMPARE(settings.subtitleTextColor(), color);
        QCOMPARE(settings.subtitleBgColor(), color);
        QCOMPARE(settings.subtitleBgOpacity(), 0.1);
        QCOMPARE(settings.subtitleBottomOffset(), 99.0);
        QCOMPARE(settings.subtitleCornerRadius(), 1.0);
        QCOMPARE(settings.subtitlePaddingH(), 2.0);
        QCOMPARE(settings.subtitlePaddingV(), 3.0);
        QCOMPARE(settings.fontSizePreset(), FontSizePreset::medium);
        QCOMPARE(settings.autoStartListening(), true);
        QCOMPARE(settings.autoRecordOnListen(), false);
        QCOMPARE(settings.recordingsFolder(), folder);
        QCOMPARE(settings.isAutoDetectEnabled(), true);
        QCOMPARE(settings.maxTranslationLines(), 120);
        QCOMPARE(settings.paragraphSilenceGap(), 2.25);
        QCOMPARE(settings.captureScope(), "app:music");
        QCOMPARE(settings.overlayFrame(), QRect(-300, 20, 640, 480));
    }

    // The stored forms are what other runs and versions read.
    void storedForms()
    {
        const QString path = newStorePath();
        AppSettings settings(path);
        settings.setSelectedLanguage(TargetLanguage::ukrainian);
        settings.setSpeakerLanguages({TargetLanguage::german, TargetLanguage::french});
        settings.setDisplayMode(DisplayMode::translatedOnly);
        settings.setSubtitleTextColor(Qt::white);
        settings.setOverlayTranslatedColor(QColor::fromRgbF(0.5f, 0.25f, 1.0f));
        settings.setIsAutoDetectEnabled(true);
        settings.setMaxTranslationLines(120);
        settings.setOverlayOpacity(0.5);
        settings.setRecordingsFolder(QUrl::fromLocalFile("/tmp/a b"));
        settings.setOverlayFrame(QRect(10, 20, 500, 350));

        settings.flush();
        const QJsonObject stored = readStoreFile(path);
        QCOMPARE(stored.value("selectedLanguage").toString(), "uk");
        QCOMPARE(stored.value("displayMode").toString(), "translated");
        QCOMPARE(stored.value("subtitleTextColorHex").toString(), "#FFFFFF");
        QCOMPARE(stored.value("overlayTranslatedColorHex").toString(), "#7F3FFF");
        QCOMPARE(stored.value("autoDetectTeams").toBool(), true);
        QVERIFY(!stored.contains("isAutoDetectEnabled"));
        QVERIFY(stored.value("maxTranslationLines").isDouble());
        QCOMPARE(stored.value("maxTranslationLines").toInteger(), 120);
        QCOMPARE(stored.value("overlayOpacity").toDouble(), 0.5);
        const QByteArray speakers
            = QByteArray::fromBase64(stored.value("speakerLanguages").toObject().value("data").toString().toLatin1());
        QCOMPARE(speakers, R"(["fr","de"])");
        QCOMPARE(stored.value("recordingsFolder").toObject().value("url").toString(), "file:///tmp/a%20b");
        QCOMPARE(stored.value("overlayFrame").toString(), "10,20,500,350");
        // Back home: the key goes.
        settings.setOverlayFrame(QRect());
        settings.flush();
        QVERIFY(!readStoreFile(path).contains("overlayFrame"));
    }

    void equalAssignmentWritesButDoesNotNotify()
    {
        const QString path = newStorePath();
        AppSettings settings(path);
        QSignalSpy spy(&settings, &AppSettings::displayModeChanged);

        settings.setDisplayMode(DisplayMode::both);
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE(readStoreFile(path).value("displayMode").toString(), "both");

        settings.setDisplayMode(DisplayMode::originalOnly);
        QCOMPARE(spy.count(), 1);
        settings.setDisplayMode(DisplayMode::originalOnly);
        QCOMPARE(spy.count(), 1);
    }

    void everySetterNotifiesOnlyOnChange()
    {
        AppSettings settings(newStorePath());
        const QMetaObject* meta = settings.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isWritable())
                continue;
            QSignalSpy spy(&settings, property.notifySignal());
            const QVariant current = settings.property(property.name());
            QVERIFY(settings.setProperty(property.name(), current));
            QVERIFY2(spy.isEmpty(), property.name());
        }
        QSignalSpy opacity(&settings, &AppSettings::overlayOpacityChanged);
        settings.setOverlayOpacity(0.3);
        QCOMPARE(opacity.count(), 1);
    }

    void clearingTheFolderRemovesTheKey()
    {
        const QString path = newStorePath();
        {
            AppSettings settings(path);
            settings.setRecordingsFolder(QUrl::fromLocalFile("/tmp/rec"));
            QTRY_VERIFY(readStoreFile(path).contains("recordingsFolder"));
            QSignalSpy spy(&settings, &AppSettings::recordingsFolderChanged);
            settings.setRecordingsFolder(QUrl());
            QCOMPARE(spy.count(), 1);
            QTRY_VERIFY(!readStoreFile(path).contains("recordingsFolder"));
        }
        QCOMPARE(AppSettings(path).recordingsFolder(), QUrl());
    }

    void fontSizePresets_data()
    {
        QTest::addColumn<FontSizePreset>("preset");
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("label");
        QTest::addColumn<FontSizePreset>("next");
        QTest::newRow("small") << FontSizePreset::small << 14.0 << "Small" << FontSizePreset::medium;
        QTest::newRow("medium") << FontSizePreset::medium << 20.0 << "Medium" << FontSizePreset::large;
        QTest::newRow("large") << FontSizePreset::large << 26.0 << "Large" << FontSizePreset::small;
    }

    void fontSizePresets()
    {
        QFETCH(FontSizePreset, preset);
        QFETCH(double, size);
        QFETCH(QString, label);
        QFETCH(FontSizePreset, next);

        const QString path = newStorePath();
        AppSettings settings(path);
        settings.setFontSizePreset(preset);
        QCOMPARE(settings.fontSize(), size);
        QCOMPARE(tolvaran::label(preset), label);

        QSignalSpy spy(&settings, &AppSettings::fontSizePresetChanged);
        settings.cycleFontSize();
        QCOMPARE(settings.fontSizePreset(), next);
        QCOMPARE(spy.count(), 1);
        QTRY_COMPARE(readStoreFile(path).value("fontSizePreset").toString(), rawValue(next));
        settings.cycleFontSize();
        settings.cycleFontSize();
        QCOMPARE(settings.fontSizePreset(), preset);
    }

    void settingsTabs_data()
    {
        QTest::addColumn<SettingsTab>("tab");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("icon");
        QTest::newRow("general") << SettingsTab::general << "general"
                                 << "General"
                                 << "gear";
        QTest::newRow("connection") << SettingsTab::connection << "connection"
                                    << "Connection"
                                    << "network";
        QTest::newRow("translation") << SettingsTab::translation << "translation"
                                     << "Translation"
                                     << "text.bubble";
        QTest::newRow("subtitles") << SettingsTab::subtitles << "subtitles"
                                   << "Subtitles"
                                   << "captions.bubble";
        QTest::newRow("audio") << SettingsTab::audio << "audio"
                               << "Audio"
                               << "waveform";
        QTest::newRow("recording") << SettingsTab::recording << "recording"
                                   << "Recording"
                                   << "record.circle";
        QTest::newRow("advanced") << SettingsTab::advanced << "advanced"
                                  << "Advanced"
                                  << "slider.horizontal.3";
    }

    void settingsTabs()
    {
        QFETCH(SettingsTab, tab);
        QFETCH(QString, raw);
        QFETCH(QString, label);
        QFETCH(QString, icon);
        QCOMPARE(rawValue(tab), raw);
        QCOMPARE(fromRawValue<SettingsTab>(raw), tab);
        QCOMPARE(tolvaran::label(tab), label);
        QCOMPARE(tolvaran::icon(tab), icon);
    }

    void subtitlesSideRawValues()
    {
        QCOMPARE(
            allCases<SubtitlesSide>(), (std::array{SubtitlesSide::left, SubtitlesSide::center, SubtitlesSide::right}));
        for (SubtitlesSide side : allCases<SubtitlesSide>())
            QCOMPARE(fromRawValue<SubtitlesSide>(rawValue(side)), side);
    }

    void corruptFileIsKeptAsideAndDefaultsUsed()
    {
        const QString path = newStorePath();
        const QByteArray garbage = "{\"serverURL\": \"wss://mine\", oops";
        writeStoreFile(path, garbage);

        AppSettings settings(path);
        QCOMPARE(settings.serverURL(), AppSettings::defaultServerURL);

        const QStringList aside
            = QDir(QFileInfo(path).absolutePath()).entryList({"settings.json.corrupt-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QFile kept(QFileInfo(path).absolutePath() + "/" + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), garbage);

        // The program goes on writing a fresh, valid file.
        settings.setServerURL("wss://new");
        QTRY_COMPARE(readStoreFile(path).value("serverURL").toString(), "wss://new");
    }

    // A crash can leave the lock file empty; the first change must not wait on it.
    void emptyLockFileIsCleared()
    {
        const QString path = newStorePath();
        writeStoreFile(path + ".lock", "");
        AppSettings settings(path);
        QVERIFY(!QFile::exists(path + ".lock"));
        settings.setSubtitleFontSize(31);
        QTRY_COMPARE(readStoreFile(path).value("subtitleFontSize").toDouble(), 31.0);
    }

    void blankFileIsAnEmptyStore()
    {
        const QString path = newStorePath();
        writeStoreFile(path, "  \n");
        AppSettings settings(path);
        QCOMPARE(settings.maxTranslationLines(), 50);
        QVERIFY(QDir(QFileInfo(path).absolutePath()).entryList({"*.corrupt-*"}).isEmpty());
        settings.setMaxTranslationLines(60);
        settings.flush();
        QCOMPARE(AppSettings(path).maxTranslationLines(), 60);
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_AppSettings.moc"
