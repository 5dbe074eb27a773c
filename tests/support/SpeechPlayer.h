#pragma once

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace tolvaran::test {

// Speech spoken by espeak-ng into dir/name.wav; empty on failure.
inline QString makeSpeech(const QString& dir, const QString& name, const QString& text)
{
    const QString file = QDir(dir).filePath(name + QStringLiteral(".wav"));
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-w"), file, text});
    if (!espeak.waitForFinished(15000) || espeak.exitStatus() != QProcess::NormalExit || espeak.exitCode() != 0)
        return {};
    return file;
}

// Plays a sound file into a sink of the sound server that the environment
// names, and waits until it has been played.
inline bool playInto(const QString& sink, const QString& file,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess player;
    player.setProcessEnvironment(environment);
    player.start(QStringLiteral("paplay"), {QStringLiteral("-d"), sink, file});
    return player.waitForFinished(15000) && player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0;
}

// The loudest sample of 16-bit little-endian PCM.
inline int peakOf(const QByteArray& pcm)
{
    int peak = 0;
    const auto* bytes = reinterpret_cast<const uint8_t*>(pcm.constData());
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(uint16_t(bytes[i] | (bytes[i + 1] << 8))))));
    return peak;
}

} // namespace tolvaran::test
