<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AdviceText</name>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Anotar %1</translation>
    </message>
    <message>
        <source>Roll all dice</source>
        <translation>Rolar todos os dados</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Manter %1</translation>
    </message>
    <message>
        <source>%1: expected total %2</source>
        <translation>%1: total esperado %2</translation>
    </message>
    <message>
        <source>%1; writing %2 now: %3</source>
        <translation>%1; anotar %2 agora: %3</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2</source>
        <translation>Anotar %1 agora: total esperado %2</translation>
    </message>
    <message>
        <source>%1; rolling all dice: %2</source>
        <translation>%1; rolar todos os dados: %2</translation>
    </message>
    <message>
        <source>%1; keeping %2 and rolling: %3</source>
        <translation>%1; manter %2 e rolar: %3</translation>
    </message>
</context>
<context>
    <name>AdvisorWorker</name>
    <message>
        <source>The advisor&apos;s table is not ready yet.</source>
        <translation>A tabela do conselheiro ainda não está pronta.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game: roll five dice up to three times a turn and fill the eleven lines of the score sheet.</source>
        <translation>Um jogo de dados: role cinco dados até três vezes por rodada e preencha as onze linhas da tabela de pontos.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Tente &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: Argumento inesperado &apos;%2&apos;. Tente &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>FileHive</name>
    <message>
        <source>The saved settings and high scores in %1 could not be read: %2. The game starts from the defaults and does not save.</source>
        <translation>Não foi possível ler as configurações e os recordes salvos (%1): %2. O jogo começa com os valores padrão e não salva nada.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>é maior que %1</translation>
    </message>
    <message>
        <source>no home folder is known</source>
        <translation>a pasta pessoal é desconhecida</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>a pasta %1 é somente leitura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>the file would be larger than %1</source>
        <translation>o arquivo ficaria maior que %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be locked: %2</source>
        <translation>Não foi possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2) and could not be set aside: %3. The game starts from the defaults and does not save.</source>
        <translation>As configurações e os recordes salvos (%1) estão danificados ou são grandes demais (%2) e não puderam ser separados: %3. O jogo começa com os valores padrão e não salva nada.</translation>
    </message>
    <message>
        <source>The saved settings and high scores in %1 are damaged or too large (%2). The file was kept as %3 and the game starts from the defaults.</source>
        <translation>As configurações e os recordes salvos (%1) estão danificados ou são grandes demais (%2). O arquivo foi guardado como %3 e o jogo começa com os valores padrão.</translation>
    </message>
    <message>
        <source>the lines that could not be read could not be kept aside: %1</source>
        <translation>as linhas que não puderam ser lidas não puderam ser guardadas à parte: %1</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read (%2) and are not in the saved file. The file as it was is kept as %3.</source>
        <translation>Algumas linhas de %1 não puderam ser lidas (%2) e não estão no arquivo salvo. O arquivo como estava foi guardado como %3.</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>arquivo de configurações</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; e mais %n</numerusform>
            <numerusform>; e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>The advisor knows no such choice in this position.</source>
        <translation>O conselheiro não conhece essa escolha nesta posição.</translation>
    </message>
    <message>
        <source>The advisor has no choice for this position.</source>
        <translation>O conselheiro não tem escolha para esta posição.</translation>
    </message>
    <message>
        <source>Your decisions cost %1 points of expected score; optimal play from the start expects %2</source>
        <translation>Suas decisões custaram %1 pontos da pontuação esperada; o jogo ideal espera %2 desde o início</translation>
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
        <translation>%1 já está anotada</translation>
    </message>
    <message>
        <source>%1 is counted, not written</source>
        <translation>%1 é calculada, não anotada</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>%1: %2 undone. %3. %4</source>
        <translation>%1: %2 desfeito. %3. %4</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Game over. Total %1: %2</source>
        <translation>Fim de jogo. Total %1: %2</translation>
    </message>
    <message>
        <source>Game over. Total %1, a new high score</source>
        <translation>Fim de jogo. Total %1, um novo recorde</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Novo recorde: %1</translation>
    </message>
    <message>
        <source>Die %1, %2, held</source>
        <translation>Dado %1, %2, preso</translation>
    </message>
    <message>
        <source>Die %1, %2, released</source>
        <translation>Dado %1, %2, solto</translation>
    </message>
    <message>
        <source>Roll %1: %2, total %3</source>
        <translation>Rolagem %1: %2, total %3</translation>
    </message>
    <message>
        <source>%1; held %2</source>
        <translation>%1; presos %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>This game is over. Do you wish to start a new one?</source>
        <translation>Esta partida terminou. Deseja começar uma nova?</translation>
    </message>
    <message>
        <source>You can&apos;t shuffle more than three times!</source>
        <translation>Você não pode rolar mais de três vezes!</translation>
    </message>
    <message>
        <source>You have to shuffle at least once!</source>
        <translation>Você precisa rolar pelo menos uma vez!</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <translation>Deseja mesmo começar um novo jogo?</translation>
    </message>
    <message>
        <source>You have an ongoing game. Do you want to close the program?</source>
        <translation>Há uma partida em andamento. Deseja fechar o programa?</translation>
    </message>
    <message>
        <source>Player: </source>
        <translation>Jogador: </translation>
    </message>
    <message>
        <source>not enough for the high-score table.</source>
        <translation>não é suficiente para a tabela de recordes.</translation>
    </message>
    <message>
        <source>a hint was shown, so it does not enter the high-score table.</source>
        <translation>uma dica foi mostrada, então a partida não entra na tabela de recordes.</translation>
    </message>
    <message>
        <source>Show the advisor&apos;s hint? A game in which a hint is shown does not enter the high-score table.</source>
        <translation>Mostrar a dica do conselheiro? Uma partida em que uma dica é mostrada não entra na tabela de recordes.</translation>
    </message>
