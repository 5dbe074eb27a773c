<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdvancedPage</name>
    <message>
        <source>Translation History</source>
        <translation>Historique des traductions</translation>
    </message>
    <message>
        <source>Max lines: %1</source>
        <translation>Lignes max. : %1</translation>
    </message>
    <message>
        <source>Number of translation lines kept in the overlay</source>
        <translation>Nombre de lignes de traduction conservées dans la fenêtre flottante</translation>
    </message>
    <message>
        <source>Paragraph Grouping</source>
        <translation>Regroupement en paragraphes</translation>
    </message>
    <message>
        <source>Silence gap: %1</source>
        <translation>Pause : %1</translation>
    </message>
    <message>
        <source>Seconds of silence before starting a new paragraph for the same speaker</source>
        <translation>Secondes de silence avant un nouveau paragraphe pour le même interlocuteur</translation>
    </message>
    <message>
        <source>Call Applications</source>
        <translation>Applications d’appel</translation>
    </message>
    <message>
        <source>Other programs you call with</source>
        <translation>Autres programmes avec lesquels vous appelez</translation>
    </message>
    <message>
        <source>Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams</source>
        <translation>Noms de leurs exécutables, séparés par des virgules : leurs appels sont détectés comme ceux de Zoom ou Teams</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>AudioCaptureError</name>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Échec de la capture audio : %1</translation>
    </message>
    <message>
        <source>No sound output found for audio capture</source>
        <translation>Aucune sortie son trouvée pour la capture audio</translation>
    </message>
</context>
<context>
    <name>AudioCaptureService</name>
    <message>
        <source>the capture was stopped while starting</source>
        <translation>la capture a été arrêtée pendant son démarrage</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>le serveur de son n’a pas répondu</translation>
    </message>
</context>
<context>
    <name>AudioPage</name>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Périphérique d’entrée</translation>
    </message>
    <message>
        <source>Microphone access not granted</source>
        <translation>Accès au microphone refusé</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Ouvrir les paramètres système</translation>
    </message>
    <message>
        <source>Only the call captures the application that holds the call; for a call in a browser, all the browser plays.</source>
        <translation>« Seulement l’appel » capture l’application qui tient l’appel ; pour un appel dans un navigateur, tout ce que joue le navigateur.</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the capture was stopped</source>
        <translation>la capture a été arrêtée</translation>
    </message>
    <message>
        <source>the system audio stream ended: %1</source>
        <translation>le flux audio du système s’est arrêté : %1</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>WebSocket URL</source>
        <translation>URL WebSocket</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL du serveur non valide</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Target Language</source>
        <translation>Langue cible</translation>
    </message>
    <message>
        <source>Speaker Languages</source>
        <translation>Langues des interlocuteurs</translation>
    </message>
    <message>
        <source>Hint which languages speakers will use for better recognition. Leave empty for auto-detection.</source>
        <translation>Indiquez les langues parlées pour une meilleure reconnaissance. Laissez vide pour la détection automatique.</translation>
    </message>
    <message>
        <source>Share rooms on this network</source>
        <translation>Partager les salons sur ce réseau</translation>
    </message>
    <message>
        <source>The local server lets others on this network open a room&apos;s link; speakers still connect from this computer only</source>
        <translation>Le serveur local permet aux autres sur ce réseau d’ouvrir le lien d’un salon ; les interlocuteurs se connectent toujours depuis cet ordinateur seulement</translation>
    </message>
</context>
<context>
    <name>ConnectionState</name>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Écoute…</translation>
    </message>
