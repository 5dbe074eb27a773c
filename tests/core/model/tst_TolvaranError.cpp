#include "model/TolvaranError.h"
#include "model/TranslationModels.h"

#include <QTest>

using namespace tolvaran;
using PermissionKind = TolvaranError::PermissionKind;

class TestTolvaranError : public QObject
{
    Q_OBJECT

private slots:

    void description_data()
    {
        QTest::addColumn<TolvaranError>("error");
        QTest::addColumn<QString>("description");

        QTest::newRow("connection") << TolvaranError::connectionFailed("refused") << "Connection failed: refused";
        QTest::newRow("connection, empty message") << TolvaranError::connectionFailed("") << "Connection failed: ";
        QTest::newRow("connection, fallback text")
            << TolvaranError::connectionFailed("Connection failed") << "Connection failed: Connection failed";
        QTest::newRow("audio capture") << TolvaranError::audioCaptureFailed("No display found")
                                       << "Audio capture failed: No display found";
        QTest::newRow("microphone permission")
            << TolvaranError::permissionDenied(PermissionKind::microphone) << "Microphone permission is required";
        QTest::newRow("server") << TolvaranError::serverError("quota exceeded") << "Server error: quota exceeded";
        QTest::newRow("server, prefix not deduplicated")
            << TolvaranError::serverError("Server error: x") << "Server error: Server error: x";
        QTest::newRow("message kept as is")
            << TolvaranError::serverError("  \"quoted\".  ") << "Server error:   \"quoted\".  ";
    }

    void description()
    {
        QFETCH(TolvaranError, error);
        QFETCH(QString, description);
        QCOMPARE(error.errorDescription(), description);
    }

    void equality()
    {
        QVERIFY(TolvaranError::audioCaptureFailed("a") != TolvaranError::audioCaptureFailed("b"));
        QVERIFY(TolvaranError::audioCaptureFailed("a") == TolvaranError::audioCaptureFailed("a"));
        QVERIFY(TolvaranError::permissionDenied(PermissionKind::microphone)
            == TolvaranError::permissionDenied(PermissionKind::microphone));
        // Same payload, different case.
        QVERIFY(TolvaranError::serverError("x") != TolvaranError::connectionFailed("x"));
    }

    void permissionKindRawValues()
    {
        QCOMPARE(rawValue(PermissionKind::microphone), "microphone");
        QCOMPARE(fromRawValue<PermissionKind>(u"microphone"), PermissionKind::microphone);
        QCOMPARE(fromRawValue<PermissionKind>(u"camera"), std::nullopt);
        QCOMPARE(fromRawValue<PermissionKind>(u"Microphone"), std::nullopt);
    }

    void capitalizedWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("camel case lowered") << "screenRecording"
                                            << "Screenrecording";
        QTest::newRow("every word") << "hello wORLD"
                                    << "Hello World";
        QTest::newRow("empty") << ""
                               << "";
    }

    void capitalizedWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(capitalized(text), expected);
    }

    void errorStateStatusText()
    {
        const auto error = TolvaranError::connectionFailed("timed out");
        QCOMPARE(ConnectionState::error(error).statusText(), "Error: Connection failed: timed out");
        QCOMPARE(ConnectionState::error(error).error(), error);
    }
};

QTEST_GUILESS_MAIN(TestTolvaranError)
#include "tst_TolvaranError.moc"
