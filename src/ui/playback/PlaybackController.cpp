#include "PlaybackController.h"

#include "ParagraphGrouper.h"
#include "audio/AudioPlayer.h"
#include "model/LanguageChange.h"
#include "recordings/RecordingTimes.h"
#include "recordings/TranscriptExport.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPlayback, "com.tolvaran.app.Playback")

namespace tolvaran {

QList<TranscriptSegment> groupedSegments(const QList<TimedTranscriptLine>& transcript, double silenceGap)
{
    // The overlay's paragraph rule, with the lines placed on a clock of
    // their own: their offsets from the start of the recording.
    QList<TranslationLine> lines;
    lines.reserve(transcript.size());
    for (const TimedTranscriptLine& timed : transcript) {
        TranslationLine line;
        line.id = timed.id;
        line.speaker = timed.speaker;
        line.originalText = timed.originalText;
        line.translatedText = timed.translatedText;
        line.language = timed.language;
        line.timestamp = QDateTime::fromMSecsSinceEpoch(timed.offsetMs, Qt::UTC);
        lines.append(line);
    }
    QList<TranscriptSegment> segments;
    for (const TranslationParagraph& paragraph : ParagraphGrouper::group(lines, {}, silenceGap))
        segments.append({paragraph.id, paragraph.speaker, paragraph.timestamp.toMSecsSinceEpoch(),
            paragraph.originalText, paragraph.translatedText, paragraph.language});
    return segments;
}

TranscriptSegmentModel::TranscriptSegmentModel(QList<TranscriptSegment> segments, QObject* parent)
    : QAbstractListModel(parent)
    , m_segments(std::move(segments))
{ }

int TranscriptSegmentModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_segments.size());
}

QVariant TranscriptSegmentModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TranscriptSegment& segment = m_segments.at(index.row());
    switch (role) {
    case SegmentIdRole:
        return segment.id.toString(QUuid::WithoutBraces);
    case SpeakerRole:
        return segment.speaker;
    case OffsetMsRole:
        return segment.offsetMs;
    case TimeLabelRole:
        return RecordingTimes::formatDuration(double(segment.offsetMs) / 1000);
    case OriginalTextRole:
        return segment.originalText;
    case TranslatedTextRole:
        return segment.translatedText;
    default:
        return {};
    }
}

void TranscriptSegmentModel::refreshTexts()
{
    if (!m_segments.isEmpty())
        emit dataChanged(index(0), index(int(m_segments.size()) - 1), {TimeLabelRole});
}

QHash<int, QByteArray> TranscriptSegmentModel::roleNames() const
{
    return {{SegmentIdRole, "segmentId"}, {SpeakerRole, "speaker"}, {OffsetMsRole, "offsetMs"},
        {TimeLabelRole, "timeLabel"}, {OriginalTextRole, "originalText"}, {TranslatedTextRole, "translatedText"}};
}

PlaybackController::PlaybackController(RecordingEntry recording, QUrl audioURL, double silenceGap, QObject* parent)
    : QObject(parent)
    , m_recording(std::move(recording))
    , m_audioURL(std::move(audioURL))
    , m_segments(std::make_unique<TranscriptSegmentModel>(groupedSegments(m_recording.transcript, silenceGap)))
{
    m_timer.setInterval(timerIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PlaybackController::tick);
    onLanguageChange(this, [this] {
        emit exportNameFiltersChanged();
        emit textsChanged();
        emit currentTimeChanged();
        emit durationChanged();
        m_segments->refreshTexts();
    });
}

PlaybackController::~PlaybackController()
{
    cleanup();
}

void PlaybackController::setupPlayer()
{
    // Once: a file that cannot be played is not tried again.
    if (std::exchange(m_isSetUp, true) || !m_audioURL.isLocalFile())
        return;
    m_player = AudioPlayer::load(m_audioURL.toLocalFile());
    if (!m_player)
        return;
    // The end is seen at once rather than at the next tick.
    connect(m_player.get(), &AudioPlayer::finished, this, &PlaybackController::tick);
    connect(m_player.get(), &AudioPlayer::errorOccurred, this, &PlaybackController::tick);
    m_duration = m_player->duration();
    emit durationChanged();
    emit hasPlayerChanged();
}

