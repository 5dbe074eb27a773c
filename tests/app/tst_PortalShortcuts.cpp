#include "GlobalShortcuts.h"
#include "PortalShortcuts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QMutex>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace tolvaran;
using Action = ShortcutService::Action;

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");

// A session bus of the test's own, with nothing on it that it does not put there.
class PrivateBus
{
public:
    PrivateBus()
    {
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                    "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                         .arg(m_dir.path())
                         .toUtf8());
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--print-address"),
                QStringLiteral("--nofork")});
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) { }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }

    ~PrivateBus()
    {
        for (const QString& name : std::as_const(m_names))
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    QDBusConnection connection()
    {
        static int count = 0;
        m_names << QStringLiteral("private-bus-%1").arg(++count);
        return QDBusConnection::connectToBus(m_address, m_names.constLast());
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

// The desktop portal's side of global shortcuts, on a thread of its own
// because the program asks it with a blocking call. It confirms every
// shortcut but one left out, answers the binding with the given response,
// and answers each request before its call returns, as a fast portal may.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version CONSTANT)

public:
    FakePortal(const QDBusConnection& bus, uint bindResponse, const QString& leftOut)
        : m_bus(bus)
        , m_bindResponse(bindResponse)
        , m_leftOut(leftOut)
    { }

    uint version() const { return 2; }

    // "id=trigger" of the last binding.
    QStringList triggers() const
    {
        QMutexLocker lock(&m_mutex);
        return m_triggers;
    }

    void activate(const QString& id)
    {
        QMutexLocker lock(&m_mutex);
        QDBusMessage activated = QDBusMessage::createSignal(
            desktopPath, QStringLiteral("org.freedesktop.portal.GlobalShortcuts"), QStringLiteral("Activated"));
        activated << QVariant::fromValue(QDBusObjectPath(m_session)) << id << qulonglong(1) << QVariantMap();
        m_bus.send(activated);
    }

public slots:

    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message)
    {
        const QString session = pathOf(QStringLiteral("session"), message, options.value("session_handle_token"));
        {
            QMutexLocker lock(&m_mutex);
            m_session = session;
        }
        return respond(message, options, 0, {{QStringLiteral("session_handle"), session}});
    }

    // QtDBus finds the type by the name written here.
    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session, const QList<tolvaran::PortalShortcut>& shortcuts,
        const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        QStringList triggers;
        QList<PortalShortcut> bound;
        for (const PortalShortcut& shortcut : shortcuts) {
            const QString trigger = shortcut.properties.value(QStringLiteral("preferred_trigger")).toString();
            triggers << shortcut.id + QLatin1Char('=') + trigger;
            if (shortcut.id != m_leftOut)
                bound << PortalShortcut{shortcut.id, {{QStringLiteral("trigger_description"), trigger}}};
        }
        {
            QMutexLocker lock(&m_mutex);
            m_triggers = triggers;
            if (session.path() != m_session)
                m_triggers = QStringList{QStringLiteral("unknown session")};
        }
        return respond(message, options, m_bindResponse, {{QStringLiteral("shortcuts"), QVariant::fromValue(bound)}});
    }

private:
    static QString pathOf(const QString& kind, const QDBusMessage& message, const QVariant& token)
    {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(desktopPath, kind, message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')),
                token.toString());
    }

    QDBusObjectPath respond(const QDBusMessage& call, const QVariantMap& options, uint response, QVariantMap results)
    {
        const QString request = pathOf(QStringLiteral("request"), call, options.value("handle_token"));
        QDBusMessage answer = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        answer << response << results;
        m_bus.send(answer);
        return QDBusObjectPath(request);
    }

    QDBusConnection m_bus;
    uint m_bindResponse;
    QString m_leftOut;
    mutable QMutex m_mutex;
    QString m_session;
    QStringList m_triggers;
};

// A portal as Debian 12 has it: on the bus, without global shortcuts.
class PortalWithoutShortcuts : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
    Q_PROPERTY(uint version READ version CONSTANT)

public:
    uint version() const { return 1; }
};

// Puts the portal on the bus on a thread of its own.
class PortalOnBus
{
public:
    PortalOnBus(QDBusConnection bus, QObject* portal)
        : m_bus(bus)
        , m_portal(portal)
    {
        m_portal->moveToThread(&m_thread);
        m_thread.start();
        m_bus.registerObject(
            desktopPath, m_portal.get(), QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
        m_bus.registerService(portalService);
    }

    ~PortalOnBus()
    {
        m_bus.unregisterObject(desktopPath);
        m_thread.quit();
        m_thread.wait();
    }

private:
    QDBusConnection m_bus;
    std::unique_ptr<QObject> m_portal;
    QThread m_thread;
};

// Counts the Activated signals the program's connection has delivered. It
// listens before the program does; QtDBus hands a signal to the latest
// listener first, so the program has had each one by then.
class ActivatedSeen : public QObject
{
    Q_OBJECT

public:
    explicit ActivatedSeen(QDBusConnection bus)
    {
        bus.connect(portalService, desktopPath, QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
            QStringLiteral("Activated"), this, SLOT(seen()));
    }

    int count = 0;

public slots:

    void seen() { ++count; }
};

const QStringList defaultTriggers{QStringLiteral("listening=CTRL+ALT+l"), QStringLiteral("overlay=CTRL+ALT+o"),
    QStringLiteral("recording=CTRL+ALT+r")};

void setDefaults(ShortcutService& shortcuts)
{
    shortcuts.setShortcut(Action::listening, QKeySequence(QStringLiteral("Ctrl+Alt+L")));
    shortcuts.setShortcut(Action::overlay, QKeySequence(QStringLiteral("Ctrl+Alt+O")));
    shortcuts.setShortcut(Action::recording, QKeySequence(QStringLiteral("Ctrl+Alt+R")));
}

} // namespace

