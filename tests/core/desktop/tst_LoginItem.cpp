#include "desktop/LoginItem.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using tolvaran::LoginItem;

class tst_LoginItem : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString& path, const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:

    void roundTrip_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("plain") << "/usr/bin/tolvaran" << QByteArray("Exec=\"/usr/bin/tolvaran\"\n");
        QTest::newRow("spaces, percent, dollar, quote")
            << "/opt/My Apps/a%1$b\"c" << QByteArray("Exec=\"/opt/My Apps/a%%1\\\\$b\\\\\"c\"\n");
    }

    void roundTrip()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, exec);
        QTemporaryDir home;
        const QString path = home.filePath("config/autostart/tolvaran.desktop");
        LoginItem item(path, program);
        QSignalSpy changed(&item, &LoginItem::isEnabledChanged);
        QVERIFY(!item.isEnabled());

        QVERIFY(item.setIsEnabled(true));
        QVERIFY(item.isEnabled());
        const QByteArray text = readFile(path);
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY2(text.contains("\n" + exec), text.constData());
        QVERIFY(text.contains("\nType=Application\n"));

        // Another object reads the same state: nothing is kept in memory.
        QVERIFY(LoginItem(path, program).isEnabled());

        QVERIFY(item.setIsEnabled(false));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!item.isEnabled());
        // Off when already off is no failure.
        QVERIFY(item.setIsEnabled(false));
        QCOMPARE(changed.size(), 3);
    }

    void stateIsReadFromTheEntry_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("ordinary") << QByteArray("[Desktop Entry]\nType=Application\nExec=tolvaran\n") << true;
        QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=tolvaran\nHidden=true\n") << false;
        QTest::newRow("switched off in GNOME")
            << QByteArray("[Desktop Entry]\nExec=tolvaran\nX-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("hidden in another group only")
            << QByteArray("[Desktop Entry]\nExec=tolvaran\n[Desktop Action x]\nHidden=true\n") << true;
    }

    void stateIsReadFromTheEntry()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, enabled);
        QTemporaryDir home;
        const QString path = home.filePath("autostart/tolvaran.desktop");
        writeFile(path, text);
        LoginItem item(path, "/usr/bin/tolvaran");
        QCOMPARE(item.isEnabled(), enabled);
        // Switching on replaces an entry the desktop was told to skip.
        QVERIFY(item.setIsEnabled(true));
        QVERIFY(item.isEnabled());
    }

    void unwritableFolderLeavesItOff()
    {
        QTemporaryDir home;
        // A file where the autostart folder should be: nothing can be created
        // inside it, also not by root.
        writeFile(home.filePath("autostart"), "not a folder");
        LoginItem item(home.filePath("autostart/tolvaran.desktop"), "/usr/bin/tolvaran");
        QSignalSpy changed(&item, &LoginItem::isEnabledChanged);
        QVERIFY(!item.setIsEnabled(true));
        QVERIFY(!item.isEnabled());
        // The toggle is told to look again, so it snaps back to off.
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_LoginItem)
#include "tst_LoginItem.moc"
