<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChosenList</name>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vocabulary game for children who learn English.
Without options it starts the game. A word set is a folder of pictures named by their words
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP or SVG), with recordings of the same names if you
like (.mp3, .ogg, .wav); words without a recording are spoken by Festival.</source>
        <translation>Vokabelspiel für Kinder, die Englisch lernen.
Ohne Optionen startet das Spiel. Ein Wortschatz ist ein Ordner mit Bildern, die nach ihren Wörtern heißen
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP oder SVG), auf Wunsch mit Aufnahmen gleichen Namens
(.mp3, .ogg, .wav); Wörter ohne Aufnahme spricht Festival.</translation>
    </message>
    <message>
        <source>Import the folder as a word set, print the report and exit (exit code 1 when nothing was imported).</source>
        <translation>Den Ordner als Wortschatz importieren, den Bericht ausgeben und beenden (Rückgabewert 1, wenn nichts importiert wurde).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>the progress was saved by a newer Vocalune</source>
        <translation>der Fortschritt wurde von einem neueren Vocalune gespeichert</translation>
    </message>
    <message>
        <source>the progress could not be opened</source>
        <translation>der Fortschritt konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Export nicht möglich: %1</translation>
    </message>
    <message>
        <source>Write every player&apos;s words as CSV to the file and exit (exit code 1 when it could not).</source>
        <translation>Die Wörter aller Spieler als CSV in die Datei schreiben und beenden (Exit-Code 1, wenn das nicht ging).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user of the computer, into %1 (an administrator&apos;s task).</source>
        <translation>Mit --import-word-set: den Wortschatz für alle Benutzer des Computers nach %1 importieren (eine Aufgabe für Administratoren).</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user into this folder of word sets instead (implies --system).</source>
        <translation>Mit --import-word-set: den Wortschatz für alle Benutzer stattdessen in diesen Ordner für Wortschätze importieren (schließt --system ein).</translation>
    </message>
    <message>
        <source>--to needs a folder</source>
        <translation>--to braucht einen Ordner</translation>
    </message>
    <message>
        <source>Could not import: the administrator has locked importing.</source>
        <translation>Import nicht möglich: Der Administrator hat den Import gesperrt.</translation>
    </message>
    <message>
        <source>vocalune.conf names no class&apos;s server</source>
        <translation>vocalune.conf nennt keinen Server der Klasse</translation>
    </message>
    <message>
        <source>a class&apos;s name is 1 to 16 letters, digits, spaces, - or _</source>
        <translation>der Name einer Klasse besteht aus 1 bis 16 Buchstaben, Ziffern, Leerzeichen, - oder _</translation>
    </message>
    <message>
        <source>With --export-progress: write the whole class from the class&apos;s server that vocalune.conf names instead.</source>
        <translation>Mit --export-progress: stattdessen die ganze Klasse vom Server der Klasse schreiben, den vocalune.conf nennt.</translation>
    </message>
    <message>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
</context>
<context>
    <name>DictionariesView</name>
    <message>
        <source>Available dictionaries</source>
        <translation>Zur Auswahl</translation>
    </message>
    <message>
        <source>Dictionaries in use</source>
        <translation>Im Spiel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the word set %1</source>
        <translation>Wortsammlung %1 entfernen</translation>
    </message>
    <message>
        <source>Use this dictionary</source>
        <translation>Dieses Wörterbuch benutzen</translation>
    </message>
    <message>
        <source>Stop using this dictionary</source>
        <translation>Dieses Wörterbuch nicht mehr benutzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove the word set &quot;%1&quot;?</source>
        <translation>Wortsammlung „%1“ entfernen?</translation>
    </message>
    <message>
        <source>Its pictures and recordings are deleted from this computer.</source>
        <translation>Ihre Bilder und Aufnahmen werden von diesem Computer gelöscht.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
</context>
<context>
    <name>DictionaryChoice</name>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Einen Ordner mit Bildern wählen</translation>
    </message>
