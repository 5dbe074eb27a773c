#pragma once

#include "model/TranslationModels.h"
#include "recordings/RecordingEntry.h"
#include "recordings/RecordingTimes.h"

#include <QAbstractListModel>
#include <QColor>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

namespace tolvaran {

class AudioPlayer;

// Consecutive transcript lines of one speaker without a long pause, shown as
// one card.
struct TranscriptSegment
{
    QUuid id;
    QString speaker;
    qint64 offsetMs = 0;
    QString originalText;
    QString translatedText;
    QString language;

    bool operator==(const TranscriptSegment&) const = default;
};

// A speaker change starts a new segment, also when an earlier speaker speaks
// again, and so does a line more than silenceGap seconds after the one before,
// as in the overlay. Originals are all joined with a blank; empty translations
// are left out.
QList<TranscriptSegment> groupedSegments(const QList<TimedTranscriptLine>& transcript, double silenceGap);

// The segments as a list model for the transcript view.
class TranscriptSegmentModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        SegmentIdRole = Qt::UserRole + 1,
        SpeakerRole,
        OffsetMsRole,
        TimeLabelRole,
        OriginalTextRole,
        TranslatedTextRole,
    };

    explicit TranscriptSegmentModel(QList<TranscriptSegment> segments, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<TranscriptSegment>& segments() const { return m_segments; }

    // The time labels are written anew (the interface's language changed).
    void refreshTexts();

private:
    QList<TranscriptSegment> m_segments;
};

// One recording played with its transcript: the state and operations of the
// playback window's content. The view binds to it; the transcript follows the
// audio through a 0.1 s timer that runs only while playing. Main thread only.
class PlaybackController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The playback window makes it")
    Q_PROPERTY(bool hasPlayer READ hasPlayer NOTIFY hasPlayerChanged)
    Q_PROPERTY(bool isPlaying READ isPlaying NOTIFY isPlayingChanged)
    Q_PROPERTY(double currentTime READ currentTime NOTIFY currentTimeChanged)
    Q_PROPERTY(double duration READ duration NOTIFY durationChanged)
    Q_PROPERTY(QString currentTimeText READ currentTimeText NOTIFY currentTimeChanged)
    Q_PROPERTY(QString durationText READ durationText NOTIFY durationChanged)
    Q_PROPERTY(float playbackRate READ playbackRate WRITE setPlaybackRate NOTIFY playbackRateChanged)
    Q_PROPERTY(QVariantList rates READ rateList CONSTANT)
    // A DisplayMode.
    Q_PROPERTY(int displayMode READ displayModeValue NOTIFY displayModeChanged)
    Q_PROPERTY(bool showsOriginal READ showsOriginal NOTIFY displayModeChanged)
    Q_PROPERTY(bool showsTranslation READ showsTranslation NOTIFY displayModeChanged)
    // The row of the segment being heard, -1 before the first.
    Q_PROPERTY(int activeSegmentIndex READ activeSegmentIndex NOTIFY activeSegmentChanged)
    Q_PROPERTY(QAbstractListModel* segments READ segmentModel CONSTANT)
    Q_PROPERTY(QString dateText READ dateText NOTIFY textsChanged)
    Q_PROPERTY(QString summaryText READ summaryText NOTIFY textsChanged)
    Q_PROPERTY(QString exportMessage READ exportMessage NOTIFY exportMessageChanged)
    // The save dialog's start: its folder, the file name it proposes and the
    // formats offered, one name filter each: srt, vtt, txt.
    Q_PROPERTY(QUrl exportFolder READ exportFolder NOTIFY exportFolderChanged)
    Q_PROPERTY(QUrl proposedExportFile READ proposedExportFile NOTIFY exportFolderChanged)
    Q_PROPERTY(QStringList exportNameFilters READ exportNameFilters NOTIFY exportNameFiltersChanged)

