// The French texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillFrenchTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("&Aperçu instantané");
  t.sTabFileName = QStringLiteral("Nom Fichier");
  t.sTabExtension = QStringLiteral("Extension");
  t.sTabAutoNumber = QStringLiteral("&Numérotation");
  t.sTabMoreOptions = QStringLiteral("&Plus d'options");
  t.sUndo = QStringLiteral("Ann&uler");
  t.sRename = QStringLiteral("Renommer");
  t.sInfo = QStringLiteral("&Info");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Masque");
  t.sReplaceWith = QStringLiteral("Remplacer par");
  t.sReplaceText = QStringLiteral("Remplacer le texte");
  t.sWithNewText = QStringLiteral("Par ce nouveau texte");
  t.sMatchCase = QStringLiteral("Respecter la casse dans la recherche");
  t.sRegularExpression = QStringLiteral("Expression régulière");
  t.sMakeNamesUnique = QStringLiteral("Rendre les noms uniques");
  t.sLeftCrop = QStringLiteral("Couper à gauche");
  t.sRightCrop = QStringLiteral("Couper à droite");
  t.sInsertBefore = QStringLiteral("Insérer avant");
  t.sInsertAfter = QStringLiteral("Insérer après");
  t.sNoCaseChanges = QStringLiteral("Casse inchangée");
  t.sUpperCase = QStringLiteral("Majuscules");
  t.sLowerCase = QStringLiteral("Minuscules");
  t.sFirstLetterUp = QStringLiteral("Première lettre en majuscule");
  t.sFirstLetterLow = QStringLiteral("Première lettre en minuscule");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&Sans changement");
  t.sBeforeFilename = QStringLiteral("A&vant le nom de fichier");
  t.sAfterFilename = QStringLiteral("Ap&rès le nom de fichier");
  t.sStartAt = QStringLiteral("Commencer à");
  t.sIncrement = QStringLiteral("Incrément");
  t.sZeroFill = QStringLiteral("Remplissage de zéros");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("&Démarrer en plein écran");
  t.sRememberLastPath = QStringLiteral("Mémoriser le dernier &chemin");
  t.sByPath = QStringLiteral("Par dossier");
  t.sRememberPosition = QStringLiteral("Mémoriser position && &taille du programme");
  t.sSetDefaultValues = QStringLiteral("&Valeurs par défaut");
  t.sAddShellEntry = QStringLiteral("Ajouter \"Zelvo Rename dès ici\" au &menu contextuel");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename dès ici");
  t.sRemoveShellEntry = QStringLiteral("Retirer \"Zelvo Rename dès ici\" du &menu contextuel");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Faites un double clic");
  t.sRefreshHint2 = QStringLiteral("dans ce texte");
  t.sRefreshHint3 = QStringLiteral("pour actualiser");
  t.sRefreshHint4 = QStringLiteral("l'aperçu");
  t.sPreviewWindow = QStringLiteral("Aperçu");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Ceci est la fenêtre d'aperçu");
  t.sPreviewHelp2 = QStringLiteral("où vous pouvez voir le");
  t.sPreviewHelp3 = QStringLiteral("résultat de votre demande.");
  t.sPreviewHelp4 = QStringLiteral("Cliquez avec le bouton droit");
  t.sPreviewHelp5 = QStringLiteral("pour afficher le menu Options.");
  t.sPreviewHelp6 = QStringLiteral("Vous pouvez sauvegarder cet");
  t.sPreviewHelp7 = QStringLiteral("aperçu, créer un fichier .BAT");
  t.sPreviewHelp8 = QStringLiteral("ou sauvegarder vos options...");
  t.sPreviewHelp9 = QStringLiteral(""); // empty in this language

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Ceci est un fichier caché. Le renommer ?");
  t.sSelectedFile = QStringLiteral("Le fichier sélectionné");
  t.sAlreadyExists = QStringLiteral("existe déjà. Ecraser ?");
  t.sFile = QStringLiteral("Fichier");
  t.sSaved = QStringLiteral("sauvegardé");
  t.sFileError = QStringLiteral("Une erreur s'est produite avec le fichier sélectionné");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("&Créer un fichier .BAT d'annulation");
  t.sSavePreviewTxt = QStringLiteral("&Sauvegarder l'aperçu vers un fichier .TXT");
  t.sMakeRenameBat = QStringLiteral("Créer un fichier .BAT de &renommage");
  t.sOpenOptions = QStringLiteral("&Ouvrir les options ZR depuis un fichier .INI");
  t.sSaveOptions = QStringLiteral("Sauvegarder les options ZR vers un fichier .INI");
  t.sOptions = QStringLiteral("O&ptions");
  t.sRecursiveDirectories = QStringLiteral("&Dossiers récursifs");
  t.sRefresh = QStringLiteral("&Actualiser");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("Afficher les d&ossiers");
  t.sViewFiles = QStringLiteral("Afficher les &fichiers");
  t.sWorkWithFolders = QStringLiteral("T&ravailler avec les dossiers");
  t.sFiles = QStringLiteral("Fichiers");
  t.sFolders = QStringLiteral("Dossiers");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Cette option ne fonctionne que si \"Afficher les dossiers\" n'est pas activé.");
  t.sLanguage = QStringLiteral("&Langue");
  t.sErrorsTitle = QStringLiteral("Erreurs lors du renommage des fichiers");
  t.sErrorsHeader = QStringLiteral("Ces fichiers n'ont pas été renommés :");
  t.sManual = QStringLiteral("Manuel");

  // Variables menu: this table keeps the English captions from sGraphics to sGenre.
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Nom");
  t.sPath = QStringLiteral("Chemin");
  t.sSize = QStringLiteral("Taille");
  t.sType = QStringLiteral("Type");
  t.sAttributes = QStringLiteral("Attributs");
  t.sNoAccents = QStringLiteral("Sans accents");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("Renommés : %1");
  t.sRunNotRenamed = QStringLiteral("non renommés : %1");
  t.sUndoPutBack = QStringLiteral("Noms rétablis : %1");
  t.sUndoPutBackOne = QStringLiteral("1 nom rétabli");
  t.sUndoNotPutBack = QStringLiteral("non rétablis : %1");
  t.sErrorsNewName = QStringLiteral("Nouveau nom");
  t.sErrorsReason = QStringLiteral("Raison");
  t.sFolderNotFound = QStringLiteral("Le dossier « %1 » n'existe pas.");
}
