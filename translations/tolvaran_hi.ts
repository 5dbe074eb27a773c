<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>अनुवाद इतिहास</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>अधिकतम पंक्तियाँ: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>ओवरले में रखी जाने वाली अनुवाद पंक्तियों की संख्या</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>अनुच्छेद समूहन</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>मौन अंतराल: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>उसी वक्ता का नया अनुच्छेद शुरू होने से पहले मौन के सेकंड</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>कॉल ऐप्लिकेशन</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>अन्य प्रोग्राम जिनसे आप कॉल करते हैं</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>उनकी एक्ज़ीक्यूटेबल फ़ाइलों के नाम, कॉमा से अलग: उनमें होने वाली कॉल Zoom या Teams की कॉल की तरह पहचानी जाती हैं</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>छोटा</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>बड़ा</translation>
    </message>
    <message>
        <source>General</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>कनेक्शन</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>अनुवाद</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>उपशीर्षक</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>ऑडियो</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>रिकॉर्डिंग</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>ऑडियो कैप्चर विफल: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>ऑडियो कैप्चर के लिए कोई ध्वनि आउटपुट नहीं मिला</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>शुरू होते समय कैप्चर रोक दिया गया</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>साउंड सर्वर ने जवाब नहीं दिया</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>कैप्चर</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>माइक्रोफ़ोन</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>इनपुट डिवाइस</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>माइक्रोफ़ोन की अनुमति नहीं मिली</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>सिस्टम सेटिंग्स खोलें</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;केवल कॉल&quot; उस ऐप्लिकेशन को कैप्चर करता है जिसमें कॉल चल रही है; ब्राउज़र में कॉल हो तो वह सब जो ब्राउज़र चलाता है।</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>कैप्चर रोक दिया गया</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>सिस्टम ऑडियो स्ट्रीम समाप्त हो गई: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>सर्वर</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>WebSocket URL</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>सर्वर URL अमान्य है</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>अनुवाद</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>लक्ष्य भाषा</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>वक्ताओं की भाषाएँ</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>बेहतर पहचान के लिए बताएँ कि वक्ता कौन-सी भाषाएँ बोलेंगे। अपने आप पहचान के लिए खाली छोड़ें।</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>इस नेटवर्क पर रूम साझा करें</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>लोकल सर्वर इस नेटवर्क पर दूसरों को रूम का लिंक खोलने देता है; वक्ता अब भी केवल इसी कंप्यूटर से जुड़ते हैं</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>त्रुटि: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>डिस्कनेक्ट</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>कनेक्ट हो रहा है...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>तैयार</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>सुन रहा है...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>लॉग इन पर शुरू करें</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>लॉग इन करने पर Tolvaran अपने आप शुरू करें</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>शुरू होते ही सुनना शुरू करें</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>प्रोग्राम शुरू होते ही कैप्चर और अनुवाद शुरू करें</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>अपडेट</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>अपडेट आपके पैकेज मैनेजर से आते हैं</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>अपडेट जाँचें...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>कॉल पहचान</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>कॉल अपने आप पहचानें</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>कॉल शुरू होने पर सुनना शुरू करें और खत्म होने पर बंद करें</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>कॉल का स्रोत</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>केवल Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>कोई भी कॉल ऐप्लिकेशन</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>सुनना शुरू/बंद करें</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>ओवरले दिखाएँ/छिपाएँ</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>रिकॉर्डिंग शुरू/बंद करें</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>कनेक्शन विफल</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>फिर से कनेक्ट हो रहा है…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>प्रदर्शन मोड बदलें</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>ऊपर से हटाएँ</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>सभी विंडो के ऊपर रखें</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>उपशीर्षक मोड से बाहर निकलें</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>उपशीर्षक मोड</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>सेटिंग्स...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>अपडेट करें</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बाहर निकलें</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>सिस्टम ऑडियो कैप्चर उपलब्ध नहीं है</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>ध्वनि सेटिंग्स खोलें</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>साउंड सर्वर उपलब्ध नहीं, फिर से जुड़ रहा है…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>सुनना बंद करें</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>सुनना शुरू करें</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>रूम शुरू करें</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>सर्वर URL अमान्य है</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>रिकॉर्डिंग</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>रिकॉर्डिंग फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>अभी कोई रिकॉर्डिंग नहीं</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>%1 की रिकॉर्डिंग, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>ट्रैश में ले जाएँ</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>ओवरले दिखाएँ</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>उपशीर्षक</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>माइक्रोफ़ोन</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>सत्र रिकॉर्ड करने के लिए सुनना शुरू करें</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>रिकॉर्डिंग रोकें</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>सत्र रिकॉर्ड करें</translation>
    </message>