</context>
<context>
    <name>FloatingPanelChrome</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>Launch at Login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Automatically start Tolvaran when you log in</source>
        <translation>Démarrer Tolvaran automatiquement à l’ouverture de session</translation>
    </message>
    <message>
        <source>Auto-start listening on launch</source>
        <translation>Écouter dès le lancement</translation>
    </message>
    <message>
        <source>Begin capturing and translating as soon as the app starts</source>
        <translation>Commencer la capture et la traduction dès le démarrage du programme</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Les mises à jour passent par votre gestionnaire de paquets</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Call Detection</source>
        <translation>Détection des appels</translation>
    </message>
    <message>
        <source>Auto-detect calls</source>
        <translation>Détecter les appels automatiquement</translation>
    </message>
    <message>
        <source>Start listening when a call begins and stop when it ends</source>
        <translation>Démarrer l’écoute quand un appel commence et l’arrêter quand il se termine</translation>
    </message>
    <message>
        <source>Calls in</source>
        <translation>Appels dans</translation>
    </message>
    <message>
        <source>Teams only</source>
        <translation>Teams seulement</translation>
    </message>
    <message>
        <source>Any call application</source>
        <translation>Toute application d’appel</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Start/stop listening</source>
        <translation>Démarrer/arrêter l’écoute</translation>
    </message>
    <message>
        <source>Show/hide overlay</source>
        <translation>Basculer la fenêtre flottante</translation>
    </message>
    <message>
        <source>Start/stop recording</source>
        <translation>Lancer/arrêter l’enregistrement</translation>
    </message>
</context>
<context>
    <name>ListeningSession</name>
    <message>
        <source>Connection failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconnexion…</translation>
    </message>
</context>
<context>
    <name>OverlayToolbarView</name>
    <message>
        <source>Cycle display mode</source>
        <translation>Changer de mode d’affichage</translation>
    </message>
    <message>
        <source>Unpin from top</source>
        <translation>Ne plus garder au premier plan</translation>
    </message>
    <message>
        <source>Pin above all windows</source>
        <translation>Garder au-dessus des autres fenêtres</translation>
    </message>
    <message>
        <source>Exit subtitles mode</source>
        <translation>Quitter le mode sous-titres</translation>
    </message>
    <message>
        <source>Subtitles mode</source>
        <translation>Mode sous-titres</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Settings...</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>PanelListeningSection</name>
    <message>
        <source>System audio capture unavailable</source>
        <translation>Capture du son du système indisponible</translation>
    </message>
    <message>
        <source>Open Sound Settings</source>
        <translation>Ouvrir les paramètres du son</translation>
    </message>
    <message>
        <source>Sound server unavailable, reconnecting…</source>
        <translation>Serveur de son indisponible, reconnexion…</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Arrêter l’écoute</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Démarrer l’écoute</translation>
    </message>
    <message>
        <source>Start Room</source>
        <translation>Ouvrir un salon</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL du serveur non valide</translation>
    </message>
</context>
<context>
    <name>PanelRecordingsSection</name>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Open recordings folder</source>
        <translation>Ouvrir le dossier des enregistrements</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>Recording of %1, %2</source>
        <translation>Enregistrement du %1, %2</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
</context>
<context>
    <name>PanelSwitchesSection</name>
    <message>
        <source>Show Overlay</source>
        <translation>Afficher la fenêtre flottante</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Start listening to record a session</source>
        <translation>Démarrez l’écoute pour enregistrer une session</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Enregistrer la session</translation>
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
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Reculer de 10 secondes</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Avancer de 10 secondes</translation>
    </message>
    <message>
        <source>Export Transcript</source>
        <translation>Exporter la transcription</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>PulseEngine</name>
    <message>
        <source>Cannot create the sound server event loop</source>
        <translation>Impossible de créer la boucle d’événements du serveur de son</translation>
    </message>
    <message>
        <source>Cannot start the sound server event loop</source>
        <translation>Impossible de démarrer la boucle d’événements du serveur de son</translation>
    </message>
    <message>
        <source>Cannot create a sound server context</source>
        <translation>Impossible de créer un contexte du serveur de son</translation>
    </message>
    <message>
        <source>No sound server: %1</source>
        <translation>Pas de serveur de son : %1</translation>
    </message>
    <message>
        <source>No sound server: the sound server did not answer in time</source>
        <translation>Pas de serveur de son : le serveur de son n’a pas répondu à temps</translation>
    </message>