</context>
<context>
    <name>HighScoreTable</name>
    <message>
        <source>The new high scores were not saved and are lost.</source>
        <translation>Os novos recordes não foram salvos e se perderam.</translation>
    </message>
    <message>
        <source>The list in %1 could not be read as stored (%2): the 1 row found there is read and kept.</source>
        <translation>A lista (%1) não pôde ser lida como estava salva (%2): a única linha encontrada foi lida e mantida.</translation>
    </message>
    <message numerus="yes">
        <source>The list in %1 could not be read as stored (%2): the %n rows found there are read and kept.</source>
        <translation>
            <numerusform>A lista (%1) não pôde ser lida como estava salva (%2): a %n linha encontrada foi lida e mantida.</numerusform>
            <numerusform>A lista (%1) não pôde ser lida como estava salva (%2): as %n linhas encontradas foram lidas e mantidas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high score of %1 was not saved and is lost.</source>
        <translation>O recorde de %1 não foi salvo e se perdeu.</translation>
    </message>
    <message>
        <source>The high scores of %1 were not saved and are lost.</source>
        <translation>Os recordes de %1 não foram salvos e se perderam.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
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
        <translation>um valor de uma chave que não pôde ser lida</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>um valor aparece antes da primeira chave</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texto inesperado</translation>
    </message>
    <message>
        <source>nothing could be read; %1</source>
        <translation>nada pôde ser lido; %1</translation>
    </message>
    <message>
        <source>line 1: the file is empty</source>
        <translation>linha 1: o arquivo está vazio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>um nome de chave não tem o colchete de fechamento</translation>
    </message>
    <message>
        <source>text after a key name</source>
        <translation>texto após um nome de chave</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>uma chave fora de HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a string has no closing quote</source>
        <translation>uma cadeia de caracteres não tem as aspas de fechamento</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>um nome de valor não é seguido de &apos;=&apos;</translation>
    </message>
    <message>
        <source>a dword has not eight hex digits</source>
        <translation>um dword não tem oito dígitos hexadecimais</translation>
    </message>
    <message>
        <source>a value of an unknown kind</source>
        <translation>um valor de tipo desconhecido</translation>
    </message>
    <message>
        <source>text after a value</source>
        <translation>texto após um valor</translation>
    </message>
    <message>
        <source>a hex type is malformed</source>
        <translation>um tipo hex está malformado</translation>
    </message>
    <message>
        <source>a hex value has no &apos;:&apos;</source>
        <translation>um valor hex não tem &apos;:&apos;</translation>
    </message>
    <message>
        <source>a byte is not two hex digits</source>
        <translation>um byte não tem dois dígitos hexadecimais</translation>
    </message>
    <message>
        <source>text after a line continuation</source>
        <translation>texto após uma continuação de linha</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser was found.

Its address is %1</source>
        <translation>Não foi possível abrir a página: nenhum navegador foi encontrado.

