#include "MenuBarModel.h"

#include "live/TranslationViewModel.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

Q_LOGGING_CATEGORY(lcMenuBar, "com.tolvaran.app.MenuBar")

namespace tolvaran {

MenuBarModel::MenuBarModel(QObject* parent)
    : QObject(parent)
{ }

void MenuBarModel::setViewModel(TranslationViewModel* viewModel)
{
    if (m_viewModel == viewModel)
        return;
    if (m_viewModel)
        m_viewModel->disconnect(this);
    m_viewModel = viewModel;
    if (viewModel) {
        connect(viewModel, &TranslationViewModel::stateChanged, this, &MenuBarModel::stateChanged);
        connect(viewModel, &TranslationViewModel::stateChanged, this, &MenuBarModel::roomChanged);
        connect(viewModel, &TranslationViewModel::isRoomModeChanged, this, &MenuBarModel::roomChanged);
        connect(viewModel, &TranslationViewModel::roomSubscriberCountChanged, this, &MenuBarModel::roomChanged);
        connect(viewModel, &TranslationViewModel::recordingsChanged, this, &MenuBarModel::recordingsChanged);
        connect(viewModel, &TranslationViewModel::stateChanged, this, &MenuBarModel::canRecordChanged);
        connect(viewModel, &TranslationViewModel::isRecordingChanged, this, &MenuBarModel::canRecordChanged);
    }
    emit viewModelChanged();
    emit stateChanged();
    emit roomChanged();
    emit recordingsChanged();
    emit canRecordChanged();
}

QString MenuBarModel::stateName(const ConnectionState& state)
{
    switch (state.kind()) {
    case ConnectionState::Kind::disconnected:
        return QStringLiteral("disconnected");
    case ConnectionState::Kind::connecting:
        return QStringLiteral("connecting");
    case ConnectionState::Kind::connected:
        return QStringLiteral("connected");
    case ConnectionState::Kind::listening:
        return QStringLiteral("listening");
    case ConnectionState::Kind::error:
        break;
    }
    return QStringLiteral("error");
}

QString MenuBarModel::menuBarIcon(const ConnectionState& state)
{
    switch (state.kind()) {
    case ConnectionState::Kind::disconnected:
        return QStringLiteral("waveform.circle");
    case ConnectionState::Kind::connecting:
    case ConnectionState::Kind::connected:
        return QStringLiteral("arrow.trianglehead.2.clockwise.rotate.90.circle");
    case ConnectionState::Kind::listening:
        return QStringLiteral("waveform.circle.fill");
    case ConnectionState::Kind::error:
        break;
    }
    return QStringLiteral("exclamationmark.triangle");
}

QString MenuBarModel::stateName() const
{
    return stateName(m_viewModel ? m_viewModel->state() : ConnectionState::disconnected());
}

QString MenuBarModel::statusText() const
{
    if (!m_viewModel)
        return ConnectionState::disconnected().statusText();
    // The header has room for what failed; the footer shows the whole text.
    if (const auto error = m_viewModel->state().error())
        return QStringLiteral("Error: ") + error->errorDescription().section(QStringLiteral(": "), 0, 0);
    return m_viewModel->statusText();
}

QString MenuBarModel::menuBarIcon() const
{
    return menuBarIcon(m_viewModel ? m_viewModel->state() : ConnectionState::disconnected());
}

bool MenuBarModel::isListening() const
{
    return m_viewModel && m_viewModel->isListening();
}

bool MenuBarModel::isConnecting() const
{
    return m_viewModel && m_viewModel->state().kind() == ConnectionState::Kind::connecting;
}

bool MenuBarModel::isError() const
{
    return m_viewModel && m_viewModel->state().kind() == ConnectionState::Kind::error;
}

QString MenuBarModel::errorDescription() const
{
    if (!m_viewModel || !m_viewModel->state().error())
        return QString();
    return m_viewModel->state().error()->errorDescription();
}

bool MenuBarModel::isRoomCardVisible() const
{
    return m_viewModel && m_viewModel->isRoomMode() && m_viewModel->isListening();
}

QString MenuBarModel::subscriberText() const
{
    return subscriberText(m_viewModel ? m_viewModel->roomSubscriberCount() : 0);
}

int MenuBarModel::recordingCount() const
{
    return m_viewModel ? int(m_viewModel->recordings().size()) : 0;
}

bool MenuBarModel::canRecord() const
{
    return m_viewModel && (m_viewModel->isRecording() || m_viewModel->isListening());
}

QString MenuBarModel::subscriberText(qint64 count)
{
    return QString::number(count) + QStringLiteral(" subscriber") + (count == 1 ? QString() : QStringLiteral("s"));
}

QString MenuBarModel::formatDuration(double seconds)
{
    // A duration read from a file may be anything.
    const qint64 whole = std::isfinite(seconds) && seconds > 0 && seconds < 1e12 ? qint64(seconds) : 0;
    return QString::asprintf("%lld:%02lld", whole / 60, whole % 60);
}

QString MenuBarModel::formatDate(const QDateTime& date, const QLocale& locale)
{
    // Qt has a long and a short date style; the medium one is the long one
    // without the weekday and with abbreviated month names.
    QString dateFormat = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[^dMy']*"));
    dateFormat.remove(weekday);
    dateFormat.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    // Some locales' short time still shows seconds.
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    timeFormat.remove(seconds);
    const QDateTime local = date.toLocalTime();
    return locale.toString(local.date(), dateFormat.trimmed()) + QStringLiteral(", ")
        + locale.toString(local.time(), timeFormat);
}

QDateTime MenuBarModel::recordingStart(const QDateTime& savedAt, double durationSeconds)
{
    if (!std::isfinite(durationSeconds) || durationSeconds <= 0)
        return savedAt;
    return savedAt.addMSecs(-std::llround(std::min(durationSeconds, maxDurationSeconds) * 1000));
}

QString MenuBarModel::formatStartDate(const QDateTime& savedAt, double durationSeconds, const QLocale& locale)
{
    return formatDate(recordingStart(savedAt, durationSeconds), locale);
}

void MenuBarModel::toggleListening()
{
    if (!m_viewModel)
        return;
    if (m_viewModel->isListening())
        m_viewModel->stopListening();
    else if (m_viewModel->settings().isServerURLValid())
        m_viewModel->startListening();
}

void MenuBarModel::startRoom()
{
    // The panel says why it cannot connect instead of failing later.
    if (!m_viewModel || !m_viewModel->settings().isServerURLValid())
        return;
    m_viewModel->setIsRoomMode(true);
    m_viewModel->startListening();
}

void MenuBarModel::checkPermissions()
{
    if (!m_viewModel)
        return;
    m_viewModel->checkPermission();
    m_viewModel->checkMicPermission();
    // A new look at the panel starts without an old message.
    setFolderMessage({});
}

void MenuBarModel::openRecording(int row)
{
    if (m_viewModel && row >= 0 && row < m_viewModel->recordings().size())
        m_viewModel->openRecording(m_viewModel->recordings().at(row));
}

void MenuBarModel::deleteRecording(int row)
{
    if (m_viewModel && row >= 0 && row < m_viewModel->recordings().size())
        m_viewModel->deleteRecording(m_viewModel->recordings().at(row));
}

void MenuBarModel::copyShareLink()
{
    const std::optional<QString> url = m_viewModel ? m_viewModel->roomShareURL() : std::nullopt;
    if (!url)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(*url);
}

void MenuBarModel::openRecordingsFolder()
{
    if (!m_viewModel)
        return;
    RecordingStore& store = m_viewModel->recordingStore();
    store.ensureDirectory();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(store.activeDirectory()))) {
        setFolderMessage({});
        return;
    }
    qCWarning(lcMenuBar, "No file browser opened %s", qUtf8Printable(store.activeDirectory()));
    setFolderMessage(QStringLiteral("No file manager could open the folder. It is at ")
        + QDir::toNativeSeparators(store.activeDirectory()));
}

void MenuBarModel::setFolderMessage(const QString& message)
{
    if (message == m_folderMessage)
        return;
    m_folderMessage = message;
    emit folderMessageChanged();
}

bool MenuBarModel::openSoundSettings()
{
    const QList<QStringList> candidates{
        {QStringLiteral("pavucontrol")},
        {QStringLiteral("pavucontrol-qt")},
        {QStringLiteral("gnome-control-center"), QStringLiteral("sound")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_pulseaudio")},
    };
    for (const QStringList& command : candidates) {
        const QString program = QStandardPaths::findExecutable(command.first());
        if (!program.isEmpty() && QProcess::startDetached(program, command.mid(1)))
            return true;
    }
    qCInfo(lcMenuBar, "No sound settings application found");
    return false;
}

void MenuBarModel::requestQuit()
{
    emit quitRequested();
}

} // namespace tolvaran
