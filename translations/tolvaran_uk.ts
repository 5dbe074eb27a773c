<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Історія перекладів</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Макс. рядків: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Скільки рядків перекладу зберігає плаваюче вікно</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Групування в абзаци</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Пауза: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Секунди тиші, після яких у того самого мовця починається новий абзац</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Програми для дзвінків</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Інші програми для дзвінків</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Назви їхніх виконуваних файлів через кому: дзвінки в них виявляються так само, як у Zoom або Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Малий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Великий</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>З&apos;єднання</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитри</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Додатково</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Не вдалося захопити звук: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Не знайдено звукового виходу для захоплення</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>захоплення зупинено під час запуску</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>звуковий сервер не відповів</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Захоплення</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Пристрій введення</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Немає доступу до мікрофона</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Відкрити налаштування системи</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>«Лише дзвінок» захоплює програму, у якій триває дзвінок; для дзвінка в браузері — усе, що відтворює браузер.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>захоплення зупинено</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>потік системного звуку завершився: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>URL WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Неправильна URL-адреса сервера</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Мова перекладу</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Мови мовців</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Вкажіть мови мовців, щоб покращити розпізнавання. Залиште порожнім для автовизначення.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Ділитися кімнатами в цій мережі</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Локальний сервер дозволяє іншим у цій мережі відкривати посилання кімнати; мовці й далі під&apos;єднуються лише з цього комп&apos;ютера</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Помилка: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Від&apos;єднано</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>З&apos;єднання...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Слухаю...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Автоматично запускати Tolvaran під час входу в систему</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Слухати після запуску</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Починати захоплення й переклад одразу після запуску програми</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Оновлення надходять через менеджер пакунків</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Перевірити оновлення...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Виявлення дзвінків</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Автоматично виявляти дзвінки</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Починати слухати, коли починається дзвінок, і зупиняти, коли він закінчується</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Дзвінки в</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Лише Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Будь-яка програма</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Комбінації клавіш</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Почати/зупинити слухання</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Плаваюче вікно увімк./вимк.</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Почати/зупинити запис</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Не вдалося з&apos;єднатися</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Повторне з&apos;єднання…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Змінити режим показу</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Не тримати згори</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Тримати над усіма вікнами</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Вийти з режиму субтитрів</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Режим субтитрів</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Налаштування...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Захоплення системного звуку недоступне</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Відкрити налаштування звуку</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Звуковий сервер недоступний, повторне з&apos;єднання…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Почати слухати</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Відкрити кімнату</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Неправильна URL-адреса сервера</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Відкрити теку записів</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Записів ще немає</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Запис від %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Перемістити до смітника</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Показати плаваюче вікно</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитри</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Почніть слухати, щоб записати сеанс</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Записати сеанс</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експорт…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Назад на 10 секунд</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Відтворити</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Вперед на 10 секунд</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Експортувати розшифровку</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Не вдалося створити цикл подій звукового сервера</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Не вдалося запустити цикл подій звукового сервера</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Не вдалося створити контекст звукового сервера</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Немає звукового сервера: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Немає звукового сервера: звуковий сервер не відповів вчасно</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>звуковий сервер не відповів вчасно</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>Тека записів доступна лише для читання</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Диск заповнено</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Не вдалося почати запис</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Диск заповнено: запис зупинено, прослуховування триває</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>Запис зупинено: не вдалося записати його файл</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Диск заповнився: запис збережено лише частково</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Диск заповнено: запис збережено лише частково, прослуховування триває</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Диск заповнено: запис збережеться, щойно звільниться місце</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Мало місця: менше десяти хвилин запису</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Сховати</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Автоматичний запис</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Починати запис разом із прослуховуванням</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Автоматично записувати звук і розшифровку під час кожного прослуховування</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Місце збереження</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Вибрати...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Виберіть теку для записів</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копіювати посилання</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>Після повторного з&apos;єднання сервер відкрив нову кімнату: поділіться новим посиланням.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Усі в цій мережі, хто має посилання</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Відкрити посилання можна лише з цього комп&apos;ютера</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Невідома помилка сервера</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Натисніть…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Показувати попередній перегляд</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Показати приклад субтитрів на екрані, щоб оцінити зміни стилю</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Розмір шрифту</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Колір тексту</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Вирівнювання</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Тло</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Колір тла</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозорість</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Радіус кутів</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Розташування</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Відступ знизу</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Поле по гор.</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Поле по верт.</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Англійська</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Іспанська</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французька</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Німецька</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Італійська</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальська</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Російська</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японська</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейська</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайська</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабська</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Гінді</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польська</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нідерландська</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецька</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Оригінал і переклад</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Великий</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Розмір шрифту: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Не вдалося з&apos;єднатися: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Не вдалося захопити звук: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Потрібен дозвіл на мікрофон</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Помилка сервера: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Не вдалося з&apos;єднатися</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Не вдалося захопити звук</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Помилка сервера</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>використання: tolvaran --export &lt;запис.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>невідомий аргумент «%1»
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 потребує значення
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>невідомий формат «%1»: srt, vtt або txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>невідомий текст «%1»: translation, original або both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не вдалося прочитати %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>немає такого файлу</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 не є описом запису: більше за %2 байтів</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 не є описом запису (файл .json запису Tolvaran з полями id, date, duration, language, audioFileName і transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>не вдалося записати експорт: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>ПЕРЕГЛЯД</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Слухаю…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>До останнього</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Повторне з&apos;єднання…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Показувати попередній перегляд</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Показати приклад плаваючого вікна, щоб оцінити зміни стилю</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Режим показу</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Показувати імена мовців</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Кольори</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Перекладений текст</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Початковий текст</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Абзаци</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Колір абзацу</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозорість</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Радіус кутів</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Скинути розташування плаваючого вікна</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Повернути плаваюче вікно на типове місце (правий нижній кут)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Копіювати абзац</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати все</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Захоплення: увесь системний звук</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Захоплення: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Очікування %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Очікування дзвінка…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Оновлення Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Переглянути випуск</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>У вас остання версія</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Доступний Tolvaran %1</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Не вдалося перевірити оновлення</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 — остання версія.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>У вас версія %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Стрічка випусків завелика.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Стрічка випусків не відповіла вчасно.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Стрічка випусків недоступна: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Не вдалося прочитати стрічку випусків.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>У стрічці випусків немає дійсної версії.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>Час очікування запиту вичерпано.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Неправильна URL-адреса сервера</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Не вдалося з&apos;єднатися з %1: %2. Перевірте Налаштування → З&apos;єднання.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Сервер закрив з&apos;єднання (код %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Сервер перестав відповідати.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Термін дії сертифіката сервера минув</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Сертифікат сервера виданий для іншого вузла</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Сертифікат сервера не є довіреним</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Переклад наживо того, що відтворює комп&apos;ютер.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Не показувати ні вікна перекладу, ні субтитрів: лише слухати й записувати.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Домішувати мікрофон від самого початку.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Вивести розшифровку запису як субтитри або текст і вийти.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>З --export: субтитри (SubRip, WebVTT) або звичайний текст.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>З --export: які тексти показує кожен рядок (типово: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format і --text використовуються з --export &lt;запис.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Глобальним комбінаціям клавіш потрібен сеанс X11 або XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 не може бути глобальною комбінацією клавіш</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 зайнята іншою програмою</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Попередній перегляд перекладу</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Помилка: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln слухач</numerusform>
            <numerusform>%Ln слухачі</numerusform>
            <numerusform>%Ln слухачів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln слухач</numerusform>
            <numerusform>%Ln слухачі</numerusform>
            <numerusform>%Ln слухачів</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Жоден файловий менеджер не зміг відкрити теку. Вона розташована в %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln фрагмент</numerusform>
            <numerusform>%Ln фрагменти</numerusform>
            <numerusform>%Ln фрагментів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln фрагмент</numerusform>
            <numerusform>%Ln фрагменти</numerusform>
            <numerusform>%Ln фрагментів</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Субтитри SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Субтитри WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Звичайний текст (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Запис %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Експорт не вдався: файл не вибрано</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Експорт не вдався: %1 не є файлом на цьому комп&apos;ютері</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Експорт не вдався: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Експортовано до %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Запис — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Почати/зупинити слухання</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Показати/сховати плаваюче вікно</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Почати/зупинити запис</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 не може бути глобальною комбінацією клавіш</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Робочий стіл не зміг призначити %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 не підтверджено в діалозі робочого столу</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Робочий стіл не призначив %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Робочий стіл більше не передає %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Обидва</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (лише розшифровка)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Типовий системний</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Увесь системний звук</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Лише дзвінок (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типова</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Відстеження дзвінків...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Дзвінок виявлено в %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Лише дзвінок</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Налаштування Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Попередній перегляд субтитрів</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитри</translation>
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
        <translation>Відкрити Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Показати плаваюче вікно</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Почати слухати</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Почати запис</translation>
    </message>
</context>
</TS>
