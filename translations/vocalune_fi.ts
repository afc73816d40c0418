<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>ChosenList</name>
    <message>
        <source>1 word</source>
        <translation>1 sana</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 sanaa</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vocabulary game for children who learn English.
Without options it starts the game. A word set is a folder of pictures named by their words
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP or SVG), with recordings of the same names if you
like (.mp3, .ogg, .wav); words without a recording are spoken by Festival.</source>
        <translation>Sanastopeli englantia opetteleville lapsille.
Ilman valitsimia peli käynnistyy. Sanasarja on kansio kuvia, jotka on nimetty sanojensa mukaan
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP tai SVG), halutessasi samannimisten äänitteiden kanssa
(.mp3, .ogg, .wav); sanat, joilla ei ole äänitettä, lausuu Festival.</translation>
    </message>
    <message>
        <source>Import the folder as a word set, print the report and exit (exit code 1 when nothing was imported).</source>
        <translation>Tuo kansio sanasarjaksi, tulosta raportti ja lopeta (paluuarvo 1, jos mitään ei tuotu).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>kansio</translation>
    </message>
    <message>
        <source>the progress was saved by a newer Vocalune</source>
        <translation>edistymisen tallensi uudempi Vocalune</translation>
    </message>
    <message>
        <source>the progress could not be opened</source>
        <translation>edistymistä ei voitu avata</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Vienti epäonnistui: %1</translation>
    </message>
    <message>
        <source>Write every player&apos;s words as CSV to the file and exit (exit code 1 when it could not).</source>
        <translation>Kirjoita kaikkien pelaajien sanat CSV-tiedostoon ja lopeta (paluuarvo 1, jos se ei onnistunut).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>tiedosto</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user of the computer, into %1 (an administrator&apos;s task).</source>
        <translation>Valitsimen --import-word-set kanssa: tuo sarja tietokoneen kaikille käyttäjille kansioon %1 (ylläpitäjän tehtävä).</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user into this folder of word sets instead (implies --system).</source>
        <translation>Valitsimen --import-word-set kanssa: tuo sarja kaikille käyttäjille sen sijaan tähän sanasarjojen kansioon (sisältää valitsimen --system).</translation>
    </message>
    <message>
        <source>--to needs a folder</source>
        <translation>--to tarvitsee kansion</translation>
    </message>
    <message>
        <source>Could not import: the administrator has locked importing.</source>
        <translation>Tuonti epäonnistui: ylläpitäjä on estänyt tuonnin.</translation>
    </message>
    <message>
        <source>vocalune.conf names no class&apos;s server</source>
        <translation>vocalune.conf ei nimeä luokan palvelinta</translation>
    </message>
    <message>
        <source>a class&apos;s name is 1 to 16 letters, digits, spaces, - or _</source>
        <translation>luokan nimessä on 1–16 kirjainta, numeroa, välilyöntiä, - tai _</translation>
    </message>
    <message>
        <source>With --export-progress: write the whole class from the class&apos;s server that vocalune.conf names instead.</source>
        <translation>Valitsimen --export-progress kanssa: kirjoita sen sijaan koko luokka luokan palvelimelta, jonka vocalune.conf nimeää.</translation>
    </message>
    <message>
        <source>class</source>
        <translation>luokka</translation>
    </message>
</context>
<context>
    <name>DictionariesView</name>
    <message>
        <source>Available dictionaries</source>
        <translation>Valittavana</translation>
    </message>
    <message>
        <source>Dictionaries in use</source>
        <translation>Pelissä</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Remove the word set %1</source>
        <translation>Poista sanasto %1</translation>
    </message>
    <message>
        <source>Use this dictionary</source>
        <translation>Käytä tätä sanakirjaa</translation>
    </message>
    <message>
        <source>Stop using this dictionary</source>
        <translation>Lopeta tämän sanakirjan käyttö</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove the word set &quot;%1&quot;?</source>
        <translation>Poistetaanko sanasto ”%1”?</translation>
    </message>
    <message>
        <source>Its pictures and recordings are deleted from this computer.</source>
        <translation>Sen kuvat ja äänitteet poistetaan tältä tietokoneelta.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Säilytä</translation>
    </message>
</context>
<context>
    <name>DictionaryChoice</name>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Valitse kuvakansio</translation>
    </message>
</context>
<context>
    <name>EndPanel</name>
    <message>
        <source>Score: </source>
        <translation>Pisteet: </translation>
    </message>
    <message>
        <source>Back to Main</source>
        <translation>Valikkoon</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Harjoiteltavat:</translation>
    </message>
    <message>
        <source>No mistakes!</source>
        <translation>Ei virheitä!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Peli loppui!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Pelaa uudelleen</translation>
    </message>
    <message>
        <source>Practice games do not enter the top ten.</source>
        <translation>Harjoituspelit eivät pääse kymmenen parhaan listalle.</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Success!</source>
        <translation>Onnistui!</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Cancelling…</source>
        <translation>Perutaan…</translation>
    </message>
    <message>
        <source>Importing pictures…</source>
        <translation>Tuodaan kuvia…</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Tuonnin edistyminen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1/%2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Sanakirjat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Who is playing? %1</source>
        <translation>Kuka pelaa? %1</translation>
    </message>
