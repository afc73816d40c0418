<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChosenList</name>
    <message>
        <source>1 word</source>
        <translation>1 palabra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vocabulary game for children who learn English.
Without options it starts the game. A word set is a folder of pictures named by their words
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP or SVG), with recordings of the same names if you
like (.mp3, .ogg, .wav); words without a recording are spoken by Festival.</source>
        <translation>Juego de vocabulario para niños que aprenden inglés.
Sin opciones, inicia el juego. Un conjunto de palabras es una carpeta de imágenes con el nombre de sus palabras
(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP o SVG), si quiere con grabaciones de los mismos nombres
(.mp3, .ogg, .wav); las palabras sin grabación las pronuncia Festival.</translation>
    </message>
    <message>
        <source>Import the folder as a word set, print the report and exit (exit code 1 when nothing was imported).</source>
        <translation>Importar la carpeta como conjunto de palabras, mostrar el informe y salir (código de salida 1 si no se importó nada).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>the progress was saved by a newer Vocalune</source>
        <translation>el progreso lo guardó un Vocalune más nuevo</translation>
    </message>
    <message>
        <source>the progress could not be opened</source>
        <translation>no se pudo abrir el progreso</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>No se pudo exportar: %1</translation>
    </message>
    <message>
        <source>Write every player&apos;s words as CSV to the file and exit (exit code 1 when it could not).</source>
        <translation>Escribir las palabras de todos los jugadores como CSV en el archivo y salir (código de salida 1 si no se pudo).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user of the computer, into %1 (an administrator&apos;s task).</source>
        <translation>Con --import-word-set: importar el conjunto para todos los usuarios del ordenador, en %1 (tarea de un administrador).</translation>
    </message>
    <message>
        <source>With --import-word-set: import the set for every user into this folder of word sets instead (implies --system).</source>
        <translation>Con --import-word-set: importar el conjunto para todos los usuarios en esta carpeta de conjuntos de palabras (implica --system).</translation>
    </message>
    <message>
        <source>--to needs a folder</source>
        <translation>--to necesita una carpeta</translation>
    </message>
    <message>
        <source>Could not import: the administrator has locked importing.</source>
        <translation>No se pudo importar: el administrador ha bloqueado la importación.</translation>
    </message>
    <message>
        <source>vocalune.conf names no class&apos;s server</source>
        <translation>vocalune.conf no indica ningún servidor de la clase</translation>
    </message>
    <message>
        <source>a class&apos;s name is 1 to 16 letters, digits, spaces, - or _</source>
        <translation>el nombre de una clase tiene de 1 a 16 letras, cifras, espacios, - o _</translation>
    </message>
    <message>
        <source>With --export-progress: write the whole class from the class&apos;s server that vocalune.conf names instead.</source>
        <translation>Con --export-progress: escribir en su lugar toda la clase desde el servidor de la clase que indica vocalune.conf.</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
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
        <translation>En juego</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the word set %1</source>
        <translation>Quitar el grupo de palabras %1</translation>
    </message>
    <message>
        <source>Use this dictionary</source>
        <translation>Usar este diccionario</translation>
    </message>
    <message>
        <source>Stop using this dictionary</source>
        <translation>Dejar de usar este diccionario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Remove the word set &quot;%1&quot;?</source>
        <translation>¿Quitar el grupo de palabras «%1»?</translation>
    </message>
    <message>
        <source>Its pictures and recordings are deleted from this computer.</source>
        <translation>Sus dibujos y grabaciones se borrarán de este ordenador.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
</context>
<context>
    <name>DictionaryChoice</name>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Elige una carpeta de dibujos</translation>
    </message>
</context>
<context>
    <name>EndPanel</name>
    <message>
        <source>Score: </source>
        <translation>Puntos: </translation>
    </message>
    <message>
        <source>Back to Main</source>
        <translation>Al menú</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Para practicar:</translation>
    </message>
    <message>
        <source>No mistakes!</source>
        <translation>¡Sin errores!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin del juego!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Practice games do not enter the top ten.</source>
        <translation>Las partidas de práctica no entran entre los 10 mejores.</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Success!</source>
        <translation>¡Muy bien!</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Importing pictures…</source>
        <translation>Importando dibujos…</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progreso de la importación</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 de %2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Diccionarios</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Who is playing? %1</source>
        <translation>¿Quién juega? %1</translation>
    </message>
