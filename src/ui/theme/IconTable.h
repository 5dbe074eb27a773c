#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <optional>

class QColor;

namespace tolvaran {

// The system symbols the views name ("gear", "mic.fill", ...), each mapped
// once to a glyph of the embedded Material Icons font. Views ask for icons by
// these names only; a name missing here is a fault, reported in the log and
// by the tests, never drawn as an empty square.
class IconTable : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Icons)
    QML_SINGLETON
    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)

public:
    explicit IconTable(QObject* parent = nullptr);

    // The font's family, loading the font on first use. Empty when the
    // embedded font cannot be loaded.
    static QString fontFamily();
    // The resource path of the embedded font.
    static QString fontPath();

    static std::optional<char16_t> codepoint(const QString& name);
    static QStringList names();

    // The glyph as text for the icon font; empty, with a warning in the log,
    // for an unknown name.
    Q_INVOKABLE static QString glyph(const QString& name);

    // The symbol drawn into a square transparent image, for places outside
    // QML such as the tray item.
    static QImage render(const QString& name, int pixelSize, const QColor& color);
};

} // namespace tolvaran