</context>
<context>
    <name>PulseRecordStream</name>
    <message>
        <source>the sound server did not answer in time</source>
        <translation>le serveur de son n’a pas répondu à temps</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>The recordings folder is read-only</source>
        <translation>Le dossier des enregistrements est en lecture seule</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>The recording could not start</source>
        <translation>L’enregistrement n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped, listening goes on</source>
        <translation>Le disque est plein : l’enregistrement s’est arrêté, l’écoute continue</translation>
    </message>
    <message>
        <source>The recording stopped: its file could not be written</source>
        <translation>L’enregistrement s’est arrêté : son fichier n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>The disk filled up: the recording was saved only in part</source>
        <translation>Le disque s’est rempli : l’enregistrement n’a été conservé qu’en partie</translation>
    </message>
    <message>
        <source>The disk is full: the recording was saved only in part, listening goes on</source>
        <translation>Le disque est plein : l’enregistrement n’a été conservé qu’en partie, l’écoute continue</translation>
    </message>
    <message>
        <source>The disk is full: the recording is saved when space is free</source>
        <translation>Le disque est plein : l’enregistrement sera conservé dès qu’il y aura de la place</translation>
    </message>
    <message>
        <source>Little space left: less than ten minutes of recording</source>
        <translation>Peu d’espace libre : moins de dix minutes d’enregistrement</translation>
    </message>
</context>
<context>
    <name>RecordingNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Masquer</translation>
    </message>
</context>
<context>
    <name>RecordingPage</name>
    <message>
        <source>Automatic Recording</source>
        <translation>Enregistrement automatique</translation>
    </message>
    <message>
        <source>Start recording when listening begins</source>
        <translation>Enregistrer dès que l’écoute commence</translation>
    </message>
    <message>
        <source>Automatically record audio and transcript whenever you start listening</source>
        <translation>Enregistrer automatiquement l’audio et la transcription à chaque écoute</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Rétablir par défaut</translation>
    </message>
    <message>
        <source>Choose a folder to save recordings</source>
        <translation>Choisissez un dossier pour les enregistrements</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>RoomCard</name>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>The server opened a new room after reconnecting: share the new link.</source>
        <translation>Le serveur a ouvert un nouveau salon après la reconnexion : partagez le nouveau lien.</translation>
    </message>
</context>
<context>
    <name>RoomState</name>
    <message>
        <source>Anyone on this network with the link</source>
        <translation>Toute personne sur ce réseau ayant le lien</translation>
    </message>
    <message>
        <source>Only this computer can open the link</source>
        <translation>Seul cet ordinateur peut ouvrir le lien</translation>
    </message>
</context>
<context>
    <name>ServerMessages</name>
    <message>
        <source>Unknown server error</source>
        <translation>Erreur de serveur inconnue</translation>
    </message>
</context>
<context>
    <name>ShortcutRow</name>
    <message>
        <source>Press keys…</source>
        <translation>Touches…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>SubtitlesPage</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Afficher l’aperçu en direct</translation>
    </message>
    <message>
        <source>Show example subtitles on screen to preview your style changes</source>
        <translation>Afficher des sous-titres d’exemple à l’écran pour juger vos réglages de style</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur d’arrière-plan</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Rayon des coins</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Bottom Offset</source>
        <translation>Marge inférieure</translation>
    </message>
    <message>
        <source>Padding H</source>
        <translation>Marge H</translation>
    </message>
    <message>
        <source>Padding V</source>
        <translation>Marge V</translation>
    </message>
</context>
<context>
    <name>TargetLanguage</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Translate</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Original &amp; Translate</source>
        <translation>Original et traduction</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Font size: %1</source>
        <translation>Taille de police : %1</translation>
    </message>
