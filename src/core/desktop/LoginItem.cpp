#include "LoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcLoginItem, "com.tolvaran.app.LoginItem")

namespace tolvaran {
namespace {

// An Exec argument, quoted as desktop entries require, then escaped as
// every desktop entry string value is.
QString execArgument(const QString& program)
{
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted;
}

bool isFalse(QByteArrayView value)
{
    return value.trimmed() == "false";
}

} // namespace

LoginItem::LoginItem(QObject* parent)
    : LoginItem(defaultEntryPath(), QCoreApplication::applicationFilePath(), parent)
{ }

LoginItem::LoginItem(const QString& entryPath, const QString& program, QObject* parent)
    : QObject(parent)
    , m_entryPath(entryPath)
    , m_program(program)
{ }

QString LoginItem::defaultEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/tolvaran.desktop");
}

QByteArray LoginItem::entryText(const QString& program)
{
    return QByteArrayLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Tolvaran\n"
                             "Comment=Live translation of calls\n"
                             "Icon=tolvaran\n"
                             "Exec=")
        + execArgument(program).toUtf8()
        + QByteArrayLiteral("\n"
                            "Terminal=false\n"
                            "X-GNOME-Autostart-enabled=true\n");
}

bool LoginItem::isEnabled() const
{
    QFile file(m_entryPath);
    if (!QFileInfo(m_entryPath).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    bool inMainGroup = false;
    // Autostart entries are a few hundred bytes; more is not ours to read.
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArrayView value = QByteArrayView(line).sliced(equals + 1).trimmed();
        if (key == "Hidden" && value == "true")
            return false;
        if (key == "X-GNOME-Autostart-enabled" && isFalse(value))
            return false;
    }
    return true;
}

bool LoginItem::setIsEnabled(bool enabled)
{
    bool done = false;
    if (enabled) {
        const QFileInfo info(m_entryPath);
        QSaveFile file(m_entryPath);
        const QByteArray text = entryText(m_program);
        done = QDir().mkpath(info.absolutePath()) && file.open(QIODevice::WriteOnly) && file.write(text) == text.size()
            && file.commit();
        if (!done)
            qCWarning(lcLoginItem, "Could not write the autostart entry %s: %s", qUtf8Printable(m_entryPath),
                qUtf8Printable(file.errorString()));
    } else {
        done = !QFileInfo::exists(m_entryPath) || QFile::remove(m_entryPath);
        if (!done)
            qCWarning(lcLoginItem, "Could not remove the autostart entry %s", qUtf8Printable(m_entryPath));
    }
    emit isEnabledChanged();
    return done;
}

} // namespace tolvaran
