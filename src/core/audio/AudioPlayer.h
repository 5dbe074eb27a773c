#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

namespace tolvaran {

// Plays one audio file on the sound server's default output, at a chosen
// rate that keeps the voice's pitch (0.5x to 2x). Positions are exact: a
// seek lands on the sample asked for. The player's own threads report to the
// main thread through queued calls; nothing here polls. Main thread only.
class AudioPlayer : public QObject
{
    Q_OBJECT

public:
    // How long load() waits for the file to be opened and the output to be ready.
    static constexpr int loadTimeoutMs = 5000;

    // A player paused at the start of the file, or nothing with the reason in
    // errorText when the file cannot be played.
    static std::unique_ptr<AudioPlayer> load(const QString& path, QString* errorText = nullptr);
    ~AudioPlayer() override;

    AudioPlayer(const AudioPlayer&) = delete;
    AudioPlayer& operator=(const AudioPlayer&) = delete;

    // Seconds.
    double duration() const { return m_duration; }

    double currentTime() const;
    // Clamped to the file; keeps playing or paused as it was.
    void setCurrentTime(double seconds);

    // A seek or a rate change is still being carried out.
    bool isSeeking() const { return m_isSeeking; }

    bool isPlaying() const { return m_isPlaying; }

    float rate() const { return m_rate; }

    // Applied at once, also while paused.
    void setRate(float rate);

    // From the start again once the end was reached.
    void play();
    void pause();
    // Pauses and goes back to the start.
    void stop();

signals:
    // The end of the file was reached; isPlaying() is false from here.
    void finished();
    // Playback broke off (the output went away, the file is damaged).
    void errorOccurred(const QString& text);

private:
    struct Pipeline;

    explicit AudioPlayer(std::unique_ptr<Pipeline> pipeline, double duration);
    bool seek(double seconds, float rate);
    void handleMessage(int type, const QString& text, quint64 seekGeneration);

    // The way to the first sound. Until the first play the output stays
    // closed (idle); play opens and fills it (opening), moves to the chosen
    // place and rate (seeking), and then runs.
    enum class Start { idle, opening, seeking, none };

    std::unique_ptr<Pipeline> m_pipeline;
    Start m_start = Start::idle;
    double m_duration = 0;
    float m_rate = 1.0f;
    bool m_isPlaying = false;
    bool m_isAtEnd = false;
    // Until the last seek is carried out, the position is its target.
    bool m_isSeeking = false;
    double m_seekTarget = 0;
    // Counts the seeks sent. A flushing seek makes the pipeline fill again;
    // the "done" of an earlier seek, still on its way, carries an older count.
    std::atomic<quint64> m_seekGeneration = 0;
};

} // namespace tolvaran