</context>
<context>
    <name>TolvaranError</name>
    <message>
        <source>Connection failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>Audio capture failed: %1</source>
        <translation>Échec de la capture audio : %1</translation>
    </message>
    <message>
        <source>Microphone permission is required</source>
        <translation>L’autorisation d’utiliser le microphone est requise</translation>
    </message>
    <message>
        <source>Server error: %1</source>
        <translation>Erreur du serveur : %1</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Audio capture failed</source>
        <translation>Échec de la capture audio</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erreur du serveur</translation>
    </message>
</context>
<context>
    <name>TranscriptExport</name>
    <message>
        <source>usage: tolvaran --export &lt;recording.json&gt; --format srt|vtt|txt [--text translation|original|both]</source>
        <translation>usage : tolvaran --export &lt;enregistrement.json&gt; --format srt|vtt|txt [--text translation|original|both]</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;
%2</source>
        <translation>argument inconnu « %1 »
%2</translation>
    </message>
    <message>
        <source>%1 needs a value
%2</source>
        <translation>%1 attend une valeur
%2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;: srt, vtt or txt</source>
        <translation>format inconnu « %1 » : srt, vtt ou txt</translation>
    </message>
    <message>
        <source>unknown text &quot;%1&quot;: translation, original or both</source>
        <translation>texte inconnu « %1 » : translation, original ou both</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description: larger than %2 bytes</source>
        <translation>%1 n’est pas la description d’un enregistrement : plus de %2 octets</translation>
    </message>
    <message>
        <source>%1 is not a recording&apos;s description (a Tolvaran recording .json file with id, date, duration, language, audioFileName and transcript)</source>
        <translation>%1 n’est pas la description d’un enregistrement (un fichier .json d’enregistrement Tolvaran avec id, date, duration, language, audioFileName et transcript)</translation>
    </message>
    <message>
        <source>cannot write the export: %1</source>
        <translation>impossible d’écrire l’export : %1</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayPreviewView</name>
    <message>
        <source>PREVIEW</source>
        <translation>APERÇU</translation>
    </message>
</context>
<context>
    <name>TranslationOverlayView</name>
    <message>
        <source>Listening…</source>
        <translation>Écoute…</translation>
    </message>
    <message>
        <source>Jump to latest</source>
        <translation>Aller au plus récent</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconnexion…</translation>
    </message>
</context>
<context>
    <name>TranslationPage</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Show live preview</source>
        <translation>Afficher l’aperçu en direct</translation>
    </message>
    <message>
        <source>Show an example translation overlay to preview your style changes</source>
        <translation>Afficher une fenêtre flottante d’exemple pour juger vos réglages de style</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Mode d’affichage</translation>
    </message>
    <message>
        <source>Show speaker labels</source>
        <translation>Afficher les noms des interlocuteurs</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Translated Text</source>
        <translation>Texte traduit</translation>
    </message>
    <message>
        <source>Original Text</source>
        <translation>Texte original</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Paragraphes</translation>
    </message>
    <message>
        <source>Paragraph Color</source>
        <translation>Couleur des paragraphes</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Rayon des coins</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Reset Overlay Position</source>
        <translation>Replacer la fenêtre flottante</translation>
    </message>
    <message>
        <source>Move the overlay back to its default position (bottom-right corner)</source>
        <translation>Ramener la fenêtre flottante à sa position par défaut (en bas à droite)</translation>
    </message>
</context>
<context>
    <name>TranslationParagraphView</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy Paragraph</source>
        <translation>Copier le paragraphe</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>TranslationViewModel</name>
    <message>
        <source>Capturing: all system audio</source>
        <translation>Capture : tout le son du système</translation>
    </message>
    <message>
        <source>Capturing: %1</source>
        <translation>Capture : %1</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>En attente de %1…</translation>
    </message>
    <message>
        <source>Waiting for a call…</source>
        <translation>En attente d’un appel…</translation>
    </message>
