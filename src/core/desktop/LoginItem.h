#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace tolvaran {

// Starting at login: an XDG autostart entry, tolvaran.desktop in
// $XDG_CONFIG_HOME/autostart. It keeps no state of its own: whether it is on
// is read from the file each time, so a change that failed, or one made by
// the desktop's own tools, shows as it really is.
class LoginItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isEnabled READ isEnabled WRITE setIsEnabled NOTIFY isEnabledChanged)

public:
    // The user's autostart entry, starting this program.
    explicit LoginItem(QObject* parent = nullptr);
    LoginItem(const QString& entryPath, const QString& program, QObject* parent = nullptr);

    static QString defaultEntryPath();

    QString entryPath() const { return m_entryPath; }

    // On when the entry exists and the desktop is not told to skip it.
    bool isEnabled() const;
    // Writes or removes the entry. Gives whether that worked; either way
    // isEnabledChanged tells views to read the real state again.
    bool setIsEnabled(bool enabled);

    // The entry's text for a program at that path.
    static QByteArray entryText(const QString& program);

signals:
    void isEnabledChanged();

private:
    QString m_entryPath;
    QString m_program;
};

} // namespace tolvaran
