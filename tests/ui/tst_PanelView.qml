import QtQuick
import QtQuick.Controls
import QtTest
import Tolvaran.Ui

Item {
    id: root
    width: 320
    height: 700

    Component {
        id: panelComponent
        PanelView {}
    }

    TestCase {
        id: test
        name: "PanelView"
        when: windowShown

        property var panel: null

        function init() {
            failOnWarning(/Unknown symbol|TypeError|ReferenceError|Unable to assign|Required property/)
        }

        function open(permission, recordings) {
            verify(fixture.reset(permission, recordings))
            panel = createTemporaryObject(panelComponent, root, {
                viewModel: fixture.viewModel,
                settings: fixture.settings,
                updater: fixture.updater
            })
            verify(panel)
            panel.appeared()
            waitForRendering(panel)
            return panel
        }

        function item(name) {
            const found = findChild(panel, name)
            verify(found, name)
            return found
        }

        function shown(name) {
            const found = item(name)
            // Visible itself and in all its ancestors up to the panel.
            for (let it = found; it && it !== panel; it = it.parent)
                if (!it.visible)
                    return false
            return true
        }

        function visibleRows() {
            const rows = []
            const collect = node => {
                for (let i = 0; i < node.children.length; ++i) {
                    const child = node.children[i]
                    if (child.objectName === "recordingRow" && child.visible)
                        rows.push(child)
                    collect(child)
                }
            }
            collect(panel)
            return rows
        }

        function test_withoutPermissionOnlyTheWarningShows() {
            open(false, 2)
            verify(shown("permissionWarning"))
            verify(shown("openSoundSettingsButton"))
            compare(item("permissionWarning").text, "System audio capture unavailable")
            compare(item("openSoundSettingsButton").text, "Open Sound Settings")
            for (const name of ["listeningButton", "startRoomButton", "switches", "recordButton", "roomCard"])
                verify(!shown(name), name)
            // Granted meanwhile: the next time the panel appears shows the controls.
            fixture.setPermission(true)
            panel.appeared()
            verify(shown("listeningButton"))
            verify(!shown("permissionWarning"))
            verify(!shown("openSoundSettingsButton"))
        }

        function test_idlePanel() {
            open(true, 0)
            compare(item("statusText").text, "Disconnected")
            verify(Qt.colorEqual(item("statusDot").color, AppTheme.grey))
            const listen = item("listeningButton")
            compare(listen.text, "Start Listening")
            compare(listen.iconName, "mic.circle.fill")
            verify(Qt.colorEqual(listen.tint, AppTheme.blue))
            verify(listen.enabled)
            verify(shown("startRoomButton"))
            verify(shown("noRecordings"))
            compare(visibleRows().length, 0)
            verify(shown("microphoneSwitch"))
            verify(!shown("errorLabel"))
            // No release feed: nothing grey that cannot act.
            verify(!shown("updateButton"))
        }

        function test_microphoneSwitchNeedsItsPermission() {
            open(true, 0)
            fixture.setMicPermission(false)
            panel.appeared()
            verify(!shown("microphoneSwitch"))
            verify(shown("overlaySwitch"))
            verify(shown("subtitlesSwitch"))
        }

        function test_switchesChangeViewModelAndSettings() {
            open(true, 0)
            const overlay = item("overlaySwitch")
            verify(overlay.checked)
            mouseClick(overlay)
            compare(fixture.viewModel.isOverlayVisible, false)
            const subtitles = item("subtitlesSwitch")
            compare(subtitles.checked, fixture.settings.isSubtitlesMode)
            const before = fixture.settings.isSubtitlesMode
            mouseClick(subtitles)
            compare(fixture.settings.isSubtitlesMode, !before)
            // And the other way round: the switch follows the setting.
            fixture.settings.isSubtitlesMode = before
            compare(subtitles.checked, before)
        }

        function test_connectingDisablesBothStartButtons() {
            open(true, 0)
            fixture.startListening("hang")
            compare(panel.model.stateName, "connecting")
            compare(item("statusText").text, "Connecting...")
            verify(Qt.colorEqual(item("statusDot").color, AppTheme.orange))
            verify(!item("listeningButton").enabled)
            verify(!item("startRoomButton").enabled)
            verify(shown("startRoomButton"))
        }

        function test_listeningShowsStopInRedAndHidesStartRoom() {
            open(true, 0)
            mouseClick(item("listeningButton"))
            tryCompare(panel.model, "stateName", "listening", 5000)
            const listen = item("listeningButton")
            compare(listen.text, "Stop Listening")
            compare(listen.iconName, "stop.circle.fill")
            verify(Qt.colorEqual(listen.tint, AppTheme.red))
            verify(listen.enabled)
            verify(!shown("startRoomButton"))
            verify(!shown("roomCard"))
            compare(item("statusText").text, "Listening...")
            verify(Qt.colorEqual(item("statusDot").color, AppTheme.green))
            // Recording can start now, and stop whatever comes.
            verify(item("recordButton").enabled)
            mouseClick(item("recordButton"))
            tryCompare(fixture.viewModel.recordings, "isRecording", true, 5000)
            mouseClick(listen)
            tryCompare(panel.model, "stateName", "disconnected", 5000)
            compare(item("listeningButton").text, "Start Listening")
            tryCompare(fixture.viewModel.recordings, "isRecording", false, 5000)
            verify(!item("recordButton").enabled)
        }

        // A session is recorded only while listening: idle, the button says
        // why it does nothing.
        function test_recordSessionWaitsForListening() {
            open(true, 0)
            const record = item("recordButton")
            compare(record.text, "Record Session")
            verify(!record.enabled)
            mouseClick(record)
            verify(!fixture.viewModel.recordings.isRecording)
            // Though disabled, it answers the pointer with its help.
            const helpShown = () => {
                const find = node => {
                    if (node.visible && node.text === "Start listening to record a session")
                        return true
                    for (let i = 0; i < node.children.length; ++i)
                        if (find(node.children[i]))
                            return true
                    return false
                }
                return find(Overlay.overlay)
            }
            verify(!helpShown())
            mouseMove(record, 10, 5)
            tryVerify(helpShown, 5000)
        }

        // Where no file manager opens the folder, the panel says so and
        // where the folder is; once one does, the message goes.
        function test_folderThatDoesNotOpenIsExplained() {
            open(true, 0)
            verify(!shown("folderMessage"))
            fixture.setFolderOpener(false)
            mouseClick(item("openFolderButton"))
            tryVerify(() => shown("folderMessage"))
            verify(item("folderMessage").text.indexOf(fixture.recordingsFolder()) > 0)
            fixture.setFolderOpener(true)
            // The message moved what is below it; the layout settles first.
            waitForRendering(panel)
            mouseClick(item("openFolderButton"))
            tryVerify(() => !shown("folderMessage"))
            compare(fixture.openedFolders(), [fixture.recordingsFolder()])
        }

        function test_readOnlyRecordingsFolderIsTold() {
            open(true, 0)
            const reason = fixture.makeRecordingsFolderReadOnly()
            if (reason !== "") {
                if (fixture.isCI())
                    fail("CI needs a read-only folder: " + reason)
                skip("Cannot make a read-only folder: " + reason)
            }
            verify(!shown("recordingNotice"))
            mouseClick(item("listeningButton"))
            tryCompare(panel.model, "stateName", "listening", 5000)
            mouseClick(item("recordButton"))
            tryCompare(item("recordingNoticeText"), "text", "The recordings folder is read-only", 5000)
            verify(shown("recordingNotice"))
            compare(item("recordButton").text, "Record Session")
            compare(panel.model.stateName, "listening")
            mouseClick(item("dismissRecordingNoticeButton"))
            verify(!shown("recordingNotice"))
            mouseClick(item("listeningButton"))
            tryCompare(panel.model, "stateName", "disconnected", 5000)
        }

        function test_sevenRecordingsShowFiveRows() {
            open(true, 7)
            verify(!shown("noRecordings"))
            let rows = visibleRows()
            compare(rows.length, 5)
            compare(findChild(rows[0], "recordingDuration").text, "1:15")
            compare(findChild(rows[1], "recordingDuration").text, "2:15")
            verify(findChild(rows[0], "recordingDate").text.length > 0)
            mouseClick(rows[0], 40, rows[0].height / 2)
            compare(fixture.playbackRecordingId(), fixture.newestRecordingId())
            // Deleting the newest brings the sixth into view.
            mouseClick(findChild(rows[0], "deleteRecordingButton"))
            compare(fixture.recordingCount(), 6)
            rows = visibleRows()
            compare(rows.length, 5)
            compare(findChild(rows[0], "recordingDuration").text, "2:15")
            compare(fixture.playbackRecordingId(), "")
        }

        // The pointer that deleted the last row must not land on "Quit".
        function test_deletingTheLastRowKeepsTheFooterInPlace() {
            open(true, 1)
            const quit = item("quitButton")
            const before = quit.mapToItem(panel, 0, 0).y
            const rows = visibleRows()
            compare(rows.length, 1)
            mouseClick(findChild(rows[0], "deleteRecordingButton"))
            compare(fixture.recordingCount(), 0)
            verify(shown("noRecordings"))
            waitForRendering(panel)
            compare(quit.mapToItem(panel, 0, 0).y, before)
            // Opened again, the panel fits what it lists.
            panel.appeared()
            waitForRendering(panel)
            verify(quit.mapToItem(panel, 0, 0).y < before)
        }

        function test_roomCard() {
            open(true, 0)
            mouseClick(item("startRoomButton"))
            verify(fixture.viewModel.room.isRoomMode)
            tryCompare(panel.model, "stateName", "listening", 5000)
            verify(shown("roomCard"))
            compare(item("subscriberText").text, "0 subscribers")
            verify(!shown("copyLinkButton"))
            verify(!shown("shareLink"))

            fixture.sendRoomUpdate(1, { "de": 1 })
            tryCompare(item("subscriberText"), "text", "1 subscriber")
            fixture.sendRoomUpdate(3, { "de": 2, "fr": 1 })
            tryCompare(item("subscriberText"), "text", "3 subscribers")
            const chips = []
            const collect = node => {
                for (let i = 0; i < node.children.length; ++i) {
                    if (node.children[i].objectName === "languageChip")
                        chips.push(node.children[i].text)
                    collect(node.children[i])
                }
            }
            collect(item("languageChips"))
            compare(chips.sort(), ["de (2)", "fr (1)"])

            fixture.setClipboardText("before")
            fixture.sendRoomCreated("room-7")
            tryVerify(() => shown("copyLinkButton"))
            verify(fixture.viewModel.room.roomShareURL.indexOf("room-7") >= 0)
            // The link shows, to read or select, and a copy says so.
            compare(item("shareLink").text, fixture.viewModel.room.roomShareURL)
            verify(shown("shareLink"))
            compare(item("copyLinkButton").text, "Copy Link")
            waitForRendering(panel)
            mouseClick(item("copyLinkButton"))
            compare(fixture.clipboardText(), fixture.viewModel.room.roomShareURL)
            compare(item("copyLinkButton").text, "Copied")
            tryCompare(item("copyLinkButton"), "text", "Copy Link", 5000)
        }

        // A dropped connection keeps listening: the header says it is
        // reconnecting, the room card who can open the link, and Stop ends it.
        function test_lostConnectionShowsReconnecting() {
            open(true, 0)
            mouseClick(item("startRoomButton"))
            tryCompare(panel.model, "stateName", "listening", 5000)
            fixture.sendRoomCreated("room-7")
            tryVerify(() => shown("shareLink"))
            compare(item("roomAudience").text, "Only this computer can open the link")
            verify(!shown("linkChangedNotice"))
            fixture.loseConnection()
            tryCompare(item("statusText"), "text", "Reconnecting…", 5000)
            compare(panel.model.stateName, "listening")
            verify(panel.model.isReconnecting)
            compare(item("statusDot").color, AppTheme.orange)
            compare(item("listeningButton").text, "Stop Listening")
            mouseClick(item("listeningButton"))
            tryCompare(panel.model, "stateName", "disconnected", 5000)
            compare(item("statusText").text, "Disconnected")
        }

        function test_errorShowsInRedInTheFooter() {
            open(true, 0)
            fixture.startListening("refuse")
            tryCompare(panel.model, "stateName", "error", 5000)
            verify(shown("errorLabel"))
            const text = item("errorText")
            verify(text.text.length > 0)
            compare(text.color.toString(), AppTheme.redText.toString())
            verify(Qt.colorEqual(item("statusDot").color, AppTheme.red))
            // The header names what failed, whole; the footer says the rest.
            compare(item("statusText").text, "Error: Connection failed")
            // Once laid out for the new text.
            tryVerify(() => !item("statusText").truncated, 2000)
            // The listening button stays usable to try again.
            verify(item("listeningButton").enabled)
        }

        function test_serverTextIsNeverMarkup() {
            open(true, 0)
            fixture.startListening("accept")
            tryCompare(panel.model, "stateName", "listening", 5000)
            fixture.sendServerMessage("error", "<img src=\"file:///etc/x.png\"><a href=\"https://x\">click</a>")
            tryCompare(panel.model, "stateName", "error", 5000)
            const text = item("errorText")
            compare(text.textFormat, Text.PlainText)
            verify(text.text.indexOf("<img src=") >= 0, text.text)
            compare(item("statusText").textFormat, Text.PlainText)
        }

        function test_serverNoticeIsShownWhileListening() {
            open(true, 0)
            fixture.startListening("accept")
            tryCompare(panel.model, "stateName", "listening", 5000)
            verify(!shown("serverNotice"))
            fixture.sendServerMessage("notice", "The local server cannot translate to German; showing the transcript only")
            tryVerify(() => shown("serverNotice"), 5000)
            compare(item("serverNotice").text, "The local server cannot translate to German; showing the transcript only")
            compare(panel.model.stateName, "listening")
        }

        function test_soundServerAwayIsShownWhileListening() {
            open(true, 0)
            fixture.startListening("accept")
            tryCompare(panel.model, "stateName", "listening", 5000)
            verify(!shown("soundServerWarning"))
            fixture.reportSoundServerAway(true)
            tryVerify(() => shown("soundServerWarning"), 5000)
            compare(item("soundServerWarning").text, "Sound server unavailable, reconnecting…")
            verify(shown("listeningButton"))
            fixture.reportSoundServerAway(false)
            tryVerify(() => !shown("soundServerWarning"), 5000)
        }

        function test_captureStatusIsShownWhileListening() {
            open(true, 0)
            verify(!shown("captureStatus"))
            fixture.settings.captureScope = "callApp"
            fixture.settings.callApplications = "any"
            fixture.startListening("accept")
            tryCompare(panel.model, "stateName", "listening", 5000)
            compare(item("captureStatus").text, "Waiting for a call…")
            // Teams alone counts from now on.
            fixture.settings.callApplications = "teams"
            tryCompare(item("captureStatus"), "text", "Waiting for Teams…", 5000)
            verify(shown("captureStatus"))
            fixture.reportApplicationPlaying("Microsoft Teams")
            tryCompare(item("captureStatus"), "text", "Capturing: Teams", 5000)
        }

        function test_footerActions() {
            open(true, 0)
            mouseClick(item("settingsButton"))
            verify(fixture.viewModel.showSettingsRequested)
            const quit = signalSpy.createObject(test, { target: panel, signalName: "quitRequested" })
            mouseClick(item("quitButton"))
            compare(quit.count, 1)
        }

        property Component signalSpy: SignalSpy {}
    }
}
