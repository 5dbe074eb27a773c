<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Historia tłumaczeń</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Maks. wierszy: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Liczba wierszy tłumaczenia przechowywanych w oknie nakładki</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Grupowanie w akapity</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Przerwa: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Sekundy ciszy, po których ten sam mówca zaczyna nowy akapit</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Aplikacje do połączeń</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Inne programy, przez które dzwonisz</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Nazwy ich plików wykonywalnych, rozdzielone przecinkami: połączenia w nich są wykrywane jak te w Zoom lub Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Napisy</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Przechwytywanie dźwięku nie powiodło się: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Nie znaleziono wyjścia dźwięku do przechwytywania</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>przechwytywanie zatrzymano podczas uruchamiania</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>serwer dźwięku nie odpowiedział</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Przechwytywanie</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Urządzenie wejściowe</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Brak dostępu do mikrofonu</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Otwórz ustawienia systemu</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>„Tylko połączenie” przechwytuje aplikację, w której trwa połączenie; przy połączeniu w przeglądarce – wszystko, co odtwarza przeglądarka.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>przechwytywanie zatrzymano</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>strumień dźwięku systemu się zakończył: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>Adres URL WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Nieprawidłowy adres URL serwera</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Język docelowy</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Języki mówców</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Wskaż języki, których będą używać mówcy, aby poprawić rozpoznawanie. Zostaw puste, aby wykrywać automatycznie.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Udostępniaj pokoje w tej sieci</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Serwer lokalny pozwala innym w tej sieci otworzyć odnośnik pokoju; mówcy nadal łączą się tylko z tego komputera</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Słucham...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Automatycznie uruchamiaj Tolvaran po zalogowaniu</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Słuchaj od uruchomienia</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Zaczynaj przechwytywanie i tłumaczenie zaraz po uruchomieniu programu</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Aktualizacje przychodzą z menedżera pakietów</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Sprawdź aktualizacje...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Wykrywanie połączeń</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Automatycznie wykrywaj połączenia</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Zaczynaj słuchać, gdy zaczyna się połączenie, i przestawaj, gdy się kończy</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Połączenia w</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Tylko Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Dowolna aplikacja</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Zacznij/przestań słuchać</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Pokaż/ukryj nakładkę</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Start/stop nagrywania</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Połączenie nie powiodło się</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Ponowne łączenie…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Zmień tryb wyświetlania</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Nie trzymaj na wierzchu</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Trzymaj nad wszystkimi oknami</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Zakończ tryb napisów</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Tryb napisów</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Ustawienia...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Przechwytywanie dźwięku systemu jest niedostępne</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Otwórz ustawienia dźwięku</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Serwer dźwięku niedostępny, ponowne łączenie…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Przestań słuchać</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Zacznij słuchać</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Otwórz pokój</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Nieprawidłowy adres URL serwera</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Nagrania</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Otwórz folder nagrań</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Brak nagrań</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Nagranie z %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Przenieś do kosza</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Pokaż nakładkę</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Napisy</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Zacznij słuchać, aby nagrać sesję</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Nagraj sesję</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 sekund wstecz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 sekund naprzód</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Eksportuj transkrypcję</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Nie można utworzyć pętli zdarzeń serwera dźwięku</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Nie można uruchomić pętli zdarzeń serwera dźwięku</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Nie można utworzyć kontekstu serwera dźwięku</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Brak serwera dźwięku: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Brak serwera dźwięku: serwer dźwięku nie odpowiedział na czas</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>serwer dźwięku nie odpowiedział na czas</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>Folder nagrań jest tylko do odczytu</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Dysk jest pełny</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Nie można rozpocząć nagrywania</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Dysk jest pełny: nagrywanie zatrzymano, słuchanie trwa dalej</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>Nagrywanie zatrzymano: nie można zapisać pliku</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Dysk się zapełnił: nagranie zapisano tylko częściowo</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Dysk jest pełny: nagranie zapisano tylko częściowo, słuchanie trwa dalej</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Dysk jest pełny: nagranie zostanie zapisane, gdy zwolni się miejsce</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Mało miejsca: mniej niż dziesięć minut nagrania</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Odrzuć</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Automatyczne nagrywanie</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Nagrywaj od początku słuchania</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Automatycznie nagrywaj dźwięk i transkrypcję przy każdym słuchaniu</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Miejsce zapisu</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Wybierz folder na nagrania</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj odnośnik</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>Po ponownym połączeniu serwer otworzył nowy pokój: udostępnij nowy odnośnik.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Każdy w tej sieci, kto ma odnośnik</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Tylko ten komputer może otworzyć odnośnik</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Nieznany błąd serwera</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Naciśnij…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Pokaż podgląd na żywo</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Pokaż przykładowe napisy na ekranie, aby ocenić zmiany stylu</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Wyrównanie</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Krycie</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Promień narożników</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Odstęp od dołu</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Margines poz.</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Margines pion.</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraiński</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Oryginał i tłumaczenie</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Rozmiar czcionki: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Połączenie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Przechwytywanie dźwięku nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Wymagane jest pozwolenie na mikrofon</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Błąd serwera: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Połączenie nie powiodło się</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Przechwytywanie dźwięku nie powiodło się</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Błąd serwera</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>użycie: tolvaran --export &lt;nagranie.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>nieznany argument „%1”
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 wymaga wartości
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>nieznany format „%1”: srt, vtt lub txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>nieznany tekst „%1”: translation, original lub both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>brak takiego pliku</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 nie jest opisem nagrania: większy niż %2 bajtów</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 nie jest opisem nagrania (pliku .json nagrania Tolvaran z polami id, date, duration, language, audioFileName i transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>nie można zapisać eksportu: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>PODGLĄD</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Słucham…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Przejdź do najnowszych</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Ponowne łączenie…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Pokaż podgląd na żywo</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Pokaż przykładową nakładkę, aby ocenić zmiany stylu</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Tryb wyświetlania</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Pokazuj nazwy mówców</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Przetłumaczony tekst</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Tekst oryginalny</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Akapity</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Kolor akapitu</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Krycie</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Promień narożników</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Przywróć położenie nakładki</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Przenieś nakładkę na domyślne miejsce (prawy dolny róg)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Kopiuj akapit</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Przechwytywanie: cały dźwięk systemu</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Przechwytywanie: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Czekam na %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Czekam na połączenie…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Aktualizacja Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Zobacz wydanie</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Masz najnowszą wersję</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Dostępny jest Tolvaran %1</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Nie można sprawdzić aktualizacji</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 to najnowsza wersja.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Masz wersję %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Kanał wydań jest za duży.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Kanał wydań nie odpowiedział na czas.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Kanał wydań jest nieosiągalny: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Nie można odczytać kanału wydań.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>Kanał wydań nie podaje prawidłowej wersji.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>Upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Nieprawidłowy adres URL serwera</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Nie można połączyć z %1: %2. Sprawdź Ustawienia → Połączenie.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Serwer zamknął połączenie (kod %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Serwer przestał odpowiadać.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Certyfikat serwera wygasł</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Certyfikat serwera dotyczy innego hosta</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Certyfikat serwera nie jest zaufany</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Tłumaczenie na żywo tego, co odtwarza komputer.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Nie pokazuj ani nakładki tłumaczenia, ani napisów: tylko słuchaj i nagrywaj.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Od początku miksuj mikrofon.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Wypisz transkrypcję nagrania jako napisy lub tekst i zakończ.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Z --export: napisy (SubRip, WebVTT) lub zwykły tekst.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Z --export: jakie teksty pokazuje każdy wiersz (domyślnie: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format i --text idą w parze z --export &lt;nagranie.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Skróty globalne wymagają sesji X11 lub XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 nie może być skrótem globalnym</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 jest zajęty przez inny program</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Podgląd tłumaczenia</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln słuchacz</numerusform>
            <numerusform>%Ln słuchaczy</numerusform>
            <numerusform>%Ln słuchaczy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln słuchacz</numerusform>
            <numerusform>%Ln słuchaczy</numerusform>
            <numerusform>%Ln słuchaczy</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Żaden menedżer plików nie otworzył folderu. Znajduje się w %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln fragment</numerusform>
            <numerusform>%Ln fragmenty</numerusform>
            <numerusform>%Ln fragmentów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln fragment</numerusform>
            <numerusform>%Ln fragmenty</numerusform>
            <numerusform>%Ln fragmentów</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Napisy SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Napisy WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Zwykły tekst (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Nagranie %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Eksport nie powiódł się: nie wybrano pliku</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Eksport nie powiódł się: %1 nie jest plikiem na tym komputerze</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Eksport nie powiódł się: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Wyeksportowano do %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Nagranie — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Zacznij/przestań słuchać</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Pokaż/ukryj nakładkę</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Rozpocznij/zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 nie może być skrótem globalnym</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Pulpit nie mógł ustawić %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 nie zostało potwierdzone w oknie pulpitu</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Pulpit nie ustawił %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Pulpit nie przekazuje już %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Do środka</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (tylko transkrypcja)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Domyślne systemowe</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Cały dźwięk systemu</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Tylko połączenie (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Jak na pulpicie</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Monitorowanie połączeń...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Wykryto połączenie w %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Tylko połączenie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Ustawienia Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Podgląd napisów</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Napisy</translation>
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
        <translation>Otwórz Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Pokaż nakładkę</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Przestań słuchać</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Zacznij słuchać</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
</context>
</TS>
