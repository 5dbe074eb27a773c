import QtQuick
import Tolvaran.Ui

// Where a paragraph's two text columns stand for the display mode. A change
// of mode moves them there in 0.2 s: the column that goes fades out, the one
// that comes fades in, and the translation slides between its place beside
// the original and the full width.
QtObject {
    id: layout

    property int displayMode
    // 1 while the columns stand side by side, 0 while one fills the width.
    property real sideBySide: 0
    property real originalOpacity: 0
    property real translationOpacity: 0

    property bool ready: false

    readonly property list<TickedAnimation> animations: [
        TickedAnimation {
            target: layout
            property: "sideBySide"
            duration: AppTheme.contentTransitionDuration
            easing: Easing.InOutQuad
        },
        TickedAnimation {
            target: layout
            property: "originalOpacity"
            duration: AppTheme.contentTransitionDuration
            easing: Easing.InOutQuad
        },
        TickedAnimation {
            target: layout
            property: "translationOpacity"
            duration: AppTheme.contentTransitionDuration
            easing: Easing.InOutQuad
        }
    ]

    function targets() {
        return [OverlayStyle.isBoth(displayMode) ? 1 : 0, OverlayStyle.showsOriginal(displayMode) ? 1 : 0,
                OverlayStyle.showsTranslation(displayMode) ? 1 : 0];
    }

    onDisplayModeChanged: {
        if (!ready)
            return;
        const to = targets();
        for (let i = 0; i < animations.length; ++i) {
            animations[i].to = to[i];
            animations[i].start();
        }
    }

    // A new paragraph starts in place.
    Component.onCompleted: {
        const to = targets();
        sideBySide = to[0];
        originalOpacity = to[1];
        translationOpacity = to[2];
        ready = true;
    }
}
