import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// A global shortcut: its action, a field that takes the next combination
// pressed after a click, a "None" button, and what stands in its way.
ColumnLayout {
    id: shortcutRow

    property string label
    property string shortcutText
    property string problem
    signal keysPressed(int key, int modifiers)
    signal cleared

    Layout.fillWidth: true
    spacing: 2

    // A combination taken ends the wait for one.
    onShortcutTextChanged: keyField.isListeningForKeys = false

    RowLayout {
        CardText {
            Layout.fillWidth: true
            text: shortcutRow.label
        }
        Button {
            id: keyField

            property bool isListeningForKeys: false

            objectName: "keys"
            Layout.preferredWidth: 108
            font.pixelSize: AppTheme.bodySize
            text: keyField.isListeningForKeys ? qsTr("Press keys…") : shortcutRow.shortcutText
            onClicked: {
                keyField.isListeningForKeys = true;
                keyField.forceActiveFocus();
            }
            onActiveFocusChanged: {
                if (!keyField.activeFocus)
                    keyField.isListeningForKeys = false;
            }
            Keys.onPressed: event => {
                if (!keyField.isListeningForKeys)
                    return;
                event.accepted = true;
                if (event.key === Qt.Key_Escape)
                    keyField.isListeningForKeys = false;
                else
                    shortcutRow.keysPressed(event.key, event.modifiers);
            }
        }
        Button {
            objectName: "none"
            Layout.preferredWidth: 52
            text: qsTr("None")
            font.pixelSize: AppTheme.captionSize
            onClicked: shortcutRow.cleared()
        }
    }
    CardCaption {
        objectName: "problem"
        Layout.fillWidth: true
        visible: text !== ""
        wrapMode: Text.WordWrap
        text: shortcutRow.problem
    }
}
