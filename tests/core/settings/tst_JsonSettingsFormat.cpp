#include "settings/AppSettings.h"
#include "settings/JsonSettingsFormat.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace tolvaran;

namespace {

QSettings::SettingsMap roundTrip(const QSettings::SettingsMap& map)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    if (!writeJsonSettings(buffer, map))
        return {};
    buffer.seek(0);
    QSettings::SettingsMap read;
    if (!readJsonSettings(buffer, read))
        return {};
    return read;
}

std::optional<QSettings::SettingsMap> parse(const QByteArray& json)
{
    QBuffer buffer;
    buffer.setData(json);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    if (!readJsonSettings(buffer, map))
        return std::nullopt;
    return map;
}

} // namespace

class TestJsonSettingsFormat : public QObject
{
    Q_OBJECT

private slots:

    void valueKindsSurvive_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("true") << QVariant(true);
        QTest::newRow("false") << QVariant(false);
        QTest::newRow("integer") << QVariant(qint64(-42));
        QTest::newRow("large integer") << QVariant(qint64(1) << 52);
        QTest::newRow("fraction") << QVariant(0.1);
        QTest::newRow("text") << QVariant(QStringLiteral("ws://h\u00e9/\"x\"\n"));
        QTest::newRow("numeric text") << QVariant(QStringLiteral("5"));
        QTest::newRow("empty text") << QVariant(QString());
        QTest::newRow("bytes") << QVariant(QByteArray("[\"de\"]\0\xff", 8));
        QTest::newRow("empty bytes") << QVariant(QByteArray());
        QTest::newRow("url") << QVariant(QUrl::fromLocalFile("/home/a b/\u00c4%"));
    }

    void valueKindsSurvive()
    {
        QFETCH(QVariant, value);
        const QSettings::SettingsMap read = roundTrip({{"key", value}});
        QCOMPARE(read.value("key").typeId(), value.typeId());
        QCOMPARE(read.value("key"), value);
    }

    void numbersThatJsonCannotHoldReadAsAbsent()
    {
        const QSettings::SettingsMap read = roundTrip({{"nan", qQNaN()}, {"inf", qInf()}});
        QVERIFY(!read.value("nan").isValid());
        QVERIFY(!read.value("inf").isValid());
    }

    // Objects that are not a well-formed tag stay maps, which no reader takes.
    void malformedTags_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("data not text") << QByteArray(R"({"k": {"data": 5}})");
        QTest::newRow("data not base64") << QByteArray(R"({"k": {"data": "a!b"}})");
        QTest::newRow("url with extra key") << QByteArray("{\"k\": {\"url\": \"file:///x\", \"more\": 1}}");
        QTest::newRow("unknown tag") << QByteArray(R"({"k": {"date": "2020"}})");
    }

    void malformedTags()
    {
        QFETCH(QByteArray, json);
        const auto map = parse(json);
        QVERIFY(map);
        QCOMPARE(map->value("k").typeId(), QMetaType::QVariantMap);
    }

    void documents_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("object") << QByteArray(R"({"a": 1})") << true;
        QTest::newRow("blank") << QByteArray(" \n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("array") << QByteArray("[1]") << false;
        QTest::newRow("cut short") << QByteArray(R"({"a": )") << false;
        QTest::newRow("binary") << QByteArray("\x00\x01\x02", 3) << false;
        const auto nestedIn
            = [](int depth) { return "{\"a\": " + QByteArray(depth, '[') + QByteArray(depth, ']') + "}"; };
        QTest::newRow("nested 1000 deep") << nestedIn(1000) << true;
        QTest::newRow("nested 1100 deep") << nestedIn(1100) << false;
        QTest::newRow("200000 open brackets") << QByteArray(200000, '[') << false;
    }

    void documents()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, accepted);
        QCOMPARE(parse(json).has_value(), accepted);
    }

    // Killing the program while it writes must leave the old or the new file,
    // never a torn one that would cost the user every setting.
    void killedWriterLeavesAValidFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.json");
        for (int run = 0; run < 25; ++run) {
            QProcess writer;
            writer.start(SETTINGS_WRITER, {path});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(10000));
            QTest::qWait(QRandomGenerator::global()->bounded(1, 40));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());

            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QJsonParseError error{};
            const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
            QVERIFY(document.object().value("maxTranslationLines").toInteger() >= 1);
        }
        QVERIFY(QDir(dir.path()).entryList({"*.corrupt-*"}).isEmpty());
        QVERIFY(AppSettings(path).maxTranslationLines() >= 1);
    }
};

QTEST_GUILESS_MAIN(TestJsonSettingsFormat)
#include "tst_JsonSettingsFormat.moc"
