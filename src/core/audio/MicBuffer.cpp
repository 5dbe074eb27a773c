#include "MicBuffer.h"

#include <QLoggingCategory>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcMicBuffer)

namespace tolvaran {

QByteArray MicBuffer::take(qsizetype bytes)
{
    std::lock_guard guard(m_lock);
    const qsizetype count = std::clamp(bytes, qsizetype(0), m_buffer.size());
    QByteArray result = m_buffer.first(count);
    m_buffer.remove(0, count);
    return result;
}

void MicBuffer::append(const QByteArray& data)
{
    std::lock_guard guard(m_lock);
    m_buffer.append(data);
    const qsizetype excess = m_buffer.size() - maxBufferedBytes;
    if (excess <= 0)
        return;
    // Keep whole samples: drop an even number of bytes.
    m_buffer.remove(0, excess + (excess & 1));
    if (!m_hasLoggedOverflow) {
        m_hasLoggedOverflow = true;
        qCInfo(lcMicBuffer, "Mic buffer full, dropping the oldest %lld bytes and more while it stays full",
            qlonglong(excess));
    }
}

void MicBuffer::clear()
{
    std::lock_guard guard(m_lock);
    m_buffer = QByteArray();
    m_hasLoggedOverflow = false;
}

qsizetype MicBuffer::bufferedBytes() const
{
    std::lock_guard guard(m_lock);
    return m_buffer.size();
}

} // namespace tolvaran
