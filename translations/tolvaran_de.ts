<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Übersetzungsverlauf</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Max. Zeilen: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Anzahl der Übersetzungszeilen, die das Overlay behält</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Absatzgruppierung</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Pausenlänge: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Sekunden Stille, bevor für denselben Sprecher ein neuer Absatz beginnt</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Anrufprogramme</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Weitere Programme, mit denen Sie telefonieren</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Die Namen ihrer ausführbaren Dateien, durch Kommas getrennt: Anrufe darin werden wie die in Zoom oder Teams erkannt</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Audioaufnahme fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Keine Tonausgabe für die Audioaufnahme gefunden</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>die Aufnahme wurde beim Starten beendet</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>der Soundserver hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Aufnahmequelle</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Eingabegerät</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Kein Zugriff auf das Mikrofon</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Systemeinstellungen öffnen</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>„Nur der Anruf“ nimmt das Programm auf, das den Anruf führt; bei einem Anruf im Browser alles, was der Browser abspielt.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>die Aufnahme wurde beendet</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>der Systemaudio-Strom ist beendet: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>WebSocket-URL</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Ungültige Server-URL</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Zielsprache</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Sprachen der Sprecher</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Geben Sie an, welche Sprachen die Sprecher verwenden, um die Erkennung zu verbessern. Leer lassen für automatische Erkennung.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Räume in diesem Netzwerk teilen</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Der lokale Server lässt andere in diesem Netzwerk den Link eines Raums öffnen; Sprecher verbinden sich weiterhin nur von diesem Computer aus</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Hört zu…</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Tolvaran automatisch starten, wenn Sie sich anmelden</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Beim Start automatisch zuhören</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Aufnahme und Übersetzung beginnen, sobald das Programm startet</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Aktualisierungen kommen über Ihre Paketverwaltung</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Anruferkennung</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Anrufe automatisch erkennen</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Zuhören beginnen, wenn ein Anruf anfängt, und beenden, wenn er endet</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Anrufe in</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Nur Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Jedes Anrufprogramm</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Zuhören starten/beenden</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Overlay ein-/ausblenden</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Aufnahme starten/beenden</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Neu verbinden…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Anzeigemodus wechseln</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Nicht mehr im Vordergrund halten</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Über allen Fenstern halten</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Untertitelmodus beenden</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Untertitelmodus</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Systemaudio kann nicht aufgenommen werden</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Toneinstellungen öffnen</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Soundserver nicht erreichbar, neuer Versuch…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Zuhören beenden</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Zuhören starten</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Raum öffnen</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Ungültige Server-URL</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Aufnahmeordner öffnen</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Noch keine Aufnahmen</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Aufnahme vom %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Overlay anzeigen</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Starten Sie das Zuhören, um eine Sitzung aufzunehmen</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Sitzung aufnehmen</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 Sekunden zurück</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 Sekunden vor</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Transkript exportieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Die Ereignisschleife des Soundservers kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Die Ereignisschleife des Soundservers kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Es kann kein Soundserver-Kontext erstellt werden</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Kein Soundserver: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Kein Soundserver: der Soundserver hat nicht rechtzeitig geantwortet</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>der Soundserver hat nicht rechtzeitig geantwortet</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>Der Aufnahmeordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Die Aufnahme konnte nicht starten</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Der Datenträger ist voll: Die Aufnahme wurde beendet, das Zuhören geht weiter</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>Die Aufnahme wurde beendet: Ihre Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Der Datenträger ist voll: Die Aufnahme wurde nur teilweise gespeichert</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Der Datenträger ist voll: Die Aufnahme wurde nur teilweise gespeichert, das Zuhören geht weiter</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Der Datenträger ist voll: Die Aufnahme wird gespeichert, sobald Platz frei ist</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Wenig Speicherplatz: weniger als zehn Minuten Aufnahme</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Automatische Aufnahme</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Aufnahme starten, wenn das Zuhören beginnt</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Audio und Transkript automatisch aufnehmen, wann immer Sie zuhören</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Ordner für Aufnahmen auswählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>Der Server hat nach dem Neuverbinden einen neuen Raum geöffnet: Teilen Sie den neuen Link.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Jeder in diesem Netzwerk mit dem Link</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Nur dieser Computer kann den Link öffnen</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Unbekannter Serverfehler</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Taste drücken…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Live-Vorschau anzeigen</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Beispieluntertitel auf dem Bildschirm zeigen, um Ihre Stiländerungen zu prüfen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Eckenradius</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Abstand unten</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Innenabstand H</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Innenabstand V</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Original &amp; Übersetzung</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Schriftgröße: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Verbindung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Audioaufnahme fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Mikrofonberechtigung erforderlich</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Serverfehler: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Audioaufnahme fehlgeschlagen</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Serverfehler</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>Aufruf: tolvaran --export &lt;aufnahme.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>unbekanntes Argument „%1“
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 braucht einen Wert
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>unbekanntes Format „%1“: srt, vtt oder txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>unbekannter Text „%1“: translation, original oder both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 ist keine Aufnahmebeschreibung: größer als %2 Bytes</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 ist keine Aufnahmebeschreibung (eine .json-Datei einer Tolvaran-Aufnahme mit id, date, duration, language, audioFileName und transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>der Export kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>VORSCHAU</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Hört zu…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Zum Neuesten springen</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Neu verbinden…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Live-Vorschau anzeigen</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Ein Beispiel-Overlay zeigen, um Ihre Stiländerungen zu prüfen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Sprecherbezeichnungen anzeigen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Übersetzter Text</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Originaltext</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Absätze</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Absatzfarbe</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Eckenradius</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Overlay-Position zurücksetzen</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Das Overlay an seine Standardposition zurückbringen (rechts unten)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Absatz kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Aufnahme: gesamtes Systemaudio</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Aufnahme: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Warten auf %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Warten auf einen Anruf…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran-Softwareaktualisierung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Version ansehen</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Alles ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 ist verfügbar</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Suche nach Aktualisierungen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Sie haben Version %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Der Versions-Feed ist zu groß.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Der Versions-Feed hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Der Versions-Feed ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Der Versions-Feed kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>Der Versions-Feed nennt keine gültige Version.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>Die Anfrage hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Ungültige Server-URL</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>%1 ist nicht erreichbar: %2. Prüfen Sie Einstellungen → Verbindung.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Der Server hat die Verbindung beendet (Code %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Der Server antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Das Zertifikat des Servers ist abgelaufen</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Das Zertifikat des Servers gilt für einen anderen Host</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Dem Zertifikat des Servers wird nicht vertraut</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Live-Übersetzung dessen, was der Computer abspielt.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Weder Übersetzungs-Overlay noch Untertitel zeigen: nur zuhören und aufnehmen.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Das Mikrofon von Anfang an zumischen.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Das Transkript einer Aufnahme als Untertitel oder Text ausgeben und beenden.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Mit --export: Untertitel (SubRip, WebVTT) oder reiner Text.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Mit --export: welche Texte jede Zeile zeigt (Standard: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format und --text gehören zu --export &lt;aufnahme.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Globale Tastenkürzel brauchen eine X11- oder XWayland-Sitzung</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 kann kein globales Tastenkürzel sein</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 ist von einem anderen Programm belegt</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Übersetzungsvorschau</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln Zuhörer</numerusform>
            <numerusform>%Ln Zuhörer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln Zuhörer</numerusform>
            <numerusform>%Ln Zuhörer</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Keine Dateiverwaltung konnte den Ordner öffnen. Er liegt unter %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln Abschnitt</numerusform>
            <numerusform>%Ln Abschnitte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln Abschnitt</numerusform>
            <numerusform>%Ln Abschnitte</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip-Untertitel (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT-Untertitel (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Aufnahme %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Export fehlgeschlagen: keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Export fehlgeschlagen: %1 ist keine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Aufnahme – %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Zuhören starten/beenden</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Overlay ein-/ausblenden</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Aufnahme starten/beenden</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 kann kein globales Tastenkürzel sein</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Der Desktop konnte %1 nicht festlegen</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 wurde im Dialog des Desktops nicht bestätigt</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Der Desktop hat %1 nicht festgelegt</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Der Desktop leitet %1 nicht mehr weiter</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (nur Transkript)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Gesamtes Systemaudio</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Nur der Anruf (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Anrufe werden überwacht…</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Anruf in %1 erkannt</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Nur der Anruf</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran-Einstellungen</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Untertitelvorschau</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
</context>
<context>
    <name>tolvaran::TrayItem</name>
    <message>
        <source>Tolvaran: %1</source>
        <translation>Tolvaran: %1</translation>
    </message>
    <message>
        <source>Open Tolvaran</source>
        <translation>Tolvaran öffnen</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Overlay anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Zuhören beenden</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Zuhören starten</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
</context>
</TS>
