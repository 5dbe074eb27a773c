<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>История переводов</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Макс. строк: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Сколько строк перевода хранит плавающее окно</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Группировка в абзацы</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Пауза: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Секунды тишины, после которых у того же говорящего начинается новый абзац</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Программы для звонков</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Другие программы для звонков</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Имена их исполняемых файлов через запятую: звонки в них распознаются так же, как в Zoom или Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Мелкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Не удалось захватить звук: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Не найден звуковой выход для захвата</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>захват остановлен во время запуска</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>звуковой сервер не ответил</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Захват</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Устройство ввода</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Нет доступа к микрофону</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Открыть параметры системы</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>«Только звонок» захватывает программу, в которой идёт звонок; для звонка в браузере — всё, что воспроизводит браузер.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>захват остановлен</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>поток системного звука прервался: %1</translation>
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
        <translation>Неверный URL сервера</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Язык перевода</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Языки говорящих</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Укажите языки говорящих, чтобы улучшить распознавание. Оставьте пустым для автоопределения.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Делиться комнатами в этой сети</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Локальный сервер позволяет другим в этой сети открывать ссылку комнаты; говорящие по-прежнему подключаются только с этого компьютера</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Слушаю...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Автоматически запускать Tolvaran при входе в систему</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Слушать при запуске</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Начинать захват и перевод сразу после запуска программы</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Обновления приходят через менеджер пакетов</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Проверить обновления...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Распознавание звонков</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Автоматически распознавать звонки</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Начинать слушать, когда начинается звонок, и останавливать, когда он заканчивается</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Звонки в</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Только Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Любая программа</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Начать/перестать слушать</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Плавающее окно вкл./выкл.</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Начать/остановить запись</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Не удалось подключиться</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Переподключение…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Сменить режим отображения</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Не держать поверх</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Держать поверх всех окон</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Выйти из режима субтитров</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Режим субтитров</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Захват системного звука недоступен</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Открыть настройки звука</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Звуковой сервер недоступен, переподключение…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Начать слушать</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Открыть комнату</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Неверный URL сервера</translation>
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
        <translation>Открыть папку записей</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Записей пока нет</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Запись от %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Переместить в корзину</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Показать плавающее окно</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Начните слушать, чтобы записать сеанс</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Записать сеанс</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Вперёд на 10 секунд</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Экспорт расшифровки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Не удалось создать цикл событий звукового сервера</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Не удалось запустить цикл событий звукового сервера</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Не удалось создать контекст звукового сервера</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Нет звукового сервера: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Нет звукового сервера: звуковой сервер не ответил вовремя</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>звуковой сервер не ответил вовремя</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>Папка записей доступна только для чтения</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Не удалось начать запись</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Диск заполнен: запись остановлена, прослушивание продолжается</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>Запись остановлена: не удалось записать её файл</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Диск заполнился: запись сохранена только частично</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Диск заполнен: запись сохранена только частично, прослушивание продолжается</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Диск заполнен: запись сохранится, когда освободится место</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Мало места: меньше десяти минут записи</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Скрыть</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Автоматическая запись</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Начинать запись вместе с прослушиванием</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Автоматически записывать звук и расшифровку при каждом прослушивании</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Место сохранения</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Выберите папку для записей</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>После переподключения сервер открыл новую комнату: поделитесь новой ссылкой.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Все в этой сети, у кого есть ссылка</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Открыть ссылку можно только с этого компьютера</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Неизвестная ошибка сервера</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Нажмите…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Показывать предпросмотр</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Показать пример субтитров на экране, чтобы оценить изменения стиля</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Радиус углов</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Отступ снизу</translation>
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
        <translation>Английский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Хинди</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Оригинал и перевод</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Мелкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Размер шрифта: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Не удалось подключиться: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Не удалось захватить звук: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Требуется разрешение на микрофон</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Ошибка сервера: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Не удалось подключиться</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Не удалось захватить звук</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Ошибка сервера</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>использование: tolvaran --export &lt;запись.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>неизвестный аргумент «%1»
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 требует значения
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>неизвестный формат «%1»: srt, vtt или txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>неизвестный текст «%1»: translation, original или both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>нет такого файла</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 не является описанием записи: больше %2 байт</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 не является описанием записи (файл .json записи Tolvaran с полями id, date, duration, language, audioFileName и transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>не удалось записать экспорт: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>ПРЕДПРОСМОТР</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Слушаю…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>К последнему</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Переподключение…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Показывать предпросмотр</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Показать пример плавающего окна, чтобы оценить изменения стиля</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Режим отображения</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Показывать имена говорящих</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Переведённый текст</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Исходный текст</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Абзацы</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Цвет абзаца</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Радиус углов</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Сбросить положение плавающего окна</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Вернуть плавающее окно на место по умолчанию (правый нижний угол)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Копировать абзац</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Захват: весь системный звук</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Захват: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Ожидание %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Ожидание звонка…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Обновление Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Открыть выпуск</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>У вас последняя версия</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Доступен Tolvaran %1</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Не удалось проверить обновления</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 — последняя версия.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>У вас версия %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Лента выпусков слишком велика.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Лента выпусков не ответила вовремя.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Лента выпусков недоступна: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Не удалось прочитать ленту выпусков.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>В ленте выпусков нет допустимой версии.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>Время ожидания запроса истекло.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Неверный URL сервера</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Не удалось подключиться к %1: %2. Проверьте Настройки → Подключение.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Сервер закрыл соединение (код %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Сервер перестал отвечать.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Срок действия сертификата сервера истёк</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Сертификат сервера выдан для другого узла</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Сертификат сервера не является доверенным</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Перевод в реальном времени того, что воспроизводит компьютер.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Не показывать ни окно перевода, ни субтитры: только слушать и записывать.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Подмешивать микрофон с самого начала.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Вывести расшифровку записи как субтитры или текст и выйти.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>С --export: субтитры (SubRip, WebVTT) или обычный текст.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>С --export: какие тексты показывает каждая строка (по умолчанию: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format и --text используются с --export &lt;запись.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Для глобальных комбинаций клавиш нужен сеанс X11 или XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 не может быть глобальной комбинацией клавиш</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 занята другой программой</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Предпросмотр перевода</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln слушатель</numerusform>
            <numerusform>%Ln слушателя</numerusform>
            <numerusform>%Ln слушателей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln слушатель</numerusform>
            <numerusform>%Ln слушателя</numerusform>
            <numerusform>%Ln слушателей</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Ни один файловый менеджер не смог открыть папку. Она находится в %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln фрагмент</numerusform>
            <numerusform>%Ln фрагмента</numerusform>
            <numerusform>%Ln фрагментов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln фрагмент</numerusform>
            <numerusform>%Ln фрагмента</numerusform>
            <numerusform>%Ln фрагментов</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Субтитры SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Субтитры WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Обычный текст (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Запись %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Экспорт не удался: файл не выбран</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Экспорт не удался: %1 не является файлом на этом компьютере</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Экспорт не удался: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Экспортировано в %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Запись — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Начать/перестать слушать</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Показать/скрыть плавающее окно</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Начать/остановить запись</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 не может быть глобальной комбинацией клавиш</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Рабочий стол не смог назначить %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 не подтверждено в диалоге рабочего стола</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Рабочий стол не назначил %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Рабочий стол больше не передаёт %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Оба</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (только расшифровка)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Системный по умолчанию</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Весь системный звук</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Только звонок (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Отслеживание звонков...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Звонок обнаружен в %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Только звонок</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Настройки Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Предпросмотр субтитров</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
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
        <translation>Открыть Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Показать плавающее окно</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Начать слушать</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Начать запись</translation>
    </message>
</context>
</TS>
