#pragma once

#include "audio/PulseEngine.h"

#include <QTest>

// Sound tests run against the private PulseAudio daemon that scripts/test
// starts (sinks tolvaran_speakers and tolvaran_mic_in, microphone source
// tolvaran_mic). Without it such a test skips, except under CI=true, where a
// missing sound server is a failure.
#define TOLVARAN_REQUIRE_SOUND_SERVER()                                                                                \
    do {                                                                                                               \
        const auto probe = tolvaran::PulseEngine::shared();                                                            \
        if (!probe->serverInfo().result()) {                                                                           \
            const QString reason = probe->failureText();                                                               \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                   \
                QFAIL(qPrintable(QStringLiteral("CI needs the sound server: ") + reason));                             \
            QSKIP(qPrintable(QStringLiteral("No sound server (run through scripts/test): ") + reason));                \
        }                                                                                                              \
    } while (false)

namespace tolvaran::test {

inline const QString speakerSink = QStringLiteral("tolvaran_speakers");
inline const QString microphoneSink = QStringLiteral("tolvaran_mic_in");
inline const QString microphoneSource = QStringLiteral("tolvaran_mic");

} // namespace tolvaran::test
