<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Wpisz %1</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Rzuć wszystkimi kośćmi</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Zatrzymaj %1</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1: oczekiwana suma %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1; wpisanie %2 teraz: %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Wpisz %1 teraz: oczekiwana suma %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1; rzut wszystkimi kośćmi: %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1; zatrzymanie %2 i rzut: %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>Tablica doradcy nie jest jeszcze gotowa.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Gra w kości: rzucaj pięcioma kośćmi do trzech razy w turze i wypełnij jedenaście wierszy karty wyników.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Spróbuj &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: Nieoczekiwany argument &apos;%2&apos;. Spróbuj &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>Nie udało się odczytać zapisanych ustawień i najlepszych wyników (%1): %2. Gra startuje z ustawieniami domyślnymi i niczego nie zapisuje.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>jest większy niż %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>katalog domowy jest nieznany</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>katalog %1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>plik byłby większy niż %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Nie udało się otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>Nie udało się zablokować %1: %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>Zapisane ustawienia i najlepsze wyniki (%1) są uszkodzone lub zbyt duże (%2) i nie udało się ich odłożyć na bok: %3. Gra startuje z ustawieniami domyślnymi i niczego nie zapisuje.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>Zapisane ustawienia i najlepsze wyniki (%1) są uszkodzone lub zbyt duże (%2). Plik zachowano jako %3, a gra startuje z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>nie udało się zachować wierszy, których nie można było odczytać: %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Nie udało się odczytać niektórych wierszy pliku %1 (%2) i nie ma ich w zapisanym pliku. Plik w pierwotnej postaci zachowano jako %3.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>plik ustawień</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; i jeszcze %n</numerusform>
            <numerusform>; i jeszcze %n</numerusform>
            <numerusform>; i jeszcze %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>Doradca nie zna takiego wyboru w tej sytuacji.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>Doradca nie ma wyboru dla tej sytuacji.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Twoje decyzje kosztowały %1 pkt oczekiwanego wyniku; optymalna gra od początku oczekuje %2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>%1: %2 written. %3</source>
        <translation>%1: wpisano %2. %3</translation>
    </message>
    <message>
        <source>%1 is already written</source>
        <translation>%1 jest już wpisany</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 jest liczony, nie wpisywany</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nie ma czego cofnąć</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1: cofnięto %2. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Koniec gry. Suma %1: %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Koniec gry. Suma %1, nowy najlepszy wynik</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nowy najlepszy wynik: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Kość %1, %2, zatrzymana</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Kość %1, %2, zwolniona</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Rzut %1: %2, suma %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1; zatrzymane %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Suma %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Ta gra się skończyła. Czy chcesz rozpocząć nową?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>Nie możesz rzucać więcej niż trzy razy!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>Musisz rzucić przynajmniej raz!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>Czy na pewno chcesz rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>Trwa rozgrywka. Czy chcesz zamknąć program?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Gracz: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>za mało do tabeli najlepszych wyników.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>pokazano podpowiedź, więc gra nie trafia do tabeli najlepszych wyników.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>Pokazać podpowiedź doradcy? Gra, w której pokazano podpowiedź, nie trafia do tabeli najlepszych wyników.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>Nowe najlepsze wyniki nie zostały zapisane i przepadły.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>Nie udało się odczytać listy (%1) w zapisanej postaci (%2): znaleziony tam 1 wiersz został odczytany i zachowany.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>Nie udało się odczytać listy (%1) w zapisanej postaci (%2): znaleziony tam %n wiersz został odczytany i zachowany.</numerusform>
            <numerusform>Nie udało się odczytać listy (%1) w zapisanej postaci (%2): znalezione tam %n wiersze zostały odczytane i zachowane.</numerusform>
            <numerusform>Nie udało się odczytać listy (%1) w zapisanej postaci (%2): znalezionych tam %n wierszy zostało odczytanych i zachowanych.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>Najlepszy wynik gracza %1 nie został zapisany i przepadł.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>Najlepsze wyniki graczy %1 nie zostały zapisane i przepadły.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
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
        <translation>wartość klucza, którego nie udało się odczytać</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>wartość występuje przed pierwszym kluczem</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>nieoczekiwany tekst</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>nie udało się nic odczytać; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>wiersz 1: plik jest pusty</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>nazwa klucza nie ma nawiasu zamykającego</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>tekst po nazwie klucza</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>klucz poza HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>ciąg znaków nie ma cudzysłowu zamykającego</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>po nazwie wartości nie ma &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>dword nie ma ośmiu cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>wartość nieznanego rodzaju</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>tekst po wartości</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>typ hex jest błędny</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>wartość hex nie ma &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>bajt nie składa się z dwóch cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>tekst po kontynuacji wiersza</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.