</context>
<context>
    <name>MessagePanel</name>
    <message>
        <source>Record them in your own voice:</source>
        <translation>Äänitä ne omalla äänelläsi:</translation>
    </message>
</context>
<context>
    <name>NewGameView</name>
    <message>
        <source>Choose a Game Mode!</source>
        <translation>Valitse peli!</translation>
    </message>
    <message>
        <source>Pair Game</source>
        <translation>Paripeli</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Sanapeli</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Paluu</translation>
    </message>
    <message>
        <source>Picture Book</source>
        <translation>Kuvakirja</translation>
    </message>
</context>
<context>
    <name>OwlVoice</name>
    <message>
        <source>en</source>
        <comment>the language of the owl&apos;s recordings: en, de, es, fi, fr or sv</comment>
        <translation>fi</translation>
    </message>
</context>
<context>
    <name>PairGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Pääsit kymmenen parhaan joukkoon!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Kirjoita nimesi!</translation>
    </message>
</context>
<context>
    <name>PairGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>Liian vähän sanoja!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Pisteet: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Paluu</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Kuva %1</translation>
    </message>
</context>
<context>
    <name>ParentGate</name>
    <message>
        <source>Tap one</source>
        <translation>Napauta ykköstä</translation>
    </message>
    <message>
        <source>Tap two</source>
        <translation>Napauta kakkosta</translation>
    </message>
    <message>
        <source>Tap three</source>
        <translation>Napauta kolmosta</translation>
    </message>
    <message>
        <source>Tap four</source>
        <translation>Napauta nelosta</translation>
    </message>
    <message>
        <source>Tap five</source>
        <translation>Napauta viitosta</translation>
    </message>
    <message>
        <source>Tap six</source>
        <translation>Napauta kutosta</translation>
    </message>
    <message>
        <source>Tap seven</source>
        <translation>Napauta seiskaa</translation>
    </message>
    <message>
        <source>Tap eight</source>
        <translation>Napauta kasia</translation>
    </message>
    <message>
        <source>Tap nine</source>
        <translation>Napauta ysiä</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Aikuisille</translation>
    </message>
    <message>
        <source>For grown-ups: hold the circle for three seconds</source>
        <translation>Aikuisille: pidä ympyrää painettuna kolme sekuntia</translation>
    </message>
    <message>
        <source>Hold for three seconds</source>
        <translation>Pidä painettuna kolme sekuntia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>PictureBookView</name>
    <message>
        <source>Picture Book</source>
        <translation>Kuvakirja</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Paluu</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>This memory was made by a newer Vocalune. Play goes on, but answers are not kept.</source>
        <translation>Tämän muistin teki uudempi Vocalune. Pelata voi, mutta vastauksia ei tallenneta.</translation>
    </message>
    <message>
        <source>The memory of words could not be opened. Play goes on, but answers are not kept.</source>
        <translation>Sanamuistia ei voitu avata. Pelata voi, mutta vastauksia ei tallenneta.</translation>
    </message>
    <message>
        <source>The memory of words was damaged and starts afresh. The old file was kept beside it.</source>
        <translation>Sanamuisti oli vahingoittunut ja alkaa alusta. Vanha tiedosto säilytettiin sen vieressä.</translation>
    </message>
</context>
<context>
    <name>PlayersView</name>
    <message>
        <source>Who is playing?</source>
        <translation>Kuka pelaa?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Paluu</translation>
    </message>
    <message>
        <source>Words learned: %1</source>
        <translation>Opitut sanat: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Uusi pelaaja</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Edistyminen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nimi:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Kuva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Poistetaanko %1?</translation>
    </message>
    <message>
        <source>Every word this player learned is forgotten.</source>
        <translation>Kaikki tämän pelaajan oppimat sanat unohdetaan.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Säilytä</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Pöllö</translation>
    </message>
