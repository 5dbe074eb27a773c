#pragma once

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

// What one subtitles panel shows: the caption texts of the live transcript
// (or the fixed examples of the preview) and which of the two lines the
// display mode lets through. The view only draws them.
class SubtitlesModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tolvaran::TranslationViewModel* viewModel READ viewModel WRITE setViewModel NOTIFY sourcesChanged)
    Q_PROPERTY(tolvaran::AppSettings* settings READ settings WRITE setSettings NOTIFY sourcesChanged)
    Q_PROPERTY(bool isPreview READ isPreview WRITE setIsPreview NOTIFY sourcesChanged)
    Q_PROPERTY(QString translatedText READ translatedText NOTIFY textsChanged)
    Q_PROPERTY(QString originalText READ originalText NOTIFY textsChanged)
    Q_PROPERTY(bool showsTranslatedLine READ showsTranslatedLine NOTIFY textsChanged)
    Q_PROPERTY(bool showsOriginalLine READ showsOriginalLine NOTIFY textsChanged)
    // Both lines: the original is the smaller, slanted and fainter one.
    Q_PROPERTY(bool isBoth READ isBoth NOTIFY textsChanged)
    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
    Q_PROPERTY(int alignment READ alignment NOTIFY alignmentChanged)

public:
    static inline const QString previewTranslated = QStringLiteral("This is a subtitle preview");
    static inline const QString previewOriginal = QStringLiteral("Ceci est un apercu des sous-titres");

    explicit SubtitlesModel(QObject* parent = nullptr);

    TranslationViewModel* viewModel() const { return m_viewModel; }

    void setViewModel(TranslationViewModel* viewModel);

    AppSettings* settings() const { return m_settings; }

    void setSettings(AppSettings* settings);

    bool isPreview() const { return m_isPreview; }

    void setIsPreview(bool preview);

    QString translatedText() const { return m_translatedText; }

    QString originalText() const { return m_originalText; }

    bool showsTranslatedLine() const;
    bool showsOriginalLine() const;
    bool isBoth() const;
    int alignment() const;

signals:
    void sourcesChanged();
    void textsChanged();
    void alignmentChanged();

private:
    void connectSources();
    void update();

    QPointer<TranslationViewModel> m_viewModel;
    QPointer<AppSettings> m_settings;
    bool m_isPreview = false;
    QString m_translatedText;
    QString m_originalText;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace tolvaran