Its address is %1</source>
        <translation>Nie udało się otworzyć strony: nie znaleziono przeglądarki internetowej.

Jej adres to %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>rejestr</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>rejestr odrzucił wartości</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Sub-Total</source>
        <translation>Podsuma</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Jubo</source>
        <translation>Jubo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
</context>
<context>
    <name>StorageErrors</name>
    <message>
        <source>the key %1 could not be created</source>
        <translation>nie udało się utworzyć klucza %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać ustawień (%1): %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać najlepszych wyników (%1): %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nie udało się ustawić danych dla &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>Gra skończona: Gra, Analiza gry pokazuje, gdzie uciekły punkty.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>Analiza będzie dostępna po wpisaniu wszystkich jedenastu wierszy.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>Doradca jest gotowy: poproś ponownie o analizę.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>Doradca oblicza najlepsze ruchy; w tym czasie możesz grać dalej.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>Doradca nie zdołał obliczyć najlepszych ruchów (%1); poproś ponownie, aby spróbować jeszcze raz.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># Pomoc jest niedostępna

Nie udało się odczytać pliku pomocy `%1`.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Nie znaleziono tematu

Plik pomocy `%1` nie zawiera tematu %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Temat %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Pomoc programu %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - pomoc programu %2</translation>
    </message>
</context>
<context>
    <name>TQtPrompter</name>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
</context>
<context>
    <name>TScoreGrid</name>
    <message>
        <source>%1, free</source>
        <translation>%1, wolny</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, dałby %2</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>czerwony %1, zielony %2, niebieski %3</translation>
    </message>
</context>
<context>
    <name>TVHDice</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Kość %1, %2</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Kość, %1</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Wersja 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>O programie %1, %2</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Dice Options</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source> Type of dice </source>
        <translation> Rodzaj kości </translation>
    </message>
    <message>
        <source>2 Dimensions</source>
        <translation>2 wymiary</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 wymiary</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Kolory (dla 2 wymiarów) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Tło kości niezatrzymanej</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Tło kości zatrzymanej</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Oczka</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Przykłady </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>Niezatrzymana</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Zatrzymana</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Pokazuj podgląd punktów w tabeli</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Kolor podglądu punktów</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Przykład:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Odtwarzaj dźwięk przy każdym rzucie</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
</context>
<context>
    <name>TfrmInputQuery</name>
    <message>
        <source>Caption</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Prompt:</source>
        <translation>Pytanie:</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dice</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Karta wyników</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>Naciśnij F%1, aby zatrzymać lub zwolnić</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Zatrzymana</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Rzuć kośćmi</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Suma oczek:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Rzuty:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analiza gry</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Zatrzymaj %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Strona domowa Varnholt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Rzut</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Twój ruch</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Najlepszy ruch</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Utracone punkty</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analiza gry</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Twoje ruchy i najlepsze ruchy</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Tura %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Rzut %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>Nie udało się przygotować ustawień do zapisu.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie udało się zapisać ustawień.</translation>
    </message>
</context>
</TS>
