<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>ChosenList</name>
    <message>
        <source>1 word</source>
        <translation>1 ord</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 ord</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vocabulary game for children who learn English.
Without options it starts the game. A word set is a folder of pictures named by their words
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP or SVG), with recordings of the same names if you
like (.mp3, .ogg, .wav); words without a recording are spoken by Festival.</source>
        <translation>Ordspel för barn som lär sig engelska.
Utan flaggor startar spelet. En ordsamling är en mapp med bilder som heter som sina ord
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP eller SVG), om du vill med inspelningar med samma namn
(.mp3, .ogg, .wav); ord utan inspelning läses upp av Festival.</translation>
    </message>
    <message>
        <source>Import the folder as a word set, print the report and exit (exit code 1 when nothing was imported).</source>
        <translation>Importera mappen som ordsamling, skriv ut rapporten och avsluta (slutkod 1 när inget importerades).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>mapp</translation>
    </message>
    <message>
        <source>the progress was saved by a newer Vocalune</source>
        <translation>framstegen sparades av en nyare Vocalune</translation>
    </message>
    <message>
        <source>the progress could not be opened</source>
        <translation>framstegen kunde inte öppnas</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Kunde inte exportera: %1</translation>
    </message>
    <message>
        <source>Write every player&apos;s words as CSV to the file and exit (exit code 1 when it could not).</source>
        <translation>Skriv alla spelares ord som CSV till filen och avsluta (slutkod 1 om det inte gick).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fil</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user of the computer, into %1 (an administrator&apos;s task).</source>
        <translation>Med --import-word-set: importera samlingen för alla användare av datorn, till %1 (en uppgift för en administratör).</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user into this folder of word sets instead (implies --system).</source>
        <translation>Med --import-word-set: importera samlingen för alla användare till den här mappen med ordsamlingar i stället (innebär --system).</translation>
    </message>
    <message>
        <source>--to needs a folder</source>
        <translation>--to behöver en mapp</translation>
    </message>
    <message>
        <source>Could not import: the administrator has locked importing.</source>
        <translation>Kunde inte importera: administratören har låst importen.</translation>
    </message>
    <message>
        <source>vocalune.conf names no class&apos;s server</source>
        <translation>vocalune.conf anger ingen server för klassen</translation>
    </message>
    <message>
        <source>a class&apos;s name is 1 to 16 letters, digits, spaces, - or _</source>
        <translation>en klass namn har 1 till 16 bokstäver, siffror, mellanslag, - eller _</translation>
    </message>
    <message>
        <source>With --export-progress: write the whole class from the class&apos;s server that vocalune.conf names instead.</source>
        <translation>Med --export-progress: skriv i stället hela klassen från klassens server som vocalune.conf anger.</translation>
    </message>
    <message>
        <source>class</source>
        <translation>klass</translation>
    </message>
</context>
<context>
    <name>DictionariesView</name>
    <message>
        <source>Available dictionaries</source>
        <translation>Tillgängliga</translation>
    </message>
    <message>
        <source>Dictionaries in use</source>
        <translation>I spelet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Remove the word set %1</source>
        <translation>Ta bort ordsamlingen %1</translation>
    </message>
    <message>
        <source>Use this dictionary</source>
        <translation>Använd den här ordlistan</translation>
    </message>
    <message>
        <source>Stop using this dictionary</source>
        <translation>Sluta använda den här ordlistan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove the word set &quot;%1&quot;?</source>
        <translation>Ta bort ordsamlingen ”%1”?</translation>
    </message>
    <message>
        <source>Its pictures and recordings are deleted from this computer.</source>
        <translation>Dess bilder och inspelningar raderas från den här datorn.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behåll</translation>
    </message>
</context>
<context>
    <name>DictionaryChoice</name>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Välj en mapp med bilder</translation>
    </message>
</context>
<context>
    <name>EndPanel</name>
    <message>
        <source>Score: </source>
        <translation>Poäng: </translation>
    </message>
    <message>
        <source>Back to Main</source>
        <translation>Till menyn</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Öva på:</translation>
    </message>
    <message>
        <source>No mistakes!</source>
        <translation>Inga fel!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spelet är slut!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Spela igen</translation>
    </message>
    <message>
        <source>Practice games do not enter the top ten.</source>
        <translation>Övningsspel kommer inte in bland de tio bästa.</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Success!</source>
        <translation>Bra jobbat!</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Cancelling…</source>
        <translation>Avbryter…</translation>
    </message>
    <message>
        <source>Importing pictures…</source>
        <translation>Importerar bilder…</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Importförlopp</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 av %2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Ordböcker</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Who is playing? %1</source>
        <translation>Vem spelar? %1</translation>
    </message>
