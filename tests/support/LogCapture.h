#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtMessageHandler>

namespace tolvaran::test {

// Records the log lines of one category (for example
// "com.tolvaran.app.WebSocket") while it lives; other lines pass on as usual.
// Lines may come from any thread.
class LogCapture
{
public:
    explicit LogCapture(const char* category)
        : m_category(category)
    {
        current() = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }

    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }

    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

    QStringList linesStartingWith(const QString& prefix) const
    {
        QStringList matching;
        for (const QString& line : lines()) {
            if (line.startsWith(prefix))
                matching.append(line);
        }
        return matching;
    }

private:
    static LogCapture*& current()
    {
        static LogCapture* capture = nullptr;
        return capture;
    }

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        LogCapture* capture = current();
        if (capture && context.category && qstrcmp(context.category, capture->m_category) == 0) {
            QMutexLocker lock(&capture->m_mutex);
            capture->m_lines.append(message);
            return;
        }
        if (capture && capture->m_previous)
            capture->m_previous(type, context, message);
    }

    const char* m_category;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

} // namespace tolvaran::test
