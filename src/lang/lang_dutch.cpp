// The Dutch texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillDutchTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Direct &voorbeeld");
  t.sTabFileName = QStringLiteral("Bestandsnaam");
  t.sTabExtension = QStringLiteral("&Extensie");
  t.sTabAutoNumber = QStringLiteral("&Autonummering");
  t.sTabMoreOptions = QStringLiteral("&Meer opties");
  t.sUndo = QStringLiteral("&Ongedaan maken");
  t.sRename = QStringLiteral("&Hernoem");
  t.sInfo = QStringLiteral("&Info");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Masker");
  t.sReplaceWith = QStringLiteral("Vervangen door");
  t.sReplaceText = QStringLiteral("Tekst vervangen");
  t.sWithNewText = QStringLiteral("Door deze nieuwe tekst");
  t.sMatchCase = QStringLiteral("Hoofdlettergevoelig zoeken");
  t.sRegularExpression = QStringLiteral("Reguliere expressie");
  t.sMakeNamesUnique = QStringLiteral("Namen uniek maken");
  t.sLeftCrop = QStringLiteral("Links inkorten");
  t.sRightCrop = QStringLiteral("Rechts inkorten");
  t.sInsertBefore = QStringLiteral("Invoegen vóór");
  t.sInsertAfter = QStringLiteral("Invoegen na");
  t.sNoCaseChanges = QStringLiteral("Hoofdletters ongewijzigd");
  t.sUpperCase = QStringLiteral("Hoofdletters");
  t.sLowerCase = QStringLiteral("Kleine letters");
  t.sFirstLetterUp = QStringLiteral("Eerste letter hoofdletter");
  t.sFirstLetterLow = QStringLiteral("Eerste letter kleine letter");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&Geen wijzigingen");
  t.sBeforeFilename = QStringLiteral("Vóór &bestandsnaam");
  t.sAfterFilename = QStringLiteral("&Na bestandsnaam");
  t.sStartAt = QStringLiteral("Beginnen bij");
  t.sIncrement = QStringLiteral("Stapgrootte");
  t.sZeroFill = QStringLiteral("Voorloopnullen");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("Gemaximaliseerd &starten");
  t.sRememberLastPath = QStringLiteral("&Laatste pad onthouden");
  t.sByPath = QStringLiteral("Per map");
  t.sRememberPosition = QStringLiteral("&Programmapositie && -grootte onthouden");
  t.sSetDefaultValues = QStringLiteral("Stan&daardwaarden instellen");
  t.sAddShellEntry = QStringLiteral("\"Zelvo Rename vanaf hier\" aan &contextmenu toevoegen");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename vanaf hier");
  t.sRemoveShellEntry = QStringLiteral("\"Zelvo Rename vanaf hier\" uit &contextmenu verwijderen");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Dubbelklik");
  t.sRefreshHint2 = QStringLiteral("in deze tekst");
  t.sRefreshHint3 = QStringLiteral("om het voorbeeld");
  t.sRefreshHint4 = QStringLiteral("te vernieuwen");
  t.sPreviewWindow = QStringLiteral("Voorbeeld");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Dit is het voorbeeldvenster,");
  t.sPreviewHelp2 = QStringLiteral("waarin u het resultaat");
  t.sPreviewHelp3 = QStringLiteral("van uw opdracht ziet.");
  t.sPreviewHelp4 = QStringLiteral("Klik met de rechtermuisknop");
  t.sPreviewHelp5 = QStringLiteral("voor het menu Opties.");
  t.sPreviewHelp6 = QStringLiteral("U kunt dit voorbeeld opslaan,");
  t.sPreviewHelp7 = QStringLiteral("een batchbestand maken");
  t.sPreviewHelp8 = QStringLiteral("of uw huidige opties opslaan...");
  t.sPreviewHelp9 = QStringLiteral(""); // empty in this language

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Dit is een verborgen bestand. Hernoemen?");
  t.sSelectedFile = QStringLiteral("Het geselecteerde bestand");
  t.sAlreadyExists = QStringLiteral("bestaat reeds. Overschrijven?");
  t.sFile = QStringLiteral("Bestand");
  t.sSaved = QStringLiteral("opgeslagen");
  t.sFileError = QStringLiteral("Er is een fout opgetreden met het geselecteerde bestand");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("&Maak een .BAT-bestand om ongedaan te maken");
  t.sSavePreviewTxt = QStringLiteral("&Sla voorbeeld op in .TXT-bestand");
  t.sMakeRenameBat = QStringLiteral("Maak een .BAT-bestand om te &hernoemen");
  t.sOpenOptions = QStringLiteral("&Open ZR-opties uit .INI");
  t.sSaveOptions = QStringLiteral("Sla ZR-opties op in .INI");
  t.sOptions = QStringLiteral("O&pties");
  t.sRecursiveDirectories = QStringLiteral("&Recursieve mappen");
  t.sRefresh = QStringLiteral("&Vernieuwen");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("Mappen &weergeven");
  t.sViewFiles = QStringLiteral("&Bestanden weergeven");
  t.sWorkWithFolders = QStringLiteral("Met mappen we&rken");
  t.sFiles = QStringLiteral("Bestanden");
  t.sFolders = QStringLiteral("Mappen");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Deze optie werkt alleen als \"Mappen weergeven\" niet is ingeschakeld.");
  t.sLanguage = QStringLiteral("&Taal");
  t.sErrorsTitle = QStringLiteral("Fouten bij het hernoemen van bestanden");
  t.sErrorsHeader = QStringLiteral("Deze bestanden zijn niet hernoemd:");
  t.sManual = QStringLiteral("Handmatig");

  // Variables menu: this table keeps the English captions from sGraphics to sGenre.
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Naam");
  t.sPath = QStringLiteral("Pad");
  t.sSize = QStringLiteral("Grootte");
  t.sType = QStringLiteral("Type");
  t.sAttributes = QStringLiteral("Kenmerken");
  t.sNoAccents = QStringLiteral("Geen accenten");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("%1 hernoemd");
  t.sRunNotRenamed = QStringLiteral("%1 niet hernoemd");
  t.sUndoPutBack = QStringLiteral("%1 namen hersteld");
  t.sUndoPutBackOne = QStringLiteral("1 naam hersteld");
  t.sUndoNotPutBack = QStringLiteral("%1 niet hersteld");
  t.sErrorsNewName = QStringLiteral("Nieuwe naam");
  t.sErrorsReason = QStringLiteral("Reden");
  t.sFolderNotFound = QStringLiteral("De map \"%1\" bestaat niet.");
}