</context>
<context>
    <name>UpdateResultDialog</name>
    <message>
        <source>Tolvaran Software Update</source>
        <translation>Mise à jour de Tolvaran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>View Release</source>
        <translation>Voir la version</translation>
    </message>
</context>
<context>
    <name>UpdaterService</name>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Vous êtes à jour</translation>
    </message>
    <message>
        <source>Tolvaran %1 is available</source>
        <translation>Tolvaran %1 est disponible</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Impossible de rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Tolvaran %1 is the newest version.</source>
        <translation>Tolvaran %1 est la version la plus récente.</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Vous avez la version %1.</translation>
    </message>
    <message>
        <source>The release feed is too large.</source>
        <translation>Le flux des versions est trop volumineux.</translation>
    </message>
    <message>
        <source>The release feed did not answer in time.</source>
        <translation>Le flux des versions n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The release feed could not be reached: %1</source>
        <translation>Le flux des versions est injoignable : %1</translation>
    </message>
    <message>
        <source>The release feed could not be read.</source>
        <translation>Le flux des versions est illisible.</translation>
    </message>
    <message>
        <source>The release feed names no valid version.</source>
        <translation>Le flux des versions n’indique aucune version valide.</translation>
    </message>
</context>
<context>
    <name>WebSocketService</name>
    <message>
        <source>The request timed out.</source>
        <translation>La requête a expiré.</translation>
    </message>
    <message>
        <source>Invalid server URL</source>
        <translation>URL du serveur non valide</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check Settings → Connection.</source>
        <translation>Impossible de joindre %1 : %2. Vérifiez Paramètres → Connexion.</translation>
    </message>
    <message>
        <source>The server closed the connection (code %1)</source>
        <translation>Le serveur a fermé la connexion (code %1)</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Le serveur ne répond plus.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has expired</source>
        <translation>Le certificat du serveur a expiré</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is for another host</source>
        <translation>Le certificat du serveur concerne un autre hôte</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted</source>
        <translation>Le certificat du serveur n’est pas approuvé</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Live translation of what the computer plays.</source>
        <translation>Traduction en direct de ce que joue l’ordinateur.</translation>
    </message>
    <message>
        <source>Show no translation overlay or subtitles: listen and record only.</source>
        <translation>N’afficher ni fenêtre de traduction ni sous-titres : écouter et enregistrer seulement.</translation>
    </message>
    <message>
        <source>Mix the microphone in from the start.</source>
        <translation>Mélanger le microphone dès le début.</translation>
    </message>
    <message>
        <source>Print a recording&apos;s transcript as subtitles or text, and quit.</source>
        <translation>Afficher la transcription d’un enregistrement en sous-titres ou en texte, puis quitter.</translation>
    </message>
    <message>
        <source>With --export: subtitles (SubRip, WebVTT) or plain text.</source>
        <translation>Avec --export : sous-titres (SubRip, WebVTT) ou texte brut.</translation>
    </message>
    <message>
        <source>With --export: which texts each line shows (default: translation).</source>
        <translation>Avec --export : les textes de chaque ligne (par défaut : translation).</translation>
    </message>
    <message>
        <source>--format and --text go with --export &lt;recording.json&gt;</source>
        <translation>--format et --text vont avec --export &lt;enregistrement.json&gt;</translation>
    </message>
</context>
<context>
    <name>tolvaran::GlobalShortcuts</name>
    <message>
        <source>Global shortcuts need an X11 or XWayland session</source>
        <translation>Les raccourcis globaux nécessitent une session X11 ou XWayland</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 ne peut pas être un raccourci global</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 est déjà pris par un autre programme</translation>
    </message>
</context>
<context>
    <name>tolvaran::OverlayWindowManager</name>
    <message>
        <source>Translation Preview</source>
        <translation>Aperçu de la traduction</translation>
    </message>
