#include "SettingsModel.h"

#include "audio/CallMonitorService.h"
#include "desktop/SoundSettings.h"
#include "model/LanguageChange.h"
#include "model/ServerIdentity.h"
#include "recordings/RecordingStore.h"
#include "settings/InterfaceLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLocale>
#include <QRegularExpression>

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
{
    onLanguageChange(this, [this] {
        emit textsChanged();
        emit autoDetectChanged();
        emit languagesChanged();
        emit micDevicesChanged();
        emit captureChanged();
        emit folderChanged();
    });
}

SettingsModel::~SettingsModel()
{
    watchApplications(false);
}

void SettingsModel::setViewModel(TranslationViewModel* viewModel)
{
    if (m_viewModel == viewModel)
        return;
    m_viewModel = viewModel;
    rewire();
}

void SettingsModel::setServices(
    AppSettings* settings, AudioCapture* capture, CallMonitorService* callMonitor, RecordingStore* recordingStore)
{
    if (m_settings == settings && m_capture == capture && m_callMonitor == callMonitor
        && m_recordingStore == recordingStore)
        return;
    // The old capture's list of playing programs is let go before it changes.
    watchApplications(false);
    m_settings = settings;
    m_capture = capture;
    m_callMonitor = callMonitor;
    m_recordingStore = recordingStore;
    rewire();
}

