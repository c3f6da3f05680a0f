<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Inscrire %1</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Lancer tous les dés</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1&#xa0;: total espéré %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1 ; inscrire %2 maintenant : %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Inscrire %1 maintenant : total espéré %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1 ; lancer tous les dés : %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1 ; garder %2 et lancer : %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>La table du conseiller n&apos;est pas encore prête.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Un jeu de dés : lancez cinq dés jusqu&apos;à trois fois par tour et remplissez les onze lignes de la feuille de marque.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1 : %2 Essayez « %1 --help ».
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1 : argument inattendu « %2 ». Essayez « %1 --help ».
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>Les réglages et meilleurs scores enregistrés dans %1 n&apos;ont pas pu être lus : %2. Le jeu démarre avec les valeurs par défaut et n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sa taille dépasse %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>aucun dossier personnel n&apos;est connu</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>le fichier dépasserait %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>%1 n&apos;a pas pu être verrouillé : %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>Les réglages et meilleurs scores enregistrés dans %1 sont endommagés ou trop volumineux (%2) et n&apos;ont pas pu être mis de côté : %3. Le jeu démarre avec les valeurs par défaut et n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>Les réglages et meilleurs scores enregistrés dans %1 sont endommagés ou trop volumineux (%2). Le fichier a été conservé sous le nom %3 et le jeu démarre avec les valeurs par défaut.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>les lignes illisibles n&apos;ont pas pu être mises de côté : %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Certaines lignes de %1 n&apos;ont pas pu être lues (%2) et ne figurent pas dans le fichier enregistré. Le fichier d&apos;origine est conservé sous le nom %3.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>le fichier de réglages</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; et %n autre</numerusform>
            <numerusform>; et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>Le conseiller ne connaît pas ce choix dans cette position.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>Le conseiller n&apos;a aucun choix pour cette position.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Vos décisions ont coûté %1 points de score espéré&#xa0;; un jeu parfait depuis le début espère %2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>%1: %2 written. %3</source>
        <translation>%1 : %2 inscrit. %3</translation>
    </message>
    <message>
        <source>%1 is already written</source>
        <translation>%1 est déjà inscrit</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 est calculé, pas inscrit</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1 : %2 annulé. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Partie terminée. Total %1 : %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Partie terminée. Total %1, un nouveau record</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nouveau record&#xa0;: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Dé %1, %2, gardé</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Dé %1, %2, libéré</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Lancer %1&#xa0;: %2, total %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1 ; gardés %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Cette partie est terminée. Voulez-vous en commencer une nouvelle&#xa0;?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>Vous ne pouvez pas lancer plus de trois fois&#xa0;!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>Vous devez lancer au moins une fois&#xa0;!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>Voulez-vous vraiment commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>Une partie est en cours. Voulez-vous fermer le programme&#xa0;?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Joueur&#xa0;: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>pas assez pour le tableau des meilleurs scores.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>un conseil a été affiché, elle n&apos;entre donc pas au tableau des meilleurs scores.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>Afficher le conseil du conseiller&#xa0;? Une partie où un conseil est affiché n&apos;entre pas au tableau des meilleurs scores.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>Les nouveaux meilleurs scores n&apos;ont pas été enregistrés et sont perdus.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>La liste dans %1 n&apos;a pas pu être lue telle qu&apos;enregistrée (%2) : la seule ligne trouvée est lue et conservée.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>La liste dans %1 n&apos;a pas pu être lue telle qu&apos;enregistrée (%2) : %n ligne trouvée est lue et conservée.</numerusform>
            <numerusform>La liste dans %1 n&apos;a pas pu être lue telle qu&apos;enregistrée (%2) : les %n lignes trouvées sont lues et conservées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>Le meilleur score de %1 n&apos;a pas été enregistré et est perdu.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>Les meilleurs scores de %1 n&apos;ont pas été enregistrés et sont perdus.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>HiveFormat</name>
    <message>
        <source>a value of a key that could not be read</source>
        <translation>une valeur d&apos;une clé illisible</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>une valeur précède la première clé</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texte inattendu</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>rien n&apos;a pu être lu ; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>ligne 1 : le fichier est vide</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>un nom de clé n&apos;a pas de crochet fermant</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>du texte après un nom de clé</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>une clé hors de HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>une chaîne n&apos;a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>un nom de valeur n&apos;est pas suivi de &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>un dword n&apos;a pas huit chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>une valeur d&apos;un type inconnu</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>du texte après une valeur</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>un type hex est mal formé</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>une valeur hex n&apos;a pas de &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>un octet n&apos;a pas deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>du texte après une continuation de ligne</translation>
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
        <translation>La page n&apos;a pas pu être ouverte : aucun navigateur web n&apos;a été trouvé.

Son adresse est %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>le registre</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>le registre a refusé les valeurs</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Sub-Total</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
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
        <translation>la clé %1 n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Les meilleurs scores n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour « %1 »</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible de définir les données de « %1 »</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>La partie est terminée : Jeu, Analyser la partie montre où sont passés les points.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>L&apos;analyse est disponible une fois les onze lignes inscrites.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>Le conseiller est prêt : redemandez l&apos;analyse.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>Le conseiller calcule les meilleurs coups ; la partie continue pendant ce temps.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>Le conseiller n&apos;a pas pu calculer les meilleurs coups (%1) ; redemandez pour réessayer.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># Aide non disponible

Le fichier d&apos;aide `%1` n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Rubrique introuvable

Le fichier d&apos;aide `%1` n&apos;a pas de rubrique %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Rubrique %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - Aide de %2</translation>
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
        <translation>%1, libre</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, rapporterait %2</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rouge %1, vert %2, bleu %3</translation>
    </message>
</context>
<context>
    <name>TVHDice</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Dé %1, %2</translation>
    </message>
    <message>
        <source>Die, %1</source>
        <translation>Dé, %1</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>À propos de %1, %2</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Options du jeu</translation>
    </message>
    <message>
        <source>Dice Options</source>
        <translation>Options des dés</translation>
    </message>
    <message>
        <source> Type of dice </source>
        <translation> Type de dés </translation>
    </message>
    <message>
        <source>2 Dimensions</source>
        <translation>2 dimensions</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 dimensions</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Couleurs (2 dimensions) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Fond non gardé</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Fond gardé</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Points</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Exemples </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>Non gardé</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gardé</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Options de la grille</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Afficher l&apos;aperçu des scores dans la grille</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Couleur de l&apos;aperçu des scores</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Exemple&#xa0;:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Jouer un son à chaque lancer</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
</context>
<context>
    <name>TfrmInputQuery</name>
    <message>
        <source>Caption</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Prompt:</source>
        <translation>Saisie :</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Feuille de marque</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>Appuyez sur F%1 pour garder/libérer</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gardé</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Lancer les dés</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Total des dés&#xa0;:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Lancers&#xa0;:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Garder le dé %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options du jeu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Site web de Varnholt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Votre coup</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Meilleur coup</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Points perdus</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Vos coups et les meilleurs coups</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Tour %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Lancer %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>Les réglages n&apos;ont pas pu être préparés pour l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
</context>
</TS>
