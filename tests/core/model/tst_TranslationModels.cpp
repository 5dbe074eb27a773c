#include "model/TranslationModels.h"

#include <QTest>

using namespace tolvaran;

class TestTranslationModels : public QObject
{
    Q_OBJECT

private slots:

    void languages_data()
    {
        QTest::addColumn<TargetLanguage>("language");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");

        const struct
        {
            TargetLanguage language;
            const char* code;
            const char* name;
            const char* country;
        } rows[] = {
            {TargetLanguage::english, "en", "English", "US"},
            {TargetLanguage::spanish, "es", "Spanish", "ES"},
            {TargetLanguage::french, "fr", "French", "FR"},
            {TargetLanguage::german, "de", "German", "DE"},
            {TargetLanguage::italian, "it", "Italian", "IT"},
            {TargetLanguage::portuguese, "pt", "Portuguese", "BR"},
            {TargetLanguage::russian, "ru", "Russian", "RU"},
            {TargetLanguage::japanese, "ja", "Japanese", "JP"},
            {TargetLanguage::korean, "ko", "Korean", "KR"},
            {TargetLanguage::chinese, "zh", "Chinese", "CN"},
            {TargetLanguage::arabic, "ar", "Arabic", "SA"},
            {TargetLanguage::hindi, "hi", "Hindi", "IN"},
            {TargetLanguage::ukrainian, "uk", "Ukrainian", "UA"},
            {TargetLanguage::polish, "pl", "Polish", "PL"},
            {TargetLanguage::dutch, "nl", "Dutch", "NL"},
            {TargetLanguage::turkish, "tr", "Turkish", "TR"},
        };

        for (const auto& row : rows)
            QTest::newRow(row.code) << row.language << row.code << row.name << row.country;
    }

    void languages()
    {
        QFETCH(TargetLanguage, language);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, country);

        QCOMPARE(rawValue(language), code);
        QCOMPARE(fromRawValue<TargetLanguage>(code), language);
        QCOMPARE(displayName(language), name);

        // Two regional indicators, four UTF-8 bytes each, spelling the country.
        const QString emoji = flag(language);
        QCOMPARE(emoji.toUtf8().size(), 8);
        const QList<uint> symbols = emoji.toUcs4();
        QCOMPARE(symbols.size(), 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(symbols[i], 0x1F1E6u + uint(country[i].unicode() - u'A'));
    }

    void languageOrderAndCount()
    {
        const auto all = allCases<TargetLanguage>();
        QCOMPARE(all.size(), 16u);
        QCOMPARE(all.front(), TargetLanguage::english);
        QCOMPARE(all.back(), TargetLanguage::turkish);
    }

    void unknownCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("upper case") << "EN";
        QTest::newRow("with region") << "en-US";
        QTest::newRow("unknown") << "xx";
        QTest::newRow("empty") << "";
        QTest::newRow("padded") << " en";
    }

    void unknownCodes()
    {
        QFETCH(QString, code);
        QCOMPARE(fromRawValue<TargetLanguage>(code), std::nullopt);
    }

    void displayModes_data()
    {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("original");
        QTest::addColumn<bool>("translated");
        QTest::newRow("translated") << DisplayMode::translatedOnly << "translated" << false << true;
        QTest::newRow("both") << DisplayMode::both << "both" << true << true;
        QTest::newRow("original") << DisplayMode::originalOnly << "original" << true << false;
    }

    void displayModes()
    {
        QFETCH(DisplayMode, mode);
        QFETCH(QString, raw);
        QFETCH(bool, original);
        QFETCH(bool, translated);
        QCOMPARE(rawValue(mode), raw);
        QCOMPARE(fromRawValue<DisplayMode>(raw), mode);
        QCOMPARE(showOriginal(mode), original);
        QCOMPARE(showTranslated(mode), translated);
        QCOMPARE(fromRawValue<DisplayMode>(raw.toUpper()), std::nullopt);
    }

    void statusTexts_data()
    {
        QTest::addColumn<ConnectionState>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("disconnected") << ConnectionState::disconnected() << "Disconnected";
        QTest::newRow("connecting") << ConnectionState::connecting() << "Connecting...";
        QTest::newRow("connected") << ConnectionState::connected() << "Ready";
        QTest::newRow("listening") << ConnectionState::listening() << "Listening...";
        QTest::newRow("error") << ConnectionState::error(TolvaranError::serverError("boom"))
                               << "Error: Server error: boom";
    }

    void statusTexts()
    {
        QFETCH(ConnectionState, state);
        QFETCH(QString, text);
        QCOMPARE(state.statusText(), text);
    }

    void stateEquality()
    {
        QVERIFY(ConnectionState() == ConnectionState::disconnected());
        QVERIFY(ConnectionState::listening() != ConnectionState::connected());
        const auto failed
            = [](const char* message) { return ConnectionState::error(TolvaranError::connectionFailed(message)); };
        QVERIFY(failed("a") == failed("a"));
        QVERIFY(failed("a") != failed("b"));
        QVERIFY(failed("a") != ConnectionState::error(TolvaranError::serverError("a")));
    }

    void interimWordEquality()
    {
        const QUuid id = QUuid::createUuid();
        QVERIFY((InterimWord{id, "hello"}) == (InterimWord{id, "hello"}));
        QVERIFY((InterimWord{id, "hello"}) != (InterimWord{id, "hello "}));
        QVERIFY((InterimWord{id, "hello"}) != (InterimWord{QUuid::createUuid(), "hello"}));
    }
};

QTEST_GUILESS_MAIN(TestTranslationModels)
#include "tst_TranslationModels.moc"
