pragma Singleton
import QtQuick
import Tolvaran.Ui

// Shared colours, fonts and timings of every window. Colours follow the
// desktop's palette, so light and dark desktops both read well.
QtObject {
    id: theme

    readonly property SystemPalette palette: SystemPalette {
        colorGroup: SystemPalette.Active
    }
    readonly property bool isDark: palette.window.hslLightness < 0.5

    // Label colours on the material: primary text, and the quieter secondary
    // and tertiary. Text on anything else takes textOn() of that background.
    readonly property color primary: TextColors.label(material, TextColors.Primary)
    readonly property color secondary: TextColors.label(material, TextColors.Secondary)
    readonly property color tertiary: TextColors.label(material, TextColors.Tertiary)
    readonly property color accent: blue

    readonly property color red: isDark ? "#FF453A" : "#E0352B"
    readonly property color green: isDark ? "#32D74B" : "#28A745"
    readonly property color blue: isDark ? "#0A84FF" : "#0A6CDF"
    readonly property color orange: isDark ? "#FF9F0A" : "#C45F00"
    readonly property color grey: "#8E8E93"
    // The status colours where they colour a text on the material.
    readonly property color redText: readable(red, material)
    readonly property color orangeText: readable(orange, material)

    readonly property color hoverBg: alpha(grey, 0.3)
    readonly property color cardBg: alpha(primary, 0.04)
    readonly property color activeCardBg: alpha(accent, 0.12)
    readonly property color activeCardBorder: alpha(accent, 0.3)
    readonly property color divider: alpha(primary, 0.1)

    // The translucent material behind panels; opaque enough to read on any
    // background, translucent where a compositor shows what lies beneath.
    readonly property color material: isDark ? Qt.rgba(0.16, 0.16, 0.17, 0.9) : Qt.rgba(0.97, 0.97, 0.98, 0.9)
    // The same for ordinary windows, which a window manager may not blend.
    readonly property color opaqueMaterial: isDark ? "#2A2A2C" : "#F5F5F7"
    readonly property color materialBorder: alpha(primary, 0.12)

    // Animations: ease-in-out; hover 0.15 s, content 0.2 s, press 0.1 s.
    readonly property int hoverAnimationDuration: 150
    readonly property int contentTransitionDuration: 200
    readonly property int pressAnimationDuration: 100
    readonly property int animationEasing: Easing.InOutQuad
    // A new paragraph of the overlay fading in, and its list scrolling to it.
    readonly property int arrivalDuration: 400

    // How long the pointer rests before a tooltip shows: a button's name, and
    // a form's longer help, which should not flash up while passing over it.
    readonly property int toolTipDelay: 600
    readonly property int helpToolTipDelay: 700

    // Spacing in pixels, named after their roles.
    // A panel's or page's content from its edges.
    readonly property int panelMargin: 14
    // Between the sections of a page.
    readonly property int sectionSpacing: 14
    // A section's content from the dividers above and below it.
    readonly property int sectionPadding: 10
    // A card's content from its edges.
    readonly property int cardPadding: 10
    // A label from the ends of its button: prominent and compact buttons.
    readonly property int buttonPadding: 14
    readonly property int compactButtonPadding: 10
    // Rounds a button of any height into a capsule.
    readonly property int capsuleRadius: 20

    // Text sizes in pixels, named after their roles.
    readonly property int largeTitleSize: 26
    readonly property int title2Size: 17
    readonly property int title3Size: 15
    readonly property int headlineSize: 13
    readonly property int bodySize: 13
    readonly property int calloutSize: 12
    readonly property int subheadlineSize: 11
    readonly property int captionSize: 11
    readonly property int caption2Size: 10

    readonly property font headline: Qt.font({ pixelSize: headlineSize, weight: Font.DemiBold })
    readonly property font body: Qt.font({ pixelSize: bodySize })
    readonly property font subheadline: Qt.font({ pixelSize: subheadlineSize })
    readonly property font caption: Qt.font({ pixelSize: captionSize })
    readonly property font caption2: Qt.font({ pixelSize: caption2Size })

    function alpha(c, a) {
        return Qt.rgba(c.r, c.g, c.b, a)
    }

    // A text's colour comes from what it is drawn on (TextColors has the
    // rule): a label of a level on background, or a coloured text made to
    // read on it.
    function textOn(background, level) {
        return TextColors.label(background, level === undefined ? TextColors.Primary : level)
    }
    function readable(color, background) {
        return TextColors.readable(color, background)
    }
}