</context>
<context>
    <name>MessagePanel</name>
    <message>
        <source>Record them in your own voice:</source>
        <translation>Spela in dem med din egen röst:</translation>
    </message>
</context>
<context>
    <name>NewGameView</name>
    <message>
        <source>Choose a Game Mode!</source>
        <translation>Välj ett spel!</translation>
    </message>
    <message>
        <source>Pair Game</source>
        <translation>Parspel</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Ordspel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Picture Book</source>
        <translation>Bildbok</translation>
    </message>
</context>
<context>
    <name>OwlVoice</name>
    <message>
        <source>en</source>
        <comment>the language of the owl&apos;s recordings: en, de, es, fi, fr or sv</comment>
        <translation>sv</translation>
    </message>
</context>
<context>
    <name>PairGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Du är bland de tio bästa!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Skriv ditt namn!</translation>
    </message>
</context>
<context>
    <name>PairGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>För få ord!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Poäng: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
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
        <translation>Tryck på ett</translation>
    </message>
    <message>
        <source>Tap two</source>
        <translation>Tryck på två</translation>
    </message>
    <message>
        <source>Tap three</source>
        <translation>Tryck på tre</translation>
    </message>
    <message>
        <source>Tap four</source>
        <translation>Tryck på fyra</translation>
    </message>
    <message>
        <source>Tap five</source>
        <translation>Tryck på fem</translation>
    </message>
    <message>
        <source>Tap six</source>
        <translation>Tryck på sex</translation>
    </message>
    <message>
        <source>Tap seven</source>
        <translation>Tryck på sju</translation>
    </message>
    <message>
        <source>Tap eight</source>
        <translation>Tryck på åtta</translation>
    </message>
    <message>
        <source>Tap nine</source>
        <translation>Tryck på nio</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>För vuxna</translation>
    </message>
    <message>
        <source>For grown-ups: hold the circle for three seconds</source>
        <translation>För vuxna: håll ned cirkeln i tre sekunder</translation>
    </message>
    <message>
        <source>Hold for three seconds</source>
        <translation>Håll ned i tre sekunder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>PictureBookView</name>
    <message>
        <source>Picture Book</source>
        <translation>Bildbok</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>This memory was made by a newer Vocalune. Play goes on, but answers are not kept.</source>
        <translation>Det här minnet gjordes av en nyare Vocalune. Spelet fortsätter, men svaren sparas inte.</translation>
    </message>
    <message>
        <source>The memory of words could not be opened. Play goes on, but answers are not kept.</source>
        <translation>Ordminnet kunde inte öppnas. Spelet fortsätter, men svaren sparas inte.</translation>
    </message>
    <message>
        <source>The memory of words was damaged and starts afresh. The old file was kept beside it.</source>
        <translation>Ordminnet var skadat och börjar om. Den gamla filen sparades bredvid.</translation>
    </message>
</context>
<context>
    <name>PlayersView</name>
    <message>
        <source>Who is playing?</source>
        <translation>Vem spelar?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Words learned: %1</source>
        <translation>Inlärda ord: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Ny spelare</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Framsteg</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Ta bort %1?</translation>
    </message>
    <message>
        <source>Every word this player learned is forgotten.</source>
        <translation>Alla ord som den här spelaren har lärt sig glöms bort.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behåll</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Uggla</translation>
    </message>
