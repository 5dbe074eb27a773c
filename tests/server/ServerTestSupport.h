#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QTest>
#include <QWebSocket>
#include <QtEndian>

namespace tolvaran::test {

inline const QString librivox = QStringLiteral("/usr/share/pocketsphinx/test/data/librivox/");

// The stream header as the program sends it, with the format fields given.
inline QByteArray wavHeader(quint16 format = 1, quint16 channels = 1, quint32 rate = 16000, quint16 bits = 16)
{
    QByteArray header;
    auto u32 = [&header](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        header.append(b, 4);
    };
    auto u16 = [&header](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        header.append(b, 2);
    };
    header += "RIFF";
    u32(0x80000023u);
    header += "WAVEfmt ";
    u32(16);
    u16(format);
    u16(channels);
    u32(rate);
    u32(rate * channels * bits / 8);
    u16(quint16(channels * bits / 8));
    u16(bits);
    header += "data";
    u32(0x7FFFFFFFu);
    return header;
}

// The samples of one of pocketsphinx's test recordings (16 kHz mono).
inline QByteArray testRecording(const QString& id)
{
    QFile file(librivox + QStringLiteral("sense_and_sensibility_01_austen_64kb-%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().mid(44);
}

inline QByteArray silence(int milliseconds)
{
    return QByteArray(milliseconds * 32, '\0');
}

// A raw client that keeps every text message and how the connection ended.
class RawClient : public QObject
{
public:
    QWebSocket socket;
    QList<QJsonObject> messages;
    bool isClosed = false;
    bool wasConnected = false;

    RawClient()
    {
        connect(&socket, &QWebSocket::connected, this, [this] { wasConnected = true; });
        connect(&socket, &QWebSocket::textMessageReceived, this,
            [this](const QString& text) { messages.append(QJsonDocument::fromJson(text.toUtf8()).object()); });
        connect(&socket, &QWebSocket::disconnected, this, [this] { isClosed = true; });
    }

    bool open(const QString& url)
    {
        socket.open(QUrl(url));
        // A refusal may close the connection right after it opened.
        return QTest::qWaitFor([this] { return wasConnected || isClosed; }, 10000) && wasConnected;
    }

    QStringList types() const
    {
        QStringList list;
        for (const QJsonObject& message : messages)
            list.append(message.value(QStringLiteral("type")).toString());
        return list;
    }

    // The first message of that type and, when given, that key's value.
    std::optional<QJsonObject> find(const QString& type, const QString& key = {}, const QJsonValue& value = {}) const
    {
        for (const QJsonObject& message : messages) {
            if (message.value(QStringLiteral("type")).toString() == type
                && (key.isEmpty() || message.value(key) == value))
                return message;
        }
        return std::nullopt;
    }

    void sendStream(const QByteArray& pcm, int chunkBytes = 3200)
    {
        socket.sendBinaryMessage(wavHeader() + pcm.left(chunkBytes));
        for (qsizetype at = chunkBytes; at < pcm.size(); at += chunkBytes)
            socket.sendBinaryMessage(pcm.mid(at, chunkBytes));
    }
};

} // namespace tolvaran::test