void PlaybackController::cleanup()
{
    stopTimer();
    if (m_player) {
        m_player->stop();
        m_player.reset();
        emit hasPlayerChanged();
    }
    setIsPlaying(false);
}

void PlaybackController::setPlaybackRate(float rate)
{
    if (m_playbackRate == rate)
        return;
    m_playbackRate = rate;
    if (m_player)
        m_player->setRate(rate);
    emit playbackRateChanged();
}

bool PlaybackController::showsOriginal() const
{
    return m_displayMode != DisplayMode::translatedOnly;
}

bool PlaybackController::showsTranslation() const
{
    return m_displayMode != DisplayMode::originalOnly;
}

std::optional<QUuid> PlaybackController::activeSegmentId() const
{
    if (m_activeSegmentIndex < 0)
        return std::nullopt;
    return segments().at(m_activeSegmentIndex).id;
}

QString PlaybackController::dateText() const
{
    return RecordingTimes::formatStartDate(toDateTime(m_recording.date), m_recording.duration);
}

QString PlaybackController::summaryText() const
{
    // The count is of transcript lines, not of the cards shown.
    const int count = int(m_recording.transcript.size());
    // English reads right without a catalogue; each text carries every
    // plural form of a language, chosen by the count.
    const QString segments = count == 1 ? tr("%Ln segment", nullptr, count) : tr("%Ln segments", nullptr, count);
    return segments + QStringLiteral(" • ") + RecordingTimes::formatDuration(m_recording.duration);
}

void PlaybackController::togglePlayback()
{
    if (!m_player)
        return;
    if (m_isPlaying) {
        m_player->pause();
        stopTimer();
    } else {
        if (m_player->rate() != m_playbackRate)
            m_player->setRate(m_playbackRate);
        m_player->play();
        startTimer();
    }
    setIsPlaying(!m_isPlaying);
}

void PlaybackController::startTimer()
{
    m_timer.start();
}

void PlaybackController::stopTimer()
{
    m_timer.stop();
}

void PlaybackController::tick()
{
    if (!m_player || m_isDragging)
        return;
    setCurrentTime(m_player->currentTime());
    updateActiveSegment();
    if (!m_player->isPlaying() && m_isPlaying) {
        setIsPlaying(false);
        stopTimer();
    }
}

void PlaybackController::updateActiveSegment()
{
    const auto ms = qint64(m_currentTime * 1000);
    const QList<TranscriptSegment>& list = segments();
    int found = -1;
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        if (list[i].offsetMs <= ms) {
            found = int(i);
            break;
        }
    }
    if (found == m_activeSegmentIndex)
        return;
    m_activeSegmentIndex = found;
    emit activeSegmentChanged();
}

void PlaybackController::seekTo(qint64 milliseconds)
{
    const double seconds = double(milliseconds) / 1000;
    if (m_player)
        m_player->setCurrentTime(seconds);
    setCurrentTime(seconds);
    updateActiveSegment();
    if (!m_isPlaying)
        togglePlayback();
}

void PlaybackController::seekRelative(double seconds)
{
    if (!m_player)
        return;
    const double target = std::clamp(m_player->currentTime() + seconds, 0.0, m_player->duration());
    m_player->setCurrentTime(target);
    setCurrentTime(target);
    updateActiveSegment();
}

void PlaybackController::toggleOriginal()
{
    setDisplayMode(m_displayMode == DisplayMode::translatedOnly ? DisplayMode::both : DisplayMode::translatedOnly);
}

void PlaybackController::toggleTranslate()
{
    setDisplayMode(m_displayMode == DisplayMode::originalOnly ? DisplayMode::both : DisplayMode::originalOnly);
}

void PlaybackController::close()
{
    emit closeRequested();
}

void PlaybackController::beginSliderDrag()
{
    m_isDragging = true;
    if (m_player)
        m_player->pause();
}

void PlaybackController::moveSlider(double seconds)
{
    setCurrentTime(std::clamp(seconds, 0.0, std::max(m_duration, 0.0)));
    updateActiveSegment();
}

void PlaybackController::endSliderDrag()
{
    m_isDragging = false;
    if (!m_player)
        return;
    m_player->setCurrentTime(m_currentTime);
    if (m_isPlaying)
        m_player->play();
}