</context>
<context>
    <name>PracticeBadge</name>
    <message>
        <source>Practice</source>
        <translation>Övning</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Export progress</source>
        <translation>Exportera framsteg</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Sparat i %1</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Kunde inte exportera: %1</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached just now.</source>
        <translation>Klassens server går inte att nå just nu.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Frågar klassens server…</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>Progress: %1</source>
        <translation>Framsteg: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Inlärda</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Lär sig</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Inte mötta än</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, %4 not met yet</source>
        <translation>%1: %2 inlärda, %3 lär sig, %4 inte mötta än</translation>
    </message>
    <message>
        <source>Last game: %1</source>
        <translation>Senaste spelet: %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Inga spel än</translation>
    </message>
    <message>
        <source>Words learned per day</source>
        <translation>Inlärda ord per dag</translation>
    </message>
    <message>
        <source>Minutes played per day</source>
        <translation>Spelade minuter per dag</translation>
    </message>
    <message>
        <source>most: %1</source>
        <translation>högst %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Most mistakes</source>
        <translation>Flest misstag</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Klass %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Senaste spelet</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Elever</translation>
    </message>
    <message>
        <source>never</source>
        <translation>aldrig</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, last game %4</source>
        <translation>%1: %2 inlärda, %3 lär sig, senaste spelet %4</translation>
    </message>
    <message>
        <source>The class&apos;s most mistakes</source>
        <translation>Klassens flesta fel</translation>
    </message>
</context>
<context>
    <name>SaveFailedLine</name>
    <message>
        <source>Could not save: the disk is full or read-only.</source>
        <translation>Kunde inte spara: disken är full eller skrivskyddad.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volym: </translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Tyst</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Fel:</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Spelet slutar</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volym</translation>
    </message>
    <message>
        <source>Sound: muted</source>
        <translation>Ljud: av</translation>
    </message>
    <message>
        <source>Sound: on</source>
        <translation>Ljud: på</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Ord:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>To learn</source>
        <translation>Att lära</translation>
    </message>
    <message>
        <source>Owl talks: On</source>
        <translation>Ugglan pratar: På</translation>
    </message>
    <message>
        <source>Owl talks: Off</source>
        <translation>Ugglan pratar: Av</translation>
    </message>
    <message>
        <source>Parent lock: On</source>
        <translation>Föräldralås: På</translation>
    </message>
    <message>
        <source>Parent lock: Off</source>
        <translation>Föräldralås: Av</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Röst:</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Vår egen</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Inbyggd</translation>
    </message>
</context>
<context>
    <name>VoiceButtons</name>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Spela in</translation>
    </message>
    <message>
        <source>Stop recording %1</source>
        <translation>Sluta spela in %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Spela in %1</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Inspelningsnivå</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Lyssna</translation>
    </message>
    <message>
        <source>Listen to %1</source>
        <translation>Lyssna på %1</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Inbyggd röst</translation>
    </message>
    <message>
        <source>Back to the built-in voice for %1</source>
        <translation>Tillbaka till den inbyggda rösten för %1</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>No microphone found.</source>
        <translation>Ingen mikrofon hittades.</translation>
    </message>
    <message>
        <source>I could not hear you. Try again, a little closer.</source>
        <translation>Jag kunde inte höra dig. Försök igen, lite närmare.</translation>
    </message>
    <message>
        <source>The recording could not be saved: the disk is full or read-only.</source>
        <translation>Inspelningen kunde inte sparas: disken är full eller skrivskyddad.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>The recording could not be removed.</source>
        <translation>Inspelningen kunde inte tas bort.</translation>
    </message>
</context>
<context>
    <name>WordGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Du är bland de tio bästa!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Skriv ditt namn!</translation>
    </message>
