#include "live/ResultText.h"

#include <QTest>

using namespace tolvaran;

namespace {

TranslationToken token(bool isFinal, std::optional<TranslationStatus> status = std::nullopt,
    std::optional<QString> speaker = std::nullopt, std::optional<QString> language = std::nullopt)
{
    TranslationToken t;
    t.text = QStringLiteral("w");
    t.isFinal = isFinal;
    t.translationStatus = status;
    t.speaker = std::move(speaker);
    t.language = std::move(language);
    return t;
}

TranslationResult result(QList<TranslationToken> tokens, const QString& original, const QString& translation)
{
    return {QStringLiteral("result"), std::move(tokens), original, translation};
}

constexpr auto originalStatus = TranslationStatus::original;
constexpr auto translationStatus = TranslationStatus::translation;

} // namespace

Q_DECLARE_METATYPE(TranslationResult)

class TestResultText : public QObject
{
    Q_OBJECT

private slots:

    void trimming_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks") << "  hello  "
                                << "hello";
        QTest::newRow("tabs") << "\thello\t"
                              << "hello";
        QTest::newRow("no-break space") << "\u00a0hello\u2009"
                                        << "hello";
        QTest::newRow("line breaks stay") << "\nhello \n"
                                          << "\nhello \n";
        QTest::newRow("blank") << " \t "
                               << "";
        QTest::newRow("inner kept") << " a  b "
                                    << "a  b";
    }

    void trimming()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ResultText::trimmed(text), expected);
    }

    void classification_data()
    {
        QTest::addColumn<TranslationResult>("message");
        QTest::addColumn<QString>("kind");

        QTest::newRow("all final") << result({token(true), token(true)}, "Hallo", "Hello") << "final";
        QTest::newRow("one not final") << result({token(true), token(false)}, "Hallo", "") << "interim";
        QTest::newRow("final but blank original") << result({token(true)}, " \t", "x") << "interim";
        QTest::newRow("no tokens, original only") << result({}, "Hallo", "") << "final";
        QTest::newRow("no tokens, translation") << result({}, "Hallo", "Hello") << "translation";
        QTest::newRow("no tokens, nothing") << result({}, "", "") << "interim";
        QTest::newRow("translation tokens")
            << result({token(true, translationStatus), token(false, translationStatus)}, "", "Hello") << "translation";
        QTest::newRow("translation tokens, blank text")
            << result({token(true, translationStatus)}, "Hallo", "  ") << "final";
        QTest::newRow("a status missing")
            << result({token(true, translationStatus), token(true)}, "Hallo", "Hello") << "final";
        QTest::newRow("status none") << result({token(false, TranslationStatus::none)}, "", "Hello") << "interim";
    }

    void classification()
    {
        QFETCH(TranslationResult, message);
        QFETCH(QString, kind);
        const QString actual = ResultText::isTranslationOnlyMessage(message) ? "translation"
            : ResultText::isFinalized(message)                               ? "final"
                                                                             : "interim";
        QCOMPARE(actual, kind);
    }

    void speakerAndLanguage_data()
    {
        QTest::addColumn<TranslationResult>("message");
        QTest::addColumn<QString>("speaker"); // empty: none found
        QTest::addColumn<QString>("language");

        QTest::newRow("first original token")
            << result({token(true, originalStatus, "2", "de"), token(true, originalStatus, "3", "fr")}, "a", "") << "2"
            << "de";
        QTest::newRow("translation tokens skipped")
            << result({token(true, translationStatus, "7", "en"), token(true, std::nullopt, "4")}, "a", "") << "4"
            << "?";
        QTest::newRow("only translation speakers") << result({token(true, translationStatus, "7", "en")}, "a", "") << ""
                                                   << "?";
        QTest::newRow("language needs original status")
            << result({token(true, std::nullopt, std::nullopt, "de"), token(true, originalStatus)}, "a", "") << ""
            << "?";
        QTest::newRow("no tokens") << result({}, "a", "") << ""
                                   << "?";
    }

    void speakerAndLanguage()
    {
        QFETCH(TranslationResult, message);
        QFETCH(QString, speaker);
        QFETCH(QString, language);
        QCOMPARE(ResultText::speakerIdentifier(message).value_or(QString()), speaker);
        QCOMPARE(ResultText::detectLanguage(message), language);
    }

    void wordsSplitAtBlanksOnly()
    {
        const auto words = ResultText::updateWords({}, "  one  two\tthree\nfour ");
        QStringList texts;
        for (const auto& word : words)
            texts.append(word.text);
        QCOMPARE(texts, (QStringList{"one", "two\tthree\nfour"}));
    }

    // Identities stay with words that keep their position and text.
    void wordIdentities()
    {
        const auto first = ResultText::updateWords({}, "hello  world");
        QCOMPARE(first.size(), 2);
        QVERIFY(first[0].id != first[1].id);

        const auto same = ResultText::updateWords(first, "hello world");
        QCOMPARE(same, first);

        const auto inserted = ResultText::updateWords(first, "hello big world");
        QCOMPARE(inserted.size(), 3);
        QCOMPARE(inserted[0], first[0]);
        QVERIFY(inserted[1].id != first[1].id);
        QVERIFY(inserted[2].id != first[1].id);
        QCOMPARE(inserted[2].text, "world");

        const auto shorter = ResultText::updateWords(inserted, "hello");
        QCOMPARE(shorter, QList<InterimWord>{first[0]});
        QCOMPARE(ResultText::updateWords(shorter, ""), QList<InterimWord>());
    }
};

QTEST_GUILESS_MAIN(TestResultText)
#include "tst_ResultText.moc"
