#include "PanelModel.h"

#include "live/TranslationViewModel.h"
#include "model/LanguageChange.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QUrl>

Q_LOGGING_CATEGORY(lcPanel, "com.tolvaran.app.Panel")

namespace tolvaran {

PanelModel::PanelModel(QObject* parent)
    : QObject(parent)
{
    onLanguageChange(this, [this] {
        emit stateChanged();
        emit roomChanged();
    });
}

void PanelModel::setViewModel(TranslationViewModel* viewModel)
{
    if (m_viewModel == viewModel)
        return;
    if (m_viewModel) {
        m_viewModel->session()->disconnect(this);
        m_viewModel->room()->disconnect(this);
        m_viewModel->recordingController()->disconnect(this);
    }
    m_viewModel = viewModel;
    if (viewModel) {
        const ListeningSession* session = viewModel->session();
        const RoomState* room = viewModel->room();
        const RecordingController* recordings = viewModel->recordingController();
        connect(session, &ListeningSession::stateChanged, this, &PanelModel::stateChanged);
        connect(session, &ListeningSession::stateChanged, this, &PanelModel::roomChanged);
        connect(room, &RoomState::isRoomModeChanged, this, &PanelModel::roomChanged);
        connect(room, &RoomState::roomSubscriberCountChanged, this, &PanelModel::roomChanged);
        connect(recordings, &RecordingController::recordingsChanged, this, &PanelModel::recordingsChanged);
        connect(session, &ListeningSession::stateChanged, this, &PanelModel::canRecordChanged);
        connect(recordings, &RecordingController::isRecordingChanged, this, &PanelModel::canRecordChanged);
    }
    emit viewModelChanged();
    emit stateChanged();
    emit roomChanged();
    emit recordingsChanged();
    emit canRecordChanged();
}

QString PanelModel::stateName(const ConnectionState& state)
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

QString PanelModel::trayIcon(const ConnectionState& state)
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

QString PanelModel::stateName() const
{
    return stateName(m_viewModel ? m_viewModel->state() : ConnectionState::disconnected());
}

QString PanelModel::statusText() const
{
    if (!m_viewModel)
        return ConnectionState::disconnected().statusText();
    // The header has room for what failed; the footer shows the whole text.
    if (const auto error = m_viewModel->state().error())
        return tr("Error: %1").arg(error->summary());
    return m_viewModel->statusText();
}

QString PanelModel::trayIcon() const
{
    return trayIcon(m_viewModel ? m_viewModel->state() : ConnectionState::disconnected());
}

bool PanelModel::isListening() const
{
    return m_viewModel && m_viewModel->isListening();
}

bool PanelModel::isReconnecting() const
{
    return m_viewModel && m_viewModel->session()->isReconnecting();
}

bool PanelModel::isConnecting() const
{
    return m_viewModel && m_viewModel->state().kind() == ConnectionState::Kind::connecting;
}

bool PanelModel::isError() const
{
    return m_viewModel && m_viewModel->state().kind() == ConnectionState::Kind::error;
}

QString PanelModel::errorDescription() const
{
    if (!m_viewModel || !m_viewModel->state().error())
        return QString();
    return m_viewModel->state().error()->errorDescription();
}

bool PanelModel::isRoomCardVisible() const
{
    return m_viewModel && m_viewModel->isRoomMode() && m_viewModel->isListening();
}

QString PanelModel::subscriberText() const
{
    return subscriberText(m_viewModel ? m_viewModel->roomSubscriberCount() : 0);
}

int PanelModel::recordingCount() const
{
    return m_viewModel ? int(m_viewModel->recordings().size()) : 0;
}

bool PanelModel::canRecord() const
{
    return m_viewModel && (m_viewModel->isRecording() || m_viewModel->isListening());
}

QString PanelModel::subscriberText(qint64 count)
{
    // English reads right without a catalogue; each text carries every
    // plural form of a language, chosen by the count.
    return count == 1 ? tr("%Ln subscriber", nullptr, int(count)) : tr("%Ln subscribers", nullptr, int(count));
}

void PanelModel::setSettings(AppSettings* settings)
{
    if (m_settings == settings)
        return;
    m_settings = settings;
    emit settingsChanged();
}

bool PanelModel::canConnect() const
{
    return m_settings && m_settings->isServerURLValid();
}

void PanelModel::toggleListening()
{
    if (!m_viewModel)
        return;
    if (m_viewModel->isListening())
        m_viewModel->stopListening();
    else if (canConnect())
        m_viewModel->startListening();
}

void PanelModel::startRoom()
{
    // The panel says why it cannot connect instead of failing later.
    if (!m_viewModel || !canConnect())
        return;
    m_viewModel->setIsRoomMode(true);
    m_viewModel->startListening();
}

void PanelModel::checkPermissions()
{
    if (!m_viewModel)
        return;
    m_viewModel->checkPermission();
    m_viewModel->checkMicPermission();
    // A new look at the panel starts without an old message.
    setFolderMessage({});
}

void PanelModel::openRecording(int row)
{
    if (m_viewModel && row >= 0 && row < m_viewModel->recordings().size())
        m_viewModel->openRecording(m_viewModel->recordings().at(row));
}

void PanelModel::deleteRecording(int row)
{
    if (m_viewModel && row >= 0 && row < m_viewModel->recordings().size())
        m_viewModel->deleteRecording(m_viewModel->recordings().at(row));
}

void PanelModel::copyShareLink()
{
    const std::optional<QString> url = m_viewModel ? m_viewModel->roomShareURL() : std::nullopt;
    if (!url)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(*url);
}

void PanelModel::openRecordingsFolder()
{
    if (!m_viewModel)
        return;
    RecordingStore& store = m_viewModel->recordingController()->store();
    store.ensureDirectory();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(store.activeDirectory()))) {
        setFolderMessage({});
        return;
    }
    qCWarning(lcPanel, "No file browser opened %s", qUtf8Printable(store.activeDirectory()));
    setFolderMessage(tr("No file manager could open the folder. It is at %1")
                         .arg(QDir::toNativeSeparators(store.activeDirectory())));
}

void PanelModel::setFolderMessage(const QString& message)
{
    if (message == m_folderMessage)
        return;
    m_folderMessage = message;
    emit folderMessageChanged();
}

void PanelModel::requestQuit()
{
    emit quitRequested();
}

} // namespace tolvaran
