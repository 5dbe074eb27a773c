pragma Singleton

import QtQuick

// Labels more than one view shows. Bindings that call these follow a change
// of the interface language as bindings with qsTr do.
QtObject {
    // mode: a DisplayMode.
    function displayModeLabel(mode: int): string {
        return [qsTr("Translate"), qsTr("Original & Translate"), qsTr("Original")][mode] ?? ""
    }

    // preset: an AppSettings.FontSizePreset.
    function fontSizeHelp(preset: int): string {
        const size = [qsTr("Small"), qsTr("Medium"), qsTr("Large")][preset]
        return size === undefined ? "" : qsTr("Font size: %1").arg(size)
    }
}
