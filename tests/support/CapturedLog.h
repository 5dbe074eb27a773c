#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tolvaran::test {

// Collects the messages of one logging category while it lives; other
// categories go on to the previous handler. Messages may come from any thread.
class CapturedLog
{
public:
    explicit CapturedLog(const char* category)
        : m_category(QString::fromLatin1(category))
    {
        QMutexLocker locker(&mutex());
        current() = this;
        m_previous = qInstallMessageHandler(&CapturedLog::handle);
    }

    ~CapturedLog()
    {
        qInstallMessageHandler(m_previous);
        QMutexLocker locker(&mutex());
        current() = nullptr;
    }

    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    QStringList messages() const
    {
        QMutexLocker locker(&mutex());
        return m_messages;
    }

    qsizetype count(const QString& message) const { return messages().count(message); }

    void clear()
    {
        QMutexLocker locker(&mutex());
        m_messages.clear();
    }

private:
    static QMutex& mutex()
    {
        static QMutex instance;
        return instance;
    }

    static CapturedLog*& current()
    {
        static CapturedLog* instance = nullptr;
        return instance;
    }

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        QtMessageHandler forward = nullptr;
        {
            QMutexLocker locker(&mutex());
            CapturedLog* log = current();
            if (log && context.category && log->m_category == QLatin1String(context.category)) {
                log->m_messages.append(message);
                return;
            }
            forward = log ? log->m_previous : nullptr;
        }
        if (forward)
            forward(type, context, message);
    }

    QString m_category;
    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
};

} // namespace tolvaran::test
