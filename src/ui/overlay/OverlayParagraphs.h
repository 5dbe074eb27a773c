#pragma once

#include "ParagraphListModel.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// The overlay's paragraphs, grouped afresh from the view model's lines and
// live words whenever one of them or the silence gap changes. The changes of
// one server result arrive as several notifications; they are grouped once,
// after the last of them.
class OverlayParagraphs : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tolvaran::TranslationViewModel* viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged)
    Q_PROPERTY(tolvaran::AppSettings* settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(tolvaran::ParagraphListModel* model READ model CONSTANT)

public:
    explicit OverlayParagraphs(QObject* parent = nullptr);

    TranslationViewModel* viewModel() const { return m_viewModel; }

    void setViewModel(TranslationViewModel* viewModel);

    AppSettings* settings() const { return m_settings; }

    void setSettings(AppSettings* settings);

    ParagraphListModel* model() { return &m_model; }

    // Groups now instead of after the pending notifications.
    Q_INVOKABLE void refresh();

signals:
    void viewModelChanged();
    void settingsChanged();
    // After the model took a new grouping.
    void refreshed();

private:
    void scheduleRefresh();

    QPointer<TranslationViewModel> m_viewModel;
    QPointer<AppSettings> m_settings;
    ParagraphListModel m_model;
    ParagraphIdentities m_identities;
    bool m_refreshPending = false;
};

// The three fixed paragraphs of the style preview, made once per process.
class PreviewParagraphs : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tolvaran::ParagraphListModel* model READ model CONSTANT)

public:
    explicit PreviewParagraphs(QObject* parent = nullptr);

    static const QList<TranslationParagraph>& sampleParagraphs();

    ParagraphListModel* model() { return &m_model; }

private:
    ParagraphListModel m_model;
};

} // namespace tolvaran
