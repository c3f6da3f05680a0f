<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Alle Würfel werfen</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1: erwartete Gesamtsumme %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1; jetzt %2 eintragen: %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Jetzt %1 eintragen: erwartete Gesamtsumme %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1; alle Würfel werfen: %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1; %2 behalten und würfeln: %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>Die Tabelle des Beraters ist noch nicht fertig.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Ein Würfelspiel: Würfeln Sie pro Runde bis zu dreimal mit fünf Würfeln und füllen Sie die elf Zeilen des Spielblocks.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Versuchen Sie &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: Unerwartetes Argument &apos;%2&apos;. Versuchen Sie &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>Die gespeicherten Einstellungen und die Bestenliste in %1 konnten nicht gelesen werden: %2. Das Spiel startet mit den Standardwerten und speichert nicht.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>es ist kein Home-Ordner bekannt</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>die Datei wäre größer als %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>%1 konnte nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>Die gespeicherten Einstellungen und die Bestenliste in %1 sind beschädigt oder zu groß (%2) und konnten nicht beiseitegelegt werden: %3. Das Spiel startet mit den Standardwerten und speichert nicht.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>Die gespeicherten Einstellungen und die Bestenliste in %1 sind beschädigt oder zu groß (%2). Die Datei wurde als %3 aufbewahrt, und das Spiel startet mit den Standardwerten.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>die nicht lesbaren Zeilen konnten nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Einige Zeilen von %1 konnten nicht gelesen werden (%2) und fehlen in der gespeicherten Datei. Die ursprüngliche Datei wurde als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>der Einstellungsdatei</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; und %n weitere</numerusform>
            <numerusform>; und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>Der Berater kennt diese Wahl in dieser Lage nicht.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>Der Berater hat für diese Lage keine Wahl.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Ihre Entscheidungen kosteten %1 Punkte erwarteten Ergebnisses; perfektes Spiel vom Beginn an erwartet %2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>%1: %2 written. %3</source>
        <translation>%1: %2 eingetragen. %3</translation>
    </message>
    <message>
        <source>%1 is already written</source>
        <translation>%1 ist schon eingetragen</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 wird berechnet, nicht eingetragen</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1: %2 rückgängig gemacht. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Spiel beendet. Gesamt %1: %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Spiel beendet. Gesamt %1, ein neuer Rekord</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Neuer Rekord: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Würfel %1, %2, gehalten</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Würfel %1, %2, freigegeben</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Wurf %1: %2, Summe %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1; gehalten %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Dieses Spiel ist beendet. Möchten Sie ein neues beginnen?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>Sie können nicht mehr als dreimal würfeln!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>Sie müssen mindestens einmal würfeln!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>Möchten Sie wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>Ein Spiel läuft noch. Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Spieler: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>nicht genug für die Bestenliste.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>es wurde ein Tipp angezeigt, daher kommt es nicht in die Bestenliste.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>Tipp des Beraters anzeigen? Ein Spiel, in dem ein Tipp angezeigt wird, kommt nicht in die Bestenliste.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>Die neuen Einträge der Bestenliste wurden nicht gespeichert und sind verloren.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>Die Liste in %1 konnte nicht wie gespeichert gelesen werden (%2): Die eine dort gefundene Zeile wird gelesen und behalten.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>Die Liste in %1 konnte nicht wie gespeichert gelesen werden (%2): Die %n dort gefundene Zeile wird gelesen und behalten.</numerusform>
            <numerusform>Die Liste in %1 konnte nicht wie gespeichert gelesen werden (%2): Die %n dort gefundenen Zeilen werden gelesen und behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>Der Eintrag von %1 in der Bestenliste wurde nicht gespeichert und ist verloren.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>Die Einträge von %1 in der Bestenliste wurden nicht gespeichert und sind verloren.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>HiveFormat</name>
    <message>
        <source>a value of a key that could not be read</source>
        <translation>ein Wert eines Schlüssels, der nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>ein Wert steht vor dem ersten Schlüssel</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>unerwarteter Text</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>nichts war lesbar; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>Zeile 1: die Datei ist leer</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>einem Schlüsselnamen fehlt die schließende Klammer</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>Text nach einem Schlüsselnamen</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>ein Schlüssel außerhalb von HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>einer Zeichenkette fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>auf einen Wertnamen folgt kein &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>ein dword hat nicht acht Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>ein Wert unbekannter Art</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>Text nach einem Wert</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>ein hex-Typ ist fehlerhaft</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>einem hex-Wert fehlt der &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>ein Byte besteht nicht aus zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>Text nach einer Zeilenfortsetzung</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.

Its address is %1</source>
        <translation>Die Seite konnte nicht geöffnet werden: Es wurde kein Webbrowser gefunden.

Ihre Adresse lautet %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>der Registrierung</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>die Registrierung hat die Werte abgelehnt</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Sub-Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>Jubo</source>
        <translation>Jubo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>StorageErrors</name>
    <message>
        <source>the key %1 could not be created</source>
        <translation>der Schlüssel %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>Das Spiel ist beendet: Spiel, Spiel auswerten zeigt, wo die Punkte geblieben sind.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>Die Auswertung gibt es, sobald alle elf Zeilen eingetragen sind.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>Der Berater ist bereit: Fordern Sie die Auswertung erneut an.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>Der Berater berechnet die besten Züge; das Spiel geht währenddessen weiter.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>Der Berater konnte die besten Züge nicht berechnen (%1); fragen Sie erneut, um es noch einmal zu versuchen.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># Hilfe nicht verfügbar

Die Hilfedatei `%1` konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Thema nicht gefunden

Die Hilfedatei `%1` enthält kein Thema %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Thema %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - %2-Hilfe</translation>
    </message>
</context>
<context>
    <name>TQtPrompter</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TScoreGrid</name>
    <message>
        <source>%1, free</source>
        <translation>%1, frei</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, würde %2 zählen</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>Rot %1, Grün %2, Blau %3</translation>
    </message>
</context>
<context>
    <name>TVHDice</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Würfel %1, %2</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Würfel, %1</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>Über %1, %2</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Dice Options</source>
        <translation>Würfeloptionen</translation>
    </message>
    <message>
        <source> Type of dice </source>
        <translation> Würfeltyp </translation>
    </message>
    <message>
        <source>2 Dimensions</source>
        <translation>2 Dimensionen</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 Dimensionen</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Farben (für 2 Dimensionen) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Hintergrund nicht gehalten</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Hintergrund gehalten</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Augen</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Beispiele </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>Nicht gehalten</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Tabellenoptionen</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Punktvorschau in der Tabelle anzeigen</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Farbe der Punktvorschau</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Bei jedem Wurf einen Ton abspielen</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>TfrmInputQuery</name>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Prompt:</source>
        <translation>Eingabe:</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Spielblock</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>F%1 drücken zum Halten/Freigeben</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Augensumme:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Würfe:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Spiel auswerten</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Würfel %1 halten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Varnholt-Homepage</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Ihr Zug</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Verlorene Punkte</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Spiel auswerten</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Ihre Züge und die besten Züge</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Wurf %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>Die Einstellungen konnten nicht zum Speichern vorbereitet werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
</context>
</TS>
