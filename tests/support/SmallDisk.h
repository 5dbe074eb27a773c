#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace tolvaran::test {

// A small tmpfs mounted on a folder, to fill a disk or make it read-only for
// real. Mounting needs root (CI runs as root); unmounted when it goes.
class SmallDisk
{
public:
    // options as for mount -o, such as "size=256k".
    SmallDisk(const QString& folder, const QByteArray& options, bool readOnly = false)
        : m_folder(folder)
    {
        QDir().mkpath(folder);
        const QByteArray path = QFile::encodeName(folder);
        if (::mount("tmpfs", path.constData(), "tmpfs", readOnly ? MS_RDONLY : 0, options.constData()) == 0)
            m_isMounted = true;
        else
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }

    ~SmallDisk()
    {
        if (m_isMounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }

    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_isMounted; }

    const QString& error() const { return m_error; }

    qint64 freeBytes() const
    {
        struct statvfs info
        {
        };

        if (::statvfs(QFile::encodeName(m_folder).constData(), &info) != 0)
            return -1;
        return qint64(info.f_bavail) * qint64(info.f_frsize);
    }

    // Writes a file of zeros until no more than leaveBytes are free.
    bool fillLeaving(const QString& name, qint64 leaveBytes) const
    {
        QFile file(QDir(m_folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, '\0');
        while (freeBytes() > leaveBytes) {
            if (file.write(page) != page.size())
                return false;
        }
        return true;
    }

    // Creates empty files until the file system has no inode left.
    int useUpInodes(const QString& prefix) const
    {
        int made = 0;
        while (made < 100000) {
            QFile file(QDir(m_folder).filePath(prefix + QString::number(made)));
            if (!file.open(QIODevice::WriteOnly))
                break;
            ++made;
        }
        return made;
    }

private:
    QString m_folder;
    bool m_isMounted = false;
    QString m_error;
};

} // namespace tolvaran::test

// Skips without root, except under CI=true, which runs as root: there a
// disk that cannot be mounted is a failure.
#define TOLVARAN_REQUIRE_MOUNTED(disk)                                                                                 \
    do {                                                                                                               \
        if (!(disk).isMounted()) {                                                                                     \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                   \
                QFAIL(qPrintable(QStringLiteral("CI needs a tmpfs mount: ") + (disk).error()));                        \
            QSKIP(qPrintable(QStringLiteral("Cannot mount a tmpfs (needs root): ") + (disk).error()));                 \
        }                                                                                                              \
    } while (false)