</context>
<context>
    <name>tolvaran::PanelModel</name>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriber</source>
        <translation>
            <numerusform>%Ln auditeur</numerusform>
            <numerusform>%Ln auditeurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscribers</source>
        <translation>
            <numerusform>%Ln auditeur</numerusform>
            <numerusform>%Ln auditeurs</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is at %1</source>
        <translation>Aucun gestionnaire de fichiers n’a pu ouvrir le dossier. Il se trouve dans %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackController</name>
    <message numerus="yes">
        <source>%Ln segment</source>
        <translation>
            <numerusform>%Ln segment</numerusform>
            <numerusform>%Ln segments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln segment</numerusform>
            <numerusform>%Ln segments</numerusform>
        </translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Sous-titres SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Sous-titres WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Enregistrement %1</translation>
    </message>
    <message>
        <source>Export failed: no file was chosen</source>
        <translation>Échec de l’export : aucun fichier choisi</translation>
    </message>
    <message>
        <source>Export failed: %1 is not a file on this computer</source>
        <translation>Échec de l’export : %1 n’est pas un fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Échec de l’export : %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PlaybackWindowManager</name>
    <message>
        <source>Recording — %1</source>
        <translation>Enregistrement — %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::PortalShortcuts</name>
    <message>
        <source>Start or stop listening</source>
        <translation>Démarrer/arrêter l’écoute</translation>
    </message>
    <message>
        <source>Show or hide the overlay</source>
        <translation>Afficher/masquer la fenêtre flottante</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>Démarrer/arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>%1 cannot be a global shortcut</source>
        <translation>%1 ne peut pas être un raccourci global</translation>
    </message>
    <message>
        <source>The desktop could not set %1</source>
        <translation>Le bureau n’a pas pu définir %1</translation>
    </message>
    <message>
        <source>%1 was not confirmed in the desktop&apos;s dialog</source>
        <translation>%1 n’a pas été confirmé dans la fenêtre du bureau</translation>
    </message>
    <message>
        <source>The desktop did not set %1</source>
        <translation>Le bureau n’a pas défini %1</translation>
    </message>
    <message>
        <source>The desktop no longer passes on %1</source>
        <translation>Le bureau ne transmet plus %1</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsModel</name>
    <message>
        <source>Translated</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>%1 (transcript only)</source>
        <translation>%1 (transcription seule)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Par défaut du système</translation>
    </message>
    <message>
        <source>All system audio</source>
        <translation>Tout le son du système</translation>
    </message>
    <message>
        <source>Only the call (Teams)</source>
        <translation>Seulement l’appel (Teams)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Same as the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Monitoring for calls...</source>
        <translation>Surveillance des appels…</translation>
    </message>
    <message>
        <source>Call detected in %1</source>
        <translation>Appel détecté dans %1</translation>
    </message>
    <message>
        <source>Only the call</source>
        <translation>Seulement l’appel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>tolvaran::SettingsWindowManager</name>
    <message>
        <source>Tolvaran Settings</source>
        <translation>Paramètres de Tolvaran</translation>
    </message>
</context>
<context>
    <name>tolvaran::SubtitlesWindowManager</name>
    <message>
        <source>Subtitles Preview</source>
        <translation>Aperçu des sous-titres</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
</context>
<context>
    <name>tolvaran::TrayItem</name>
    <message>
        <source>Tolvaran: %1</source>
        <translation>Tolvaran : %1</translation>
    </message>
    <message>
        <source>Open Tolvaran</source>
        <translation>Ouvrir Tolvaran</translation>
    </message>
    <message>
        <source>Show Overlay</source>
        <translation>Afficher la fenêtre flottante</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Stop Listening</source>
        <translation>Arrêter l’écoute</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Démarrer l’écoute</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Démarrer l’enregistrement</translation>
    </message>
</context>
</TS>
