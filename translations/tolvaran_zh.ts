<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>翻译历史</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>最多行数：%1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>浮动窗口中保留的翻译行数</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>段落分组</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>静音间隔：%1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>同一说话人开始新段落前的静音秒数</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>通话应用程序</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>用于通话的其他程序</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>其可执行文件名，用逗号分隔：其中的通话会像 Zoom 或 Teams 中的通话一样被检测</translation>
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
        <translation>常规</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻译</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>音频捕获失败：%1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>找不到可供捕获的声音输出</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>捕获在启动时被停止</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>声音服务器没有响应</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>捕获</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>输入设备</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>未获得麦克风访问权限</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>打开系统设置</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>“仅通话”捕获正在通话的应用程序；如果在浏览器中通话，则捕获浏览器播放的全部声音。</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>捕获已停止</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>系统音频流已结束：%1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>WebSocket 地址</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>服务器地址无效</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻译</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>目标语言</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>说话人语言</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>指定说话人将使用的语言以提高识别准确度。留空则自动检测。</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>在此网络上共享房间</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>本地服务器让此网络上的其他人可以打开房间链接；说话人仍只能从这台电脑连接</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>正在收听...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>登录时自动启动 Tolvaran</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>启动时自动开始收听</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>程序启动后立即开始捕获和翻译</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>更新通过软件包管理器提供</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>检查更新...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>通话检测</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>自动检测通话</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>通话开始时开始收听，结束时停止</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>通话来源</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>仅 Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>任何通话应用程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>开始/停止收听</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>显示/隐藏浮动窗口</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>开始/停止录音</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>正在重新连接…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>切换显示模式</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>取消置顶</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>置于所有窗口之上</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>退出字幕模式</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>字幕模式</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>无法捕获系统音频</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>打开声音设置</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>声音服务器不可用，正在重新连接…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>停止收听</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>开始收听</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>开启房间</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>服务器地址无效</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>打开录音文件夹</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>还没有录音</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>%1 的录音，%2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>移到回收站</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>显示浮动窗口</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>开始收听后即可录制会话</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止录音</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>录制会话</translation>
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
        <translation>译文</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>后退 10 秒</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>前进 10 秒</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>导出文字记录</translation>
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
        <translation>无法创建声音服务器的事件循环</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>无法启动声音服务器的事件循环</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>无法创建声音服务器上下文</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>没有声音服务器：%1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>没有声音服务器：声音服务器未及时响应</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>声音服务器未及时响应</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>录音文件夹是只读的</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>无法开始录音</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>磁盘已满：录音已停止，收听继续</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>录音已停止：无法写入其文件</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>磁盘已满：录音只保存了一部分</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>磁盘已满：录音只保存了一部分，收听继续</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>磁盘已满：有空闲空间后将保存录音</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>剩余空间不足：可录音时间少于十分钟</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>自动录音</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>开始收听时开始录音</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>每次开始收听时自动录制音频和文字记录</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>选择保存录音的文件夹</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>重新连接后服务器开启了新房间：请分享新链接。</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>此网络上拥有链接的任何人</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>只有这台电脑可以打开链接</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>未知的服务器错误</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>请按键…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>显示实时预览</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>在屏幕上显示示例字幕以预览样式更改</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>圆角半径</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>底部距离</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>水平内边距</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>垂直内边距</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>印地语</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>乌克兰语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>译文</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>原文和译文</translation>
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
        <translation>字号：%1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>连接失败：%1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>音频捕获失败：%1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>需要麦克风权限</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>服务器错误：%1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>音频捕获失败</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>服务器错误</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>用法：tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>未知参数“%1”
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 需要一个值
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>未知格式“%1”：srt、vtt 或 txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>未知文本“%1”：translation、original 或 both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 不是录音描述：大于 %2 字节</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 不是录音描述（应为包含 id、date、duration、language、audioFileName 和 transcript 的 Tolvaran 录音 .json 文件）</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>无法写入导出内容：%1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>正在收听…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>跳到最新</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>正在重新连接…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>显示实时预览</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>显示示例浮动窗口以预览样式更改</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>显示说话人名称</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>译文文字</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>原文文字</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>段落</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>段落颜色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>圆角半径</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>重置浮动窗口位置</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>将浮动窗口移回默认位置（右下角）</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>复制段落</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>正在捕获：全部系统音频</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>正在捕获：%1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>正在等待 %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>正在等待通话…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran 软件更新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>查看版本</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 已可用</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>无法检查更新</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 是最新版本。</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>您的版本是 %1。</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>版本源过大。</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>版本源未及时响应。</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>无法访问版本源：%1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>无法读取版本源。</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>版本源中没有有效的版本。</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>请求超时。</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>服务器地址无效</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>无法连接 %1：%2。请检查 设置 → 连接。</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>服务器关闭了连接（代码 %1）</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>服务器已停止响应。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>服务器的证书已过期</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>服务器的证书属于其他主机</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>服务器的证书不受信任</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>实时翻译电脑正在播放的内容。</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>不显示翻译浮动窗口或字幕：只收听和录音。</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>从一开始就混入麦克风声音。</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>将录音的文字记录输出为字幕或文本，然后退出。</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>与 --export 一起使用：字幕（SubRip、WebVTT）或纯文本。</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>与 --export 一起使用：每行显示哪些文字（默认：translation）。</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format 和 --text 需与 --export &lt;recording.json&gt; 一起使用</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>全局快捷键需要 X11 或 XWayland 会话</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 不能用作全局快捷键</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 已被其他程序占用</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>翻译预览</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln 位听众</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln 位听众</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>没有文件管理器能打开该文件夹。它位于 %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln 个片段</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln 个片段</numerusform>
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
        <translation>纯文本 (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>录音 %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>导出失败：未选择文件</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>导出失败：%1 不是这台电脑上的文件</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>导出失败：%1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>已导出到 %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>录音 — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>开始/停止收听</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>显示/隐藏浮动窗口</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>开始/停止录音</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 不能用作全局快捷键</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>桌面无法设置 %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 未在桌面的对话框中确认</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>桌面未设置 %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>桌面不再传递 %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>译文</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>两者</translation>
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
        <translation>居中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1（仅文字记录）</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>全部系统音频</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>仅通话（Teams）</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>跟随桌面</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>正在监测通话...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>在 %1 中检测到通话</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>仅通话</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran 设置</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>字幕预览</translation>
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
        <translation>Tolvaran：%1</translation>
    </message>
    <message>
        <source>Open Tolvaran</source>
        <translation>打开 Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>显示浮动窗口</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>停止收听</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>开始收听</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止录音</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>开始录音</translation>
    </message>
</context>
</TS>
