<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Segna %1</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Lancia tutti i dadi</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Tieni %1</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1: totale previsto %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1; segna %2 ora: %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Segna %1 ora: totale previsto %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1; lancia tutti i dadi: %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1; tieni %2 e lancia: %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>La tabella del consigliere non è ancora pronta.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Un gioco di dadi: lancia cinque dadi fino a tre volte per turno e riempi le undici righe del foglio dei punteggi.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Prova &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: Argomento inatteso &apos;%2&apos;. Prova &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>Impossibile leggere le impostazioni e i migliori punteggi salvati in %1: %2. Il gioco parte dalle impostazioni predefinite e non salva.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>è più grande di %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>la cartella home non è nota</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la cartella %1 è di sola lettura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>il file sarebbe più grande di %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>Le impostazioni e i migliori punteggi salvati in %1 sono danneggiati o troppo grandi (%2) e non è stato possibile metterli da parte: %3. Il gioco parte dalle impostazioni predefinite e non salva.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>Le impostazioni e i migliori punteggi salvati in %1 sono danneggiati o troppo grandi (%2). Il file è stato conservato come %3 e il gioco parte dalle impostazioni predefinite.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>impossibile mettere da parte le righe che non è stato possibile leggere: %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Alcune righe di %1 non sono leggibili (%2) e non sono nel file salvato. Il file com&apos;era è conservato come %3.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>il file delle impostazioni</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; e %n altra</numerusform>
            <numerusform>; e altre %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>Il consigliere non conosce questa scelta in questa situazione.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>Il consigliere non ha alcuna scelta per questa situazione.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Le tue decisioni sono costate %1 punti di punteggio previsto; il gioco perfetto dall&apos;inizio prevede %2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>%1: %2 written. %3</source>
        <translation>%1: %2 segnato. %3</translation>
    </message>
    <message>
        <source>%1 is already written</source>
        <translation>%1 è già segnato</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 viene calcolato, non segnato</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1: %2 annullato. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Partita finita. Totale %1: %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Partita finita. Totale %1, un nuovo record</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuovo record: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Dado %1, %2, tenuto</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Dado %1, %2, rilasciato</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Lancio %1: %2, totale %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1; tenuti %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Questa partita è finita. Vuoi iniziarne una nuova?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>Non puoi lanciare più di tre volte!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>Devi lanciare almeno una volta!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>Vuoi davvero iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>C&apos;è una partita in corso. Vuoi chiudere il programma?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Giocatore: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>non basta per la tabella dei migliori punteggi.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>è stato mostrato un suggerimento, quindi non entra nella tabella dei migliori punteggi.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>Mostrare il suggerimento del consigliere? Una partita in cui viene mostrato un suggerimento non entra nella tabella dei migliori punteggi.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>I nuovi migliori punteggi non sono stati salvati e sono andati persi.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>L&apos;elenco memorizzato (%1) non è leggibile così com&apos;è (%2): l&apos;unica voce trovata viene letta e conservata.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>L&apos;elenco memorizzato (%1) non è leggibile così com&apos;è (%2): %n voce trovata viene letta e conservata.</numerusform>
            <numerusform>L&apos;elenco memorizzato (%1) non è leggibile così com&apos;è (%2): le %n voci trovate vengono lette e conservate.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>Il miglior punteggio di %1 non è stato salvato ed è andato perso.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>I migliori punteggi di %1 non sono stati salvati e sono andati persi.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>HiveFormat</name>
    <message>
        <source>a value of a key that could not be read</source>
        <translation>un valore di una chiave che non è stato possibile leggere</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>un valore precede la prima chiave</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>testo inatteso</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>non è stato possibile leggere nulla; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>riga 1: il file è vuoto</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>al nome di una chiave manca la parentesi di chiusura</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>testo dopo il nome di una chiave</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>una chiave fuori da HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>a una stringa mancano le virgolette di chiusura</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>il nome di un valore non è seguito da &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>un dword non ha otto cifre esadecimali</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>un valore di tipo sconosciuto</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>testo dopo un valore</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>un tipo hex è malformato</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>a un valore hex manca &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>un byte non è di due cifre esadecimali</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>testo dopo una continuazione di riga</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.

Its address is %1</source>
        <translation>Impossibile aprire la pagina: non è stato trovato alcun browser web.

Il suo indirizzo è %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>il registro di sistema</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>il registro di sistema ha rifiutato i valori</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Sub-Total</source>
        <translation>Subtotale</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
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
        <translation>Basso</translation>
    </message>
    <message>
        <source>Jubo</source>
        <translation>Jubo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
</context>
<context>
    <name>StorageErrors</name>
    <message>
        <source>the key %1 could not be created</source>
        <translation>impossibile creare la chiave %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Impossibile salvare le impostazioni (%1): %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Impossibile salvare i migliori punteggi (%1): %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile scrivere i dati per &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>La partita è finita: Gioco, Analizza partita mostra dove sono andati i punti.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>L&apos;analisi è disponibile quando tutte le undici righe sono segnate.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>Il consigliere è pronto: richiedi di nuovo l&apos;analisi.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>Il consigliere sta calcolando le mosse migliori; nel frattempo la partita continua.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>Il consigliere non è riuscito a calcolare le mosse migliori (%1); richiedi di nuovo per riprovare.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># Guida non disponibile

Impossibile leggere il file della guida `%1`.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Argomento non trovato

Il file della guida `%1` non contiene l&apos;argomento %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Argomento %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - Guida di %2</translation>
    </message>
</context>
<context>
    <name>TQtPrompter</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
</context>
<context>
    <name>TScoreGrid</name>
    <message>
        <source>%1, free</source>
        <translation>%1, libera</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, varrebbe %2</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rosso %1, verde %2, blu %3</translation>
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
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Vers. 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>Informazioni su %1, %2</translation>
    </message>
</context>
<context>
    <name>TfrmDialogAncestor</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Dice Options</source>
        <translation>Opzioni dadi</translation>
    </message>
    <message>
        <source> Type of dice </source>
        <translation> Tipo di dadi </translation>
    </message>
    <message>
        <source>2 Dimensions</source>
        <translation>2 dimensioni</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 dimensioni</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Colori (per 2 dimensioni) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Sfondo non tenuto</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Sfondo tenuto</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Puntini</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Esempi </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>Non tenuto</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Tenuto</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Opzioni tabella</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Mostra anteprima dei punti nella tabella</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Colore dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Esempio:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Riproduci un suono a ogni lancio</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Migliori punteggi</translation>
    </message>
</context>
<context>
    <name>TfrmInputQuery</name>
    <message>
        <source>Caption</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Prompt:</source>
        <translation>Richiesta:</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Foglio dei punteggi</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>Premi F%1 per tenere/rilasciare</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Tenuto</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Lancia i dadi</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Somma dei dadi:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Lanci:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizza partita</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Tieni dado %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Sito web di Varnholt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Lancio</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>La tua mossa</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Mossa migliore</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Punti persi</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizza partita</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Le tue mosse e le mosse migliori</translation>
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
        <translation>Lancio %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>Impossibile preparare le impostazioni per il salvataggio.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
</context>
</TS>