</context>
<context>
    <name>MessagePanel</name>
    <message>
        <source>Record them in your own voice:</source>
        <translation>Grábalas con tu propia voz:</translation>
    </message>
</context>
<context>
    <name>NewGameView</name>
    <message>
        <source>Choose a Game Mode!</source>
        <translation>¡Elige un juego!</translation>
    </message>
    <message>
        <source>Pair Game</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Picture Book</source>
        <translation>Dibujos</translation>
    </message>
</context>
<context>
    <name>OwlVoice</name>
    <message>
        <source>en</source>
        <comment>the language of the owl&apos;s recordings: en, de, es, fi, fr or sv</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>PairGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>¡Estás entre los 10 mejores!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>¡Escribe tu nombre!</translation>
    </message>
</context>
<context>
    <name>PairGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>¡Faltan palabras!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Puntos: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Dibujo %1</translation>
    </message>
</context>
<context>
    <name>ParentGate</name>
    <message>
        <source>Tap one</source>
        <translation>Toca el uno</translation>
    </message>
    <message>
        <source>Tap two</source>
        <translation>Toca el dos</translation>
    </message>
    <message>
        <source>Tap three</source>
        <translation>Toca el tres</translation>
    </message>
    <message>
        <source>Tap four</source>
        <translation>Toca el cuatro</translation>
    </message>
    <message>
        <source>Tap five</source>
        <translation>Toca el cinco</translation>
    </message>
    <message>
        <source>Tap six</source>
        <translation>Toca el seis</translation>
    </message>
    <message>
        <source>Tap seven</source>
        <translation>Toca el siete</translation>
    </message>
    <message>
        <source>Tap eight</source>
        <translation>Toca el ocho</translation>
    </message>
    <message>
        <source>Tap nine</source>
        <translation>Toca el nueve</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Para adultos</translation>
    </message>
    <message>
        <source>For grown-ups: hold the circle for three seconds</source>
        <translation>Para adultos: mantén pulsado el círculo tres segundos</translation>
    </message>
    <message>
        <source>Hold for three seconds</source>
        <translation>Mantén pulsado tres segundos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PictureBookView</name>
    <message>
        <source>Picture Book</source>
        <translation>Dibujos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>This memory was made by a newer Vocalune. Play goes on, but answers are not kept.</source>
        <translation>Esta memoria la creó un Vocalune más nuevo. Se puede jugar, pero las respuestas no se guardan.</translation>
    </message>
    <message>
        <source>The memory of words could not be opened. Play goes on, but answers are not kept.</source>
        <translation>No se pudo abrir la memoria de palabras. Se puede jugar, pero las respuestas no se guardan.</translation>
    </message>
    <message>
        <source>The memory of words was damaged and starts afresh. The old file was kept beside it.</source>
        <translation>La memoria de palabras estaba dañada y empieza de nuevo. El archivo antiguo se guardó al lado.</translation>
    </message>
</context>
<context>
    <name>PlayersView</name>
    <message>
        <source>Who is playing?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Words learned: %1</source>
        <translation>Palabras aprendidas: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar a %1?</translation>
    </message>
    <message>
        <source>Every word this player learned is forgotten.</source>
        <translation>Se olvidan todas las palabras que aprendió este jugador.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Búho</translation>
    </message>
</context>
<context>
    <name>PracticeBadge</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Export progress</source>
        <translation>Exportar el progreso</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Could not export: %1</source>
        <translation>No se pudo exportar: %1</translation>
    </message>
    <message>
        <source>The class&apos;s server cannot be reached just now.</source>
        <translation>Ahora mismo no se puede contactar con el servidor de la clase.</translation>
    </message>
    <message>
        <source>Asking the class&apos;s server…</source>
        <translation>Preguntando al servidor de la clase…</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>Progress: %1</source>
        <translation>Progreso: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Aprendidas</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Aún no vistas</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, %4 not met yet</source>
        <translation>%1: %2 aprendidas, %3 aprendiendo, %4 aún no vistas</translation>
    </message>
    <message>
        <source>Last game: %1</source>
        <translation>Última partida: %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>Words learned per day</source>
        <translation>Palabras aprendidas por día</translation>
    </message>
    <message>
        <source>Minutes played per day</source>
        <translation>Minutos jugados por día</translation>
    </message>
    <message>
        <source>most: %1</source>
        <translation>máximo: %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Most mistakes</source>
        <translation>Más errores</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Clase %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>%1: %2 learned, %3 learning, last game %4</source>
        <translation>%1: %2 aprendidas, %3 aprendiendo, última partida %4</translation>
    </message>
    <message>
        <source>The class&apos;s most mistakes</source>
        <translation>Los mayores errores de la clase</translation>
    </message>