public:
    static constexpr int timerIntervalMs = 100;
    static constexpr float rates[] = {0.5f, 1.0f, 1.5f, 2.0f};

    // silenceGap: the pause, in seconds, that ends a card (the overlay's setting).
    PlaybackController(RecordingEntry recording, QUrl audioURL, double silenceGap, QObject* parent = nullptr);
    ~PlaybackController() override;

    const RecordingEntry& recording() const { return m_recording; }

    // When the view appears: loads the audio, once. A file that cannot be
    // played leaves no player: the transcript shows, the controls do nothing.
    void setupPlayer();
    // When the view goes: stops the timer and the player.
    void cleanup();

    bool hasPlayer() const { return m_player != nullptr; }

    AudioPlayer* player() const { return m_player.get(); }

    bool isPlaying() const { return m_isPlaying; }

    double currentTime() const { return m_currentTime; }

    double duration() const { return m_duration; }

    QString currentTimeText() const { return RecordingTimes::formatDuration(m_currentTime); }

    QString durationText() const { return RecordingTimes::formatDuration(m_duration); }

    float playbackRate() const { return m_playbackRate; }

    // Remembered while paused, applied at once when there is a player.
    void setPlaybackRate(float rate);

    DisplayMode displayMode() const { return m_displayMode; }

    int displayModeValue() const { return int(m_displayMode); }

    bool showsOriginal() const;
    bool showsTranslation() const;

    int activeSegmentIndex() const { return m_activeSegmentIndex; }

    std::optional<QUuid> activeSegmentId() const;

    const QList<TranscriptSegment>& segments() const { return m_segments->segments(); }

    QAbstractListModel* segmentModel() const { return m_segments.get(); }

    bool isTimerRunning() const { return m_timer.isActive(); }

    QString dateText() const;
    QString summaryText() const;

    QString exportMessage() const { return m_exportMessage; }

    Q_INVOKABLE void togglePlayback();
    // A click on a segment: jumps there, and starts playing when paused.
    Q_INVOKABLE void seekTo(qint64 milliseconds);
    // The skip buttons: moves within the file, playing or not.
    Q_INVOKABLE void seekRelative(double seconds);
    void updateActiveSegment();
    Q_INVOKABLE void toggleOriginal();
    Q_INVOKABLE void toggleTranslate();
    // The view's close button.
    Q_INVOKABLE void close();

    // The position slider: the player pauses while it is dragged and goes on
    // from where it is let go.
    Q_INVOKABLE void beginSliderDrag();
    Q_INVOKABLE void moveSlider(double seconds);
    Q_INVOKABLE void endSliderDrag();

    // Writes the transcript, with the texts shown now, to file; its format is
    // the file's extension (srt, vtt, txt), else the one named, whose
    // extension is then added. Tells the outcome in exportMessage. The folder
    // written to is where the next export starts.
    Q_INVOKABLE bool exportTo(const QUrl& file, const QString& formatName);
    // The save dialog's choice: the format is that of the chosen name filter
    // unless the name has an extension of its own.
    Q_INVOKABLE bool exportChosen(const QUrl& file, int nameFilterIndex);

    // The folder of the last export in this session, else the Documents folder.
    QUrl exportFolder() const;
    // "Recording 2026-12-08 10-32.srt" in exportFolder: when it started.
    QUrl proposedExportFile() const;
    static QStringList exportNameFilters();

    // "0.5x", "1x", "1.5x", "2x".
    Q_INVOKABLE static QString rateLabel(float rate);

signals:
    void hasPlayerChanged();
    void isPlayingChanged();
    void currentTimeChanged();
    void durationChanged();
    void playbackRateChanged();
    void displayModeChanged();
    void activeSegmentChanged();
    void exportMessageChanged();
    void exportNameFiltersChanged();
    // The interface's language changed: dates and lengths read anew.
    void textsChanged();
    void exportFolderChanged();
    // Asks the window to close.
    void closeRequested();

private:
    void tick();
    void startTimer();
    void stopTimer();
    void setIsPlaying(bool playing);
    void setCurrentTime(double seconds);
    void setDisplayMode(DisplayMode mode);
    void setExportMessage(const QString& message);
    QVariantList rateList() const;

    RecordingEntry m_recording;
    QUrl m_audioURL;
    std::unique_ptr<TranscriptSegmentModel> m_segments;
    std::unique_ptr<AudioPlayer> m_player;
    bool m_isPlaying = false;
    bool m_isDragging = false;
    bool m_isSetUp = false;
    double m_currentTime = 0;
    double m_duration = 0;
    float m_playbackRate = 1.0f;
    DisplayMode m_displayMode = DisplayMode::both;
    QTimer m_timer;
    int m_activeSegmentIndex = -1;
    QString m_exportMessage;
};

// The small rules of the playback views, reachable from QML.
class PlaybackStyle : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE static QString rateLabel(float rate) { return PlaybackController::rateLabel(rate); }
};

} // namespace tolvaran
