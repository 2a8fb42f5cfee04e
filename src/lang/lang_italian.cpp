// The Italian texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillItalianTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Ante&prima istantanea");
  t.sTabFileName = QStringLiteral("Nome del file");
  t.sTabExtension = QStringLiteral("Estensione");
  t.sTabAutoNumber = QStringLiteral("&Numerazione");
  t.sTabMoreOptions = QStringLiteral("Altre &opzioni");
  t.sUndo = QStringLiteral("&Annulla");
  t.sRename = QStringLiteral("Rinomina");
  t.sInfo = QStringLiteral("&Info");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Tipo di file");
  t.sReplaceWith = QStringLiteral("Sostituisci con");
  t.sReplaceText = QStringLiteral("Sostituisci testo");
  t.sWithNewText = QStringLiteral("Con questo nuovo testo");
  t.sMatchCase = QStringLiteral("Distingui maiuscole nella ricerca");
  t.sRegularExpression = QStringLiteral("Espressione regolare");
  t.sMakeNamesUnique = QStringLiteral("Rendi univoci i nomi");
  t.sLeftCrop = QStringLiteral("Taglia a sinistra");
  t.sRightCrop = QStringLiteral("Taglia a destra");
  t.sInsertBefore = QStringLiteral("Inserisci prima");
  t.sInsertAfter = QStringLiteral("Inserisci dopo");
  t.sNoCaseChanges = QStringLiteral("Maiuscole invariate");
  t.sUpperCase = QStringLiteral("Maiuscole");
  t.sLowerCase = QStringLiteral("Minuscole");
  t.sFirstLetterUp = QStringLiteral("Prima lettera maiuscola");
  t.sFirstLetterLow = QStringLiteral("Prima lettera minuscola");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("Nessuna &modifica");
  t.sBeforeFilename = QStringLiteral("P&rima del nome");
  t.sAfterFilename = QStringLiteral("&Dopo il nome");
  t.sStartAt = QStringLiteral("Inizia da");
  t.sIncrement = QStringLiteral("Incremento");
  t.sZeroFill = QStringLiteral("Zeri iniziali");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("Avvia &massimizzato");
  t.sRememberLastPath = QStringLiteral("Ricorda &ultimo percorso");
  t.sByPath = QStringLiteral("Per cartella");
  t.sRememberPosition = QStringLiteral("Ricorda posizione && dimensioni del pro&gramma");
  t.sSetDefaultValues = QStringLiteral("&Valori predefiniti");
  t.sAddShellEntry = QStringLiteral("Aggiungi \"Zelvo Rename da qui\" al menu con&testuale");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename da qui");
  t.sRemoveShellEntry = QStringLiteral("Rimuovi \"Zelvo Rename da qui\" dal menu con&testuale");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Fare doppio clic");
  t.sRefreshHint2 = QStringLiteral("su questo testo");
  t.sRefreshHint3 = QStringLiteral("per aggiornare");
  t.sRefreshHint4 = QStringLiteral("l'anteprima");
  t.sPreviewWindow = QStringLiteral("Anteprima");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Questa è la finestra di");
  t.sPreviewHelp2 = QStringLiteral("anteprima, dove puoi vedere");
  t.sPreviewHelp3 = QStringLiteral("il risultato della richiesta.");
  t.sPreviewHelp4 = QStringLiteral("Premi il tasto destro per");
  t.sPreviewHelp5 = QStringLiteral("vedere il menu delle opzioni.");
  t.sPreviewHelp6 = QStringLiteral("Puoi salvare questa anteprima,");
  t.sPreviewHelp7 = QStringLiteral("creare un file .BAT,");
  t.sPreviewHelp8 = QStringLiteral("salvare le opzioni correnti");
  t.sPreviewHelp9 = QStringLiteral("...");

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Questo è un file nascosto. Rinominarlo?");
  t.sSelectedFile = QStringLiteral("Il file selezionato");
  t.sAlreadyExists = QStringLiteral("esiste già. Sovrascrivere?");
  t.sFile = QStringLiteral("File");
  t.sSaved = QStringLiteral("salvato");
  t.sFileError = QStringLiteral("Si è verificato un errore con il file selezionato");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("Crea un file .BAT per a&nnullare");
  t.sSavePreviewTxt = QStringLiteral("&Salva anteprima in un file .TXT");
  t.sMakeRenameBat = QStringLiteral("&Crea un file .BAT per rinominare");
  t.sOpenOptions = QStringLiteral("&Apri opzioni da un file .INI");
  t.sSaveOptions = QStringLiteral("Salva opzioni in un file .INI");
  t.sOptions = QStringLiteral("&Opzioni");
  t.sRecursiveDirectories = QStringLiteral("Cartelle &ricorsive");
  t.sRefresh = QStringLiteral("A&ggiorna");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("Mostra &cartelle");
  t.sViewFiles = QStringLiteral("Mostra &file");
  t.sWorkWithFolders = QStringLiteral("Lavo&ra con le cartelle");
  t.sFiles = QStringLiteral("File");
  t.sFolders = QStringLiteral("Cartelle");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Questa opzione funziona solo quando \"Mostra cartelle\" non è attivato.");
  t.sLanguage = QStringLiteral("&Lingua");
  t.sErrorsTitle = QStringLiteral("Errori durante la ridenominazione dei file");
  t.sErrorsHeader = QStringLiteral("Questi file non sono stati rinominati:");
  t.sManual = QStringLiteral("Manuale");

  // Variables menu: this table keeps the English captions from sGraphics to sGenre.
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Nome");
  t.sPath = QStringLiteral("Percorso");
  t.sSize = QStringLiteral("Dimensione");
  t.sType = QStringLiteral("Tipo");
  t.sAttributes = QStringLiteral("Attributi");
  t.sNoAccents = QStringLiteral("Senza accenti");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("Rinominati: %1");
  t.sRunNotRenamed = QStringLiteral("non rinominati: %1");
  t.sUndoPutBack = QStringLiteral("Nomi ripristinati: %1");
  t.sUndoPutBackOne = QStringLiteral("1 nome ripristinato");
  t.sUndoNotPutBack = QStringLiteral("non ripristinati: %1");
  t.sErrorsNewName = QStringLiteral("Nuovo nome");
  t.sErrorsReason = QStringLiteral("Motivo");
  t.sFolderNotFound = QStringLiteral("La cartella \"%1\" non esiste.");
}