</context>
<context>
    <name>SaveFailedLine</name>
    <message>
        <source>Could not save: the disk is full or read-only.</source>
        <translation>No se pudo guardar: el disco está lleno o es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volumen: </translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Errores:</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Se acaba</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Dibujos:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Sound: muted</source>
        <translation>Sonido: apagado</translation>
    </message>
    <message>
        <source>Sound: on</source>
        <translation>Sonido: encendido</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>To learn</source>
        <translation>Por aprender</translation>
    </message>
    <message>
        <source>Owl talks: On</source>
        <translation>Búho habla: Sí</translation>
    </message>
    <message>
        <source>Owl talks: Off</source>
        <translation>Búho habla: No</translation>
    </message>
    <message>
        <source>Parent lock: On</source>
        <translation>Bloqueo parental: Sí</translation>
    </message>
    <message>
        <source>Parent lock: Off</source>
        <translation>Bloqueo parental: No</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>La nuestra</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Integrada</translation>
    </message>
</context>
<context>
    <name>VoiceButtons</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Stop recording %1</source>
        <translation>Dejar de grabar %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Grabar %1</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Nivel de grabación</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Listen to %1</source>
        <translation>Escuchar %1</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Voz integrada</translation>
    </message>
    <message>
        <source>Back to the built-in voice for %1</source>
        <translation>Volver a la voz integrada para %1</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>No microphone found.</source>
        <translation>No se encontró ningún micrófono.</translation>
    </message>
    <message>
        <source>I could not hear you. Try again, a little closer.</source>
        <translation>No te he oído. Inténtalo otra vez, un poco más cerca.</translation>
    </message>
    <message>
        <source>The recording could not be saved: the disk is full or read-only.</source>
        <translation>No se pudo guardar la grabación: el disco está lleno o es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>The recording could not be removed.</source>
        <translation>No se pudo quitar la grabación.</translation>
    </message>
</context>
<context>
    <name>WordGame</name>
    <message>
        <source>You made it to top 10!</source>
        <translation>¡Estás entre los 10 mejores!</translation>
    </message>
    <message>
        <source>Enter your name!</source>
        <translation>¡Escribe tu nombre!</translation>
    </message>
</context>
<context>
    <name>WordGameView</name>
    <message>
        <source>Not enough words!</source>
        <translation>¡Faltan palabras!</translation>
    </message>
    <message>
        <source>Score: </source>
        <translation>Puntos: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Hear the word again</source>
        <translation>Oír otra vez</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Dibujo %1</translation>
    </message>
