<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Histórico de traduções</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Máx. de linhas: %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Número de linhas de tradução mantidas na janela flutuante</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Agrupamento em parágrafos</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Pausa: %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Segundos de silêncio antes de começar um novo parágrafo para o mesmo orador</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Aplicativos de chamada</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Outros programas que você usa para chamadas</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Os nomes dos executáveis, separados por vírgulas: as chamadas neles são detectadas como as do Zoom ou do Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tradução</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Falha na captura de áudio: %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Nenhuma saída de som encontrada para captura</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>a captura foi interrompida durante o início</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>o servidor de som não respondeu</translation>
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
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Dispositivo de entrada</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Acesso ao microfone não concedido</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Abrir configurações do sistema</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>&quot;Só a chamada&quot; captura o aplicativo que mantém a chamada; para uma chamada no navegador, tudo o que o navegador reproduz.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>a captura foi interrompida</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>o fluxo de áudio do sistema terminou: %1</translation>
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
        <translation>URL do WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL do servidor inválida</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tradução</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Idiomas dos oradores</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Indique quais idiomas os oradores usarão para melhorar o reconhecimento. Deixe vazio para detecção automática.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Compartilhar salas nesta rede</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>O servidor local permite que outras pessoas nesta rede abram o link de uma sala; os oradores continuam se conectando só deste computador</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Ouvindo...</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Iniciar ao entrar</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Iniciar o Tolvaran automaticamente ao entrar na sessão</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Ouvir ao iniciar</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Começar a capturar e traduzir assim que o programa iniciar</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>As atualizações chegam pelo gerenciador de pacotes</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Verificar atualizações...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Detecção de chamadas</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Detectar chamadas automaticamente</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Começar a ouvir quando uma chamada começa e parar quando ela termina</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Chamadas em</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Só o Teams</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Qualquer aplicativo</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Começar/parar de ouvir</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Mostrar/ocultar janela flutuante</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Iniciar/parar gravação</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Falha na conexão</translation>
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
        <translation>Alternar modo de exibição</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Não manter no topo</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Manter acima de todas as janelas</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Sair do modo legendas</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Modo legendas</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Configurações...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Captura do áudio do sistema indisponível</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Abrir configurações de som</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Servidor de som indisponível, reconectando…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Parar de ouvir</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Começar a ouvir</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Abrir sala</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL do servidor inválida</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Gravações</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Abrir pasta de gravações</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Nenhuma gravação ainda</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Gravação de %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para a lixeira</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Mostrar janela flutuante</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Comece a ouvir para gravar uma sessão</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Gravar sessão</translation>
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
        <translation>Tradução</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Voltar 10 segundos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Avançar 10 segundos</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Exportar transcrição</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Não foi possível criar o laço de eventos do servidor de som</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Não foi possível iniciar o laço de eventos do servidor de som</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Não foi possível criar um contexto do servidor de som</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Sem servidor de som: %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Sem servidor de som: o servidor de som não respondeu a tempo</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>o servidor de som não respondeu a tempo</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>A pasta de gravações é somente leitura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>O disco está cheio</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>Não foi possível iniciar a gravação</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>O disco está cheio: a gravação parou, a escuta continua</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>A gravação parou: não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>O disco encheu: a gravação foi salva apenas em parte</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>O disco está cheio: a gravação foi salva apenas em parte, a escuta continua</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>O disco está cheio: a gravação será salva quando houver espaço livre</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Pouco espaço livre: menos de dez minutos de gravação</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Gravação automática</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Gravar ao começar a ouvir</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Gravar áudio e transcrição automaticamente sempre que começar a ouvir</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Local de salvamento</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Escolha uma pasta para salvar as gravações</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
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
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>O servidor abriu uma nova sala após reconectar: compartilhe o novo link.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Qualquer pessoa nesta rede com o link</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Só este computador pode abrir o link</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Erro desconhecido do servidor</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Pressione…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Mostrar pré-visualização ao vivo</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Mostrar legendas de exemplo na tela para ver as mudanças de estilo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Raio dos cantos</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Distância inferior</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Margem H</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Margem V</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
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
        <translation>Polonês</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
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
        <translation>Tradução</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Original e tradução</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Tamanho da fonte: %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Falha na conexão: %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Falha na captura de áudio: %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>É necessária permissão para o microfone</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Erro do servidor: %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Falha na conexão</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Falha na captura de áudio</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erro do servidor</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>uso: tolvaran --export &lt;gravacao.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>argumento desconhecido &quot;%1&quot;
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 precisa de um valor
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>formato desconhecido &quot;%1&quot;: srt, vtt ou txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>texto desconhecido &quot;%1&quot;: translation, original ou both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 não é a descrição de uma gravação: maior que %2 bytes</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 não é a descrição de uma gravação (um arquivo .json de gravação do Tolvaran com id, date, duration, language, audioFileName e transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>não foi possível gravar a exportação: %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>PRÉ-VISUALIZAÇÃO</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Ouvindo…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Ir para o mais recente</translation>
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
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Mostrar pré-visualização ao vivo</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Mostrar uma janela flutuante de exemplo para ver as mudanças de estilo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Modo de exibição</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Mostrar nomes dos oradores</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Texto traduzido</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Texto original</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Parágrafos</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Cor dos parágrafos</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Raio dos cantos</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Redefinir posição da janela flutuante</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Devolver a janela flutuante à posição padrão (canto inferior direito)</translation>
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
        <translation>Copiar parágrafo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Capturando: todo o áudio do sistema</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Capturando: %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Aguardando %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>Aguardando uma chamada…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Atualização do Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Ver versão</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Você está atualizado</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>O Tolvaran %1 está disponível</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Não foi possível verificar atualizações</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>O Tolvaran %1 é a versão mais recente.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Você tem a versão %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>O feed de versões é grande demais.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>O feed de versões não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Não foi possível acessar o feed de versões: %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Não foi possível ler o feed de versões.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>O feed de versões não indica nenhuma versão válida.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>A solicitação expirou.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL do servidor inválida</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Não foi possível acessar %1: %2. Verifique Configurações → Conexão.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>O servidor fechou a conexão (código %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>O servidor parou de responder.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>O certificado do servidor expirou</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>O certificado do servidor é de outro host</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>O certificado do servidor não é confiável</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Tradução ao vivo do que o computador reproduz.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>Não mostrar janela de tradução nem legendas: apenas ouvir e gravar.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Misturar o microfone desde o início.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Imprimir a transcrição de uma gravação como legendas ou texto e sair.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Com --export: legendas (SubRip, WebVTT) ou texto simples.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Com --export: quais textos cada linha mostra (padrão: translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format e --text acompanham --export &lt;gravacao.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Atalhos globais precisam de uma sessão X11 ou XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 não pode ser um atalho global</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 já está em uso por outro programa</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Pré-visualização da tradução</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln ouvinte</numerusform>
            <numerusform>%Ln ouvintes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln ouvinte</numerusform>
            <numerusform>%Ln ouvintes</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Nenhum gerenciador de arquivos conseguiu abrir a pasta. Ela fica em %1</translation>
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
        <translation>Legendas SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Legendas WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto simples (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Gravação %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Falha na exportação: nenhum arquivo escolhido</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Falha na exportação: %1 não é um arquivo deste computador</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Falha na exportação: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado para %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Gravação — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Começar/parar de ouvir</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Mostrar/ocultar janela flutuante</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Iniciar/parar gravação</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 não pode ser um atalho global</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>O ambiente de trabalho não pôde definir %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 não foi confirmado na janela do ambiente de trabalho</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>O ambiente de trabalho não definiu %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>O ambiente de trabalho já não repassa %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Tradução</translation>
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
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (só transcrição)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Todo o áudio do sistema</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Só a chamada (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Igual à área de trabalho</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Monitorando chamadas...</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Chamada detectada em %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Só a chamada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Configurações do Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Pré-visualização das legendas</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
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
        <translation>Abrir o Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Mostrar janela flutuante</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Parar de ouvir</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Começar a ouvir</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar gravação</translation>
    </message>
</context>
</TS>
