#pragma once

#include "FakeAudioCapture.h"
#include "TestTranslationServer.h"
#include "live/LiveServices.h"
#include "live/TranslationViewModel.h"
#include "protocol/ServerMessages.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tolvaran::test {

// A view model on its own settings file and recordings folder, with a
// scripted capture and a test server to talk to.
struct ViewModelFixture
{
    QTemporaryDir dir;
    TestTranslationServer server;
    std::unique_ptr<AppSettings> settings;
    FakeAudioCapture* capture = nullptr;
    std::unique_ptr<LiveServices> services;
    std::unique_ptr<TranslationViewModel> viewModel;

    explicit ViewModelFixture(bool autoRecord = false)
    {
        settings = std::make_unique<AppSettings>(dir.filePath("settings.json"));
        settings->setServerURL(server.url());
        settings->setAutoRecordOnListen(autoRecord);
        settings->setRecordingsFolder(QUrl::fromLocalFile(recordingsFolder()));
        auto fake = std::make_unique<FakeAudioCapture>();
        capture = fake.get();
        services = std::make_unique<LiveServices>(*settings, std::move(fake));
        viewModel = std::make_unique<TranslationViewModel>(*services);
    }

    QString recordingsFolder() const { return dir.filePath("Recordings"); }

    void feed(const QByteArray& json)
    {
        const auto message = decodeIncomingMessage(json);
        QVERIFY2(message && std::holds_alternative<TranslationResult>(*message), json.constData());
        viewModel->handleTranslationResult(std::get<TranslationResult>(*message));
    }
};

// "speaker|original|translated|language" for each line, to compare at a glance.
inline QStringList describe(const QList<TranslationLine>& lines)
{
    QStringList described;
    for (const TranslationLine& line : lines)
        described.append(QStringList{line.speaker, line.originalText, line.translatedText, line.language}.join('|'));
    return described;
}

} // namespace tolvaran::test
