<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Cronologia delle traduzioni</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Righe max: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Numero di righe di traduzione conservate nella finestra sovrapposta</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Raggruppamento in paragrafi</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Pausa: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Secondi di silenzio prima di iniziare un nuovo paragrafo per lo stesso oratore</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Applicazioni di chiamata</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Altri programmi con cui chiami</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>I nomi dei loro eseguibili, separati da virgole: le loro chiamate vengono rilevate come quelle di Zoom o Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Acquisizione audio non riuscita: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Nessuna uscita audio trovata per l&apos;acquisizione</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>l&apos;acquisizione è stata interrotta durante l&apos;avvio</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>il server audio non ha risposto</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Acquisizione</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Dispositivo di ingresso</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Accesso al microfono non consentito</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Apri impostazioni di sistema</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;Solo la chiamata&quot; acquisisce l&apos;applicazione che gestisce la chiamata; per una chiamata nel browser, tutto ciò che il browser riproduce.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>l&apos;acquisizione è stata interrotta</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>il flusso audio di sistema è terminato: %1</translation>
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
        <translation>URL WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL del server non valido</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Lingua di destinazione</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Lingue degli oratori</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Indica le lingue usate dagli oratori per un riconoscimento migliore. Lascia vuoto per il rilevamento automatico.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Condividi le stanze su questa rete</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Il server locale permette ad altri su questa rete di aprire il collegamento di una stanza; gli oratori si connettono comunque solo da questo computer</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>In ascolto...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Avvia Tolvaran automaticamente all&apos;accesso</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Ascolta all&apos;avvio</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Inizia ad acquisire e tradurre appena il programma si avvia</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Gli aggiornamenti arrivano dal gestore dei pacchetti</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Verifica aggiornamenti...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Rilevamento chiamate</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Rileva automaticamente le chiamate</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Avvia l&apos;ascolto quando inizia una chiamata e interrompilo quando finisce</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Chiamate in</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Solo Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Qualsiasi app di chiamata</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Avvia/interrompi ascolto</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Mostra/nascondi overlay</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Avvia/interrompi registrazione</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Connessione non riuscita</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Riconnessione…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Cambia modalità di visualizzazione</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Non tenere in primo piano</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Tieni sopra tutte le finestre</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Esci dalla modalità sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Modalità sottotitoli</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Acquisizione dell&apos;audio di sistema non disponibile</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Apri impostazioni audio</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Server audio non disponibile, riconnessione…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Interrompi ascolto</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Avvia ascolto</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Apri stanza</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL del server non valido</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Registrazioni</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Apri cartella registrazioni</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Ancora nessuna registrazione</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Registrazione del %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Sposta nel cestino</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Mostra finestra sovrapposta</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Avvia l&apos;ascolto per registrare una sessione</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Registra sessione</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Indietro di 10 secondi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Avanti di 10 secondi</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Esporta trascrizione</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Impossibile creare il ciclo di eventi del server audio</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Impossibile avviare il ciclo di eventi del server audio</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Impossibile creare un contesto del server audio</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Nessun server audio: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Nessun server audio: il server audio non ha risposto in tempo</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>il server audio non ha risposto in tempo</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>La cartella delle registrazioni è di sola lettura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Il disco è pieno</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Impossibile avviare la registrazione</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Il disco è pieno: la registrazione si è interrotta, l&apos;ascolto continua</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>La registrazione si è interrotta: impossibile scrivere il file</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Il disco si è riempito: la registrazione è stata salvata solo in parte</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Il disco è pieno: la registrazione è stata salvata solo in parte, l&apos;ascolto continua</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Il disco è pieno: la registrazione verrà salvata quando ci sarà spazio</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Poco spazio libero: meno di dieci minuti di registrazione</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Ignora</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Registrazione automatica</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Registra all&apos;avvio dell&apos;ascolto</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Registra automaticamente audio e trascrizione ogni volta che inizi ad ascoltare</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Posizione di salvataggio</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Ripristina predefinita</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Scegli una cartella per le registrazioni</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia collegamento</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>Il server ha aperto una nuova stanza dopo la riconnessione: condividi il nuovo collegamento.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Chiunque su questa rete abbia il collegamento</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Solo questo computer può aprire il collegamento</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Errore del server sconosciuto</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Premi i tasti…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Mostra anteprima dal vivo</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Mostra sottotitoli di esempio sullo schermo per vedere le modifiche allo stile</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore dello sfondo</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Raggio degli angoli</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Distanza dal basso</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Spaziatura O</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Spaziatura V</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraino</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Originale e traduzione</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Dimensione carattere: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Connessione non riuscita: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Acquisizione audio non riuscita: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>È necessario il permesso per il microfono</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Errore del server: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Connessione non riuscita</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Acquisizione audio non riuscita</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Errore del server</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>uso: tolvaran --export &lt;registrazione.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>argomento sconosciuto &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 richiede un valore
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>formato sconosciuto &quot;%1&quot;: srt, vtt o txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>testo sconosciuto &quot;%1&quot;: translation, original o both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 non è la descrizione di una registrazione: più grande di %2 byte</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 non è la descrizione di una registrazione (un file .json di registrazione Tolvaran con id, date, duration, language, audioFileName e transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>impossibile scrivere l&apos;esportazione: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>ANTEPRIMA</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>In ascolto…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Vai all&apos;ultimo</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Riconnessione…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Mostra anteprima dal vivo</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Mostra una finestra sovrapposta di esempio per vedere le modifiche allo stile</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Modalità di visualizzazione</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Mostra i nomi degli oratori</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Testo tradotto</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Testo originale</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Paragrafi</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Colore dei paragrafi</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Raggio degli angoli</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Ripristina posizione della finestra sovrapposta</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Riporta la finestra sovrapposta nella posizione predefinita (angolo in basso a destra)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Copia paragrafo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Acquisizione: tutto l&apos;audio di sistema</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Acquisizione: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>In attesa di %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>In attesa di una chiamata…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Aggiornamento di Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Vedi versione</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sei aggiornato</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 è disponibile</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Impossibile verificare gli aggiornamenti</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 è la versione più recente.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Hai la versione %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Il feed delle versioni è troppo grande.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Il feed delle versioni non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Impossibile raggiungere il feed delle versioni: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Impossibile leggere il feed delle versioni.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>Il feed delle versioni non indica una versione valida.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>La richiesta è scaduta.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL del server non valido</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Impossibile raggiungere %1: %2. Controlla Impostazioni → Connessione.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Il server ha chiuso la connessione (codice %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Il server ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Il certificato del server è scaduto</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Il certificato del server è per un altro host</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Il certificato del server non è attendibile</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Traduzione dal vivo di ciò che il computer riproduce.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Non mostrare né finestra di traduzione né sottotitoli: solo ascolto e registrazione.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Mescola il microfono fin dall&apos;inizio.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Stampa la trascrizione di una registrazione come sottotitoli o testo ed esci.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Con --export: sottotitoli (SubRip, WebVTT) o testo semplice.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Con --export: quali testi mostra ogni riga (predefinito: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format e --text vanno con --export &lt;registrazione.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Le scorciatoie globali richiedono una sessione X11 o XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 non può essere una scorciatoia globale</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 è già usata da un altro programma</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Anteprima della traduzione</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln ascoltatore</numerusform>
            <numerusform>%Ln ascoltatori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln ascoltatore</numerusform>
            <numerusform>%Ln ascoltatori</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Nessun gestore di file ha potuto aprire la cartella. Si trova in %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln segmento</numerusform>
            <numerusform>%Ln segmenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln segmento</numerusform>
            <numerusform>%Ln segmenti</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Sottotitoli SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Sottotitoli WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Registrazione %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Esportazione non riuscita: nessun file scelto</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Esportazione non riuscita: %1 non è un file di questo computer</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Esportato in %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Registrazione — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Avvia/interrompi ascolto</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Mostra/nascondi finestra sovrapposta</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Avvia/interrompi registrazione</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 non può essere una scorciatoia globale</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Il desktop non ha potuto impostare %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 non è stata confermata nella finestra del desktop</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Il desktop non ha impostato %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Il desktop non inoltra più %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Entrambi</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (solo trascrizione)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predefinito di sistema</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Tutto l&apos;audio di sistema</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Solo la chiamata (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Come il desktop</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Monitoraggio delle chiamate...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Chiamata rilevata in %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Solo la chiamata</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Impostazioni di Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Anteprima dei sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
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
        <translation>Apri Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Mostra finestra sovrapposta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Interrompi ascolto</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Avvia ascolto</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Avvia registrazione</translation>
    </message>
</context>
</TS>