</context>
<context>
    <name>WordGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>För få ord!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Poäng: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Hear the word again</source>
        <translation>Hör ordet igen</translation>
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
        <translation>bilden använder andra filer</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>ingen bild</translation>
    </message>
    <message>
        <source>picture too large (more than 40 megapixels)</source>
        <translation>bilden är för stor (mer än 40 megapixel)</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>skadad bild</translation>
    </message>
    <message>
        <source>Imported %1 words into the set &quot;%2&quot;.</source>
        <translation>Importerade %1 ord till samlingen ”%2”.</translation>
    </message>
    <message>
        <source>Import cancelled: nothing was kept.</source>
        <translation>Importen avbröts: inget sparades.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Inget importerades: %1.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>mappen finns inte</translation>
    </message>
    <message>
        <source>that is not a folder</source>
        <translation>det är ingen mapp</translation>
    </message>
    <message>
        <source>there is already a dictionary called &quot;%1&quot;; rename the folder</source>
        <translation>det finns redan en ordbok som heter ”%1”; byt namn på mappen</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot;; remove it or rename the folder</source>
        <translation>det finns redan en samling som heter ”%1”; ta bort den eller byt namn på mappen</translation>
    </message>
    <message>
        <source>hidden file (its name starts with a dot)</source>
        <translation>dold fil (namnet börjar med en punkt)</translation>
    </message>
    <message>
        <source>a folder, not a picture</source>
        <translation>en mapp, ingen bild</translation>
    </message>
    <message>
        <source>not a picture or a recording</source>
        <translation>varken bild eller inspelning</translation>
    </message>
    <message>
        <source>same word as %1</source>
        <translation>samma ord som %1</translation>
    </message>
    <message>
        <source>recording without a picture</source>
        <translation>inspelning utan bild</translation>
    </message>
    <message>
        <source>there is no picture in the folder</source>
        <translation>det finns ingen bild i mappen</translation>
    </message>
    <message>
        <source>file too large (more than 20 MB)</source>
        <translation>filen är för stor (mer än 20 MB)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>kunde inte läsas</translation>
    </message>
    <message>
        <source>not a recording</source>
        <translation>ingen inspelning</translation>
    </message>
    <message>
        <source>none of the pictures could be used</source>
        <translation>ingen av bilderna gick att använda</translation>
    </message>
    <message>
        <source>only %1 words could be made, and a set needs at least %2</source>
        <translation>bara %1 ord kunde göras, och en samling behöver minst %2</translation>
    </message>
    <message>
        <source>the name has invisible characters (such as a line break)</source>
        <translation>namnet innehåller osynliga tecken (till exempel en radbrytning)</translation>
    </message>
    <message>
        <source>the name is too long (more than %1 characters)</source>
        <translation>namnet är för långt (mer än %1 tecken)</translation>
    </message>
    <message>
        <source>the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)</source>
        <translation>namnet är inte ett ord (använd bokstäver, siffror, emojier, mellanslag, bindestreck och apostrofer)</translation>
    </message>
    <message>
        <source>the computer voice is not installed</source>
        <translation>datorrösten är inte installerad</translation>
    </message>
    <message>
        <source>the computer voice did not answer</source>
        <translation>datorrösten svarade inte</translation>
    </message>
    <message>
        <source>the computer voice did not work</source>
        <translation>datorrösten fungerade inte</translation>
    </message>
    <message>
        <source>1 word had no recording; the computer voice says it: %1.</source>
        <translation>1 ord saknade inspelning; datorrösten säger det: %1.</translation>
    </message>
    <message>
        <source>%1 words had no recording; the computer voice says them: %2.</source>
        <translation>%1 ord saknade inspelning; datorrösten säger dem: %2.</translation>
    </message>
    <message>
        <source>1 word had no recording and stays silent: %1 (%2).</source>
        <translation>1 ord saknade inspelning och förblir tyst: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 words had no recording and stay silent: %2 (%3).</source>
        <translation>%1 ord saknade inspelning och förblir tysta: %2 (%3).</translation>
    </message>
    <message>
        <source>the folder&apos;s name cannot be a set&apos;s name (use up to %1 letters, digits, spaces, hyphens, apostrophes and underscores)</source>
        <translation>mappens namn kan inte vara en samlings namn (använd upp till %1 bokstäver, siffror, mellanslag, bindestreck, apostrofer och understreck)</translation>
    </message>
    <message>
        <source>a shortcut to another file (copy the file itself into the folder)</source>
        <translation>en genväg till en annan fil (kopiera själva filen till mappen)</translation>
    </message>
    <message>
        <source>nothing can be saved in the game&apos;s folder %1 (is the disk full?)</source>
        <translation>inget kan sparas i spelets mapp %1 (är disken full?)</translation>
    </message>
    <message>
        <source>the folder disappeared during the import (was the USB stick removed?)</source>
        <translation>mappen försvann under importen (togs USB-minnet bort?)</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot; for every user of this computer; rename the folder</source>
        <translation>det finns redan en samling som heter ”%1” för alla användare av den här datorn; byt namn på mappen</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (no permission, or the disk is full)</source>
        <translation>inget kan skrivas i mappen %1 (saknar behörighet, eller så är disken full)</translation>
    </message>
</context>
</TS>
