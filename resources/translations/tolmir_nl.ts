<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>%1 invullen</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Alle dobbelstenen gooien</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>%1 vasthouden</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1: verwacht totaal %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1; nu %2 invullen: %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Nu %1 invullen: verwacht totaal %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1; alle dobbelstenen gooien: %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1; %2 vasthouden en gooien: %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>De tabel van de adviseur is nog niet klaar.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Een dobbelspel: gooi per beurt tot drie keer met vijf dobbelstenen en vul de elf regels van het scoreblad.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Probeer &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: Onverwacht argument &apos;%2&apos;. Probeer &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>De opgeslagen instellingen en topscores in %1 konden niet worden gelezen: %2. Het spel start met de standaardinstellingen en slaat niets op.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>het is groter dan %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>er is geen thuismap bekend</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>de map %1 is alleen-lezen</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>het bestand zou groter worden dan %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>%1 kon niet worden vergrendeld: %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>De opgeslagen instellingen en topscores in %1 zijn beschadigd of te groot (%2) en konden niet apart worden gezet: %3. Het spel start met de standaardinstellingen en slaat niets op.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>De opgeslagen instellingen en topscores in %1 zijn beschadigd of te groot (%2). Het bestand is bewaard als %3 en het spel start met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>de regels die niet konden worden gelezen, konden niet apart worden bewaard: %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Enkele regels van %1 konden niet worden gelezen (%2) en staan niet in het opgeslagen bestand. Het bestand zoals het was, is bewaard als %3.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>het instellingenbestand</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; en nog %n</numerusform>
            <numerusform>; en nog %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>De adviseur kent zo&apos;n keuze niet in deze situatie.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>De adviseur heeft geen keuze voor deze situatie.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Je beslissingen kostten %1 punten van de verwachte score; optimaal spel verwacht vanaf het begin %2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>%1: %2 written. %3</source>
        <translation>%1: %2 ingevuld. %3</translation>
    </message>
    <message>
        <source>%1 is already written</source>
        <translation>%1 is al ingevuld</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 wordt berekend, niet ingevuld</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1: %2 ongedaan gemaakt. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Spel afgelopen. Totaal %1: %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Spel afgelopen. Totaal %1, een nieuwe topscore</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nieuwe topscore: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Dobbelsteen %1, %2, vastgehouden</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Dobbelsteen %1, %2, losgelaten</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Worp %1: %2, totaal %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1; vastgehouden %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Dit spel is afgelopen. Wil je een nieuw spel beginnen?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>Je kunt niet meer dan drie keer gooien!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>Je moet minstens één keer gooien!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>Wil je echt een nieuw spel beginnen?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>Er is nog een spel bezig. Wil je het programma afsluiten?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Speler: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>niet genoeg voor de topscorelijst.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>er is een tip getoond, dus dit spel komt niet in de topscorelijst.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>De tip van de adviseur tonen? Een spel waarin een tip wordt getoond, komt niet in de topscorelijst.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>De nieuwe topscores zijn niet opgeslagen en gaan verloren.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>De lijst in %1 kon niet worden gelezen zoals hij was opgeslagen (%2): de ene gevonden rij is gelezen en bewaard.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>De lijst in %1 kon niet worden gelezen zoals hij was opgeslagen (%2): de %n gevonden rij is gelezen en bewaard.</numerusform>
            <numerusform>De lijst in %1 kon niet worden gelezen zoals hij was opgeslagen (%2): de %n gevonden rijen zijn gelezen en bewaard.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>De topscore van %1 is niet opgeslagen en gaat verloren.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>De topscores van %1 zijn niet opgeslagen en gaan verloren.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
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
        <translation>een waarde van een sleutel die niet gelezen kon worden</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>een waarde staat vóór de eerste sleutel</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>onverwachte tekst</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>niets kon gelezen worden; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>regel 1: het bestand is leeg</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>een sleutelnaam heeft geen sluitend haakje</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>tekst na een sleutelnaam</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>een sleutel buiten HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>een tekenreeks heeft geen sluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>een waardenaam wordt niet gevolgd door &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>een dword heeft geen acht hexadecimale cijfers</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>een waarde van een onbekende soort</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>tekst na een waarde</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>een hex-type is ongeldig</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>een hex-waarde heeft geen &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>een byte bestaat niet uit twee hexadecimale cijfers</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>tekst na een regelvoortzetting</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.

Its address is %1</source>
        <translation>De pagina kon niet worden geopend: er is geen webbrowser gevonden.

Het adres is %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>het register</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>het register weigerde de waarden</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Sub-Total</source>
        <translation>Subtotaal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Jubo</source>
        <translation>Jubo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
</context>
<context>
    <name>StorageErrors</name>
    <message>
        <source>the key %1 could not be created</source>
        <translation>de sleutel %1 kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>De instellingen konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>De topscores konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Kan de gegevens voor &apos;%1&apos; niet instellen</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>Het spel is afgelopen: Spel, Spel analyseren laat zien waar de punten zijn gebleven.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>De analyse is beschikbaar zodra alle elf regels zijn ingevuld.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>De adviseur is klaar: vraag opnieuw om de analyse.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>De adviseur berekent de beste zetten; je kunt intussen verder spelen.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>De adviseur kon de beste zetten niet berekenen (%1); vraag het opnieuw om het nog eens te proberen.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># Help is niet beschikbaar

Het helpbestand `%1` kon niet worden gelezen.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Onderwerp niet gevonden

Het helpbestand `%1` heeft geen onderwerp %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Onderwerp %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 Help</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - %2 Help</translation>
    </message>
</context>
<context>
    <name>TQtPrompter</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
</context>
<context>
    <name>TScoreGrid</name>
    <message>
        <source>%1, free</source>
        <translation>%1, vrij</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, zou %2 opleveren</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rood %1, groen %2, blauw %3</translation>
    </message>
</context>
<context>
    <name>TVHDice</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Dobbelsteen %1, %2</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Dobbelsteen, %1</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versie 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>Over %1, %2</translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Dice Options</source>
        <translation>Dobbelstenen</translation>
    </message>
    <message>
        <source> Type of dice </source>
        <translation> Soort dobbelstenen </translation>
    </message>
    <message>
        <source>2 Dimensions</source>
        <translation>2 dimensies</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 dimensies</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Kleuren (voor 2 dimensies) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Achtergrond los</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Achtergrond vast</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Ogen</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Voorbeelden </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Vast</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Scoreblad</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Scorehints op het scoreblad tonen</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Kleur van scorehints</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Voorbeeld:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Geluid afspelen bij elke worp</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
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
        <translation>Vraag:</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dice</source>
        <translation>Dobbelstenen</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Scoreblad</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>Druk op F%1 om vast te houden of los te laten</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Vast</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Gooien</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Worptotaal:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Worpen:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Spel analyseren</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Vasthouden %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Website van Varnholt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Worp</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobbelstenen</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Jouw zet</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Beste zet</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Verloren punten</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Spel analyseren</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Jouw zetten en de beste zetten</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Beurt %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Worp %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>De instellingen konden niet worden voorbereid om op te slaan.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>De instellingen konden niet worden opgeslagen.</translation>
    </message>
</context>
</TS>
