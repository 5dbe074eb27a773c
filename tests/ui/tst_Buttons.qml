import QtQuick
import QtTest
import Tolvaran.Ui

Item {
    id: root
    width: 400
    height: 300

    Component {
        id: actionButton
        GlassActionButton {
            tint: "#FF0000"
            text: "Start Listening"
            iconName: "mic.circle.fill"
        }
    }
    Component {
        id: secondaryButton
        GlassSecondaryButton {
            text: "Start Room"
            iconName: "person.2.circle.fill"
        }
    }
    Component {
        id: tabButton
        ToolbarTabButton {
            text: "Original"
        }
    }
    Component {
        id: card
        HoverCard {
            contentItem: Text {
                text: "row"
            }
        }
    }

    TestCase {
        name: "Buttons"
        when: windowShown

        function init() {
            failOnWarning(/Unknown symbol/)
        }

        function test_pressedActionButtonDimsAndShrinks() {
            const button = createTemporaryObject(actionButton, root)
            compare(button.background.color.a.toFixed(2), "0.80")
            compare(button.scale, 1)
            mousePress(button)
            compare(button.background.color.a.toFixed(2), "0.60")
            tryCompare(button, "scale", 0.98)
            mouseRelease(button)
            tryCompare(button, "scale", 1)
            // Filled with the tint, deepened only as far as the label needs.
            compare(button.background.color.r, button.fill.r)
            verify(button.fill.r > 0.5 && button.fill.g < 0.1 && button.fill.b < 0.1)
        }

        function test_hoveredAndPressedSecondaryButtonShowsBoth() {
            const button = createTemporaryObject(secondaryButton, root)
            const idle = button.background.color
            mouseMove(button, 5, 5)
            tryCompare(button, "hovered", true)
            tryVerify(() => Qt.colorEqual(button.background.color, AppTheme.hoverBg))
            mousePress(button, 5, 5)
            tryCompare(button, "scale", 0.98)
            verify(Qt.colorEqual(button.background.color, AppTheme.hoverBg))
            mouseRelease(button, 5, 5)
            mouseMove(root, 390, 290)
            tryCompare(button, "hovered", false)
            tryVerify(() => Qt.colorEqual(button.background.color, idle))
        }

        function test_activeTabKeepsItsFillUnderTheMouse() {
            const tab = createTemporaryObject(tabButton, root, { isActive: true })
            tryVerify(() => Qt.colorEqual(tab.background.color, AppTheme.grey))
            mouseMove(tab, 3, 3)
            tryCompare(tab, "hovered", true)
            wait(AppTheme.hoverAnimationDuration + 50)
            verify(Qt.colorEqual(tab.background.color, AppTheme.grey))
            tab.isActive = false
            tryVerify(() => Qt.colorEqual(tab.background.color, AppTheme.alpha(AppTheme.grey, 0.3)))
        }

        function test_hoverCardLightsUp() {
            const row = createTemporaryObject(card, root)
            verify(Qt.colorEqual(row.background.color, AppTheme.cardBg))
            compare(row.leftPadding, 8)
            mouseMove(row, 2, 2)
            tryVerify(() => Qt.colorEqual(row.background.color, AppTheme.alpha(AppTheme.hoverBg, AppTheme.hoverBg.a * 0.5)))
        }
    }
}
