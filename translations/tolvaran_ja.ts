<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>翻訳の履歴</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>最大行数: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>オーバーレイに残す翻訳の行数</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>段落のまとめ方</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>無音の間隔: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>同じ話者で新しい段落を始めるまでの無音の秒数</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>通話アプリケーション</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>通話に使うその他のプログラム</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>実行ファイル名をカンマ区切りで指定します。これらの通話も Zoom や Teams と同様に検出されます</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>音声のキャプチャに失敗しました: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>キャプチャするサウンド出力が見つかりません</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>開始中にキャプチャが停止されました</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>サウンドサーバーが応答しませんでした</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>入力デバイス</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>マイクへのアクセスが許可されていません</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>システム設定を開く</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>「通話のみ」では通話中のアプリケーションをキャプチャします。ブラウザーでの通話では、ブラウザーが再生するすべての音声をキャプチャします。</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>キャプチャが停止されました</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>システム音声のストリームが終了しました: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>WebSocket URL</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>サーバー URL が無効です</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>翻訳先の言語</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>話者の言語</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>話者が使う言語を指定すると認識が向上します。自動検出の場合は空欄のままにします。</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>このネットワークでルームを共有</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>ローカルサーバーで、このネットワーク上の他の人がルームのリンクを開けるようにします。話者は引き続きこのコンピューターからのみ接続します</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続中...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>聞き取り中...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>ログイン時に Tolvaran を自動的に起動します</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>起動時に聞き取りを開始</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>アプリの起動と同時にキャプチャと翻訳を始めます</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>アップデートはパッケージマネージャーから提供されます</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>アップデートを確認...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>通話の検出</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>通話を自動的に検出</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>通話が始まると聞き取りを開始し、終わると停止します</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>検出する通話</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Teams のみ</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>すべての通話アプリ</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>聞き取りの開始/停止</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>オーバーレイの表示/非表示</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>録音の開始/停止</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>接続に失敗しました</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>再接続中…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>表示モードを切り替え</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>最前面の固定を解除</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>すべてのウィンドウの前面に固定</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>字幕モードを終了</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>字幕モード</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>システム音声をキャプチャできません</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>サウンド設定を開く</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>サウンドサーバーを利用できません。再接続中…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>聞き取りを停止</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>聞き取りを開始</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>ルームを開始</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>サーバー URL が無効です</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>録音フォルダーを開く</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>録音はまだありません</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>%1 の録音、%2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>オーバーレイを表示</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>セッションを録音するには聞き取りを開始してください</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>録音を停止</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>セッションを録音</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 秒戻る</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 秒進む</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>文字起こしをエクスポート</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>サウンドサーバーのイベントループを作成できません</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>サウンドサーバーのイベントループを開始できません</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>サウンドサーバーのコンテキストを作成できません</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>サウンドサーバーがありません: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>サウンドサーバーがありません: サウンドサーバーが時間内に応答しませんでした</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>サウンドサーバーが時間内に応答しませんでした</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>録音フォルダーは読み取り専用です</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>録音を開始できませんでした</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>ディスクがいっぱいです: 録音は停止し、聞き取りは続きます</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>録音が停止しました: ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>ディスクがいっぱいになりました: 録音は一部だけ保存されました</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>ディスクがいっぱいです: 録音は一部だけ保存され、聞き取りは続きます</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>ディスクがいっぱいです: 空き容量ができ次第、録音を保存します</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>空き容量が少なくなっています: 録音できるのは 10 分未満です</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>自動録音</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>聞き取りの開始時に録音を開始</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>聞き取りを始めるたびに音声と文字起こしを自動的に録音します</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>保存場所</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>録音を保存するフォルダーを選択</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>再接続後にサーバーが新しいルームを開きました。新しいリンクを共有してください。</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>このネットワーク上でリンクを知っている全員</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>このコンピューターだけがリンクを開けます</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>不明なサーバーエラー</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>キーを入力…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>ライブプレビューを表示</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>画面に字幕の例を表示してスタイルの変更を確認します</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字の色</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>角の半径</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>下からの距離</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>左右の余白</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>上下の余白</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ヒンディー語</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ウクライナ語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>原文と翻訳</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>フォントサイズ: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>接続に失敗しました: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>音声のキャプチャに失敗しました: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>マイクの許可が必要です</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>サーバーエラー: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>接続に失敗しました</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>音声のキャプチャに失敗しました</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>サーバーエラー</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>使い方: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>不明な引数 &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 には値が必要です
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>不明な形式 &quot;%1&quot;: srt、vtt、txt のいずれか</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>不明なテキスト &quot;%1&quot;: translation、original、both のいずれか</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 は録音の説明ではありません: %2 バイトを超えています</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 は録音の説明ではありません (id、date、duration、language、audioFileName、transcript を含む Tolvaran の録音の .json ファイル)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>エクスポートを書き込めません: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>聞き取り中…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>最新へ移動</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>再接続中…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>ライブプレビューを表示</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>オーバーレイの例を表示してスタイルの変更を確認します</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>表示モード</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>話者名を表示</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>翻訳のテキスト</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>原文のテキスト</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>段落</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>段落の色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>角の半径</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>オーバーレイの位置をリセット</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>オーバーレイを既定の位置 (右下隅) に戻します</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>段落をコピー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>キャプチャ中: システム音声すべて</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>キャプチャ中: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>%1 を待っています…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>通話を待っています…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran ソフトウェアアップデート</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>リリースを表示</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 が利用可能です</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 が最新バージョンです。</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>お使いのバージョンは %1 です。</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>リリースフィードが大きすぎます。</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>リリースフィードが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>リリースフィードに接続できません: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>リリースフィードを読み取れません。</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>リリースフィードに有効なバージョンがありません。</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>リクエストがタイムアウトしました。</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>サーバー URL が無効です</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>%1 に接続できません: %2。設定 → 接続 を確認してください。</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>サーバーが接続を閉じました (コード %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>サーバーが応答しなくなりました。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>サーバーの証明書の有効期限が切れています</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>サーバーの証明書は別のホスト用です</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>サーバーの証明書は信頼されていません</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>コンピューターで再生中の音声をリアルタイムで翻訳します。</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>翻訳オーバーレイも字幕も表示せず、聞き取りと録音だけを行います。</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>最初からマイクの音声を混ぜます。</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>録音の文字起こしを字幕またはテキストとして出力して終了します。</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>--export と併用: 字幕 (SubRip、WebVTT) またはプレーンテキスト。</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>--export と併用: 各行に表示するテキスト (既定: translation)。</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format と --text は --export &lt;recording.json&gt; と一緒に使います</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>グローバルショートカットには X11 または XWayland セッションが必要です</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 はグローバルショートカットにできません</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 は別のプログラムで使用されています</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>翻訳のプレビュー</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln 人が参加</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln 人が参加</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>フォルダーを開けるファイルマネージャーがありません。場所は %1 です</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln 件のセグメント</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln 件のセグメント</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip 字幕 (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT 字幕 (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>プレーンテキスト (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>録音 %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>エクスポートに失敗しました: ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>エクスポートに失敗しました: %1 はこのコンピューター上のファイルではありません</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>エクスポートに失敗しました: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 にエクスポートしました</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>録音 — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>聞き取りの開始/停止</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>オーバーレイの表示/非表示</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>録音の開始/停止</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 はグローバルショートカットにできません</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>デスクトップは %1 を設定できませんでした</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 はデスクトップのダイアログで確認されませんでした</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>デスクトップは %1 を設定しませんでした</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>デスクトップは %1 を渡さなくなりました</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>両方</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (文字起こしのみ)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>システム音声すべて</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>通話のみ (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>デスクトップと同じ</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>通話を監視中...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>%1 で通話を検出しました</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>通話のみ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran の設定</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>字幕のプレビュー</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
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
        <translation>Tolvaran を開く</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>オーバーレイを表示</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>聞き取りを停止</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>聞き取りを開始</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>録音を停止</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>録音を開始</translation>
    </message>
</context>
</TS>
