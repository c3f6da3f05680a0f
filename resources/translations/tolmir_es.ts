<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Anotar %1</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Tirar todos los dados</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Retener %1</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1: total esperado %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1; anotar %2 ahora: %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Anotar %1 ahora: total esperado %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1; tirar todos los dados: %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1; retener %2 y tirar: %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>La tabla del asesor aún no está lista.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Un juego de dados: tira cinco dados hasta tres veces por turno y rellena las once líneas de la hoja de puntuación.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Prueba &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: Argumento inesperado &apos;%2&apos;. Prueba &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>No se pudieron leer los ajustes y las mejores puntuaciones guardados en %1: %2. El juego empieza con los valores predeterminados y no guarda nada.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>ocupa más de %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>no se conoce ninguna carpeta personal</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>el archivo ocuparía más de %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>no se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>no se pudo bloquear %1: %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>Los ajustes y las mejores puntuaciones guardados en %1 están dañados o son demasiado grandes (%2) y no se pudieron apartar: %3. El juego empieza con los valores predeterminados y no guarda nada.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>Los ajustes y las mejores puntuaciones guardados en %1 están dañados o son demasiado grandes (%2). El archivo se ha conservado como %3 y el juego empieza con los valores predeterminados.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>no se pudieron apartar las líneas que no se pudieron leer: %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Algunas líneas de %1 no se pudieron leer (%2) y no están en el archivo guardado. El archivo tal como estaba se conserva como %3.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>el archivo de ajustes</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; y %n más</numerusform>
            <numerusform>; y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>El asesor no conoce esa opción en esta situación.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>El asesor no tiene ninguna opción para esta situación.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Tus decisiones costaron %1 puntos de puntuación esperada; el juego perfecto desde el principio espera %2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>%1: %2 written. %3</source>
        <translation>%1: %2 anotado. %3</translation>
    </message>
    <message>
        <source>%1 is already written</source>
        <translation>%1 ya está anotado</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 se calcula, no se anota</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>No hay nada que deshacer</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1: %2 deshecho. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Fin de la partida. Total %1: %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Fin de la partida. Total %1, una nueva mejor puntuación</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nueva mejor puntuación: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Dado %1, %2, retenido</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Dado %1, %2, soltado</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Tirada %1: %2, total %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1; retenidos %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Esta partida ha terminado. ¿Quieres empezar una nueva?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>¡No puedes tirar más de tres veces!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>¡Tienes que tirar al menos una vez!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>¿De verdad quieres empezar una nueva partida?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>Hay una partida en curso. ¿Quieres cerrar el programa?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Jugador: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>no basta para la tabla de mejores puntuaciones.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>se mostró una pista, así que no entra en la tabla de mejores puntuaciones.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>¿Mostrar la pista del asesor? Una partida en la que se muestra una pista no entra en la tabla de mejores puntuaciones.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>Las nuevas mejores puntuaciones no se guardaron y se han perdido.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>No se pudo leer la lista guardada en %1 tal como estaba (%2): la única entrada encontrada se lee y se conserva.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>No se pudo leer la lista guardada en %1 tal como estaba (%2): %n entrada encontrada se lee y se conserva.</numerusform>
            <numerusform>No se pudo leer la lista guardada en %1 tal como estaba (%2): las %n entradas encontradas se leen y se conservan.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>La mejor puntuación de %1 no se guardó y se ha perdido.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>Las mejores puntuaciones de %1 no se guardaron y se han perdido.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>HiveFormat</name>
    <message>
        <source>a value of a key that could not be read</source>
        <translation>un valor de una clave que no se pudo leer</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>un valor aparece antes de la primera clave</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texto inesperado</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>no se pudo leer nada; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>línea 1: el archivo está vacío</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>a un nombre de clave le falta el corchete de cierre</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>texto después de un nombre de clave</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>una clave fuera de HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>a una cadena le faltan las comillas de cierre</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>a un nombre de valor no le sigue &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>un dword no tiene ocho dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>un valor de un tipo desconocido</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>texto después de un valor</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>un tipo hex está mal formado</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>a un valor hex le falta &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>un byte no tiene dos dígitos hexadecimales</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>texto después de una continuación de línea</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.

Its address is %1</source>
        <translation>No se pudo abrir la página: no se encontró ningún navegador web.

Su dirección es %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>el registro</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>el registro rechazó los valores</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Sub-Total</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bono</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Jubo</source>
        <translation>Jubo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>StorageErrors</name>
    <message>
        <source>the key %1 could not be created</source>
        <translation>no se pudo crear la clave %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>No se pudieron guardar los ajustes en %1: %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>No se pudieron guardar las mejores puntuaciones en %1: %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron escribir los datos de &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>La partida ha terminado: Juego, Analizar partida muestra adónde fueron los puntos.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>El análisis está disponible cuando las once líneas están anotadas.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>El asesor está listo: vuelve a pedir el análisis.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>El asesor está calculando las mejores jugadas; mientras tanto, la partida sigue.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>El asesor no pudo calcular las mejores jugadas (%1); vuelve a pedirlo para reintentarlo.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># La ayuda no está disponible

No se pudo leer el archivo de ayuda `%1`.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Tema no encontrado

El archivo de ayuda `%1` no tiene el tema %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Tema %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - Ayuda de %2</translation>
    </message>
</context>
<context>
    <name>TQtPrompter</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>TScoreGrid</name>
    <message>
        <source>%1, free</source>
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, puntuaría %2</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rojo %1, verde %2, azul %3</translation>
    </message>
</context>
<context>
    <name>TVHDice</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Dado %1, %2</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Dado, %1</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>Acerca de %1, %2</translation>
    </message>
</context>
<context>
    <name>TfrmDialogAncestor</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Opciones del juego</translation>
    </message>
    <message>
        <source>Dice Options</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source> Type of dice </source>
        <translation> Tipo de dados </translation>
    </message>
    <message>
        <source>2 Dimensions</source>
        <translation>2 dimensiones</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 dimensiones</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Colores (2 dimensiones) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Fondo no retenido</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Fondo retenido</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Ejemplos </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>No retenido</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Retenido</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Mostrar vista previa de puntuación en la tabla</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Color de la vista previa</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Ejemplo:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Reproducir sonido en cada tirada</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
</context>
<context>
    <name>TfrmInputQuery</name>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Prompt:</source>
        <translation>Pregunta:</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Hoja de puntuación</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>Pulsa F%1 para retener/soltar</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Retenido</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Tirar los dados</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Suma de dados:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Tiradas:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizar partida</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Retener dado %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones del juego</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Página web de Varnholt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Tu jugada</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Puntos perdidos</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizar partida</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Tus jugadas y las mejores jugadas</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Turno %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Tirada %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>No se pudieron preparar los ajustes para guardarlos.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudieron guardar los ajustes.</translation>
    </message>
</context>
</TS>
