#include "ApertiumTranslator.h"

#include <QTest>

using tolvaran::server::ApertiumTranslator;

class TestApertiumTranslator : public QObject
{
    Q_OBJECT

private slots:

    // Which of the program's target languages the installed pairs reach.
    void routes_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("route");
        QTest::newRow("Spanish") << "es" << QStringList{"eng-spa"};
        QTest::newRow("French") << "fr" << QStringList{"eng-spa", "es-fr"};
        QTest::newRow("Italian") << "it" << QStringList{"eng-spa", "spa-ita"};
        QTest::newRow("Portuguese") << "pt" << QStringList{"eng-spa", "es-pt"};
        QTest::newRow("German") << "de" << QStringList{};
        QTest::newRow("Japanese") << "ja" << QStringList{};
    }

    void routes()
    {
        QFETCH(QString, to);
        QFETCH(QStringList, route);
        ApertiumTranslator translator;
        QCOMPARE(translator.route("en", to), route);
        QCOMPARE(translator.canTranslate("en", to), !route.isEmpty());
    }

    // Texts that Apertium's stream format treats as markup come back as text.
    void streamFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("escaped");
        QTest::addColumn<QString>("back");
        QTest::newRow("plain") << "hello there" << QByteArray("hello there") << "hello there";
        QTest::newRow("markup") << "a^b$c [d] @e /f\\" << QByteArray("a\\^b\\$c \\[d\\] \\@e \\/f\\\\")
                                << "a^b$c [d] @e /f\\";
        QTest::newRow("nulls and lines") << QString("one\ntwo") + QChar(0) + "three" << QByteArray("one twothree")
                                         << "one twothree";
    }

    void streamFormat()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, escaped);
        QFETCH(QString, back);
        QCOMPARE(ApertiumTranslator::escapeForStream(text), escaped);
        // Superblanks carry formatting only.
        QCOMPARE(ApertiumTranslator::unescapeFromStream(escaped + "[][\n]"), back);
    }

    // Many requests at once come back complete and in order, each from one
    // resident pipeline.
    void translatesInOrder()
    {
        ApertiumTranslator translator;
        const QStringList sentences{"he was not an ill disposed young man", "the house is big", "I see the dog"};
        QStringList translations;
        for (const QString& sentence : sentences) {
            translator.translate(sentence, "en", "es",
                [&](std::optional<QString> text) { translations.append(text.value_or("<failed>")); });
        }
        QTRY_COMPARE_WITH_TIMEOUT(translations.size(), sentences.size(), 30000);
        QVERIFY2(translations[0].contains("joven"), qPrintable(translations[0]));
        QVERIFY2(translations[1].contains("casa"), qPrintable(translations[1]));
        QVERIFY2(translations[2].contains("perro"), qPrintable(translations[2]));
    }

    void anUnreachableLanguageFails()
    {
        ApertiumTranslator translator;
        std::optional<std::optional<QString>> result;
        translator.translate("hello", "en", "ja", [&](std::optional<QString> text) { result = text; });
        QVERIFY(!result); // never before translate returns
        QTRY_VERIFY(result.has_value());
        QCOMPARE(*result, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestApertiumTranslator)
#include "tst_ApertiumTranslator.moc"
