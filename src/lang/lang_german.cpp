// The German texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillGermanTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Sofort-&Vorschau");
  t.sTabFileName = QStringLiteral("Dateinam");
  t.sTabExtension = QStringLiteral("Erweiter.");
  t.sTabAutoNumber = QStringLiteral("&Nummerierung");
  t.sTabMoreOptions = QStringLiteral("&Weitere Optionen");
  t.sUndo = QStringLiteral("&Rückgängig");
  t.sRename = QStringLiteral("Umnenn");
  t.sInfo = QStringLiteral("&Info");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Dateimask");
  t.sReplaceWith = QStringLiteral("Ersetzen durch");
  t.sReplaceText = QStringLiteral("Text ersetzen");
  t.sWithNewText = QStringLiteral("Durch diesen neuen Text");
  t.sMatchCase = QStringLiteral("Groß-/Kleinschreibung beim Suchen beachten");
  t.sRegularExpression = QStringLiteral("Regulärer Ausdruck");
  t.sMakeNamesUnique = QStringLiteral("Namen eindeutig machen");
  t.sLeftCrop = QStringLiteral("Links kürzen");
  t.sRightCrop = QStringLiteral("Rechts kürzen");
  t.sInsertBefore = QStringLiteral("Davor einfügen");
  t.sInsertAfter = QStringLiteral("Danach einfügen");
  t.sNoCaseChanges = QStringLiteral("Schreibweise beibehalten");
  t.sUpperCase = QStringLiteral("Großbuchstaben");
  t.sLowerCase = QStringLiteral("Kleinbuchstaben");
  t.sFirstLetterUp = QStringLiteral("Erster Buchstabe groß");
  t.sFirstLetterLow = QStringLiteral("Erster Buchstabe klein");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&Keine Änderung");
  t.sBeforeFilename = QStringLiteral("Vor &Dateinamen");
  t.sAfterFilename = QStringLiteral("Nac&h Dateinamen");
  t.sStartAt = QStringLiteral("Beginnen bei");
  t.sIncrement = QStringLiteral("Schrittweite");
  t.sZeroFill = QStringLiteral("Führende Nullen");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("&Maximiert starten");
  t.sRememberLastPath = QStringLiteral("&Letzten Pfad merken");
  t.sByPath = QStringLiteral("Je Ordner");
  t.sRememberPosition = QStringLiteral("Programm&position && -größe merken");
  t.sSetDefaultValues = QStringLiteral("Stan&dardwerte setzen");
  t.sAddShellEntry = QStringLiteral("\"Zelvo Rename von hier\" zum &Kontextmenü hinzufügen");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename von hier ");
  t.sRemoveShellEntry = QStringLiteral("\"Zelvo Rename von hier\" aus dem &Kontextmenü entfernen");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Doppelt klicken   ");
  t.sRefreshHint2 = QStringLiteral("in diesen Text,");
  t.sRefreshHint3 = QStringLiteral("um die Vorschau");
  t.sRefreshHint4 = QStringLiteral("zu aktualisieren");
  t.sPreviewWindow = QStringLiteral("Vorschau");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("Dies ist das Vorschaufenster,");
  t.sPreviewHelp2 = QStringLiteral("in dem Sie das Ergebnis");
  t.sPreviewHelp3 = QStringLiteral("Ihrer Anfrage sehen.");
  t.sPreviewHelp4 = QStringLiteral("Klicken Sie mit der rechten");
  t.sPreviewHelp5 = QStringLiteral("Maustaste für das Optionsmenü.");
  t.sPreviewHelp6 = QStringLiteral("Sie können diese Vorschau");
  t.sPreviewHelp7 = QStringLiteral("speichern, eine .BAT-Datei");
  t.sPreviewHelp8 = QStringLiteral("erstellen, Optionen speichern");
  t.sPreviewHelp9 = QStringLiteral("...");

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("Dies ist eine versteckte Datei. Umbenennen?");
  t.sSelectedFile = QStringLiteral("Die gewählte Datei");
  t.sAlreadyExists = QStringLiteral("gibt es schon. Überschr.?");
  t.sFile = QStringLiteral("Datei");
  t.sSaved = QStringLiteral("gespeichert");
  t.sFileError = QStringLiteral("Fehler bei der gewählten Datei");

  // Options menu
  t.sMakeUndoBat = QStringLiteral(".BAT-Datei zum Rückgängigmachen &erstellen");
  t.sSavePreviewTxt = QStringLiteral("&Vorschau als .TXT-Datei speichern");
  t.sMakeRenameBat = QStringLiteral(".BAT-Datei zum &Umbenennen erstellen");
  t.sOpenOptions = QStringLiteral("ZR-Optionen aus .INI &laden");
  t.sSaveOptions = QStringLiteral("Sich.ZR Option. in .INI");
  t.sOptions = QStringLiteral("&Optionen");
  t.sRecursiveDirectories = QStringLiteral("&Rekursive Verzeichnisse");
  t.sRefresh = QStringLiteral("&Aktualisieren");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("&Ordner anzeigen");
  t.sViewFiles = QStringLiteral("Dat&eien anzeigen");
  t.sWorkWithFolders = QStringLiteral("Mit Ordnern &arbeiten");
  t.sFiles = QStringLiteral("Dateien");
  t.sFolders = QStringLiteral("Ordner");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Diese Option funktioniert nur, wenn \"Ordner anzeigen\" nicht aktiviert ist.");
  t.sLanguage = QStringLiteral("&Sprache");
  t.sErrorsTitle = QStringLiteral("Fehler beim Umbenennen der Dateien");
  t.sErrorsHeader = QStringLiteral("Diese Dateien wurden nicht umbenannt:");
  t.sManual = QStringLiteral("Manuell");

  // Variables menu: this table keeps the English captions from sGraphics to sGenre.
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Name");
  t.sPath = QStringLiteral("Pfad");
  t.sSize = QStringLiteral("Größe");
  t.sType = QStringLiteral("Typ");
  t.sAttributes = QStringLiteral("Attribute");
  t.sNoAccents = QStringLiteral("Ohne Akzente");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("%1 umbenannt");
  t.sRunNotRenamed = QStringLiteral("%1 nicht umbenannt");
  t.sUndoPutBack = QStringLiteral("%1 Namen wiederhergestellt");
  t.sUndoPutBackOne = QStringLiteral("1 Name wiederhergestellt");
  t.sUndoNotPutBack = QStringLiteral("%1 nicht wiederhergestellt");
  t.sErrorsNewName = QStringLiteral("Neuer Name");
  t.sErrorsReason = QStringLiteral("Grund");
  t.sFolderNotFound = QStringLiteral("Der Ordner „%1“ existiert nicht.");
}