</context>
<context>
    <name>PlaybackView</name>
    <message>
        <source>Original</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>अनुवाद</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>निर्यात…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 सेकंड पीछे</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>चलाएँ</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 सेकंड आगे</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>ट्रांसक्रिप्ट निर्यात करें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>साउंड सर्वर का इवेंट लूप नहीं बन सका</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>साउंड सर्वर का इवेंट लूप शुरू नहीं हो सका</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>साउंड सर्वर का कॉन्टेक्स्ट नहीं बन सका</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>कोई साउंड सर्वर नहीं: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>कोई साउंड सर्वर नहीं: साउंड सर्वर ने समय पर जवाब नहीं दिया</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>साउंड सर्वर ने समय पर जवाब नहीं दिया</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>रिकॉर्डिंग फ़ोल्डर केवल पढ़ने योग्य है</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>डिस्क भर गई है</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>रिकॉर्डिंग शुरू नहीं हो सकी</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>डिस्क भर गई है: रिकॉर्डिंग रुक गई, सुनना जारी है</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>रिकॉर्डिंग रुक गई: उसकी फ़ाइल लिखी नहीं जा सकी</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>डिस्क भर गई: रिकॉर्डिंग केवल आंशिक रूप से सहेजी गई</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>डिस्क भर गई है: रिकॉर्डिंग केवल आंशिक रूप से सहेजी गई, सुनना जारी है</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>डिस्क भर गई है: जगह खाली होने पर रिकॉर्डिंग सहेजी जाएगी</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>कम जगह बची है: दस मिनट से कम की रिकॉर्डिंग</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>हटाएँ</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>स्वचालित रिकॉर्डिंग</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>सुनना शुरू होने पर रिकॉर्डिंग शुरू करें</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>हर बार सुनना शुरू करने पर ऑडियो और ट्रांसक्रिप्ट अपने आप रिकॉर्ड करें</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>सहेजने का स्थान</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>चुनें...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>डिफ़ॉल्ट पर लौटाएँ</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>रिकॉर्डिंग सहेजने के लिए फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>चुनें</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>कॉपी हो गया</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>लिंक कॉपी करें</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>फिर से कनेक्ट होने के बाद सर्वर ने नया रूम खोला: नया लिंक साझा करें।</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>इस नेटवर्क पर लिंक वाला कोई भी व्यक्ति</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>केवल यह कंप्यूटर लिंक खोल सकता है</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>अज्ञात सर्वर त्रुटि</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>कुंजियाँ दबाएँ…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>लाइव पूर्वावलोकन दिखाएँ</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>शैली के बदलाव देखने के लिए स्क्रीन पर उदाहरण उपशीर्षक दिखाएँ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>पाठ</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>फ़ॉन्ट आकार</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>पाठ का रंग</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>संरेखण</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>पृष्ठभूमि</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>पृष्ठभूमि का रंग</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>अपारदर्शिता</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>कोनों की त्रिज्या</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>नीचे से दूरी</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>क्षैतिज पैडिंग</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>ऊर्ध्वाधर पैडिंग</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>अंग्रेज़ी</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>स्पेनिश</translation>
    </message>
    <message>
        <source>French</source>
        <translation>फ़्रेंच</translation>
    </message>
    <message>
        <source>German</source>
        <translation>जर्मन</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>इतालवी</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>पुर्तगाली</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>रूसी</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>जापानी</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>कोरियाई</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>चीनी</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>अरबी</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>हिन्दी</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>यूक्रेनी</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>पोलिश</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>डच</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>तुर्की</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>अनुवाद</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>मूल और अनुवाद</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>छोटा</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>बड़ा</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>फ़ॉन्ट आकार: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>कनेक्शन विफल: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>ऑडियो कैप्चर विफल: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>माइक्रोफ़ोन की अनुमति आवश्यक है</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>सर्वर त्रुटि: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>कनेक्शन विफल</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>ऑडियो कैप्चर विफल</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>सर्वर त्रुटि</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>उपयोग: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>अज्ञात आर्ग्युमेंट &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 को एक मान चाहिए
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>अज्ञात फ़ॉर्मेट &quot;%1&quot;: srt, vtt या txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>अज्ञात पाठ &quot;%1&quot;: translation, original या both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 पढ़ा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ऐसी कोई फ़ाइल नहीं</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 रिकॉर्डिंग का विवरण नहीं है: %2 बाइट से बड़ा है</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 रिकॉर्डिंग का विवरण नहीं है (id, date, duration, language, audioFileName और transcript वाली Tolvaran रिकॉर्डिंग की .json फ़ाइल)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>निर्यात लिखा नहीं जा सका: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>पूर्वावलोकन</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>सुन रहा है…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>नवीनतम पर जाएँ</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>फिर से कनेक्ट हो रहा है…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>लाइव पूर्वावलोकन दिखाएँ</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>शैली के बदलाव देखने के लिए उदाहरण ओवरले दिखाएँ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>पाठ</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>प्रदर्शन मोड</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>वक्ताओं के नाम दिखाएँ</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>रंग</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>अनूदित पाठ</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>मूल पाठ</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>अनुच्छेद</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>अनुच्छेद का रंग</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>अपारदर्शिता</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>कोनों की त्रिज्या</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>विंडो</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>ओवरले की स्थिति रीसेट करें</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>ओवरले को उसकी डिफ़ॉल्ट स्थिति (नीचे दाएँ कोने) में लौटाएँ</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>अनुच्छेद कॉपी करें</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>कैप्चर: पूरा सिस्टम ऑडियो</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>कैप्चर: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>%1 की प्रतीक्षा…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>कॉल की प्रतीक्षा…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Tolvaran सॉफ़्टवेयर अपडेट</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>रिलीज़ देखें</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>आप नवीनतम संस्करण पर हैं</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 उपलब्ध है</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>अपडेट की जाँच नहीं हो सकी</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 नवीनतम संस्करण है।</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>आपके पास संस्करण %1 है।</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>रिलीज़ फ़ीड बहुत बड़ी है।</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>रिलीज़ फ़ीड ने समय पर जवाब नहीं दिया।</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>रिलीज़ फ़ीड तक नहीं पहुँचा जा सका: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>रिलीज़ फ़ीड पढ़ी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>रिलीज़ फ़ीड में कोई मान्य संस्करण नहीं है।</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>अनुरोध का समय समाप्त हो गया।</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>सर्वर URL अमान्य है</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>%1 तक नहीं पहुँचा जा सका: %2. सेटिंग्स → कनेक्शन जाँचें।</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>सर्वर ने कनेक्शन बंद कर दिया (कोड %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>सर्वर ने जवाब देना बंद कर दिया।</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>सर्वर के प्रमाणपत्र की अवधि समाप्त हो गई है</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>सर्वर का प्रमाणपत्र किसी दूसरे होस्ट के लिए है</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>सर्वर का प्रमाणपत्र विश्वसनीय नहीं है</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>कंप्यूटर पर चल रही ध्वनि का लाइव अनुवाद।</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>न अनुवाद ओवरले दिखाएँ न उपशीर्षक: केवल सुनें और रिकॉर्ड करें।</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>शुरू से ही माइक्रोफ़ोन मिलाएँ।</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>रिकॉर्डिंग का ट्रांसक्रिप्ट उपशीर्षक या पाठ के रूप में छापें और बाहर निकलें।</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>--export के साथ: उपशीर्षक (SubRip, WebVTT) या सादा पाठ।</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>--export के साथ: हर पंक्ति कौन-से पाठ दिखाए (डिफ़ॉल्ट: translation)।</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format और --text, --export &lt;recording.json&gt; के साथ इस्तेमाल होते हैं</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>ग्लोबल शॉर्टकट के लिए X11 या XWayland सत्र चाहिए</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 ग्लोबल शॉर्टकट नहीं हो सकता</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 किसी दूसरे प्रोग्राम के पास है</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>अनुवाद पूर्वावलोकन</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>त्रुटि: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln श्रोता</numerusform>
            <numerusform>%Ln श्रोता</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln श्रोता</numerusform>
            <numerusform>%Ln श्रोता</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>कोई भी फ़ाइल मैनेजर फ़ोल्डर नहीं खोल सका। यह यहाँ है: %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln खंड</numerusform>
            <numerusform>%Ln खंड</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln खंड</numerusform>
            <numerusform>%Ln खंड</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip उपशीर्षक (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT उपशीर्षक (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>सादा पाठ (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>रिकॉर्डिंग %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>निर्यात विफल: कोई फ़ाइल नहीं चुनी गई</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>निर्यात विफल: %1 इस कंप्यूटर की फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>निर्यात विफल: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 में निर्यात किया गया</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>रिकॉर्डिंग — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>सुनना शुरू/बंद करें</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>ओवरले दिखाएँ/छिपाएँ</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>रिकॉर्डिंग शुरू/बंद करें</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 ग्लोबल शॉर्टकट नहीं हो सकता</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>डेस्कटॉप %1 सेट नहीं कर सका</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>डेस्कटॉप के डायलॉग में %1 की पुष्टि नहीं हुई</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>डेस्कटॉप ने %1 सेट नहीं किया</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>डेस्कटॉप अब %1 आगे नहीं भेजता</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>अनुवाद</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>दोनों</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>बाएँ</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>बीच में</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>दाएँ</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (केवल ट्रांसक्रिप्ट)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>सिस्टम डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>पूरा सिस्टम ऑडियो</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>केवल कॉल (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>डेस्कटॉप जैसी</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>कॉल की निगरानी हो रही है...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>%1 में कॉल पहचानी गई</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>केवल कॉल</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Tolvaran सेटिंग्स</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>उपशीर्षक पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>उपशीर्षक</translation>
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
        <translation>Tolvaran खोलें</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>ओवरले दिखाएँ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>सुनना बंद करें</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>सुनना शुरू करें</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>रिकॉर्डिंग रोकें</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>रिकॉर्डिंग शुरू करें</translation>
    </message>
</context>
</TS>
