<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Çeviri geçmişi</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>En fazla satır: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Kayan pencerede tutulan çeviri satırı sayısı</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Paragraf gruplama</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Sessizlik aralığı: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Aynı konuşmacı için yeni paragraf başlamadan önceki sessizlik süresi (saniye)</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Arama uygulamaları</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Arama yaptığınız diğer programlar</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Yürütülebilir dosya adları, virgülle ayrılmış: bunlardaki aramalar Zoom veya Teams&apos;tekiler gibi algılanır</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Çeviri</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Altyazılar</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Ses yakalama başarısız: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Yakalanacak ses çıkışı bulunamadı</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>yakalama başlatılırken durduruldu</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>ses sunucusu yanıt vermedi</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Yakalama</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Giriş aygıtı</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Mikrofon erişimine izin verilmedi</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Sistem Ayarlarını Aç</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;Yalnızca arama&quot;, aramanın yapıldığı uygulamayı yakalar; tarayıcıdaki bir aramada tarayıcının çaldığı her şeyi.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>yakalama durduruldu</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>sistem sesi akışı sona erdi: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>WebSocket adresi</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Geçersiz sunucu adresi</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Çeviri</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Hedef dil</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Konuşmacıların dilleri</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Daha iyi tanıma için konuşmacıların kullanacağı dilleri belirtin. Otomatik algılama için boş bırakın.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Odaları bu ağda paylaş</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Yerel sunucu, bu ağdaki başkalarının bir odanın bağlantısını açmasına izin verir; konuşmacılar yine yalnızca bu bilgisayardan bağlanır</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Hata: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Bağlı değil</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanıyor...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Dinleniyor...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Oturum açtığınızda Tolvaran&apos;ı otomatik başlat</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Açılışta dinlemeye başla</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Program açılır açılmaz yakalamaya ve çevirmeye başla</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Güncellemeler paket yöneticinizden gelir</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Güncellemeleri Denetle...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Arama algılama</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Aramaları otomatik algıla</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Arama başlayınca dinlemeye başla, bitince durdur</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Aramalar</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Yalnızca Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Tüm arama uygulamaları</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Dinlemeyi başlat/durdur</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Kayan pencereyi göster/gizle</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Kaydı başlat/durdur</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Bağlantı başarısız</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Yeniden bağlanılıyor…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Görüntüleme kipini değiştir</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>En üstte tutmayı bırak</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Tüm pencerelerin üstünde tut</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Altyazı kipinden çık</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Altyazı kipi</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Ayarlar...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Sistem sesi yakalanamıyor</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Ses Ayarlarını Aç</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Ses sunucusu yok, yeniden bağlanılıyor…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Dinlemeyi Durdur</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Dinlemeye Başla</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Oda Aç</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Geçersiz sunucu adresi</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Kayıtlar</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Kayıt klasörünü aç</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Henüz kayıt yok</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>%1 tarihli kayıt, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Çöpe Taşı</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Kayan Pencereyi Göster</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Altyazılar</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Bir oturumu kaydetmek için dinlemeye başlayın</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Kaydı Durdur</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Oturumu Kaydet</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>Özgün</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Çeviri</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa aktar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 saniye geri</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 saniye ileri</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Dökümü Dışa Aktar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Ses sunucusunun olay döngüsü oluşturulamıyor</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Ses sunucusunun olay döngüsü başlatılamıyor</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Ses sunucusu bağlamı oluşturulamıyor</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Ses sunucusu yok: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Ses sunucusu yok: ses sunucusu zamanında yanıt vermedi</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>ses sunucusu zamanında yanıt vermedi</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>Kayıt klasörü salt okunur</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Disk dolu</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Kayıt başlatılamadı</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Disk dolu: kayıt durdu, dinleme sürüyor</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>Kayıt durdu: dosyası yazılamadı</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Disk doldu: kayıt yalnızca kısmen kaydedildi</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Disk dolu: kayıt yalnızca kısmen kaydedildi, dinleme sürüyor</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Disk dolu: yer açılınca kayıt kaydedilecek</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Az yer kaldı: on dakikadan az kayıt</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Otomatik kayıt</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Dinleme başlayınca kaydet</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Dinlemeye her başladığınızda sesi ve dökümü otomatik kaydet</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Kayıt yeri</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Seç...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Varsayılana Döndür</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Kayıtların saklanacağı klasörü seçin</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>Sunucu yeniden bağlandıktan sonra yeni bir oda açtı: yeni bağlantıyı paylaşın.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Bu ağda bağlantıya sahip herkes</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Bağlantıyı yalnızca bu bilgisayar açabilir</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Bilinmeyen sunucu hatası</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Tuşlara basın…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Canlı önizlemeyi göster</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Stil değişikliklerinizi görmek için ekranda örnek altyazılar göster</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Yazı boyutu</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Metin rengi</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Hizalama</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Arka plan rengi</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Köşe yarıçapı</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Alttan uzaklık</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Yatay dolgu</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Dikey dolgu</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portekizce</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonca</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korece</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Çince</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hintçe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraynaca</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lehçe</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Felemenkçe</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Çeviri</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Özgün ve çeviri</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Özgün</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Yazı boyutu: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Bağlantı başarısız: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Ses yakalama başarısız: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>Mikrofon izni gerekiyor</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Sunucu hatası: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Bağlantı başarısız</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Ses yakalama başarısız</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Sunucu hatası</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>kullanım: tolvaran --export &lt;kayit.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>bilinmeyen bağımsız değişken &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 bir değer gerektirir
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>bilinmeyen biçim &quot;%1&quot;: srt, vtt veya txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>bilinmeyen metin &quot;%1&quot;: translation, original veya both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 bir kayıt açıklaması değil: %2 bayttan büyük</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 bir kayıt açıklaması değil (id, date, duration, language, audioFileName ve transcript içeren bir Tolvaran kaydı .json dosyası)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>dışa aktarım yazılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>ÖNİZLEME</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Dinleniyor…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>En yeniye git</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Yeniden bağlanılıyor…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Canlı önizlemeyi göster</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Stil değişikliklerinizi görmek için örnek bir kayan pencere göster</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Görüntüleme kipi</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Konuşmacı adlarını göster</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Renkler</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Çevrilmiş metin</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Özgün metin</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Paragraflar</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Paragraf rengi</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Köşe yarıçapı</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Kayan Pencerenin Konumunu Sıfırla</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Kayan pencereyi varsayılan konumuna (sağ alt köşe) geri getir</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Paragrafı Kopyala</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Yakalanıyor: tüm sistem sesi</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Yakalanıyor: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>%1 bekleniyor…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Arama bekleniyor…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran Yazılım Güncellemesi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Sürümü Görüntüle</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Güncelsiniz</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 kullanılabilir</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Güncellemeler denetlenemedi</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 en yeni sürüm.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Sürümünüz %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Sürüm akışı çok büyük.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Sürüm akışı zamanında yanıt vermedi.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Sürüm akışına ulaşılamıyor: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Sürüm akışı okunamıyor.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>Sürüm akışında geçerli bir sürüm yok.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>İstek zaman aşımına uğradı.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>Geçersiz sunucu adresi</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>%1 adresine ulaşılamıyor: %2. Ayarlar → Bağlantı&apos;yı denetleyin.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Sunucu bağlantıyı kapattı (kod %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Sunucu yanıt vermeyi bıraktı.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Sunucunun sertifikasının süresi dolmuş</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Sunucunun sertifikası başka bir ana makine için</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Sunucunun sertifikası güvenilir değil</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Bilgisayarın çaldığı sesin canlı çevirisi.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Çeviri penceresi ya da altyazı gösterme: yalnızca dinle ve kaydet.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Mikrofonu baştan karıştır.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Bir kaydın dökümünü altyazı ya da metin olarak yazdır ve çık.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>--export ile: altyazı (SubRip, WebVTT) ya da düz metin.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>--export ile: her satırın gösterdiği metinler (varsayılan: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format ve --text, --export &lt;kayit.json&gt; ile kullanılır</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Genel kısayollar için X11 veya XWayland oturumu gerekir</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 genel kısayol olamaz</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 başka bir program tarafından kullanılıyor</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Çeviri Önizlemesi</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Hata: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln dinleyici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln dinleyici</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Klasörü açabilen bir dosya yöneticisi yok. Klasör şurada: %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln parça</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln parça</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip altyazıları (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT altyazıları (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Düz metin (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Kayıt %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Dışa aktarma başarısız: dosya seçilmedi</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Dışa aktarma başarısız: %1 bu bilgisayardaki bir dosya değil</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Dışa aktarma başarısız: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 konumuna aktarıldı</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Kayıt — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Dinlemeyi başlat/durdur</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Kayan pencereyi göster/gizle</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Kaydı başlat/durdur</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 genel kısayol olamaz</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Masaüstü %1 kısayolunu atayamadı</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 masaüstünün penceresinde onaylanmadı</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Masaüstü %1 kısayolunu atamadı</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Masaüstü artık %1 kısayolunu iletmiyor</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Çeviri</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>İkisi de</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Özgün</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (yalnızca döküm)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Tüm sistem sesi</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Yalnızca arama (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Masaüstüyle aynı</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Aramalar izleniyor...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>%1 içinde arama algılandı</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Yalnızca arama</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran Ayarları</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Altyazı Önizlemesi</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Altyazılar</translation>
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
        <translation>Tolvaran&apos;ı Aç</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Kayan Pencereyi Göster</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Dinlemeyi Durdur</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Dinlemeye Başla</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Kaydı Durdur</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Kaydı Başlat</translation>
    </message>
</context>
</TS>