</context>
<context>
    <name>EndPanel</name>
    <message>
        <source>Score: </source>
        <translation>Punkte: </translation>
    </message>
    <message>
        <source>Back to Main</source>
        <translation>Zum Menü</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Zum Üben:</translation>
    </message>
    <message>
        <source>No mistakes!</source>
        <translation>Keine Fehler!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nochmal spielen</translation>
    </message>
    <message>
        <source>Practice games do not enter the top ten.</source>
        <translation>Übungsspiele kommen nicht in die Top 10.</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Success!</source>
        <translation>Geschafft!</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Importing pictures…</source>
        <translation>Bilder werden importiert…</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Fortschritt des Imports</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Wörterbücher</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Who is playing? %1</source>
        <translation>Wer spielt? %1</translation>
    </message>
</context>
<context>
    <name>MessagePanel</name>
    <message>
        <source>Record them in your own voice:</source>
        <translation>Mit der eigenen Stimme aufnehmen:</translation>
    </message>
</context>
<context>
    <name>NewGameView</name>
    <message>
        <source>Choose a Game Mode!</source>
        <translation>Wähle ein Spiel!</translation>
    </message>
    <message>
        <source>Pair Game</source>
        <translation>Paarspiel</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Wortspiel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Picture Book</source>
        <translation>Bilderbuch</translation>
    </message>
</context>
<context>
    <name>OwlVoice</name>
    <message>
        <source>en</source>
        <comment>the language of the owl&apos;s recordings: en, de, es, fi, fr or sv</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>PairGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Du bist in den Top 10!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Schreib deinen Namen!</translation>
    </message>
</context>
<context>
    <name>PairGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>Zu wenige Wörter!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Punkte: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
</context>
<context>
    <name>ParentGate</name>
    <message>
        <source>Tap one</source>
        <translation>Tippe auf eins</translation>
    </message>
    <message>
        <source>Tap two</source>
        <translation>Tippe auf zwei</translation>
    </message>
    <message>
        <source>Tap three</source>
        <translation>Tippe auf drei</translation>
    </message>
    <message>
        <source>Tap four</source>
        <translation>Tippe auf vier</translation>
    </message>
    <message>
        <source>Tap five</source>
        <translation>Tippe auf fünf</translation>
    </message>
    <message>
        <source>Tap six</source>
        <translation>Tippe auf sechs</translation>
    </message>
    <message>
        <source>Tap seven</source>
        <translation>Tippe auf sieben</translation>
    </message>
    <message>
        <source>Tap eight</source>
        <translation>Tippe auf acht</translation>
    </message>
    <message>
        <source>Tap nine</source>
        <translation>Tippe auf neun</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Für Erwachsene</translation>
    </message>
    <message>
        <source>For grown-ups: hold the circle for three seconds</source>
        <translation>Für Erwachsene: den Kreis drei Sekunden lang gedrückt halten</translation>
    </message>
    <message>
        <source>Hold for three seconds</source>
        <translation>Drei Sekunden gedrückt halten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PictureBookView</name>
    <message>
        <source>Picture Book</source>
        <translation>Bilderbuch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>This memory was made by a newer Vocalune. Play goes on, but answers are not kept.</source>
        <translation>Dieses Gedächtnis stammt von einem neueren Vocalune. Das Spiel geht weiter, aber Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The memory of words could not be opened. Play goes on, but answers are not kept.</source>
        <translation>Das Wortgedächtnis konnte nicht geöffnet werden. Das Spiel geht weiter, aber Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The memory of words was damaged and starts afresh. The old file was kept beside it.</source>
        <translation>Das Wortgedächtnis war beschädigt und beginnt neu. Die alte Datei liegt daneben.</translation>
    </message>
</context>
<context>
    <name>PlayersView</name>
    <message>
        <source>Who is playing?</source>
        <translation>Wer spielt?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Words learned: %1</source>
        <translation>Gelernte Wörter: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Every word this player learned is forgotten.</source>
        <translation>Alle Wörter, die dieser Spieler gelernt hat, werden vergessen.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Eule</translation>
    </message>