</context>
<context>
    <name>PracticeBadge</name>
    <message>
        <source>Practice</source>
        <translation>Harjoitus</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Export progress</source>
        <translation>Vie edistyminen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-tiedostot (*.csv)</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Tallennettu: %1</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Vienti epäonnistui: %1</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached just now.</source>
        <translation>Luokan palvelimeen ei juuri nyt saada yhteyttä.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Kysytään luokan palvelimelta…</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>Progress: %1</source>
        <translation>Edistyminen: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Paluu</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Opitut</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Opettelussa</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Ei vielä nähty</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, %4 not met yet</source>
        <translation>%1: %2 opittu, %3 opettelussa, %4 ei vielä nähty</translation>
    </message>
    <message>
        <source>Last game: %1</source>
        <translation>Viimeisin peli: %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Ei vielä pelejä</translation>
    </message>
    <message>
        <source>Words learned per day</source>
        <translation>Opitut sanat päivässä</translation>
    </message>
    <message>
        <source>Minutes played per day</source>
        <translation>Pelatut minuutit päivässä</translation>
    </message>
    <message>
        <source>most: %1</source>
        <translation>enintään %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Tänään</translation>
    </message>
    <message>
        <source>Most mistakes</source>
        <translation>Eniten virheitä</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Luokka %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Viimeisin peli</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Oppilaat</translation>
    </message>
    <message>
        <source>never</source>
        <translation>ei koskaan</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, last game %4</source>
        <translation>%1: %2 opittu, %3 opettelussa, viimeisin peli %4</translation>
    </message>
    <message>
        <source>The class&apos;s most mistakes</source>
        <translation>Luokan eniten virheitä</translation>
    </message>
</context>
<context>
    <name>SaveFailedLine</name>
    <message>
        <source>Could not save: the disk is full or read-only.</source>
        <translation>Tallennus epäonnistui: levy on täynnä tai kirjoitussuojattu.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Ääni: </translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Hiljaa</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Virheet:</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Peli loppuu</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Kuvat:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Äänenvoimakkuus</translation>
    </message>
    <message>
        <source>Sound: muted</source>
        <translation>Ääni: pois</translation>
    </message>
    <message>
        <source>Sound: on</source>
        <translation>Ääni: päällä</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Sanat:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>To learn</source>
        <translation>Opeteltavat</translation>
    </message>
    <message>
        <source>Owl talks: On</source>
        <translation>Pöllö puhuu: Päällä</translation>
    </message>
    <message>
        <source>Owl talks: Off</source>
        <translation>Pöllö puhuu: Pois</translation>
    </message>
    <message>
        <source>Parent lock: On</source>
        <translation>Lapsilukko: Päällä</translation>
    </message>
    <message>
        <source>Parent lock: Off</source>
        <translation>Lapsilukko: Pois</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Ääni:</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Oma</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Valmis</translation>
    </message>
</context>
<context>
    <name>VoiceButtons</name>
    <message>
        <source>Stop</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Äänitä</translation>
    </message>
    <message>
        <source>Stop recording %1</source>
        <translation>Lopeta sanan %1 äänitys</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Äänitä %1</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Äänitystaso</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Listen to %1</source>
        <translation>Kuuntele %1</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Valmis ääni</translation>
    </message>
    <message>
        <source>Back to the built-in voice for %1</source>
        <translation>Takaisin valmiiseen ääneen: %1</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>No microphone found.</source>
        <translation>Mikrofonia ei löytynyt.</translation>
    </message>
    <message>
        <source>I could not hear you. Try again, a little closer.</source>
        <translation>En kuullut sinua. Yritä uudelleen vähän lähempänä.</translation>
    </message>
    <message>
        <source>The recording could not be saved: the disk is full or read-only.</source>
        <translation>Äänitystä ei voitu tallentaa: levy on täynnä tai kirjoitussuojattu.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>The recording could not be removed.</source>
        <translation>Äänitettä ei voitu poistaa.</translation>
    </message>
</context>
<context>
    <name>WordGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Pääsit kymmenen parhaan joukkoon!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Kirjoita nimesi!</translation>
    </message>
</context>
<context>
    <name>WordGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>Liian vähän sanoja!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Pisteet: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Paluu</translation>
    </message>
    <message>
        <source>Hear the word again</source>
        <translation>Kuuntele sana uudelleen</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Kuva %1</translation>
    </message>
