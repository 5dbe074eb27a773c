#include "settings/AppSettings.h"
#include "settings/InterfaceLanguage.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;

class tst_InterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:

    void resolve_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<TargetLanguage>("expected");
        const QStringList german{"de-AT", "de", "en-US"};
        QTest::newRow("the desktop's") << "system" << german << TargetLanguage::german;
        QTest::newRow("a region's variant") << "system" << QStringList{"pt-PT", "pt"} << TargetLanguage::portuguese;
        QTest::newRow("Qt's underscore") << "system" << QStringList{"zh_TW"} << TargetLanguage::chinese;
        QTest::newRow("the first one known")
            << "system" << QStringList{"sv-SE", "sv", "ar-EG"} << TargetLanguage::arabic;
        QTest::newRow("none known") << "system" << QStringList{"sv-SE", "sv"} << TargetLanguage::english;
        QTest::newRow("no desktop language") << "system" << QStringList{} << TargetLanguage::english;
        QTest::newRow("chosen over the desktop's") << "ja" << german << TargetLanguage::japanese;
        QTest::newRow("an unknown choice") << "xx" << german << TargetLanguage::german;
        QTest::newRow("a code in capitals") << "DE" << QStringList{"fr"} << TargetLanguage::french;
    }

    void resolve()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, desktop);
        QFETCH(TargetLanguage, expected);
        QCOMPARE(InterfaceLanguage::resolve(setting, desktop), expected);
    }

    // Dates follow the desktop's own region where it speaks the language.
    void locale_data()
    {
        QTest::addColumn<TargetLanguage>("language");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the desktop's region") << TargetLanguage::german << "de_AT"
                                              << "de_AT";
        QTest::newRow("another language's desktop") << TargetLanguage::german << "fr_FR"
                                                    << "de_DE";
        QTest::newRow("British English") << TargetLanguage::english << "en_GB"
                                         << "en_GB";
        QTest::newRow("Arabic from a C desktop") << TargetLanguage::arabic << "C"
                                                 << "ar_EG";
        QTest::newRow("English on a C desktop") << TargetLanguage::english << "C"
                                                << "C";
    }

    void locale()
    {
        QFETCH(TargetLanguage, language);
        QFETCH(QString, desktop);
        QFETCH(QString, expected);
        QCOMPARE(InterfaceLanguage::locale(language, QLocale(desktop)).name(), expected);
    }

    void nativeNames_data()
    {
        QTest::addColumn<TargetLanguage>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << TargetLanguage::english << "English";
        QTest::newRow("German") << TargetLanguage::german << "Deutsch";
        QTest::newRow("Spanish") << TargetLanguage::spanish << "Español";
        QTest::newRow("Arabic") << TargetLanguage::arabic << QString::fromUtf8("العربية");
        QTest::newRow("Japanese") << TargetLanguage::japanese << QString::fromUtf8("日本語");
    }

    void nativeNames()
    {
        QFETCH(TargetLanguage, language);
        QFETCH(QString, name);
        QCOMPARE(InterfaceLanguage::nativeName(language), name);
    }

    // Run with LANG=es_ES.UTF-8 (see CMakeLists.txt): a first start takes the
    // desktop's language as the target language and stores it; a later start
    // keeps what is stored, or the default when nothing is.
    void firstStartUnderASpanishDesktop_data()
    {
        QTest::addColumn<QByteArray>("storedBefore");
        QTest::addColumn<TargetLanguage>("expected");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("no settings file") << QByteArray() << TargetLanguage::spanish << "es";
        QTest::newRow("a file without a language")
            << QByteArray(R"({"maxTranslationLines": 60})") << TargetLanguage::english << "";
        QTest::newRow("a file with French")
            << QByteArray(R"({"selectedLanguage": "fr"})") << TargetLanguage::french << "fr";
    }

    void firstStartUnderASpanishDesktop()
    {
        QFETCH(QByteArray, storedBefore);
        QFETCH(TargetLanguage, expected);
        QFETCH(QString, storedAfter);
        QCOMPARE(QLocale::system().language(), QLocale::Spanish);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.json"));
        if (!storedBefore.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(storedBefore);
        }
        {
            AppSettings settings(path);
            QCOMPARE(settings.selectedLanguage(), expected);
            QCOMPARE(settings.interfaceLanguage(), QStringLiteral("system"));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject stored = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(stored.value(QStringLiteral("selectedLanguage")).toString(), storedAfter);
        QCOMPARE(AppSettings(path).selectedLanguage(), expected);
    }
};

QTEST_GUILESS_MAIN(tst_InterfaceLanguage)

#include "tst_InterfaceLanguage.moc"
