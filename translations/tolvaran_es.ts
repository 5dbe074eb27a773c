<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Historial de traducciones</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Líneas máx.: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Número de líneas de traducción que conserva la ventana flotante</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Agrupación en párrafos</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Pausa: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Segundos de silencio antes de empezar un párrafo nuevo para el mismo hablante</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Aplicaciones de llamadas</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Otros programas con los que llama</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Los nombres de sus ejecutables, separados por comas: sus llamadas se detectan como las de Zoom o Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Falló la captura de audio: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>No se encontró ninguna salida de sonido para capturar</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>la captura se detuvo mientras se iniciaba</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>el servidor de sonido no respondió</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Dispositivo de entrada</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Sin acceso al micrófono</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Abrir configuración del sistema</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>«Solo la llamada» captura la aplicación que mantiene la llamada; en una llamada en el navegador, todo lo que reproduce el navegador.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>la captura se detuvo</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>el flujo de audio del sistema terminó: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>URL de WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL del servidor no válida</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Idiomas de los hablantes</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Indique qué idiomas usarán los hablantes para mejorar el reconocimiento. Déjelo vacío para la detección automática.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Compartir salas en esta red</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>El servidor local permite que otros en esta red abran el enlace de una sala; los hablantes siguen conectándose solo desde este equipo</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Escuchando…</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Iniciar al acceder</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Iniciar Tolvaran automáticamente al acceder a la sesión</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Escuchar al iniciar</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Empezar a capturar y traducir en cuanto se inicie el programa</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Las actualizaciones llegan con su gestor de paquetes</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Detección de llamadas</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Detectar llamadas automáticamente</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Empezar a escuchar cuando comienza una llamada y dejar de hacerlo cuando termina</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Llamadas en</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Solo Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Cualquier aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Empezar/dejar de escuchar</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Mostrar/ocultar ventana flotante</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Iniciar/detener grabación</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Falló la conexión</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconectando…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Cambiar modo de visualización</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>No mantener encima</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Mantener encima de todas las ventanas</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Salir del modo subtítulos</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Modo subtítulos</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>No se puede capturar el audio del sistema</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Abrir configuración de sonido</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Servidor de sonido no disponible, reconectando…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Dejar de escuchar</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Empezar a escuchar</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Abrir sala</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL del servidor no válida</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Abrir carpeta de grabaciones</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Aún no hay grabaciones</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Grabación del %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover a la papelera</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Mostrar ventana flotante</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Empiece a escuchar para grabar una sesión</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Grabar sesión</translation>
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
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Retroceder 10 segundos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Avanzar 10 segundos</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Exportar transcripción</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>No se puede crear el bucle de eventos del servidor de sonido</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>No se puede iniciar el bucle de eventos del servidor de sonido</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>No se puede crear un contexto del servidor de sonido</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Sin servidor de sonido: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Sin servidor de sonido: el servidor de sonido no respondió a tiempo</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>el servidor de sonido no respondió a tiempo</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>La carpeta de grabaciones es de solo lectura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>No se pudo iniciar la grabación</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>El disco está lleno: la grabación se detuvo, la escucha continúa</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>La grabación se detuvo: no se pudo escribir su archivo</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>El disco se llenó: la grabación se guardó solo en parte</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>El disco está lleno: la grabación se guardó solo en parte, la escucha continúa</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>El disco está lleno: la grabación se guardará cuando haya espacio libre</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Queda poco espacio: menos de diez minutos de grabación</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Grabación automática</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Grabar al empezar a escuchar</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Grabar audio y transcripción automáticamente cada vez que escuche</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Elija una carpeta para las grabaciones</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>El servidor abrió una sala nueva tras reconectar: comparta el enlace nuevo.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Cualquiera en esta red con el enlace</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Solo este equipo puede abrir el enlace</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Error de servidor desconocido</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Pulse teclas…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Mostrar vista previa en vivo</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Mostrar subtítulos de ejemplo en pantalla para ver sus cambios de estilo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Radio de las esquinas</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Margen inferior</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Relleno H</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Relleno V</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
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
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Original y traducción</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Tamaño de letra: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Falló la conexión: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Falló la captura de audio: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Se necesita permiso para el micrófono</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Error del servidor: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Falló la conexión</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Falló la captura de audio</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Error del servidor</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>uso: tolvaran --export &lt;grabacion.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>argumento desconocido «%1»
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 necesita un valor
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>formato desconocido «%1»: srt, vtt o txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>texto desconocido «%1»: translation, original o both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 no es la descripción de una grabación: ocupa más de %2 bytes</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 no es la descripción de una grabación (un archivo .json de grabación de Tolvaran con id, date, duration, language, audioFileName y transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>no se puede escribir la exportación: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>VISTA PREVIA</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Escuchando…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Ir a lo más reciente</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconectando…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Mostrar vista previa en vivo</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Mostrar una ventana flotante de ejemplo para ver sus cambios de estilo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Modo de visualización</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Mostrar nombres de los hablantes</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Texto traducido</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Texto original</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Párrafos</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Color de los párrafos</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Radio de las esquinas</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Restablecer posición de la ventana flotante</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Devolver la ventana flotante a su posición predeterminada (esquina inferior derecha)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Copiar párrafo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Capturando: todo el audio del sistema</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Capturando: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Esperando a %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Esperando una llamada…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Actualización de Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Ver versión</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Está al día</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 está disponible</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Tiene la versión %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>El canal de versiones es demasiado grande.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>El canal de versiones no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>No se pudo acceder al canal de versiones: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>No se pudo leer el canal de versiones.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>El canal de versiones no indica ninguna versión válida.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>La solicitud tardó demasiado.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL del servidor no válida</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>No se pudo acceder a %1: %2. Revise Preferencias → Conexión.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>El servidor cerró la conexión (código %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>El servidor dejó de responder.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>El certificado del servidor ha caducado</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>El certificado del servidor es para otro host</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>El certificado del servidor no es de confianza</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Traducción en vivo de lo que reproduce el ordenador.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>No mostrar ventana de traducción ni subtítulos: solo escuchar y grabar.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Mezclar el micrófono desde el principio.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Imprimir la transcripción de una grabación como subtítulos o texto y salir.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Con --export: subtítulos (SubRip, WebVTT) o texto sin formato.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Con --export: qué textos muestra cada línea (predeterminado: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format y --text van con --export &lt;grabacion.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Los atajos globales necesitan una sesión X11 o XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 no puede ser un atajo global</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 ya lo usa otro programa</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Vista previa de la traducción</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln oyente</numerusform>
            <numerusform>%Ln oyentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln oyente</numerusform>
            <numerusform>%Ln oyentes</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Ningún gestor de archivos pudo abrir la carpeta. Está en %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln segmento</numerusform>
            <numerusform>%Ln segmentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln segmento</numerusform>
            <numerusform>%Ln segmentos</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Subtítulos SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Subtítulos WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Grabación %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Falló la exportación: no se eligió ningún archivo</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Falló la exportación: %1 no es un archivo de este equipo</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Falló la exportación: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Grabación — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Empezar/dejar de escuchar</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Mostrar/ocultar ventana flotante</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Iniciar/detener grabación</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 no puede ser un atajo global</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>El escritorio no pudo asignar %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 no se confirmó en el diálogo del escritorio</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>El escritorio no asignó %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>El escritorio ya no transmite %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (solo transcripción)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Todo el audio del sistema</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Solo la llamada (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Igual que el escritorio</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Supervisando llamadas…</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Llamada detectada en %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Solo la llamada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Preferencias de Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Vista previa de subtítulos</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
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
        <translation>Abrir Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Mostrar ventana flotante</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Dejar de escuchar</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Empezar a escuchar</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Empezar a grabar</translation>
    </message>
</context>
</TS>