</context>
<context>
    <name>PracticeBadge</name>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Export progress</source>
        <translation>Fortschritt exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Export nicht möglich: %1</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached just now.</source>
        <translation>Der Server der Klasse ist gerade nicht erreichbar.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Frage den Server der Klasse…</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>Progress: %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Gelernt</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Am Lernen</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Noch nicht gesehen</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, %4 not met yet</source>
        <translation>%1: %2 gelernt, %3 am Lernen, %4 noch nicht gesehen</translation>
    </message>
    <message>
        <source>Last game: %1</source>
        <translation>Letztes Spiel: %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>Words learned per day</source>
        <translation>Gelernte Wörter pro Tag</translation>
    </message>
    <message>
        <source>Minutes played per day</source>
        <translation>Gespielte Minuten pro Tag</translation>
    </message>
    <message>
        <source>most: %1</source>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Most mistakes</source>
        <translation>Die meisten Fehler</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Letztes Spiel</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, last game %4</source>
        <translation>%1: %2 gelernt, %3 am Lernen, letztes Spiel %4</translation>
    </message>
    <message>
        <source>The class&apos;s most mistakes</source>
        <translation>Die meisten Fehler der Klasse</translation>
    </message>
</context>
<context>
    <name>SaveFailedLine</name>
    <message>
        <source>Could not save: the disk is full or read-only.</source>
        <translation>Speichern fehlgeschlagen: Der Datenträger ist voll oder schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Ton: </translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Spiel endet</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Sound: muted</source>
        <translation>Ton: aus</translation>
    </message>
    <message>
        <source>Sound: on</source>
        <translation>Ton: an</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>To learn</source>
        <translation>Zum Lernen</translation>
    </message>
    <message>
        <source>Owl talks: On</source>
        <translation>Eule spricht: An</translation>
    </message>
    <message>
        <source>Owl talks: Off</source>
        <translation>Eule spricht: Aus</translation>
    </message>
    <message>
        <source>Parent lock: On</source>
        <translation>Elternsperre: An</translation>
    </message>
    <message>
        <source>Parent lock: Off</source>
        <translation>Elternsperre: Aus</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Stimme:</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Unsere</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Eingebaut</translation>
    </message>
</context>
<context>
    <name>VoiceButtons</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Stop recording %1</source>
        <translation>Aufnahme von %1 beenden</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>%1 aufnehmen</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Aufnahmepegel</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Listen to %1</source>
        <translation>%1 anhören</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Eingebaute Stimme</translation>
    </message>
    <message>
        <source>Back to the built-in voice for %1</source>
        <translation>Zurück zur eingebauten Stimme für %1</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>No microphone found.</source>
        <translation>Kein Mikrofon gefunden.</translation>
    </message>
    <message>
        <source>I could not hear you. Try again, a little closer.</source>
        <translation>Ich konnte dich nicht hören. Versuch es noch einmal, etwas näher.</translation>
    </message>
    <message>
        <source>The recording could not be saved: the disk is full or read-only.</source>
        <translation>Die Aufnahme konnte nicht gespeichert werden: Der Datenträger ist voll oder schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>The recording could not be removed.</source>
        <translation>Die Aufnahme konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>WordGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Du bist in den Top 10!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Schreib deinen Namen!</translation>
    </message>
</context>
<context>
    <name>WordGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>Zu wenige Wörter!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Punkte: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Hear the word again</source>
        <translation>Wort nochmal hören</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
