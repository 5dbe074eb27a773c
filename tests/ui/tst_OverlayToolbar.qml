import QtQuick
import QtTest
import Tolvaran.Ui

Item {
    id: root
    width: 500
    height: 100

    Component {
        id: toolbarComponent
        OverlayToolbarView {
            width: 500
        }
    }

    TestCase {
        name: "OverlayToolbar"
        when: windowShown

        // The font-size button's help names the size in force at each step,
        // before the press and after it.
        function test_fontSizeHelpFollowsTheSize() {
            verify(fixture.reset(true, 0))
            const toolbar = createTemporaryObject(toolbarComponent, root, { settings: fixture.settings })
            const button = findChild(toolbar, "fontSizeButton")
            verify(button)
            for (const size of ["Small", "Medium", "Large", "Small"]) {
                compare(button.help, "Font size: " + size)
                mouseClick(button)
            }
            fixture.settings.fontSizePreset = 2 // large, set from elsewhere
            compare(button.help, "Font size: Large")
        }
    }
}