void SettingsModel::rewire()
{
    for (const auto& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    watchApplications(m_watchesApplications);
    rememberApplicationNames();
    const auto listening = [this] {
        emit listeningChanged();
        emit autoDetectChanged();
    };
    if (m_viewModel) {
        m_connections << connect(m_viewModel->session(), &ListeningSession::stateChanged, this, listening)
                      << connect(m_viewModel, &TranslationViewModel::selectedMicDeviceUIDChanged, this,
                             &SettingsModel::micDevicesChanged)
                      << connect(m_viewModel, &TranslationViewModel::hasMicPermissionChanged, this,
                             &SettingsModel::micDevicesChanged);
        QAbstractItemModel* devices = m_viewModel->micDeviceModel();
        // Microphones come and go: the list is read again on any change.
        m_connections << connect(devices, &QAbstractItemModel::modelReset, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::layoutChanged, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::rowsInserted, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::rowsRemoved, this, &SettingsModel::micDevicesChanged)
                      << connect(devices, &QAbstractItemModel::dataChanged, this, &SettingsModel::micDevicesChanged);
    }
    if (AppSettings* s = m_settings.data()) {
        m_connections << connect(s, &AppSettings::isAutoDetectEnabledChanged, this, &SettingsModel::autoDetectChanged)
                      << connect(s, &AppSettings::selectedLanguageChanged, this, &SettingsModel::languagesChanged)
                      << connect(s, &AppSettings::speakerLanguagesChanged, this, &SettingsModel::languagesChanged)
                      << connect(s, &AppSettings::serverURLChanged, this, &SettingsModel::languagesChanged)
                      << connect(s, &AppSettings::displayModeChanged, this, &SettingsModel::displayModeChanged)
                      << connect(s, &AppSettings::subtitlesSideChanged, this, &SettingsModel::subtitlesSideChanged)
                      << connect(s, &AppSettings::recordingsFolderChanged, this, &SettingsModel::folderChanged)
                      << connect(s, &AppSettings::captureScopeChanged, this, &SettingsModel::captureChanged)
                      << connect(s, &AppSettings::callApplicationsChanged, this, &SettingsModel::captureChanged)
                      << connect(s, &AppSettings::listeningShortcutChanged, this, &SettingsModel::shortcutsChanged)
                      << connect(s, &AppSettings::overlayShortcutChanged, this, &SettingsModel::shortcutsChanged)
                      << connect(s, &AppSettings::recordingShortcutChanged, this, &SettingsModel::shortcutsChanged)
                      << connect(
                             s, &AppSettings::interfaceLanguageChanged, this, &SettingsModel::interfaceLanguageChanged);
    }
    if (m_callMonitor) {
        m_connections << connect(
            m_callMonitor, &CallMonitorService::isCallActiveChanged, this, &SettingsModel::autoDetectChanged)
                      << connect(m_callMonitor, &CallMonitorService::callApplicationChanged, this,
                             &SettingsModel::autoDetectChanged);
    }
    if (m_capture) {
        m_connections << connect(m_capture, &AudioCapture::playingApplicationsChanged, this, [this] {
            rememberApplicationNames();
            emit captureChanged();
        });
    }
    emit sourcesChanged();
    emit listeningChanged();
    emit autoDetectChanged();
    emit languagesChanged();
    emit interfaceLanguageChanged();
    emit displayModeChanged();
    emit subtitlesSideChanged();
    emit micDevicesChanged();
    emit captureChanged();
    emit folderChanged();
    emit shortcutsChanged();
}

bool SettingsModel::canEditConnection() const
{
    return m_viewModel && !m_viewModel->isListening();
}

bool SettingsModel::canToggleAutoDetect() const
{
    return m_viewModel && m_settings && (!m_viewModel->isListening() || m_settings->isAutoDetectEnabled());
}

bool SettingsModel::isCallDetected() const
{
    return m_callMonitor && m_callMonitor->isCallActive();
}

QString SettingsModel::callStatusText() const
{
    if (!isCallDetected())
        return tr("Monitoring for calls...");
    const QString application = m_callMonitor->callApplicationName();
    return tr("Call detected in %1").arg(application.isEmpty() ? QStringLiteral("Teams") : application);
}

QVariantList SettingsModel::tabs()
{
    QVariantList rows;
    for (const auto tab : allCases<AppSettings::SettingsTab>())
        rows.append(QVariantMap{{QStringLiteral("label"), label(tab)}, {QStringLiteral("icon"), icon(tab)}});
    return rows;
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
    return {tr("Translated"), tr("Both"), tr("Original")};
}

QStringList SettingsModel::subtitlesSideLabels()
{
    static_assert(caseCount<AppSettings::SubtitlesSide> == 3);
    return {tr("Left"), tr("Center"), tr("Right")};
}

QStringList SettingsModel::targetLanguageLabels() const
{
    QStringList labels = languageLabels();
    if (!settings() || !ServerIdentity::isLocalServerAddress(settings()->serverURL()))
        return labels;
    const QStringList served = ServerIdentity::bundledTargetLanguages();
    for (std::size_t i = 0; i < caseCount<TargetLanguage>; ++i) {
        if (!served.contains(rawValue(static_cast<TargetLanguage>(i))))
            labels[qsizetype(i)] = tr("%1 (transcript only)").arg(labels.at(qsizetype(i)));
    }
    return labels;
}

QStringList SettingsModel::interfaceLanguageLabels()
{
    QStringList labels{tr("Same as the desktop")};
    for (const auto language : allCases<TargetLanguage>())
        labels.append(InterfaceLanguage::nativeName(language));
    return labels;
}

int SettingsModel::interfaceLanguageIndex() const
{
    if (!settings())
        return 0;
    const auto chosen = fromRawValue<TargetLanguage>(settings()->interfaceLanguage());
    return chosen ? static_cast<int>(*chosen) + 1 : 0;
}

void SettingsModel::selectInterfaceLanguage(int index)
{
    if (!settings() || index < 0 || static_cast<std::size_t>(index) > caseCount<TargetLanguage>)
        return;
    settings()->setInterfaceLanguage(
        index == 0 ? InterfaceLanguage::systemSetting : rawValue(static_cast<TargetLanguage>(index - 1)));
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
    QStringList labels{tr("System Default")};
    if (m_capture)
        for (const MicDevice& device : m_capture->availableMicDevices())
            labels.append(device.name);
    return labels;
}

int SettingsModel::selectedMicIndex() const
{
    if (!m_viewModel || !m_capture || !m_viewModel->selectedMicDeviceUID())
        return 0;
    const QList<MicDevice> devices = m_capture->availableMicDevices();
    for (qsizetype i = 0; i < devices.size(); ++i)
        if (devices.at(i).id == *m_viewModel->selectedMicDeviceUID())
            return static_cast<int>(i + 1);
    // A chosen device that is gone: the capture falls back to the default.
    return 0;
}

QList<SettingsModel::CaptureEntry> SettingsModel::captureEntries() const
{
    const bool isTeamsOnly = m_settings && m_settings->callApplications() == AppSettings::teamsCallApplications;
    QList<CaptureEntry> entries{{AppSettings::systemCaptureScope, tr("All system audio")},
        {AppSettings::callAppCaptureScope, isTeamsOnly ? tr("Only the call (Teams)") : tr("Only the call")}};
    if (!m_settings || !m_capture)
        return entries;
    const QString chosen = AppSettings::knownCaptureScope(m_settings->captureScope());
    bool isChosenListed = !chosen.startsWith(AppSettings::appCaptureScopePrefix);
    for (const PlayingApplication& application : m_capture->playingApplications()) {
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
    if (!m_settings)
        return 0;
    return std::max(0, int(captureScopes().indexOf(AppSettings::knownCaptureScope(m_settings->captureScope()))));
}

void SettingsModel::selectCapture(int index)
{
    const QList<CaptureEntry> entries = captureEntries();
    if (!settings() || index < 0 || index >= entries.size())
        return;
    settings()->setCaptureScope(entries.at(index).scope);
}

void SettingsModel::setExtraCallApplicationsText(const QString& text)
{
    if (!settings())
        return;
    QStringList names;
    for (const QString& name : text.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
        if (!name.contains(QLatin1Char('/')) && !names.contains(name))
            names.append(name);
    }
    settings()->setExtraCallApplications(names);
}

QStringList SettingsModel::shortcutTexts() const
{
    if (!m_settings)
        return {};
    QStringList texts;
    for (const QString& stored :
        {m_settings->listeningShortcut(), m_settings->overlayShortcut(), m_settings->recordingShortcut()}) {
        const QKeySequence sequence(stored, QKeySequence::PortableText);
        texts.append(sequence.isEmpty() ? tr("None") : sequence.toString(QKeySequence::NativeText));
    }
    return texts;
}

void SettingsModel::setShortcutProblems(const QStringList& problems)
{
    if (problems == m_shortcutProblems)
        return;
    m_shortcutProblems = problems;
    emit shortcutsChanged();
}

bool SettingsModel::setShortcut(int action, int key, int modifiers)
{
    const auto held = Qt::KeyboardModifiers(modifiers)
        & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    const bool isModifier = key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift || key == Qt::Key_Meta
        || key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
    if (!settings() || isModifier || key == 0 || key == Qt::Key_unknown
        || !(held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QString text = QKeySequence(QKeyCombination(held, Qt::Key(key))).toString(QKeySequence::PortableText);
    switch (action) {
    case 0:
        settings()->setListeningShortcut(text);
        return true;
    case 1:
        settings()->setOverlayShortcut(text);
        return true;
    case 2:
        settings()->setRecordingShortcut(text);
        return true;
    default:
        return false;
    }
}

void SettingsModel::clearShortcut(int action)
{
    if (!settings())
        return;
    if (action == 0)
        settings()->setListeningShortcut({});
    else if (action == 1)
        settings()->setOverlayShortcut({});
    else if (action == 2)
        settings()->setRecordingShortcut({});
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
    if (!m_capture)
        return;
    for (const PlayingApplication& application : m_capture->playingApplications())
        m_applicationNames.insert(application.binary, application.name);
}

// Holds or lets go of the capture's list of playing programs.
void SettingsModel::watchApplications(bool watches)
{
    // A capture that is gone holds nothing any more.
    if (!m_capture)
        m_isHoldingApplications = false;
    if (!m_capture || m_isHoldingApplications == watches)
        return;
    m_isHoldingApplications = watches;
    if (watches)
        m_capture->watchPlayingApplications();
    else
        m_capture->unwatchPlayingApplications();
}

QString SettingsModel::folderName() const
{
    if (!hasCustomFolder())
        return tr("Default");
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
    return QLocale().toString(value, 'f', 1) + QLatin1Char('s');
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
    if (!m_settings || !m_callMonitor || (enabled && !canToggleAutoDetect()))
        return;
    const bool changed = enabled != m_settings->isAutoDetectEnabled();
    m_settings->setIsAutoDetectEnabled(enabled);
    if (!changed)
        return;
    if (enabled)
        m_callMonitor->startMonitoring();
    else
        m_callMonitor->stopMonitoring();
}

void SettingsModel::selectMic(int index)
{
    if (!m_viewModel || !m_capture)
        return;
    const QList<MicDevice> devices = m_capture->availableMicDevices();
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
        if (m_recordingStore)
            m_recordingStore->setCustomDirectory(folder, RecordingStore::Loading::inBackground);
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
