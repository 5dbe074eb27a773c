<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Vertaalgeschiedenis</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Max. regels: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Aantal vertaalregels dat het zwevende venster bewaart</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Alinea&apos;s groeperen</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Stilte: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Seconden stilte voordat voor dezelfde spreker een nieuwe alinea begint</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Belprogramma&apos;s</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Andere programma&apos;s waarmee u belt</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Hun uitvoerbare bestandsnamen, gescheiden door komma&apos;s: gesprekken daarin worden herkend zoals die in Zoom of Teams</translation>
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
        <translation>Middel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Ondertitels</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Geluid opnemen mislukt: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Geen geluidsuitvoer gevonden om op te nemen</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>het opnemen werd tijdens het starten gestopt</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>de geluidsserver antwoordde niet</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Opnamebron</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Invoerapparaat</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Geen toegang tot de microfoon</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Systeeminstellingen openen</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;Alleen het gesprek&quot; neemt het programma op dat het gesprek voert; bij een gesprek in een browser alles wat de browser afspeelt.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>het opnemen werd gestopt</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>de systeemgeluidsstroom is beëindigd: %1</translation>
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
        <translation>Ongeldige server-URL</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Doeltaal</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Talen van sprekers</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Geef aan welke talen de sprekers gebruiken voor betere herkenning. Leeg laten voor automatische herkenning.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Ruimtes delen op dit netwerk</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Met de lokale server kunnen anderen op dit netwerk de koppeling van een ruimte openen; sprekers verbinden nog steeds alleen vanaf deze computer</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Luisteren...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Tolvaran automatisch starten wanneer u zich aanmeldt</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Luisteren bij starten</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Opnemen en vertalen zodra het programma start</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Updates komen via uw pakketbeheer</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Naar updates zoeken...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Gesprekken herkennen</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Gesprekken automatisch herkennen</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Beginnen met luisteren als een gesprek begint en stoppen als het eindigt</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Gesprekken in</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Alleen Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Elk belprogramma</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Luisteren starten/stoppen</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Zwevend venster aan/uit</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Opname starten/stoppen</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Verbinding mislukt</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Opnieuw verbinden…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Weergavemodus wisselen</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Niet meer bovenaan houden</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Boven alle vensters houden</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Ondertitelmodus verlaten</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Ondertitelmodus</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Instellingen...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Systeemgeluid opnemen niet mogelijk</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Geluidsinstellingen openen</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Geluidsserver niet beschikbaar, opnieuw verbinden…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Stoppen met luisteren</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Beginnen met luisteren</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Ruimte openen</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Ongeldige server-URL</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Opnamen</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Map met opnamen openen</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Nog geen opnamen</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Opname van %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Naar prullenbak verplaatsen</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Zwevend venster tonen</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Ondertitels</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Begin met luisteren om een sessie op te nemen</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Sessie opnemen</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 seconden terug</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 seconden vooruit</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Transcript exporteren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Kan de gebeurtenislus van de geluidsserver niet maken</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Kan de gebeurtenislus van de geluidsserver niet starten</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Kan geen context voor de geluidsserver maken</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Geen geluidsserver: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Geen geluidsserver: de geluidsserver antwoordde niet op tijd</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>de geluidsserver antwoordde niet op tijd</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>De map met opnamen is alleen-lezen</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>De schijf is vol</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>De opname kon niet starten</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>De schijf is vol: de opname is gestopt, het luisteren gaat door</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>De opname is gestopt: het bestand kon niet worden geschreven</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>De schijf is volgelopen: de opname is maar gedeeltelijk bewaard</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>De schijf is vol: de opname is maar gedeeltelijk bewaard, het luisteren gaat door</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>De schijf is vol: de opname wordt bewaard zodra er ruimte vrij is</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Weinig ruimte over: minder dan tien minuten opname</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Automatisch opnemen</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Opnemen zodra het luisteren begint</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Geluid en transcript automatisch opnemen wanneer u begint te luisteren</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Opslaglocatie</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Kies een map voor de opnamen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Koppeling kopiëren</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>De server heeft na het opnieuw verbinden een nieuwe ruimte geopend: deel de nieuwe koppeling.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Iedereen op dit netwerk met de koppeling</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Alleen deze computer kan de koppeling openen</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Onbekende serverfout</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Druk op toets…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Live voorbeeld tonen</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Voorbeeldondertitels op het scherm tonen om uw stijlwijzigingen te bekijken</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Uitlijning</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Hoekstraal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Afstand onder</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Opvulling H</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Opvulling V</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinees</translation>
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
        <translation>Oekraïens</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turks</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Origineel en vertaling</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Lettergrootte: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Verbinding mislukt: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Geluid opnemen mislukt: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Toestemming voor de microfoon is vereist</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Serverfout: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Verbinding mislukt</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Geluid opnemen mislukt</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Serverfout</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>gebruik: tolvaran --export &lt;opname.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>onbekend argument &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 heeft een waarde nodig
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>onbekende indeling &quot;%1&quot;: srt, vtt of txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>onbekende tekst &quot;%1&quot;: translation, original of both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 is geen beschrijving van een opname: groter dan %2 bytes</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 is geen beschrijving van een opname (een .json-bestand van een Tolvaran-opname met id, date, duration, language, audioFileName en transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>kan de export niet schrijven: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>VOORBEELD</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Luisteren…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Naar het nieuwste</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Opnieuw verbinden…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Live voorbeeld tonen</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Een voorbeeld van het zwevende venster tonen om uw stijlwijzigingen te bekijken</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Weergavemodus</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Namen van sprekers tonen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Vertaalde tekst</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Oorspronkelijke tekst</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Alinea&apos;s</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Alineakleur</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Hoekstraal</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Positie van zwevend venster herstellen</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Het zwevende venster terugzetten op de standaardplek (rechtsonder)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Alinea kopiëren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Opnemen: al het systeemgeluid</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Opnemen: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Wachten op %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Wachten op een gesprek…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran-software-update</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Versie bekijken</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>U bent helemaal bij</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 is beschikbaar</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Kan niet naar updates zoeken</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 is de nieuwste versie.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>U hebt versie %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>De versiefeed is te groot.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>De versiefeed antwoordde niet op tijd.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>De versiefeed is niet bereikbaar: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>De versiefeed kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>De versiefeed noemt geen geldige versie.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>Het verzoek duurde te lang.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Ongeldige server-URL</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Kan %1 niet bereiken: %2. Controleer Instellingen → Verbinding.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>De server heeft de verbinding gesloten (code %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>De server antwoordt niet meer.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Het certificaat van de server is verlopen</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Het certificaat van de server is voor een andere host</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Het certificaat van de server wordt niet vertrouwd</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Live vertaling van wat de computer afspeelt.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Geen vertaalvenster of ondertitels tonen: alleen luisteren en opnemen.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>De microfoon vanaf het begin mengen.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Het transcript van een opname als ondertitels of tekst afdrukken en afsluiten.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Met --export: ondertitels (SubRip, WebVTT) of platte tekst.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Met --export: welke teksten elke regel toont (standaard: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format en --text horen bij --export &lt;opname.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Globale sneltoetsen vereisen een X11- of XWayland-sessie</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 kan geen globale sneltoets zijn</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 is al in gebruik door een ander programma</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Vertaalvoorbeeld</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Fout: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln luisteraar</numerusform>
            <numerusform>%Ln luisteraars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln luisteraar</numerusform>
            <numerusform>%Ln luisteraars</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Geen bestandsbeheerder kon de map openen. Die staat in %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln fragment</numerusform>
            <numerusform>%Ln fragmenten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln fragment</numerusform>
            <numerusform>%Ln fragmenten</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip-ondertitels (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT-ondertitels (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Platte tekst (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Opname %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Exporteren mislukt: geen bestand gekozen</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Exporteren mislukt: %1 is geen bestand op deze computer</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Exporteren mislukt: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Geëxporteerd naar %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Opname — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Luisteren starten/stoppen</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Zwevend venster tonen/verbergen</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Opname starten/stoppen</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 kan geen globale sneltoets zijn</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Het bureaublad kon %1 niet instellen</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 is niet bevestigd in het venster van het bureaublad</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Het bureaublad heeft %1 niet ingesteld</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Het bureaublad geeft %1 niet meer door</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Vertaling</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (alleen transcript)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Al het systeemgeluid</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Alleen het gesprek (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Zoals het bureaublad</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Controleren op gesprekken...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Gesprek herkend in %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Alleen het gesprek</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran-instellingen</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Voorbeeld ondertitels</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Ondertitels</translation>
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
        <translation>Tolvaran openen</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Zwevend venster tonen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Stoppen met luisteren</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Beginnen met luisteren</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Opname starten</translation>
    </message>
</context>
</TS>