namespace {

constexpr TranscriptFormat exportFormats[] = {TranscriptFormat::srt, TranscriptFormat::vtt, TranscriptFormat::txt};

// Where the last export went, for the next one in this session.
QString& lastExportFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QStringList PlaybackController::exportNameFilters()
{
    return {tr("SubRip subtitles (*.srt)"), tr("WebVTT subtitles (*.vtt)"), tr("Plain text (*.txt)")};
}

QUrl PlaybackController::exportFolder() const
{
    QString folder = lastExportFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QUrl::fromLocalFile(folder);
}

QUrl PlaybackController::proposedExportFile() const
{
    const QDateTime started
        = RecordingTimes::recordingStart(toDateTime(m_recording.date), m_recording.duration).toLocalTime();
    const QString name = tr("Recording %1").arg(started.toString(QStringLiteral("yyyy-MM-dd HH-mm"))) + u'.'
        + fileExtension(exportFormats[0]);
    return QUrl::fromLocalFile(QDir(exportFolder().toLocalFile()).filePath(name));
}

bool PlaybackController::exportChosen(const QUrl& file, int nameFilterIndex)
{
    const TranscriptFormat format = nameFilterIndex >= 0 && nameFilterIndex < int(std::size(exportFormats))
        ? exportFormats[nameFilterIndex]
        : exportFormats[0];
    return exportTo(file, fileExtension(format));
}

bool PlaybackController::exportTo(const QUrl& file, const QString& formatName)
{
    if (file.isEmpty()) {
        setExportMessage(tr("Export failed: no file was chosen"));
        return false;
    }
    if (!file.isLocalFile()) {
        setExportMessage(
            tr("Export failed: %1 is not a file on this computer").arg(file.toDisplayString(QUrl::PreferLocalFile)));
        return false;
    }
    QString path = file.toLocalFile();
    std::optional<TranscriptFormat> format = transcriptFormatNamed(QFileInfo(path).suffix().toLower());
    if (!format) {
        format = transcriptFormatNamed(formatName);
        if (!format)
            format = TranscriptFormat::srt;
        path += u'.' + fileExtension(*format);
    }
    const TranscriptText text = m_displayMode == DisplayMode::translatedOnly ? TranscriptText::translation
        : m_displayMode == DisplayMode::originalOnly                         ? TranscriptText::original
                                                                             : TranscriptText::both;
    QString reason;
    if (!writeTranscriptFile(path, m_recording, *format, text, &reason)) {
        qCWarning(lcPlayback, "Export to %s failed: %s", qUtf8Printable(path), qUtf8Printable(reason));
        setExportMessage(tr("Export failed: %1").arg(reason));
        return false;
    }
    qCInfo(lcPlayback, "Exported the transcript to %s", qUtf8Printable(path));
    const QString folder = QFileInfo(path).absolutePath();
    if (std::exchange(lastExportFolder(), folder) != folder)
        emit exportFolderChanged();
    setExportMessage(tr("Exported to %1").arg(QFileInfo(path).fileName()));
    return true;
}

QString PlaybackController::rateLabel(float rate)
{
    return (rate == 1.0f || rate == 2.0f ? QString::asprintf("%.0f", double(rate))
                                         : QString::asprintf("%.1f", double(rate)))
        + u'x';
}

void PlaybackController::setIsPlaying(bool playing)
{
    if (m_isPlaying == playing)
        return;
    m_isPlaying = playing;
    emit isPlayingChanged();
}

void PlaybackController::setCurrentTime(double seconds)
{
    if (m_currentTime == seconds)
        return;
    m_currentTime = seconds;
    emit currentTimeChanged();
}

void PlaybackController::setDisplayMode(DisplayMode mode)
{
    if (m_displayMode == mode)
        return;
    m_displayMode = mode;
    emit displayModeChanged();
}

void PlaybackController::setExportMessage(const QString& message)
{
    if (m_exportMessage == message)
        return;
    m_exportMessage = message;
    emit exportMessageChanged();
}

QVariantList PlaybackController::rateList() const
{
    QVariantList list;
    for (const float rate : rates)
        list.append(rate);
    return list;
}

} // namespace tolvaran
