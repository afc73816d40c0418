<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChosenList</name>
    <message>
        <source>1 word</source>
        <translation>1 mot</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vocabulary game for children who learn English.
Without options it starts the game. A word set is a folder of pictures named by their words
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP or SVG), with recordings of the same names if you
like (.mp3, .ogg, .wav); words without a recording are spoken by Festival.</source>
        <translation>Jeu de vocabulaire pour les enfants qui apprennent l’anglais.
Sans option, le jeu démarre. Une série de mots est un dossier d’images nommées d’après leurs mots
(Chair.jpg, Teddy bear.png&#xa0;; PNG, JPEG, WebP ou SVG), avec si vous le souhaitez des enregistrements de mêmes noms
(.mp3, .ogg, .wav)&#xa0;; les mots sans enregistrement sont prononcés par Festival.</translation>
    </message>
    <message>
        <source>Import the folder as a word set, print the report and exit (exit code 1 when nothing was imported).</source>
        <translation>Importer le dossier comme série de mots, afficher le rapport et quitter (code de sortie 1 si rien n’a été importé).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>the progress was saved by a newer Vocalune</source>
        <translation>la progression a été enregistrée par un Vocalune plus récent</translation>
    </message>
    <message>
        <source>the progress could not be opened</source>
        <translation>impossible d’ouvrir la progression</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Exportation impossible : %1</translation>
    </message>
    <message>
        <source>Write every player&apos;s words as CSV to the file and exit (exit code 1 when it could not).</source>
        <translation>Écrire les mots de chaque joueur en CSV dans le fichier et quitter (code de sortie 1 en cas d’échec).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user of the computer, into %1 (an administrator&apos;s task).</source>
        <translation>Avec --import-word-set&#xa0;: importer la série pour tous les utilisateurs de l’ordinateur, dans %1 (tâche d’administrateur).</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user into this folder of word sets instead (implies --system).</source>
        <translation>Avec --import-word-set&#xa0;: importer plutôt la série pour tous les utilisateurs dans ce dossier de séries de mots (implique --system).</translation>
    </message>
    <message>
        <source>--to needs a folder</source>
        <translation>--to demande un dossier</translation>
    </message>
    <message>
        <source>Could not import: the administrator has locked importing.</source>
        <translation>Importation impossible : l’administrateur a verrouillé l’importation.</translation>
    </message>
    <message>
        <source>vocalune.conf names no class&apos;s server</source>
        <translation>vocalune.conf n&apos;indique aucun serveur de classe</translation>
    </message>
    <message>
        <source>a class&apos;s name is 1 to 16 letters, digits, spaces, - or _</source>
        <translation>le nom d&apos;une classe compte de 1 à 16 lettres, chiffres, espaces, - ou _</translation>
    </message>
    <message>
        <source>With --export-progress: write the whole class from the class&apos;s server that vocalune.conf names instead.</source>
        <translation>Avec --export-progress : écrire plutôt toute la classe depuis le serveur de classe indiqué dans vocalune.conf.</translation>
    </message>
    <message>
        <source>class</source>
        <translation>classe</translation>
    </message>
</context>
<context>
    <name>DictionariesView</name>
    <message>
        <source>Available dictionaries</source>
        <translation>Disponibles</translation>
    </message>
    <message>
        <source>Dictionaries in use</source>
        <translation>En jeu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the word set %1</source>
        <translation>Retirer la série de mots %1</translation>
    </message>
    <message>
        <source>Use this dictionary</source>
        <translation>Utiliser ce dictionnaire</translation>
    </message>
    <message>
        <source>Stop using this dictionary</source>
        <translation>Ne plus utiliser ce dictionnaire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove the word set &quot;%1&quot;?</source>
        <translation>Retirer la série de mots «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Its pictures and recordings are deleted from this computer.</source>
        <translation>Ses images et ses enregistrements seront effacés de cet ordinateur.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
</context>
<context>
    <name>DictionaryChoice</name>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Choisir un dossier d’images</translation>
    </message>
</context>
<context>
    <name>EndPanel</name>
    <message>
        <source>Score: </source>
        <translation>Points&#xa0;: </translation>
    </message>
    <message>
        <source>Back to Main</source>
        <translation>Retour au menu</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>À revoir&#xa0;:</translation>
    </message>
    <message>
        <source>No mistakes!</source>
        <translation>Aucune erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fin du jeu&#xa0;!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Practice games do not enter the top ten.</source>
        <translation>Les parties d’entraînement n’entrent pas dans le top 10.</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Success!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Importing pictures…</source>
        <translation>Importation des images…</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progression de l’importation</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Dictionnaires</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Who is playing? %1</source>
        <translation>Qui joue ? %1</translation>
    </message>
</context>
<context>
    <name>MessagePanel</name>
    <message>
        <source>Record them in your own voice:</source>
        <translation>Enregistrez-les avec votre propre voix :</translation>
    </message>
</context>
<context>
    <name>NewGameView</name>
    <message>
        <source>Choose a Game Mode!</source>
        <translation>Choisis un jeu&#xa0;!</translation>
    </message>
    <message>
        <source>Pair Game</source>
        <translation>Les paires</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Les mots</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Picture Book</source>
        <translation>Imagier</translation>
    </message>
</context>
<context>
    <name>OwlVoice</name>
    <message>
        <source>en</source>
        <comment>the language of the owl&apos;s recordings: en, de, es, fi, fr or sv</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>PairGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Tu es dans le top 10&#xa0;!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Écris ton prénom&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PairGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>Pas assez de mots&#xa0;!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Points&#xa0;: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
</context>
<context>
    <name>ParentGate</name>
    <message>
        <source>Tap one</source>
        <translation>Touche le un</translation>
    </message>
    <message>
        <source>Tap two</source>
        <translation>Touche le deux</translation>
    </message>
    <message>
        <source>Tap three</source>
        <translation>Touche le trois</translation>
    </message>
    <message>
        <source>Tap four</source>
        <translation>Touche le quatre</translation>
    </message>
    <message>
        <source>Tap five</source>
        <translation>Touche le cinq</translation>
    </message>
    <message>
        <source>Tap six</source>
        <translation>Touche le six</translation>
    </message>
    <message>
        <source>Tap seven</source>
        <translation>Touche le sept</translation>
    </message>
    <message>
        <source>Tap eight</source>
        <translation>Touche le huit</translation>
    </message>
    <message>
        <source>Tap nine</source>
        <translation>Touche le neuf</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Pour les adultes</translation>
    </message>
    <message>
        <source>For grown-ups: hold the circle for three seconds</source>
        <translation>Pour les adultes : maintenez le cercle appuyé trois secondes</translation>
    </message>
    <message>
        <source>Hold for three seconds</source>
        <translation>Maintenir appuyé trois secondes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PictureBookView</name>
    <message>
        <source>Picture Book</source>
        <translation>Imagier</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>This memory was made by a newer Vocalune. Play goes on, but answers are not kept.</source>
        <translation>Cette mémoire a été créée par un Vocalune plus récent. Le jeu continue, mais les réponses ne sont pas gardées.</translation>
    </message>
    <message>
        <source>The memory of words could not be opened. Play goes on, but answers are not kept.</source>
        <translation>Impossible d’ouvrir la mémoire des mots. Le jeu continue, mais les réponses ne sont pas gardées.</translation>
    </message>
    <message>
        <source>The memory of words was damaged and starts afresh. The old file was kept beside it.</source>
        <translation>La mémoire des mots était abîmée et repart de zéro. L’ancien fichier a été gardé à côté.</translation>
    </message>
</context>
<context>
    <name>PlayersView</name>
    <message>
        <source>Who is playing?</source>
        <translation>Qui joue ?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Words learned: %1</source>
        <translation>Mots appris : %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1 ?</translation>
    </message>
    <message>
        <source>Every word this player learned is forgotten.</source>
        <translation>Tous les mots appris par ce joueur sont oubliés.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Hibou</translation>
    </message>
</context>
<context>
    <name>PracticeBadge</name>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Export progress</source>
        <translation>Exporter la progression</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>Exportation impossible : %1</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached just now.</source>
        <translation>Le serveur de la classe est injoignable pour le moment.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Interrogation du serveur de la classe…</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>Progress: %1</source>
        <translation>Progrès : %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Appris</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Pas encore vus</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, %4 not met yet</source>
        <translation>%1 : %2 appris, %3 en cours, %4 pas encore vus</translation>
    </message>
    <message>
        <source>Last game: %1</source>
        <translation>Dernière partie : %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Pas encore de partie</translation>
    </message>
    <message>
        <source>Words learned per day</source>
        <translation>Mots appris par jour</translation>
    </message>
    <message>
        <source>Minutes played per day</source>
        <translation>Minutes jouées par jour</translation>
    </message>
    <message>
        <source>most: %1</source>
        <translation>max. : %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Most mistakes</source>
        <translation>Le plus d’erreurs</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, last game %4</source>
        <translation>%1 : %2 appris, %3 en cours, dernière partie %4</translation>
    </message>
    <message>
        <source>The class&apos;s most mistakes</source>
        <translation>Les erreurs les plus fréquentes de la classe</translation>
    </message>
</context>
<context>
    <name>SaveFailedLine</name>
    <message>
        <source>Could not save: the disk is full or read-only.</source>
        <translation>Enregistrement impossible : le disque est plein ou en lecture seule.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volume&#xa0;: </translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Erreurs&#xa0;:</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Fin du jeu</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sound: muted</source>
        <translation>Son&#xa0;: coupé</translation>
    </message>
    <message>
        <source>Sound: on</source>
        <translation>Son&#xa0;: activé</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots&#xa0;:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>To learn</source>
        <translation>À apprendre</translation>
    </message>
    <message>
        <source>Owl talks: On</source>
        <translation>Hibou parle : Oui</translation>
    </message>
    <message>
        <source>Owl talks: Off</source>
        <translation>Hibou parle : Non</translation>
    </message>
    <message>
        <source>Parent lock: On</source>
        <translation>Verrou parental : Oui</translation>
    </message>
    <message>
        <source>Parent lock: Off</source>
        <translation>Verrou parental : Non</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voix :</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>La nôtre</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Intégrée</translation>
    </message>
</context>
<context>
    <name>VoiceButtons</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop recording %1</source>
        <translation>Arrêter l&apos;enregistrement de %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Enregistrer %1</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Niveau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Listen to %1</source>
        <translation>Écouter %1</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Voix intégrée</translation>
    </message>
    <message>
        <source>Back to the built-in voice for %1</source>
        <translation>Revenir à la voix intégrée pour %1</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>No microphone found.</source>
        <translation>Aucun micro trouvé.</translation>
    </message>
    <message>
        <source>I could not hear you. Try again, a little closer.</source>
        <translation>Je ne t’ai pas entendu. Réessaie, un peu plus près.</translation>
    </message>
    <message>
        <source>The recording could not be saved: the disk is full or read-only.</source>
        <translation>L’enregistrement n’a pas pu être sauvegardé&#xa0;: le disque est plein ou en lecture seule.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>The recording could not be removed.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être retiré.</translation>
    </message>
</context>
<context>
    <name>WordGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>Tu es dans le top 10&#xa0;!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>Écris ton prénom&#xa0;!</translation>
    </message>
</context>
<context>
    <name>WordGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>Pas assez de mots&#xa0;!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Points&#xa0;: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Hear the word again</source>
        <translation>Réécouter le mot</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
</context>
<context>
    <name>WordSetImporter</name>
    <message>
        <source>picture uses other files</source>
        <translation>l’image utilise d’autres fichiers</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>picture too large (more than 40 megapixels)</source>
        <translation>image trop grande (plus de 40 mégapixels)</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>image endommagée</translation>
    </message>
    <message>
        <source>Imported %1 words into the set &quot;%2&quot;.</source>
        <translation>%1 mots importés dans la série «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Import cancelled: nothing was kept.</source>
        <translation>Import annulé&#xa0;: rien n’a été gardé.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Rien n’a été importé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
    <message>
        <source>that is not a folder</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>there is already a dictionary called &quot;%1&quot;; rename the folder</source>
        <translation>il existe déjà un dictionnaire nommé «&#xa0;%1&#xa0;»&#xa0;; renommez le dossier</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot;; remove it or rename the folder</source>
        <translation>il existe déjà une série nommée «&#xa0;%1&#xa0;»&#xa0;; supprimez-la ou renommez le dossier</translation>
    </message>
    <message>
        <source>hidden file (its name starts with a dot)</source>
        <translation>fichier caché (son nom commence par un point)</translation>
    </message>
    <message>
        <source>a folder, not a picture</source>
        <translation>un dossier, pas une image</translation>
    </message>
    <message>
        <source>not a picture or a recording</source>
        <translation>ni une image ni un enregistrement</translation>
    </message>
    <message>
        <source>same word as %1</source>
        <translation>même mot que %1</translation>
    </message>
    <message>
        <source>recording without a picture</source>
        <translation>enregistrement sans image</translation>
    </message>
    <message>
        <source>there is no picture in the folder</source>
        <translation>il n’y a aucune image dans le dossier</translation>
    </message>
    <message>
        <source>file too large (more than 20 MB)</source>
        <translation>fichier trop gros (plus de 20&#xa0;Mo)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>not a recording</source>
        <translation>pas un enregistrement</translation>
    </message>
    <message>
        <source>none of the pictures could be used</source>
        <translation>aucune des images n’a pu servir</translation>
    </message>
    <message>
        <source>only %1 words could be made, and a set needs at least %2</source>
        <translation>seuls %1 mots ont pu être créés, et une série en demande au moins %2</translation>
    </message>
    <message>
        <source>the name has invisible characters (such as a line break)</source>
        <translation>le nom contient des caractères invisibles (comme un retour à la ligne)</translation>
    </message>
    <message>
        <source>the name is too long (more than %1 characters)</source>
        <translation>le nom est trop long (plus de %1 caractères)</translation>
    </message>
    <message>
        <source>the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)</source>
        <translation>le nom n’est pas un mot (utilisez des lettres, des chiffres, des émojis, des espaces, des traits d’union et des apostrophes)</translation>
    </message>
    <message>
        <source>the computer voice is not installed</source>
        <translation>la voix de l’ordinateur n’est pas installée</translation>
    </message>
    <message>
        <source>the computer voice did not answer</source>
        <translation>la voix de l’ordinateur n’a pas répondu</translation>
    </message>
    <message>
        <source>the computer voice did not work</source>
        <translation>la voix de l’ordinateur n’a pas fonctionné</translation>
    </message>
    <message>
        <source>1 word had no recording; the computer voice says it: %1.</source>
        <translation>1 mot n’avait pas d’enregistrement&#xa0;; la voix de l’ordinateur le dit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 words had no recording; the computer voice says them: %2.</source>
        <translation>%1 mots n’avaient pas d’enregistrement&#xa0;; la voix de l’ordinateur les dit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>1 word had no recording and stays silent: %1 (%2).</source>
        <translation>1 mot n’avait pas d’enregistrement et reste muet&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 words had no recording and stay silent: %2 (%3).</source>
        <translation>%1 mots n’avaient pas d’enregistrement et restent muets&#xa0;: %2 (%3).</translation>
    </message>
    <message>
        <source>the folder&apos;s name cannot be a set&apos;s name (use up to %1 letters, digits, spaces, hyphens, apostrophes and underscores)</source>
        <translation>le nom du dossier ne peut pas être celui d’une série (utilisez jusqu’à %1 lettres, chiffres, espaces, traits d’union, apostrophes et tirets bas)</translation>
    </message>
    <message>
        <source>a shortcut to another file (copy the file itself into the folder)</source>
        <translation>un raccourci vers un autre fichier (copiez le fichier lui-même dans le dossier)</translation>
    </message>
    <message>
        <source>nothing can be saved in the game&apos;s folder %1 (is the disk full?)</source>
        <translation>rien ne peut être enregistré dans le dossier du jeu %1 (le disque est-il plein&#xa0;?)</translation>
    </message>
    <message>
        <source>the folder disappeared during the import (was the USB stick removed?)</source>
        <translation>le dossier a disparu pendant l’importation (la clé USB a-t-elle été retirée&#xa0;?)</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot; for every user of this computer; rename the folder</source>
        <translation>il existe déjà une série nommée «&#xa0;%1&#xa0;» pour tous les utilisateurs de cet ordinateur&#xa0;; renommez le dossier</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (no permission, or the disk is full)</source>
        <translation>rien ne peut être écrit dans le dossier %1 (pas de permission, ou le disque est plein)</translation>
    </message>
</context>
</TS>