</context>
<context>
    <name>WordSetImporter</name>
    <message>
        <source>picture uses other files</source>
        <translation>la imagen usa otros archivos</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>picture too large (more than 40 megapixels)</source>
        <translation>imagen demasiado grande (más de 40 megapíxeles)</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>imagen dañada</translation>
    </message>
    <message>
        <source>Imported %1 words into the set &quot;%2&quot;.</source>
        <translation>Se importaron %1 palabras al conjunto «%2».</translation>
    </message>
    <message>
        <source>Import cancelled: nothing was kept.</source>
        <translation>Importación cancelada: no se guardó nada.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>No se importó nada: %1.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>that is not a folder</source>
        <translation>eso no es una carpeta</translation>
    </message>
    <message>
        <source>there is already a dictionary called &quot;%1&quot;; rename the folder</source>
        <translation>ya hay un diccionario llamado «%1»; cambie el nombre de la carpeta</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot;; remove it or rename the folder</source>
        <translation>ya hay un conjunto llamado «%1»; elimínelo o cambie el nombre de la carpeta</translation>
    </message>
    <message>
        <source>hidden file (its name starts with a dot)</source>
        <translation>archivo oculto (su nombre empieza por un punto)</translation>
    </message>
    <message>
        <source>a folder, not a picture</source>
        <translation>una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>not a picture or a recording</source>
        <translation>ni imagen ni grabación</translation>
    </message>
    <message>
        <source>same word as %1</source>
        <translation>la misma palabra que %1</translation>
    </message>
    <message>
        <source>recording without a picture</source>
        <translation>grabación sin imagen</translation>
    </message>
    <message>
        <source>there is no picture in the folder</source>
        <translation>no hay ninguna imagen en la carpeta</translation>
    </message>
    <message>
        <source>file too large (more than 20 MB)</source>
        <translation>archivo demasiado grande (más de 20 MB)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>not a recording</source>
        <translation>no es una grabación</translation>
    </message>
    <message>
        <source>none of the pictures could be used</source>
        <translation>no se pudo usar ninguna de las imágenes</translation>
    </message>
    <message>
        <source>only %1 words could be made, and a set needs at least %2</source>
        <translation>solo se pudieron crear %1 palabras, y un conjunto necesita al menos %2</translation>
    </message>
    <message>
        <source>the name has invisible characters (such as a line break)</source>
        <translation>el nombre tiene caracteres invisibles (como un salto de línea)</translation>
    </message>
    <message>
        <source>the name is too long (more than %1 characters)</source>
        <translation>el nombre es demasiado largo (más de %1 caracteres)</translation>
    </message>
    <message>
        <source>the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)</source>
        <translation>el nombre no es una palabra (use letras, cifras, emojis, espacios, guiones y apóstrofos)</translation>
    </message>
    <message>
        <source>the computer voice is not installed</source>
        <translation>la voz del ordenador no está instalada</translation>
    </message>
    <message>
        <source>the computer voice did not answer</source>
        <translation>la voz del ordenador no respondió</translation>
    </message>
    <message>
        <source>the computer voice did not work</source>
        <translation>la voz del ordenador no funcionó</translation>
    </message>
    <message>
        <source>1 word had no recording; the computer voice says it: %1.</source>
        <translation>1 palabra no tenía grabación; la voz del ordenador la dice: %1.</translation>
    </message>
    <message>
        <source>%1 words had no recording; the computer voice says them: %2.</source>
        <translation>%1 palabras no tenían grabación; la voz del ordenador las dice: %2.</translation>
    </message>
    <message>
        <source>1 word had no recording and stays silent: %1 (%2).</source>
        <translation>1 palabra no tenía grabación y queda en silencio: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 words had no recording and stay silent: %2 (%3).</source>
        <translation>%1 palabras no tenían grabación y quedan en silencio: %2 (%3).</translation>
    </message>
    <message>
        <source>the folder&apos;s name cannot be a set&apos;s name (use up to %1 letters, digits, spaces, hyphens, apostrophes and underscores)</source>
        <translation>el nombre de la carpeta no puede ser el de un conjunto (use hasta %1 letras, cifras, espacios, guiones, apóstrofos y guiones bajos)</translation>
    </message>
    <message>
        <source>a shortcut to another file (copy the file itself into the folder)</source>
        <translation>un acceso directo a otro archivo (copie el propio archivo en la carpeta)</translation>
    </message>
    <message>
        <source>nothing can be saved in the game&apos;s folder %1 (is the disk full?)</source>
        <translation>no se puede guardar nada en la carpeta del juego %1 (¿está lleno el disco?)</translation>
    </message>
    <message>
        <source>the folder disappeared during the import (was the USB stick removed?)</source>
        <translation>la carpeta desapareció durante la importación (¿se quitó la memoria USB?)</translation>
    </message>
    <message>
        <source>there is already a set called &quot;%1&quot; for every user of this computer; rename the folder</source>
        <translation>ya hay un conjunto llamado «%1» para todos los usuarios de este ordenador; cambie el nombre de la carpeta</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (no permission, or the disk is full)</source>
        <translation>no se puede escribir nada en la carpeta %1 (sin permiso, o el disco está lleno)</translation>
    </message>
</context>
</TS>
