<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>سجل الترجمات</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>الحد الأقصى للأسطر: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>عدد أسطر الترجمة المحفوظة في النافذة العائمة</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>تجميع الفقرات</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>فاصل الصمت: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>ثوانٍ من الصمت قبل بدء فقرة جديدة للمتحدث نفسه</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>تطبيقات المكالمات</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>برامج أخرى تُجري بها المكالمات</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>أسماء ملفاتها التنفيذية مفصولة بفواصل: تُكتشف المكالمات فيها كما في Zoom أو Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>صغير</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>الاتصال</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>الترجمة المرئية</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>فشل التقاط الصوت: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>لم يُعثر على مخرج صوت لالتقاط الصوت</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>توقف الالتقاط أثناء بدئه</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>لم يستجب خادم الصوت</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>الالتقاط</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>جهاز الإدخال</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>لم يُمنح الوصول إلى الميكروفون</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>فتح إعدادات النظام</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;المكالمة فقط&quot; تلتقط التطبيق الذي تجري فيه المكالمة؛ ولمكالمة في المتصفح، كل ما يشغّله المتصفح.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>توقف الالتقاط</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>انتهى تدفق صوت النظام: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>الخادم</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>عنوان WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>عنوان الخادم غير صالح</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>اللغة الهدف</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>لغات المتحدثين</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>حدّد اللغات التي سيستخدمها المتحدثون لتحسين التعرّف. اتركها فارغة للاكتشاف التلقائي.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>مشاركة الغرف على هذه الشبكة</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>يتيح الخادم المحلي للآخرين على هذه الشبكة فتح رابط الغرفة؛ ويبقى اتصال المتحدثين من هذا الحاسوب فقط</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>خطأ: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>غير متصل</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>جارٍ الاتصال…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>جارٍ الاستماع…</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>تشغيل Tolvaran تلقائيًا عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>بدء الاستماع تلقائيًا عند التشغيل</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>بدء الالتقاط والترجمة فور تشغيل البرنامج</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>التحديثات</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>تأتي التحديثات عبر مدير الحزم</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>البحث عن تحديثات…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>اكتشاف المكالمات</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>اكتشاف المكالمات تلقائيًا</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>بدء الاستماع عند بدء مكالمة وإيقافه عند انتهائها</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>المكالمات في</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Teams فقط</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>أي تطبيق مكالمات</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>بدء/إيقاف الاستماع</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>إظهار/إخفاء النافذة العائمة</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>بدء/إيقاف التسجيل</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>فشل الاتصال</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>جارٍ إعادة الاتصال…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>تبديل وضع العرض</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>إلغاء التثبيت في الأعلى</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>التثبيت فوق كل النوافذ</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>الخروج من وضع الترجمة المرئية</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>وضع الترجمة المرئية</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>التقاط صوت النظام غير متاح</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>فتح إعدادات الصوت</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>خادم الصوت غير متاح، جارٍ إعادة الاتصال…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>إيقاف الاستماع</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>بدء الاستماع</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>فتح غرفة</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>عنوان الخادم غير صالح</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>التسجيلات</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>فتح مجلد التسجيلات</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>لا توجد تسجيلات بعد</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>تسجيل بتاريخ %1، %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>نقل إلى سلة المهملات</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>إظهار النافذة العائمة</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>الترجمة المرئية</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>ابدأ الاستماع لتسجيل جلسة</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>تسجيل الجلسة</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>تصدير…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>رجوع 10 ثوانٍ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>تقدّم 10 ثوانٍ</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>تصدير النص المكتوب</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>تعذّر إنشاء حلقة أحداث خادم الصوت</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>تعذّر بدء حلقة أحداث خادم الصوت</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>تعذّر إنشاء سياق لخادم الصوت</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>لا يوجد خادم صوت: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>لا يوجد خادم صوت: لم يستجب خادم الصوت في الوقت المحدد</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>لم يستجب خادم الصوت في الوقت المحدد</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>مجلد التسجيلات للقراءة فقط</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>تعذّر بدء التسجيل</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>القرص ممتلئ: توقف التسجيل ويستمر الاستماع</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>توقف التسجيل: تعذّرت كتابة ملفه</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>امتلأ القرص: حُفظ التسجيل جزئيًا فقط</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>القرص ممتلئ: حُفظ التسجيل جزئيًا فقط ويستمر الاستماع</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>القرص ممتلئ: سيُحفظ التسجيل عند توفر مساحة</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>المساحة المتبقية قليلة: أقل من عشر دقائق من التسجيل</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>تجاهل</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>التسجيل التلقائي</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>بدء التسجيل عند بدء الاستماع</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>تسجيل الصوت والنص المكتوب تلقائيًا كلما بدأت الاستماع</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>مكان الحفظ</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>استعادة الافتراضي</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>اختر مجلدًا لحفظ التسجيلات</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>اختيار</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>نسخ الرابط</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>فتح الخادم غرفة جديدة بعد إعادة الاتصال: شارك الرابط الجديد.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>أي شخص على هذه الشبكة لديه الرابط</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>هذا الحاسوب وحده يمكنه فتح الرابط</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>خطأ غير معروف في الخادم</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>اضغط المفاتيح…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>إظهار المعاينة المباشرة</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>عرض ترجمة مرئية نموذجية على الشاشة لمعاينة تغييرات النمط</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>لون النص</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>المحاذاة</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>نصف قطر الزوايا</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>الإزاحة من الأسفل</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>الحشو الأفقي</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>الحشو العمودي</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>French</source>
        <translation>الفرنسية</translation>
    </message>
    <message>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>الإيطالية</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>البرتغالية</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>الروسية</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>اليابانية</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>الكورية</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>الهندية</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>الأوكرانية</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>البولندية</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>الهولندية</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>التركية</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>الأصل والترجمة</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>صغير</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>حجم الخط: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>فشل الاتصال: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>فشل التقاط الصوت: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>يلزم إذن الميكروفون</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>خطأ في الخادم: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>فشل الاتصال</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>فشل التقاط الصوت</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>خطأ في الخادم</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>الاستخدام: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>وسيط غير معروف &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>يحتاج %1 إلى قيمة
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>تنسيق غير معروف &quot;%1&quot;: srt أو vtt أو txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>نص غير معروف &quot;%1&quot;: translation أو original أو both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 ليس وصفًا لتسجيل: حجمه أكبر من %2 بايت</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 ليس وصفًا لتسجيل (ملف ‎.json لتسجيل Tolvaran يحتوي id وdate وduration وlanguage وaudioFileName وtranscript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>تعذّرت كتابة التصدير: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>معاينة</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>جارٍ الاستماع…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>الانتقال إلى الأحدث</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>جارٍ إعادة الاتصال…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>إظهار المعاينة المباشرة</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>عرض نافذة ترجمة عائمة نموذجية لمعاينة تغييرات النمط</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>وضع العرض</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>إظهار أسماء المتحدثين</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>النص المترجم</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>النص الأصلي</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>الفقرات</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>لون الفقرة</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>نصف قطر الزوايا</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>النافذة</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>إعادة تعيين موضع النافذة العائمة</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>إعادة النافذة العائمة إلى موضعها الافتراضي (الزاوية السفلية اليمنى)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>نسخ الفقرة</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>الالتقاط: كل صوت النظام</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>الالتقاط: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>في انتظار %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>في انتظار مكالمة…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>تحديث برنامج Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>عرض الإصدار</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>برنامجك محدَّث</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>الإصدار %1 من Tolvaran متاح</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>تعذّر البحث عن تحديثات</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 هو أحدث إصدار.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>لديك الإصدار %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>موجز الإصدارات كبير جدًا.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>لم يستجب موجز الإصدارات في الوقت المحدد.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>تعذّر الوصول إلى موجز الإصدارات: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>تعذّرت قراءة موجز الإصدارات.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>لا يذكر موجز الإصدارات إصدارًا صالحًا.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>انتهت مهلة الطلب.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>عنوان الخادم غير صالح</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>تعذّر الوصول إلى %1: %2. راجع الإعدادات ← الاتصال.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>أغلق الخادم الاتصال (الرمز %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>توقف الخادم عن الرد.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>انتهت صلاحية شهادة الخادم</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>شهادة الخادم صادرة لمضيف آخر</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>شهادة الخادم غير موثوقة</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>ترجمة مباشرة لما يشغّله الحاسوب.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>عدم إظهار نافذة الترجمة أو الترجمة المرئية: الاستماع والتسجيل فقط.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>مزج الميكروفون من البداية.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>طباعة النص المكتوب لتسجيل كترجمة مرئية أو نص، ثم الإنهاء.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>مع ‎--export: ترجمة مرئية (SubRip أو WebVTT) أو نص عادي.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>مع ‎--export: النصوص التي يعرضها كل سطر (الافتراضي: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>يُستخدم ‎--format و‎--text مع ‎--export &lt;recording.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>تحتاج الاختصارات العامة إلى جلسة X11 أو XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>لا يمكن أن يكون %1 اختصارًا عامًا</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 يستخدمه برنامج آخر</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>معاينة الترجمة</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>خطأ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln مستمع</numerusform>
            <numerusform>%Ln مستمع</numerusform>
            <numerusform>%Ln مستمعان</numerusform>
            <numerusform>%Ln مستمعين</numerusform>
            <numerusform>%Ln مستمعًا</numerusform>
            <numerusform>%Ln مستمع</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln مستمع</numerusform>
            <numerusform>%Ln مستمع</numerusform>
            <numerusform>%Ln مستمعان</numerusform>
            <numerusform>%Ln مستمعين</numerusform>
            <numerusform>%Ln مستمعًا</numerusform>
            <numerusform>%Ln مستمع</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>لم يتمكن أي مدير ملفات من فتح المجلد. إنه في %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln مقطع</numerusform>
            <numerusform>%Ln مقطع</numerusform>
            <numerusform>%Ln مقطعان</numerusform>
            <numerusform>%Ln مقاطع</numerusform>
            <numerusform>%Ln مقطعًا</numerusform>
            <numerusform>%Ln مقطع</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln مقطع</numerusform>
            <numerusform>%Ln مقطع</numerusform>
            <numerusform>%Ln مقطعان</numerusform>
            <numerusform>%Ln مقاطع</numerusform>
            <numerusform>%Ln مقطعًا</numerusform>
            <numerusform>%Ln مقطع</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>ترجمة مرئية SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>ترجمة مرئية WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>نص عادي (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>تسجيل %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>فشل التصدير: لم يُختر أي ملف</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>فشل التصدير: %1 ليس ملفًا على هذا الحاسوب</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>فشل التصدير: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>صُدِّر إلى %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>تسجيل — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>بدء/إيقاف الاستماع</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>إظهار/إخفاء النافذة العائمة</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>بدء/إيقاف التسجيل</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>لا يمكن أن يكون %1 اختصارًا عامًا</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>تعذّر على سطح المكتب تعيين %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>لم يُؤكَّد %1 في نافذة سطح المكتب</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>لم يعيّن سطح المكتب %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>لم يعد سطح المكتب يمرّر %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>كلاهما</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (نص مكتوب فقط)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>افتراضي النظام</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>كل صوت النظام</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>المكالمة فقط (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>مثل سطح المكتب</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>جارٍ مراقبة المكالمات…</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>اكتُشفت مكالمة في %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>المكالمة فقط</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>إعدادات Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>معاينة الترجمة المرئية</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>الترجمة المرئية</translation>
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
        <translation>فتح Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>إظهار النافذة العائمة</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>إيقاف الاستماع</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>بدء الاستماع</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>بدء التسجيل</translation>
    </message>
</context>
</TS>