O endereço é %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções de linha de comando.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>the registry</source>
        <translation>registro do Windows</translation>
    </message>
    <message>
        <source>the registry refused the values</source>
        <translation>o registro recusou os valores</translation>
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
        <translation>Bônus</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
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
        <translation>a chave %1 não pôde ser criada</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar as configurações (%1): %2.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar os recordes (%1): %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dado inválido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Falha ao definir os dados de &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TAdvisorPanel</name>
    <message>
        <source>The game is over: Game, Review Game shows where the points went.</source>
        <translation>A partida terminou: Jogo, Analisar partida mostra onde os pontos foram perdidos.</translation>
    </message>
    <message>
        <source>The review is there once all eleven lines are written.</source>
        <translation>A análise fica disponível quando as onze linhas estiverem anotadas.</translation>
    </message>
    <message>
        <source>The advisor is ready: ask again for the review.</source>
        <translation>O conselheiro está pronto: peça a análise novamente.</translation>
    </message>
    <message>
        <source>The advisor is working out the best moves; the game goes on meanwhile.</source>
        <translation>O conselheiro está calculando as melhores jogadas; enquanto isso, o jogo continua.</translation>
    </message>
    <message>
        <source>The advisor could not work out the best moves (%1); ask again to retry.</source>
        <translation>O conselheiro não conseguiu calcular as melhores jogadas (%1); peça novamente para tentar outra vez.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source># Help is not available

The help file `%1` could not be read.</source>
        <translation># Ajuda indisponível

Não foi possível ler o arquivo de ajuda `%1`.</translation>
    </message>
    <message>
        <source># Topic not found

The help file `%1` has no topic %2.</source>
        <translation># Tópico não encontrado

O arquivo de ajuda `%1` não tem o tópico %2.</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Tópico %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>%1 - %2 Help</source>
        <translation>%1 - Ajuda do %2</translation>
    </message>
</context>
<context>
    <name>TQtPrompter</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
</context>
<context>
    <name>TScoreGrid</name>
    <message>
        <source>%1, free</source>
        <translation>%1, livre</translation>
    </message>
    <message>
        <source>%1, would score %2</source>
        <translation>%1, valeria %2</translation>
    </message>
</context>
<context>
    <name>TVHColorButton</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>vermelho %1, verde %2, azul %3</translation>
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
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>About %1, %2</source>
        <translation>Sobre %1, %2</translation>
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
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
</context>
<context>
    <name>TfrmDiceOptions</name>
    <message>
        <source>Game Options</source>
        <translation>Opções do jogo</translation>
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
        <translation>2 dimensões</translation>
    </message>
    <message>
        <source>3 Dimensions</source>
        <translation>3 dimensões</translation>
    </message>
    <message>
        <source> Colours (for 2 dimensions) </source>
        <translation> Cores (para 2 dimensões) </translation>
    </message>
    <message>
        <source>Non Selected Background</source>
        <translation>Fundo não selecionado</translation>
    </message>
    <message>
        <source>Selected Background</source>
        <translation>Fundo selecionado</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source> Samples </source>
        <translation> Amostras </translation>
    </message>
    <message>
        <source>Non Selected</source>
        <translation>Não selecionado</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selecionado</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Show Score Hints in Grid</source>
        <translation>Mostrar prévia dos pontos na tabela</translation>
    </message>
    <message>
        <source>Score Hints Color</source>
        <translation>Cor da prévia dos pontos</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Amostra:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Play Sound on Every Dice Roll</source>
        <translation>Tocar som a cada rolagem</translation>
    </message>
</context>
<context>
    <name>TfrmHighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Recordes</translation>
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
        <translation>Pergunta:</translation>
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
        <translation>Tabela de pontos</translation>
    </message>
    <message>
        <source>Press F%1 to hold/unhold</source>
        <translation>Pressione F%1 para prender ou soltar</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Preso</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Rolar dados</translation>
    </message>
    <message>
        <source>Hand Total:</source>
        <translation>Total dos dados:</translation>
    </message>
    <message>
        <source>Rolls:</source>
        <translation>Rolagens:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analisar partida</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Prender %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opções do jogo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Varnholt Home Page</source>
        <translation>Site da Varnholt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
</context>
<context>
    <name>TfrmReviewGame</name>
    <message>
        <source>Roll</source>
        <translation>Rolagem</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Sua jogada</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Melhor jogada</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Pontos perdidos</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analisar partida</translation>
    </message>
    <message>
        <source>Your moves and the best moves</source>
        <translation>Suas jogadas e as melhores jogadas</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Rodada %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Rolagem %1</translation>
    </message>
</context>
<context>
    <name>VHRegistry</name>
    <message>
        <source>The settings could not be prepared for saving.</source>
        <translation>Não foi possível preparar as configurações para salvar.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
</context>
</TS>
