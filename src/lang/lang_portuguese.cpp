// The Portuguese texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillPortugueseTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("&Pré-visualização instantânea");
  t.sTabFileName = QStringLiteral("Nome de arquivo");
  t.sTabExtension = QStringLiteral("Extensão");
  t.sTabAutoNumber = QStringLiteral("&Autonumeração");
  t.sTabMoreOptions = QStringLiteral("&Mais opções");
  t.sUndo = QStringLiteral("&Desfazer");
  t.sRename = QStringLiteral("Renomear");
  t.sInfo = QStringLiteral("In&fo");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Máscara");
  t.sReplaceWith = QStringLiteral("Substituir por");
  t.sReplaceText = QStringLiteral("Substituir texto");
  t.sWithNewText = QStringLiteral("Por este novo texto");
  t.sMatchCase = QStringLiteral("Diferenciar maiúsculas na pesquisa");
  t.sRegularExpression = QStringLiteral("Expressão regular");
  t.sMakeNamesUnique = QStringLiteral("Tornar nomes únicos");
  t.sLeftCrop = QStringLiteral("Cortar à esquerda");
  t.sRightCrop = QStringLiteral("Cortar à direita");
  t.sInsertBefore = QStringLiteral("Inserir antes");
  t.sInsertAfter = QStringLiteral("Inserir depois");
  t.sNoCaseChanges = QStringLiteral("Manter maiúsculas e minúsculas");
  t.sUpperCase = QStringLiteral("Maiúsculas");
  t.sLowerCase = QStringLiteral("Minúsculas");
  t.sFirstLetterUp = QStringLiteral("Primeira letra maiúscula");
  t.sFirstLetterLow = QStringLiteral("Primeira letra minúscula");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&Sem alterações");
  t.sBeforeFilename = QStringLiteral("An&tes do nome");
  t.sAfterFilename = QStringLiteral("D&epois do nome");
  t.sStartAt = QStringLiteral("Começar em");
  t.sIncrement = QStringLiteral("Incremento");
  t.sZeroFill = QStringLiteral("Zeros à esquerda");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("I&niciar maximizado");
  t.sRememberLastPath = QStringLiteral("&Lembrar último caminho");
  t.sByPath = QStringLiteral("Por pasta");
  t.sRememberPosition = QStringLiteral("Lembrar posição && &tamanho do programa");
  t.sSetDefaultValues = QStringLiteral("&Valores padrão");
  t.sAddShellEntry = QStringLiteral("Adicionar \"Zelvo Rename desde aqui\" ao menu &contextual");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename desde aqui");
  t.sRemoveShellEntry = QStringLiteral("Remover \"Zelvo Rename desde aqui\" do menu &contextual");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Dê duplo clique");
  t.sRefreshHint2 = QStringLiteral("neste texto");
  t.sRefreshHint3 = QStringLiteral("para atualizar a");
  t.sRefreshHint4 = QStringLiteral("pré-visualização");
  t.sPreviewWindow = QStringLiteral("Pré-visualização");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Esta é a pré-visualização,");
  t.sPreviewHelp2 = QStringLiteral("onde você pode ver o");
  t.sPreviewHelp3 = QStringLiteral("resultado do seu pedido.");
  t.sPreviewHelp4 = QStringLiteral("Clique com o botão direito");
  t.sPreviewHelp5 = QStringLiteral("para ver o menu de opções.");
  t.sPreviewHelp6 = QStringLiteral("Você pode salvar esta");
  t.sPreviewHelp7 = QStringLiteral("visualização, criar um .BAT,");
  t.sPreviewHelp8 = QStringLiteral("salvar suas opções atuais");
  t.sPreviewHelp9 = QStringLiteral("...");

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Este é um arquivo oculto. Renomear?");
  t.sSelectedFile = QStringLiteral("O arquivo selecionado");
  t.sAlreadyExists = QStringLiteral("já existe. Substitui?");
  t.sFile = QStringLiteral("Arquivo");
  t.sSaved = QStringLiteral("salvo");
  t.sFileError = QStringLiteral("Ocorreu um erro com o arquivo selecionado");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("Criar arquivo .BAT para &desfazer");
  t.sSavePreviewTxt = QStringLiteral("&Salvar pré-visualização em .TXT");
  t.sMakeRenameBat = QStringLiteral("&Criar arquivo .BAT para renomear");
  t.sOpenOptions = QStringLiteral("&Abrir opções do ZR de .INI");
  t.sSaveOptions = QStringLiteral("Salvar opções do ZR em .INI");
  t.sOptions = QStringLiteral("&Opções");
  t.sRecursiveDirectories = QStringLiteral("Pastas &recursivas");
  t.sRefresh = QStringLiteral("A&tualizar");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("&Exibir pastas");
  t.sViewFiles = QStringLiteral("Exibir a&rquivos");
  t.sWorkWithFolders = QStringLiteral("Tra&balhar com pastas");
  t.sFiles = QStringLiteral("Arquivos");
  t.sFolders = QStringLiteral("Pastas");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Esta opção só funciona quando \"Exibir pastas\" não está ativado.");
  t.sLanguage = QStringLiteral("&Idioma");
  t.sErrorsTitle = QStringLiteral("Erros ao renomear arquivos");
  t.sErrorsHeader = QStringLiteral("Estes arquivos não foram renomeados:");
  t.sManual = QStringLiteral("Manual");

  // Variables menu: this table keeps the English captions from sGraphics to sGenre.
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Nome");
  t.sPath = QStringLiteral("Caminho");
  t.sSize = QStringLiteral("Tamanho");
  t.sType = QStringLiteral("Tipo");
  t.sAttributes = QStringLiteral("Atributos");
  t.sNoAccents = QStringLiteral("Sem acentos");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("Renomeados: %1");
  t.sRunNotRenamed = QStringLiteral("não renomeados: %1");
  t.sUndoPutBack = QStringLiteral("Nomes restaurados: %1");
  t.sUndoPutBackOne = QStringLiteral("1 nome restaurado");
  t.sUndoNotPutBack = QStringLiteral("não restaurados: %1");
  t.sErrorsNewName = QStringLiteral("Novo nome");
  t.sErrorsReason = QStringLiteral("Motivo");
  t.sFolderNotFound = QStringLiteral("A pasta \"%1\" não existe.");
}
