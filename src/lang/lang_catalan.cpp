// The Catalan texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillCatalanTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Vista &Prèvia Instantània");
  t.sTabFileName = QStringLiteral("&Nom de l'Arxiu");
  t.sTabExtension = QStringLiteral("&Extensió");
  t.sTabAutoNumber = QStringLiteral("&Autonumeració");
  t.sTabMoreOptions = QStringLiteral("&Més Opcions");
  t.sUndo = QStringLiteral("&Desfés");
  t.sRename = QStringLiteral("&Renombra");
  t.sInfo = QStringLiteral("In&fo");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Màscara ");
  t.sReplaceWith = QStringLiteral("Substitueix per");
  t.sReplaceText = QStringLiteral("Substitueix el Text");
  t.sWithNewText = QStringLiteral("Per aquest Text Nou");
  t.sMatchCase = QStringLiteral("Distingeix Majúscules en la Cerca");
  t.sRegularExpression = QStringLiteral("Expressió Regular");
  t.sMakeNamesUnique = QStringLiteral("Fes Noms Únics");
  t.sLeftCrop = QStringLiteral("Retalla per l'Esquerra");
  t.sRightCrop = QStringLiteral("Retalla per la Dreta");
  t.sInsertBefore = QStringLiteral("Insereix Abans");
  t.sInsertAfter = QStringLiteral("Insereix Després");
  t.sNoCaseChanges = QStringLiteral("Sense Canvis de Majúscules");
  t.sUpperCase = QStringLiteral("Majúscules");
  t.sLowerCase = QStringLiteral("Minúscules");
  t.sFirstLetterUp = QStringLiteral("Primera Lletra en Majúscula");
  t.sFirstLetterLow = QStringLiteral("Primera Lletra en Minúscula");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("Sense &Canvis");
  t.sBeforeFilename = QStringLiteral("A&bans del Nom");
  t.sAfterFilename = QStringLiteral("De&sprés del Nom");
  t.sStartAt = QStringLiteral("Comença a");
  t.sIncrement = QStringLiteral("Increment");
  t.sZeroFill = QStringLiteral("Farciment de Zeros");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("Inicia Ma&ximitzat");
  t.sRememberLastPath = QStringLiteral("Recorda l'Ú&ltima Ruta");
  t.sByPath = QStringLiteral("Per Carpeta");
  t.sRememberPosition = QStringLiteral("Recorda Posició && Mida del Pro&grama");
  t.sSetDefaultValues = QStringLiteral("&Valors per Defecte");
  t.sAddShellEntry = QStringLiteral("Afegeix \"Zelvo Rename Des d'Aquí\" al Menú Con&textual");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename Des d'Aquí");
  t.sRemoveShellEntry = QStringLiteral("Treu \"Zelvo Rename Des d'Aquí\" del Menú Con&textual");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Fes Doble Click");
  t.sRefreshHint2 = QStringLiteral("Sobre Aquest Text");
  t.sRefreshHint3 = QStringLiteral("Per Actualitzar la");
  t.sRefreshHint4 = QStringLiteral("Vista Prèvia");
  t.sPreviewWindow = QStringLiteral("Vista Prèvia");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Aquesta és la Vista Prèvia,");
  t.sPreviewHelp2 = QStringLiteral("On Pots Veure el");
  t.sPreviewHelp3 = QStringLiteral("Resultat de la teva Petició.");
  t.sPreviewHelp4 = QStringLiteral("Prem el Botó Dret per veure");
  t.sPreviewHelp5 = QStringLiteral("el Menú d'Opcions.");
  t.sPreviewHelp6 = QStringLiteral("Pots Desar aquesta Vista");
  t.sPreviewHelp7 = QStringLiteral("Prèvia, Crear un Arxiu .BAT");
  t.sPreviewHelp8 = QStringLiteral("o Desar les teves Opcions...");
  t.sPreviewHelp9 = QStringLiteral(""); // empty in this language

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Aquest és un Arxiu Ocult. El vols reanomenar?");
  t.sSelectedFile = QStringLiteral("L'arxiu seleccionat");
  t.sAlreadyExists = QStringLiteral("ja existeix. ¿Vols sobreescriure?");
  t.sFile = QStringLiteral("Arxiu");
  t.sSaved = QStringLiteral("Desat");
  t.sFileError = QStringLiteral("S'ha Produït un Error amb l'arxiu seleccionat");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("Crea un Arxiu .BAT per &Desfer");
  t.sSavePreviewTxt = QStringLiteral("Desa la Vista &Prèvia en un .TXT");
  t.sMakeRenameBat = QStringLiteral("&Crea un Arxiu .BAT per Reanomenar");
  t.sOpenOptions = QStringLiteral("O&bre les Opcions ZR d'un .INI");
  t.sSaveOptions = QStringLiteral("&Grabar les Opcions ZR a un .INI");
  t.sOptions = QStringLiteral("&Opcions");
  t.sRecursiveDirectories = QStringLiteral("Directoris &Recursius");
  t.sRefresh = QStringLiteral("Ac&tualitza");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("Mostra &Carpetes");
  t.sViewFiles = QStringLiteral("Mostra Arxi&us");
  t.sWorkWithFolders = QStringLiteral("Tre&balla amb Carpetes");
  t.sFiles = QStringLiteral("Arxius");
  t.sFolders = QStringLiteral("Carpetes");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Aquesta opció només funciona quan \"Mostra Carpetes\" no està activat.");
  t.sLanguage = QStringLiteral("&Idioma");
  t.sErrorsTitle = QStringLiteral("Errors en Reanomenar els Arxius");
  t.sErrorsHeader = QStringLiteral("Aquests Arxius no s'han Reanomenat:");
  t.sManual = QStringLiteral("Manual");

  // Variables menu
  t.sGraphics = QStringLiteral("Gràfics");
  t.sMP3 = QStringLiteral("MP3");
  t.sHTML = QStringLiteral("HTML");
  t.sN64Roms = QStringLiteral("Roms de Nintendo 64");
  t.sManualNumber = QStringLiteral("Número Manual");
  t.sFileDate = QStringLiteral("Data de l'Arxiu");
  t.sColumnData = QStringLiteral("Dades de Columna");
  t.sExternalData = QStringLiteral("Dades d'un Arxiu Extern");
  t.sWidth = QStringLiteral("Amplada");
  t.sHeight = QStringLiteral("Alçada");
  t.sColorsAbbrev = QStringLiteral("Colors (Abreujat)");
  t.sColors = QStringLiteral("Colors");
  t.sBits = QStringLiteral("Bits");
  t.sTitle = QStringLiteral("Títol");
  t.sArtist = QStringLiteral("Artista");
  t.sAlbum = QStringLiteral("Album");
  t.sYear = QStringLiteral("Any");
  t.sComment = QStringLiteral("Comentari");
  t.sRandomName = QStringLiteral("Nom Aleatori");
  t.sCharacters = QStringLiteral("Caràcters");
  t.sDecimal = QStringLiteral("Decimal");
  t.sHexadecimal = QStringLiteral("Hexadecimal");
  t.sOctal = QStringLiteral("Octal");
  t.sBinary = QStringLiteral("Binari");
  t.sExcelMode = QStringLiteral("Mode Excel");
  t.sExcelNumbers = QStringLiteral("Números Excel");
  t.sManualChars = QStringLiteral("Números de l'Autonumeració Manual");
  t.sCurrentZeroFill = QStringLiteral("Farciment de Zeros Actual");
  t.sTodayDate = QStringLiteral("Data d'Avui");
  t.sYY = QStringLiteral("YY");
  t.sMM = QStringLiteral("MM");
  t.sDD = QStringLiteral("DD");
  t.sHH = QStringLiteral("HH");
  t.sMin = QStringLiteral("MM");
  t.sWithoutExtension = QStringLiteral("Sense Extensió");
  t.sIdentical = QStringLiteral("Idèntic");
  t.sInMegabytes = QStringLiteral("En Megabytes");
  t.sInKilobytes = QStringLiteral("En Kilobytes");
  t.sUnformatted = QStringLiteral("Sense Format");
  t.sFormatted = QStringLiteral("Amb Format");
  t.sOpenEditor = QStringLiteral("Obre l'Editor");
  t.sInsertLine = QStringLiteral("Insereix una Línia de l'Editor");
  t.sPhoto = QStringLiteral("Foto");
  t.sMusic = QStringLiteral("Música");
  t.sDateTaken = QStringLiteral("Data de la Presa");
  t.sCamera = QStringLiteral("Càmera");
  t.sMake = QStringLiteral("Marca");
  t.sModel = QStringLiteral("Model");
  t.sTrack = QStringLiteral("Pista");
  t.sTrackZeroFill = QStringLiteral("Pista (Farciment de Zeros)");
  t.sGenre = QStringLiteral("Gènere");

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Nom");
  t.sPath = QStringLiteral("Ruta");
  t.sSize = QStringLiteral("Mida");
  t.sType = QStringLiteral("Tipus");
  t.sAttributes = QStringLiteral("Atributs");
  t.sNoAccents = QStringLiteral("Sense Accents");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("Reanomenats: %1");
  t.sRunNotRenamed = QStringLiteral("sense reanomenar: %1");
  t.sUndoPutBack = QStringLiteral("Noms restaurats: %1");
  t.sUndoPutBackOne = QStringLiteral("1 nom restaurat");
  t.sUndoNotPutBack = QStringLiteral("sense restaurar: %1");
  t.sErrorsNewName = QStringLiteral("Nom nou");
  t.sErrorsReason = QStringLiteral("Motiu");
  t.sFolderNotFound = QStringLiteral("La carpeta \"%1\" no existeix.");
}