class TestPortalShortcuts : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
    }

    // What the desktop answers, as the settings window shows it, and which
    // shortcuts then act.
    void binds_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QString>("leftOut");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("confirmed") << 0u << QString() << QStringList{{}, {}, {}};
        QTest::newRow("cancelled in the dialog") << 1u << QString()
                                                 << QStringList{"Ctrl+Alt+L was not confirmed in the desktop's dialog",
                                                        "Ctrl+Alt+O was not confirmed in the desktop's dialog",
                                                        "Ctrl+Alt+R was not confirmed in the desktop's dialog"};
        QTest::newRow("failed") << 2u << QString()
                                << QStringList{"The desktop could not set Ctrl+Alt+L",
                                       "The desktop could not set Ctrl+Alt+O", "The desktop could not set Ctrl+Alt+R"};
        QTest::newRow("one left out") << 0u << "overlay" << QStringList{{}, "The desktop did not set Ctrl+Alt+O", {}};
    }

    void binds()
    {
        QFETCH(uint, response);
        QFETCH(QString, leftOut);
        QFETCH(QStringList, problems);
        PrivateBus bus;
        const QDBusConnection portalSide = bus.connection();
        auto* fake = new FakePortal(portalSide, response, leftOut);
        PortalOnBus portal(portalSide, fake);
        const QDBusConnection program = bus.connection();
        QVERIFY(program.isConnected());

        ActivatedSeen seen(program);
        const std::unique_ptr<ShortcutService> shortcuts = chooseShortcutService(program);
        QVERIFY(qobject_cast<PortalShortcuts*>(shortcuts.get()));
        QSignalSpy activated(shortcuts.get(), &ShortcutService::activated);
        setDefaults(*shortcuts);
        QTRY_COMPARE(fake->triggers(), defaultTriggers);
        const auto problemsNow = [&] {
            return QStringList{shortcuts->problem(Action::listening), shortcuts->problem(Action::overlay),
                shortcuts->problem(Action::recording)};
        };
        QTRY_COMPARE(problemsNow(), problems);

        QList<Action> expected;
        for (const Action action : ShortcutService::actions) {
            fake->activate(QString::fromLatin1(QMetaEnum::fromType<Action>().valueToKey(int(action))));
            if (problems.at(int(action)).isEmpty())
                expected << action;
        }
        const auto acted = [&] {
            QList<Action> actions;
            for (const QList<QVariant>& signal : std::as_const(activated))
                actions << signal.at(0).value<Action>();
            return actions;
        };
        QTRY_COMPARE(acted(), expected);
        // Nothing more comes of the ones the desktop did not take.
        QTRY_COMPARE(seen.count, 3);
        QCoreApplication::processEvents();
        QCOMPARE(acted(), expected);
    }

    // A change in the settings goes to the desktop at once.
    void rebinds_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QStringList>("triggers");
        QTest::addColumn<QString>("problem");
        QTest::newRow("another combination")
            << Action::listening << "Meta+Shift+F9"
            << QStringList{"listening=SHIFT+LOGO+F9", "overlay=CTRL+ALT+o", "recording=CTRL+ALT+r"} << QString();
        QTest::newRow("none") << Action::overlay << QString()
                              << QStringList{"listening=CTRL+ALT+l", "recording=CTRL+ALT+r"} << QString();
        QTest::newRow("a key the desktop cannot name")
            << Action::recording << "Ctrl+Alt+Left" << QStringList{"listening=CTRL+ALT+l", "overlay=CTRL+ALT+o"}
            << "Ctrl+Alt+Left cannot be a global shortcut";
    }

    void rebinds()
    {
        QFETCH(Action, action);
        QFETCH(QString, sequence);
        QFETCH(QStringList, triggers);
        QFETCH(QString, problem);
        PrivateBus bus;
        const QDBusConnection portalSide = bus.connection();
        auto* fake = new FakePortal(portalSide, 0, QString());
        PortalOnBus portal(portalSide, fake);
        PortalShortcuts shortcuts(bus.connection());
        QSignalSpy activated(&shortcuts, &ShortcutService::activated);
        setDefaults(shortcuts);
        QTRY_COMPARE(fake->triggers(), defaultTriggers);

        QCOMPARE(shortcuts.setShortcut(action, QKeySequence(sequence)), problem);
        QTRY_COMPARE(fake->triggers(), triggers);
        // The new session acts.
        fake->activate(QStringLiteral("listening"));
        QVERIFY(activated.wait());
        QCOMPARE(activated.constLast().at(0).value<Action>(), Action::listening);
        QCOMPARE(shortcuts.problem(action), problem);
    }

    // Without the interface on the bus, the keys are grabbed on X.
    void fallsBackToX_data()
    {
        QTest::addColumn<bool>("portalOnBus");
        QTest::newRow("no portal") << false;
        QTest::newRow("a portal without global shortcuts") << true;
    }

    void fallsBackToX()
    {
        QFETCH(bool, portalOnBus);
        PrivateBus bus;
        std::optional<PortalOnBus> portal;
        if (portalOnBus)
            portal.emplace(bus.connection(), new PortalWithoutShortcuts);
        const QDBusConnection program = bus.connection();
        QVERIFY(program.isConnected());
        QVERIFY(!PortalShortcuts::isOffered(program));
        const std::unique_ptr<ShortcutService> shortcuts = chooseShortcutService(program);
        QVERIFY(qobject_cast<GlobalShortcuts*>(shortcuts.get()));
    }
};

QTEST_MAIN(TestPortalShortcuts)
#include "tst_PortalShortcuts.moc"
