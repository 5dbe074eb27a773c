#include "IconTable.h"

#include <QColor>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QPainter>

#include <array>
#include <utility>

Q_LOGGING_CATEGORY(lcIcons, "com.tolvaran.app.Icons")

namespace tolvaran {
namespace {

struct Entry
{
    const char* name;
    char16_t codepoint;
};

// Material Icons names are given beside each codepoint.
constexpr std::array entries{
    Entry{"arrow.triangle.2.circlepath", 0xe627}, // sync
    Entry{"arrow.trianglehead.2.clockwise.rotate.90.circle", 0xe2e7}, // change_circle
    Entry{"captions.bubble", 0xe996}, // closed_caption_off
    Entry{"captions.bubble.fill", 0xe01c}, // closed_caption
    Entry{"checkmark", 0xe5ca}, // check
    Entry{"chevron.down", 0xe5cf}, // expand_more
    Entry{"doc.on.doc", 0xe14d}, // content_copy
    Entry{"exclamationmark.triangle", 0xf083}, // warning_amber
    Entry{"exclamationmark.triangle.fill", 0xe002}, // warning
    Entry{"folder", 0xe2c7}, // folder
    Entry{"gear", 0xe8b8}, // settings
    Entry{"gobackward.10", 0xe059}, // replay_10
    Entry{"goforward.10", 0xe056}, // forward_10
    Entry{"info.circle", 0xe88f}, // info_outline
    Entry{"mic.circle.fill", 0xe029}, // mic
    Entry{"mic.fill", 0xe029}, // mic
    Entry{"mic.slash", 0xe02b}, // mic_off
    Entry{"network", 0xeb2f}, // lan
    Entry{"pause.circle.fill", 0xe035}, // pause_circle_filled
    Entry{"person.2.circle.fill", 0xe939}, // supervised_user_circle
    Entry{"person.2.fill", 0xe7ef}, // group
    Entry{"phone.connection.fill", 0xe61d}, // phone_in_talk
    Entry{"pin.fill", 0xf10d}, // push_pin
    Entry{"pin.slash", 0xe0c7}, // location_off
    Entry{"play.circle", 0xe039}, // play_circle_outline
    Entry{"play.circle.fill", 0xe038}, // play_circle_filled
    Entry{"record.circle", 0xe837}, // radio_button_checked
    Entry{"rectangle.on.rectangle", 0xe3e0}, // filter_none
    Entry{"slider.horizontal.3", 0xe429}, // tune
    Entry{"stop.circle.fill", 0xef71}, // stop_circle
    Entry{"text.bubble", 0xe0b7}, // chat
    Entry{"textformat.size", 0xe245}, // format_size
    Entry{"trash", 0xe92e}, // delete_outline
    Entry{"waveform", 0xe1b8}, // graphic_eq
    Entry{"waveform.circle", 0xe1b8}, // graphic_eq
    Entry{"waveform.circle.fill", 0xe049}, // surround_sound
    Entry{"xmark.circle.fill", 0xe5c9}, // cancel
};

} // namespace

IconTable::IconTable(QObject* parent)
    : QObject(parent)
{ }

QString IconTable::fontPath()
{
    return QStringLiteral(":/Tolvaran/Ui/theme/MaterialIcons-Regular.ttf");
}

QString IconTable::fontFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(fontPath());
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            qCCritical(lcIcons, "The icon font %s could not be loaded", qUtf8Printable(fontPath()));
            return QString();
        }
        return families.first();
    }();
    return family;
}

std::optional<char16_t> IconTable::codepoint(const QString& name)
{
    for (const Entry& entry : entries)
        if (name == QLatin1String(entry.name))
            return entry.codepoint;
    return std::nullopt;
}

QStringList IconTable::names()
{
    QStringList all;
    for (const Entry& entry : entries)
        all.append(QString::fromLatin1(entry.name));
    return all;
}

QString IconTable::glyph(const QString& name)
{
    if (name.isEmpty())
        return QString();
    const std::optional<char16_t> point = codepoint(name);
    if (!point) {
        qCWarning(lcIcons, "Unknown symbol \"%s\"", qUtf8Printable(name));
        return QString();
    }
    return QString(QChar(*point));
}

QImage IconTable::render(const QString& name, int pixelSize, const QColor& color)
{
    QImage image(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QString text = glyph(name);
    if (text.isEmpty())
        return image;
    QFont font(fontFamily());
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

} // namespace tolvaran