</context>
<context>
    <name>WordSetImporter</name>
    <message>
        <source>picture uses other files</source>
        <translation>Bild verwendet andere Dateien</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>picture too large (more than 40 megapixels)</source>
        <translation>Bild zu groß (mehr als 40 Megapixel)</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>beschädigtes Bild</translation>
    </message>
    <message>
        <source>Imported %1 words into the set &quot;%2&quot;.</source>
        <translation>%1 Wörter in den Wortschatz „%2“ importiert.</translation>
    </message>
    <message>
        <source>Import cancelled: nothing was kept.</source>
        <translation>Import abgebrochen: nichts wurde behalten.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Nichts wurde importiert: %1.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>that is not a folder</source>
        <translation>das ist kein Ordner</translation>
    </message>
    <message>
        <source>there is already a dictionary called &quot;%1&quot;; rename the folder</source>
        <translation>es gibt schon ein Wörterbuch namens „%1“; bitte den Ordner umbenennen</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot;; remove it or rename the folder</source>
        <translation>es gibt schon einen Wortschatz namens „%1“; bitte ihn entfernen oder den Ordner umbenennen</translation>
    </message>
    <message>
        <source>hidden file (its name starts with a dot)</source>
        <translation>versteckte Datei (Name beginnt mit einem Punkt)</translation>
    </message>
    <message>
        <source>a folder, not a picture</source>
        <translation>ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>not a picture or a recording</source>
        <translation>weder Bild noch Aufnahme</translation>
    </message>
    <message>
        <source>same word as %1</source>
        <translation>dasselbe Wort wie %1</translation>
    </message>
    <message>
        <source>recording without a picture</source>
        <translation>Aufnahme ohne Bild</translation>
    </message>
    <message>
        <source>there is no picture in the folder</source>
        <translation>im Ordner ist kein Bild</translation>
    </message>
    <message>
        <source>file too large (more than 20 MB)</source>
        <translation>Datei zu groß (mehr als 20 MB)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>not a recording</source>
        <translation>keine Aufnahme</translation>
    </message>
    <message>
        <source>none of the pictures could be used</source>
        <translation>keines der Bilder war brauchbar</translation>
    </message>
    <message>
        <source>only %1 words could be made, and a set needs at least %2</source>
        <translation>nur %1 Wörter konnten entstehen, ein Wortschatz braucht mindestens %2</translation>
    </message>
    <message>
        <source>the name has invisible characters (such as a line break)</source>
        <translation>der Name enthält unsichtbare Zeichen (etwa einen Zeilenumbruch)</translation>
    </message>
    <message>
        <source>the name is too long (more than %1 characters)</source>
        <translation>der Name ist zu lang (mehr als %1 Zeichen)</translation>
    </message>
    <message>
        <source>the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)</source>
        <translation>der Name ist kein Wort (erlaubt sind Buchstaben, Ziffern, Emojis, Leerzeichen, Bindestriche und Apostrophe)</translation>
    </message>
    <message>
        <source>the computer voice is not installed</source>
        <translation>die Computerstimme ist nicht installiert</translation>
    </message>
    <message>
        <source>the computer voice did not answer</source>
        <translation>die Computerstimme hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the computer voice did not work</source>
        <translation>die Computerstimme hat nicht funktioniert</translation>
    </message>
    <message>
        <source>1 word had no recording; the computer voice says it: %1.</source>
        <translation>1 Wort hatte keine Aufnahme; die Computerstimme spricht es: %1.</translation>
    </message>
    <message>
        <source>%1 words had no recording; the computer voice says them: %2.</source>
        <translation>%1 Wörter hatten keine Aufnahme; die Computerstimme spricht sie: %2.</translation>
    </message>
    <message>
        <source>1 word had no recording and stays silent: %1 (%2).</source>
        <translation>1 Wort hatte keine Aufnahme und bleibt stumm: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 words had no recording and stay silent: %2 (%3).</source>
        <translation>%1 Wörter hatten keine Aufnahme und bleiben stumm: %2 (%3).</translation>
    </message>
    <message>
        <source>the folder&apos;s name cannot be a set&apos;s name (use up to %1 letters, digits, spaces, hyphens, apostrophes and underscores)</source>
        <translation>der Name des Ordners kann kein Name eines Wortschatzes sein (bis zu %1 Buchstaben, Ziffern, Leerzeichen, Bindestriche, Apostrophe und Unterstriche verwenden)</translation>
    </message>
    <message>
        <source>a shortcut to another file (copy the file itself into the folder)</source>
        <translation>eine Verknüpfung zu einer anderen Datei (bitte die Datei selbst in den Ordner kopieren)</translation>
    </message>
    <message>
        <source>nothing can be saved in the game&apos;s folder %1 (is the disk full?)</source>
        <translation>im Ordner des Spiels %1 kann nichts gespeichert werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>the folder disappeared during the import (was the USB stick removed?)</source>
        <translation>der Ordner ist während des Imports verschwunden (wurde der USB-Stick entfernt?)</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot; for every user of this computer; rename the folder</source>
        <translation>es gibt schon einen Wortschatz namens „%1“ für alle Benutzer dieses Computers; bitte den Ordner umbenennen</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (no permission, or the disk is full)</source>
        <translation>in den Ordner %1 kann nichts geschrieben werden (keine Berechtigung oder der Datenträger ist voll)</translation>
    </message>
</context>
</TS>