</context>
<context>
    <name>WordSetImporter</name>
    <message>
        <source>picture uses other files</source>
        <translation>kuva käyttää muita tiedostoja</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>ei kuva</translation>
    </message>
    <message>
        <source>picture too large (more than 40 megapixels)</source>
        <translation>kuva on liian suuri (yli 40 megapikseliä)</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>vioittunut kuva</translation>
    </message>
    <message>
        <source>Imported %1 words into the set &quot;%2&quot;.</source>
        <translation>Tuotiin %1 sanaa sarjaan ”%2”.</translation>
    </message>
    <message>
        <source>Import cancelled: nothing was kept.</source>
        <translation>Tuonti peruttiin: mitään ei säilytetty.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Mitään ei tuotu: %1.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>kansiota ei ole</translation>
    </message>
    <message>
        <source>that is not a folder</source>
        <translation>se ei ole kansio</translation>
    </message>
    <message>
        <source>there is already a dictionary called &quot;%1&quot;; rename the folder</source>
        <translation>sanakirja ”%1” on jo olemassa; nimeä kansio uudelleen</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot;; remove it or rename the folder</source>
        <translation>sarja ”%1” on jo olemassa; poista se tai nimeä kansio uudelleen</translation>
    </message>
    <message>
        <source>hidden file (its name starts with a dot)</source>
        <translation>piilotiedosto (nimi alkaa pisteellä)</translation>
    </message>
    <message>
        <source>a folder, not a picture</source>
        <translation>kansio, ei kuva</translation>
    </message>
    <message>
        <source>not a picture or a recording</source>
        <translation>ei kuva eikä äänite</translation>
    </message>
    <message>
        <source>same word as %1</source>
        <translation>sama sana kuin %1</translation>
    </message>
    <message>
        <source>recording without a picture</source>
        <translation>äänite ilman kuvaa</translation>
    </message>
    <message>
        <source>there is no picture in the folder</source>
        <translation>kansiossa ei ole kuvia</translation>
    </message>
    <message>
        <source>file too large (more than 20 MB)</source>
        <translation>tiedosto on liian suuri (yli 20 Mt)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>ei voitu lukea</translation>
    </message>
    <message>
        <source>not a recording</source>
        <translation>ei äänite</translation>
    </message>
    <message>
        <source>none of the pictures could be used</source>
        <translation>yhtäkään kuvaa ei voitu käyttää</translation>
    </message>
    <message>
        <source>only %1 words could be made, and a set needs at least %2</source>
        <translation>vain %1 sanaa saatiin tehtyä, ja sarjassa pitää olla vähintään %2</translation>
    </message>
    <message>
        <source>the name has invisible characters (such as a line break)</source>
        <translation>nimessä on näkymättömiä merkkejä (kuten rivinvaihto)</translation>
    </message>
    <message>
        <source>the name is too long (more than %1 characters)</source>
        <translation>nimi on liian pitkä (yli %1 merkkiä)</translation>
    </message>
    <message>
        <source>the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)</source>
        <translation>nimi ei ole sana (käytä kirjaimia, numeroita, emojeja, välilyöntejä, yhdysmerkkejä ja heittomerkkejä)</translation>
    </message>
    <message>
        <source>the computer voice is not installed</source>
        <translation>tietokoneen ääni ei ole asennettuna</translation>
    </message>
    <message>
        <source>the computer voice did not answer</source>
        <translation>tietokoneen ääni ei vastannut</translation>
    </message>
    <message>
        <source>the computer voice did not work</source>
        <translation>tietokoneen ääni ei toiminut</translation>
    </message>
    <message>
        <source>1 word had no recording; the computer voice says it: %1.</source>
        <translation>1 sanalla ei ollut äänitettä; tietokoneen ääni sanoo sen: %1.</translation>
    </message>
    <message>
        <source>%1 words had no recording; the computer voice says them: %2.</source>
        <translation>%1 sanalla ei ollut äänitettä; tietokoneen ääni sanoo ne: %2.</translation>
    </message>
    <message>
        <source>1 word had no recording and stays silent: %1 (%2).</source>
        <translation>1 sanalla ei ollut äänitettä, joten se jää äänettömäksi: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 words had no recording and stay silent: %2 (%3).</source>
        <translation>%1 sanalla ei ollut äänitettä, joten ne jäävät äänettömiksi: %2 (%3).</translation>
    </message>
    <message>
        <source>the folder&apos;s name cannot be a set&apos;s name (use up to %1 letters, digits, spaces, hyphens, apostrophes and underscores)</source>
        <translation>kansion nimi ei kelpaa sarjan nimeksi (käytä enintään %1 merkkiä: kirjaimia, numeroita, välilyöntejä, yhdysmerkkejä, heittomerkkejä ja alaviivoja)</translation>
    </message>
    <message>
        <source>a shortcut to another file (copy the file itself into the folder)</source>
        <translation>pikakuvake toiseen tiedostoon (kopioi itse tiedosto kansioon)</translation>
    </message>
    <message>
        <source>nothing can be saved in the game&apos;s folder %1 (is the disk full?)</source>
        <translation>pelin kansioon %1 ei voi tallentaa mitään (onko levy täynnä?)</translation>
    </message>
    <message>
        <source>the folder disappeared during the import (was the USB stick removed?)</source>
        <translation>kansio katosi tuonnin aikana (irrotettiinko USB-muisti?)</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot; for every user of this computer; rename the folder</source>
        <translation>tämän tietokoneen kaikilla käyttäjillä on jo sarja ”%1”; nimeä kansio uudelleen</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (no permission, or the disk is full)</source>
        <translation>kansioon %1 ei voi kirjoittaa mitään (ei oikeuksia, tai levy on täynnä)</translation>
    </message>
</context>
</TS>
