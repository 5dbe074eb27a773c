#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtMessageHandler>

namespace tolvaran::test {

// Records the log lines of one category (for example
// "com.tolvaran.app.WebSocket") while it lives; other lines pass on to the
// previous handler. Lines may come from any thread.
class LogCapture
{
public:
    explicit LogCapture(const char* category)
        : m_category(category)
    {
        QMutexLocker locker(&mutex());
        current() = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }

    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QMutexLocker locker(&mutex());
        current() = nullptr;
    }

    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const
    {
        QMutexLocker locker(&mutex());
        return m_lines;
    }

    qsizetype count(const QString& line) const { return lines().count(line); }

    QStringList linesStartingWith(const QString& prefix) const
    {
        QStringList matching;
        for (const QString& line : lines()) {
            if (line.startsWith(prefix))
                matching.append(line);
        }
        return matching;
    }

    void clear()
    {
        QMutexLocker locker(&mutex());
        m_lines.clear();
    }

private:
    static QMutex& mutex()
    {
        static QMutex instance;
        return instance;
    }

    static LogCapture*& current()
    {
        static LogCapture* instance = nullptr;
        return instance;
    }

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        QtMessageHandler previous = nullptr;
        {
            QMutexLocker locker(&mutex());
            LogCapture* capture = current();
            if (!capture)
                return;
            if (context.category && qstrcmp(context.category, capture->m_category) == 0) {
                capture->m_lines.append(message);
                return;
            }
            previous = capture->m_previous;
        }
        if (previous)
            previous(type, context, message);
    }

    const char* m_category;
    QtMessageHandler m_previous = nullptr;
    QStringList m_lines;
};

} // namespace tolvaran::test
