<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>번역 기록</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>최대 줄 수: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>오버레이에 남겨 둘 번역 줄 수</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>문단 묶기</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>무음 간격: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>같은 화자의 새 문단을 시작하기 전까지의 무음 시간(초)</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>통화 애플리케이션</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>통화에 사용하는 다른 프로그램</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>실행 파일 이름을 쉼표로 구분해 입력하세요. 이 프로그램의 통화도 Zoom이나 Teams처럼 감지됩니다</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>번역</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>자막</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>녹음</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>오디오 캡처 실패: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>캡처할 사운드 출력을 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>시작하는 동안 캡처가 중지되었습니다</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>사운드 서버가 응답하지 않았습니다</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>입력 장치</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>마이크 접근 권한이 없습니다</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>시스템 설정 열기</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;통화만&quot;은 통화 중인 애플리케이션을 캡처합니다. 브라우저에서 하는 통화는 브라우저가 재생하는 모든 소리를 캡처합니다.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>캡처가 중지되었습니다</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>시스템 오디오 스트림이 끝났습니다: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>WebSocket URL</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>잘못된 서버 URL</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>번역</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>번역할 언어</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>화자 언어</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>화자가 사용할 언어를 지정하면 인식이 더 정확해집니다. 자동 감지하려면 비워 두세요.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>이 네트워크에서 방 공유</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>로컬 서버에서 이 네트워크의 다른 사람이 방 링크를 열 수 있습니다. 화자는 계속 이 컴퓨터에서만 연결합니다</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>오류: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>듣는 중...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>로그인할 때 실행</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>로그인할 때 Tolvaran 자동 실행</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>실행 시 자동으로 듣기</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>프로그램이 시작되자마자 캡처와 번역 시작</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>업데이트는 패키지 관리자를 통해 제공됩니다</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>업데이트 확인...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>통화 감지</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>통화 자동 감지</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>통화가 시작되면 듣기를 시작하고 끝나면 중지</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>감지할 통화</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Teams만</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>모든 통화 애플리케이션</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>듣기 시작/중지</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>오버레이 표시/숨기기</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>녹음 시작/중지</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>연결 실패</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>다시 연결하는 중…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>표시 모드 전환</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>맨 위 고정 해제</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>모든 창 위에 고정</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>자막 모드 종료</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>자막 모드</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>설정...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>시스템 오디오를 캡처할 수 없습니다</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>사운드 설정 열기</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>사운드 서버를 사용할 수 없습니다. 다시 연결하는 중…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>듣기 중지</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>듣기 시작</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>방 열기</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>잘못된 서버 URL</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>녹음</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>녹음 폴더 열기</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>아직 녹음이 없습니다</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>%1 녹음, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>휴지통으로 이동</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>오버레이 표시</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>자막</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>세션을 녹음하려면 듣기를 시작하세요</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>녹음 중지</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>세션 녹음</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>원문</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>번역</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10초 뒤로</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10초 앞으로</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>자막 내보내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>사운드 서버 이벤트 루프를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>사운드 서버 이벤트 루프를 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>사운드 서버 컨텍스트를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>사운드 서버 없음: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>사운드 서버 없음: 사운드 서버가 제시간에 응답하지 않았습니다</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>사운드 서버가 제시간에 응답하지 않았습니다</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>녹음 폴더가 읽기 전용입니다</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>녹음을 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>디스크가 가득 찼습니다: 녹음은 멈췄고 듣기는 계속됩니다</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>녹음이 멈췄습니다: 파일을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>디스크가 가득 찼습니다: 녹음이 일부만 저장되었습니다</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>디스크가 가득 찼습니다: 녹음이 일부만 저장되었고 듣기는 계속됩니다</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>디스크가 가득 찼습니다: 공간이 생기면 녹음을 저장합니다</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>남은 공간 부족: 녹음 가능 시간이 10분 미만입니다</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>자동 녹음</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>듣기를 시작할 때 녹음 시작</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>듣기를 시작할 때마다 오디오와 자막을 자동으로 녹음</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>기본값으로 재설정</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>녹음을 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>링크 복사</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>다시 연결한 후 서버가 새 방을 열었습니다. 새 링크를 공유하세요.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>이 네트워크에서 링크가 있는 모든 사람</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>이 컴퓨터에서만 링크를 열 수 있음</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>알 수 없는 서버 오류</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>키를 누르세요…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>실시간 미리 보기 표시</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>화면에 예시 자막을 표시해 스타일 변경을 미리 봅니다</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>글자 색</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>정렬</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>배경 색</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>불투명도</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>모서리 반경</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>아래 여백</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>가로 안쪽 여백</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>세로 안쪽 여백</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>우크라이나어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>번역</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>원문 및 번역</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원문</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>글꼴 크기: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>연결 실패: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>오디오 캡처 실패: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>마이크 권한이 필요합니다</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>서버 오류: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>연결 실패</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>오디오 캡처 실패</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>서버 오류</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>사용법: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>알 수 없는 인수 &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1에는 값이 필요합니다
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>알 수 없는 형식 &quot;%1&quot;: srt, vtt, txt 중 하나</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>알 수 없는 텍스트 &quot;%1&quot;: translation, original, both 중 하나</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>파일이 없습니다</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1은(는) 녹음 설명이 아닙니다: %2바이트보다 큽니다</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1은(는) 녹음 설명이 아닙니다(id, date, duration, language, audioFileName, transcript가 있는 Tolvaran 녹음 .json 파일)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>내보내기를 쓸 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>미리 보기</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>듣는 중…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>최신으로 이동</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>다시 연결하는 중…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>실시간 미리 보기 표시</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>예시 오버레이를 표시해 스타일 변경을 미리 봅니다</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>표시 모드</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>화자 이름 표시</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>번역 텍스트</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>원문 텍스트</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>문단</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>문단 색</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>불투명도</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>모서리 반경</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>오버레이 위치 재설정</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>오버레이를 기본 위치(오른쪽 아래)로 되돌립니다</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>문단 복사</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>캡처 중: 모든 시스템 오디오</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>캡처 중: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>%1 기다리는 중…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>통화 기다리는 중…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran 소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>릴리스 보기</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>최신 버전입니다</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1을(를) 사용할 수 있습니다</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>업데이트를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1이(가) 최신 버전입니다.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>현재 버전은 %1입니다.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>릴리스 피드가 너무 큽니다.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>릴리스 피드가 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>릴리스 피드에 연결할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>릴리스 피드를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>릴리스 피드에 유효한 버전이 없습니다.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>요청 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>잘못된 서버 URL</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>%1에 연결할 수 없습니다: %2. 설정 → 연결을 확인하세요.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>서버가 연결을 닫았습니다(코드 %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>서버가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>서버 인증서가 만료되었습니다</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>서버 인증서가 다른 호스트용입니다</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>서버 인증서를 신뢰할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>컴퓨터에서 재생되는 소리를 실시간으로 번역합니다.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>번역 오버레이와 자막을 표시하지 않고 듣기와 녹음만 합니다.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>처음부터 마이크 소리를 섞습니다.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>녹음의 자막을 자막 파일이나 텍스트로 출력하고 종료합니다.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>--export와 함께: 자막(SubRip, WebVTT) 또는 일반 텍스트.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>--export와 함께: 각 줄에 표시할 텍스트(기본값: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format과 --text는 --export &lt;recording.json&gt;과 함께 사용합니다</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>전역 단축키를 쓰려면 X11 또는 XWayland 세션이 필요합니다</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1은(는) 전역 단축키로 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1은(는) 다른 프로그램이 사용 중입니다</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>번역 미리 보기</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>오류: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>청취자 %Ln명</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>청취자 %Ln명</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>폴더를 열 수 있는 파일 관리자가 없습니다. 위치: %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>구간 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>구간 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip 자막(*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT 자막(*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>일반 텍스트(*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>녹음 %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>내보내기 실패: 선택한 파일이 없습니다</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>내보내기 실패: %1은(는) 이 컴퓨터의 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>내보내기 실패: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1(으)로 내보냄</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>녹음 — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>듣기 시작/중지</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>오버레이 표시/숨기기</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>녹음 시작/중지</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1은(는) 전역 단축키로 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>데스크톱이 %1을(를) 설정할 수 없습니다</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1이(가) 데스크톱 대화 상자에서 확인되지 않았습니다</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>데스크톱이 %1을(를) 설정하지 않았습니다</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>데스크톱이 더 이상 %1을(를) 전달하지 않습니다</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>번역</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>둘 다</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원문</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1(자막만)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>모든 시스템 오디오</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>통화만(Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>데스크톱과 같게</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>통화 감시 중...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>%1에서 통화 감지됨</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>통화만</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran 설정</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>자막 미리 보기</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>자막</translation>
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
        <translation>Tolvaran 열기</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>오버레이 표시</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>듣기 중지</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>듣기 시작</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>녹음 중지</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>녹음 시작</translation>
    </message>
</context>
</TS>
