#include "SettingsModel.h"

#include "audio/CallMonitorService.h"
#include "desktop/SoundSettings.h"
#include "model/ServerIdentity.h"
#include "recordings/RecordingStore.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace tolvaran {

namespace {

template<typename E>
E fromIndex(int index, E fallback)
{
    if (index < 0 || static_cast<std::size_t>(index) >= caseCount<E>)
        return fallback;
    return static_cast<E>(index);
}

QString truncated(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(static_cast<qint64>(std::trunc(value)));
}

static_assert(SettingsModel::General == int(AppSettings::SettingsTab::general));
static_assert(SettingsModel::Audio == int(AppSettings::SettingsTab::audio));
static_assert(SettingsModel::Advanced + 1 == caseCount<AppSettings::SettingsTab>);

} // namespace

SettingsModel::SettingsModel(QObject* parent)
    : QObject(parent)
{ }

SettingsModel::~SettingsModel()
{
    watchApplications(false);
}

AppSettings* SettingsModel::settings() const
{
    return m_viewModel ? &m_viewModel->settings() : nullptr;
}

void SettingsModel::setViewModel(TranslationViewModel* viewModel)
{
    if (m_viewModel == viewModel)
        return;
    for (const auto& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    watchApplications(false);
    m_viewModel = viewModel;
    watchApplications(m_watchesApplications);
    rememberApplicationNames();
    if (viewModel) {
        AppSettings& s = viewModel->settings();
        const auto listening = [this] {
            emit listeningChanged();
            emit autoDetectChanged();
        };
        m_connections << connect(viewModel, &TranslationViewModel::stateChanged, this, listening)
                      << connect(&s, &AppSettings::isAutoDetectEnabledChanged, this, &SettingsModel::autoDetectChanged)
                      << connect(&viewModel->callMonitor(), &CallMonitorService::isCallActiveChanged, this,
                             &SettingsModel::autoDetectChanged)
                      << connect(&s, &AppSettings::selectedLanguageChanged, this, &SettingsModel::languagesChanged)
                      << connect(&s, &AppSettings::speakerLanguagesChanged, this, &SettingsModel::languagesChanged)
                      << connect(&s, &AppSettings::serverURLChanged, this, &SettingsModel::languagesChanged)
                      << connect(&s, &AppSettings::displayModeChanged, this, &SettingsModel::displayModeChanged)
                      << connect(&s, &AppSettings::subtitlesSideChanged, this, &SettingsModel::subtitlesSideChanged)
                      << connect(&s, &AppSettings::recordingsFolderChanged, this, &SettingsModel::folderChanged)
                      << connect(&s, &AppSettings::captureScopeChanged, this, &SettingsModel::captureChanged)
                      << connect(&viewModel->audioService(), &AudioCapture::playingApplicationsChanged, this,
                             [this] {
                                 rememberApplicationNames();
                                 emit captureChanged();
                             })
                      << connect(viewModel, &TranslationViewModel::selectedMicDeviceUIDChanged, this,
                             &SettingsModel::micDevicesChanged)
                      << connect(viewModel, &TranslationViewModel::hasMicPermissionChanged, this,
                             &SettingsModel::micDevicesChanged);
        QAbstractItemModel* devices = viewModel->micDeviceModel();
        // Microphones come and go: the list is read again on any change.
        m_connections << connect(devices, &QAbstractItemModel::modelReset, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::layoutChanged, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::rowsInserted, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::rowsRemoved, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::dataChanged, this, &SettingsModel::micDevicesChanged);
    }
    emit sourcesChanged();
    emit listeningChanged();
    emit autoDetectChanged();
    emit languagesChanged();
    emit displayModeChanged();
    emit subtitlesSideChanged();
    emit micDevicesChanged();
    emit captureChanged();
    emit folderChanged();
}

bool SettingsModel::canEditConnection() const
{
    return m_viewModel && !m_viewModel->isListening();
}

bool SettingsModel::canToggleAutoDetect() const
{
    return m_viewModel && (!m_viewModel->isListening() || m_viewModel->settings().isAutoDetectEnabled());
}

bool SettingsModel::isCallDetected() const
{
    return m_viewModel && m_viewModel->isCallDetected();
}

QString SettingsModel::callStatusText() const
{
    return isCallDetected() ? QStringLiteral("Teams call detected") : QStringLiteral("Monitoring for Teams calls...");
}

QStringList SettingsModel::tabLabels()
{
    QStringList labels;
    for (const auto tab : allCases<AppSettings::SettingsTab>())
        labels.append(label(tab));
    return labels;
}

QStringList SettingsModel::tabIcons()
{
    QStringList icons;
    for (const auto tab : allCases<AppSettings::SettingsTab>())
        icons.append(icon(tab));
    return icons;
}

QStringList SettingsModel::languageLabels()
{
    QStringList labels;
    for (std::size_t i = 0; i < caseCount<TargetLanguage>; ++i) {
        const auto language = static_cast<TargetLanguage>(i);
        labels.append(flag(language) + QLatin1Char(' ') + displayName(language));
    }
    return labels;
}

QStringList SettingsModel::displayModeLabels()
{
    static_assert(caseCount<DisplayMode> == 3);
    return {QStringLiteral("Translated"), QStringLiteral("Both"), QStringLiteral("Original")};
}

QStringList SettingsModel::subtitlesSideLabels()
{
    static_assert(caseCount<AppSettings::SubtitlesSide> == 3);
    return {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
}

QStringList SettingsModel::targetLanguageLabels() const
{
    QStringList labels = languageLabels();
    if (!settings() || !ServerIdentity::isLocalServerAddress(settings()->serverURL()))
        return labels;
    const QStringList served = ServerIdentity::bundledTargetLanguages();
    for (std::size_t i = 0; i < caseCount<TargetLanguage>; ++i) {
        if (!served.contains(rawValue(static_cast<TargetLanguage>(i))))
            labels[qsizetype(i)] += QStringLiteral(" (transcript only)");
    }
    return labels;
}

int SettingsModel::selectedLanguageIndex() const
{
    return settings() ? static_cast<int>(settings()->selectedLanguage()) : 0;
}

QVariantList SettingsModel::speakerLanguageFlags() const
{
    QVariantList flags;
    const LanguageSet spoken = settings() ? settings()->speakerLanguages() : LanguageSet();
    for (std::size_t i = 0; i < caseCount<TargetLanguage>; ++i)
        flags.append(spoken.contains(static_cast<TargetLanguage>(i)));
    return flags;
}

int SettingsModel::displayModeIndex() const
{
    return settings() ? static_cast<int>(settings()->displayMode()) : 0;
}

int SettingsModel::subtitlesSideIndex() const
{
    return settings() ? static_cast<int>(settings()->subtitlesSide()) : 0;
}

QStringList SettingsModel::micDeviceLabels() const
{
    QStringList labels{QStringLiteral("System Default")};
    if (m_viewModel)
        for (const MicDevice& device : m_viewModel->availableMicDevices())
            labels.append(device.name);
    return labels;
}

int SettingsModel::selectedMicIndex() const
{
    if (!m_viewModel || !m_viewModel->selectedMicDeviceUID())
        return 0;
    const QList<MicDevice> devices = m_viewModel->availableMicDevices();
    for (qsizetype i = 0; i < devices.size(); ++i)
        if (devices.at(i).id == *m_viewModel->selectedMicDeviceUID())
            return static_cast<int>(i + 1);
    // A chosen device that is gone: the capture falls back to the default.
    return 0;
}

QList<SettingsModel::CaptureEntry> SettingsModel::captureEntries() const
{
    QList<CaptureEntry> entries{{AppSettings::systemCaptureScope, QStringLiteral("All system audio")},
        {AppSettings::callAppCaptureScope, QStringLiteral("Only the call (Teams)")}};
    if (!m_viewModel)
        return entries;
    const QString chosen = AppSettings::knownCaptureScope(m_viewModel->settings().captureScope());
    bool isChosenListed = !chosen.startsWith(AppSettings::appCaptureScopePrefix);
    for (const PlayingApplication& application : m_viewModel->audioService().playingApplications()) {
        const QString scope = AppSettings::appCaptureScopePrefix + application.binary;
        isChosenListed = isChosenListed || scope == chosen;
        entries.append({scope, application.name});
    }
    if (!isChosenListed) {
        const QString binary = chosen.mid(AppSettings::appCaptureScopePrefix.size());
        entries.append({chosen, m_applicationNames.value(binary, binary)});
    }
    return entries;
}

QStringList SettingsModel::captureLabels() const
{
    QStringList labels;
    for (const CaptureEntry& entry : captureEntries())
        labels.append(entry.label);
    return labels;
}

QStringList SettingsModel::captureScopes() const
{
    QStringList scopes;
    for (const CaptureEntry& entry : captureEntries())
        scopes.append(entry.scope);
    return scopes;
}

int SettingsModel::selectedCaptureIndex() const
{
    if (!m_viewModel)
        return 0;
    return std::max(0, int(captureScopes().indexOf(AppSettings::knownCaptureScope(settings()->captureScope()))));
}

void SettingsModel::selectCapture(int index)
{
    const QList<CaptureEntry> entries = captureEntries();
    if (!settings() || index < 0 || index >= entries.size())
        return;
    settings()->setCaptureScope(entries.at(index).scope);
}

void SettingsModel::setWatchesApplications(bool watches)
{
    if (watches == m_watchesApplications)
        return;
    watchApplications(false);
    m_watchesApplications = watches;
    watchApplications(watches);
    emit watchesApplicationsChanged();
}

void SettingsModel::rememberApplicationNames()
{
    if (!m_viewModel)
        return;
    for (const PlayingApplication& application : m_viewModel->audioService().playingApplications())
        m_applicationNames.insert(application.binary, application.name);
}

// Holds or lets go of the view model's list of playing programs.
void SettingsModel::watchApplications(bool watches)
{
    // A view model that is gone holds nothing any more.
    if (!m_viewModel)
        m_isHoldingApplications = false;
    if (!m_viewModel || m_isHoldingApplications == watches)
        return;
    m_isHoldingApplications = watches;
    if (watches)
        m_viewModel->audioService().watchPlayingApplications();
    else
        m_viewModel->audioService().unwatchPlayingApplications();
}

QString SettingsModel::folderName() const
{
    if (!hasCustomFolder())
        return QStringLiteral("Default");
    return QFileInfo(QDir::cleanPath(settings()->recordingsFolder().toLocalFile())).fileName();
}

QString SettingsModel::folderPath() const
{
    if (hasCustomFolder())
        return QDir::toNativeSeparators(settings()->recordingsFolder().toLocalFile());
    return QDir::toNativeSeparators(RecordingStore::recordingsDirectory());
}

QUrl SettingsModel::folderURL() const
{
    return hasCustomFolder() ? settings()->recordingsFolder()
                             : QUrl::fromLocalFile(RecordingStore::recordingsDirectory());
}

bool SettingsModel::hasCustomFolder() const
{
    return settings() && !settings()->recordingsFolder().isEmpty();
}

QString SettingsModel::percentText(double value)
{
    // 0.95 * 100 is 94.99999...; the caption shows what the slider means.
    return truncated(std::round(value * 100 * 1e6) / 1e6) + QLatin1Char('%');
}

QString SettingsModel::lengthText(double value)
{
    return truncated(value) + QStringLiteral(" px");
}

QString SettingsModel::pointText(double value)
{
    return truncated(value) + QStringLiteral(" pt");
}

QString SettingsModel::secondsText(double value)
{
    return QString::asprintf("%.1f", value) + QLatin1Char('s');
}

void SettingsModel::selectLanguage(int index)
{
    if (settings() && canEditConnection())
        settings()->setSelectedLanguage(fromIndex(index, settings()->selectedLanguage()));
}

void SettingsModel::setSpeakerLanguage(int index, bool isSpoken)
{
    if (!settings() || !canEditConnection() || index < 0
        || static_cast<std::size_t>(index) >= caseCount<TargetLanguage>)
        return;
    LanguageSet spoken = settings()->speakerLanguages();
    const auto language = static_cast<TargetLanguage>(index);
    if (isSpoken)
        spoken.insert(language);
    else
        spoken.remove(language);
    settings()->setSpeakerLanguages(spoken);
}

void SettingsModel::setDisplayMode(int index)
{
    if (settings())
        settings()->setDisplayMode(fromIndex(index, settings()->displayMode()));
}

void SettingsModel::setSubtitlesSide(int index)
{
    if (settings())
        settings()->setSubtitlesSide(fromIndex(index, settings()->subtitlesSide()));
}

void SettingsModel::setAutoDetect(bool enabled)
{
    if (!m_viewModel || (enabled && !canToggleAutoDetect()))
        return;
    const bool changed = enabled != m_viewModel->settings().isAutoDetectEnabled();
    m_viewModel->settings().setIsAutoDetectEnabled(enabled);
    if (!changed)
        return;
    if (enabled)
        m_viewModel->callMonitor().startMonitoring();
    else
        m_viewModel->callMonitor().stopMonitoring();
}

void SettingsModel::selectMic(int index)
{
    if (!m_viewModel)
        return;
    const QList<MicDevice> devices = m_viewModel->availableMicDevices();
    if (index <= 0 || index > devices.size())
        m_viewModel->setSelectedMicDeviceUID(std::nullopt);
    else
        m_viewModel->setSelectedMicDeviceUID(devices.at(index - 1).id);
}

void SettingsModel::refreshMicDevices()
{
    if (m_viewModel)
        m_viewModel->checkMicPermission();
}

void SettingsModel::chooseFolder(const QUrl& folder)
{
    if (!settings() || !folder.isLocalFile())
        return;
    if (folder == settings()->recordingsFolder()) {
        // Chosen again: it may have been removed or filled meanwhile.
        m_viewModel->recordingStore().setCustomDirectory(folder, RecordingStore::Loading::inBackground);
        return;
    }
    // The view model points the recording store at it, creates and lists it.
    settings()->setRecordingsFolder(folder);
}

void SettingsModel::resetFolder()
{
    if (settings())
        settings()->setRecordingsFolder(QUrl());
}

bool SettingsModel::openSoundSettings()
{
    return tolvaran::openSoundSettings();
}

} // namespace tolvaran
