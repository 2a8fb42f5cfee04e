// The Polish texts of every slot, each the translation of the English text of the same slot.
#include "lang/language_tables.h"

void FillPolishTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Natychmiastowy &Podgląd");
  t.sTabFileName = QStringLiteral("&Nazwa Pliku");
  t.sTabExtension = QStringLiteral("&Rozszerzenie");
  t.sTabAutoNumber = QStringLiteral("&Autonumeracja");
  t.sTabMoreOptions = QStringLiteral("&Więcej Opcji");
  t.sUndo = QStringLiteral("&Cofnij");
  t.sRename = QStringLiteral("&Zamień");
  t.sInfo = QStringLiteral("&Info");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("Maska Plików");
  t.sReplaceWith = QStringLiteral("Zamień Na");
  t.sReplaceText = QStringLiteral("Zamień Tekst");
  t.sWithNewText = QStringLiteral("Na Ten Nowy Tekst");
  t.sMatchCase = QStringLiteral("Uwzględniaj Wielkość Liter Przy Szukaniu");
  t.sRegularExpression = QStringLiteral("Wyrażenie Regularne");
  t.sMakeNamesUnique = QStringLiteral("Nadaj Unikalne Nazwy");
  t.sLeftCrop = QStringLiteral("Obetnij z Lewej");
  t.sRightCrop = QStringLiteral("Obetnij z Prawej");
  t.sInsertBefore = QStringLiteral("Wstaw Przed");
  t.sInsertAfter = QStringLiteral("Wstaw Po");
  t.sNoCaseChanges = QStringLiteral("Bez Zmiany Wielkości Liter");
  t.sUpperCase = QStringLiteral("Wielkie Litery");
  t.sLowerCase = QStringLiteral("Małe Litery");
  t.sFirstLetterUp = QStringLiteral("Pierwsza Litera Wielka");
  t.sFirstLetterLow = QStringLiteral("Pierwsza Litera Mała");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&Bez Zmian");
  t.sBeforeFilename = QStringLiteral("Prze&d Nazwą Pliku");
  t.sAfterFilename = QStringLiteral("P&o Nazwie Pliku");
  t.sStartAt = QStringLiteral("Zacznij Od");
  t.sIncrement = QStringLiteral("Przyrost");
  t.sZeroFill = QStringLiteral("Zera Wiodące");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("Uruchamiaj na Pełnym &Ekranie");
  t.sRememberLastPath = QStringLiteral("Pamiętaj &Ostatnią Ścieżkę");
  t.sByPath = QStringLiteral("Według Folderu");
  t.sRememberPosition = QStringLiteral("Pamiętaj Pozycję && Rozmiar Progra&mu");
  t.sSetDefaultValues = QStringLiteral("Wartości &Domyślne");
  t.sAddShellEntry = QStringLiteral("Dodaj \"Zamiana Zelvo'a z tego miejsca\" do Menu Kon&tekstowego");
  t.sShellEntryCaption = QStringLiteral("Zamiana Zelvo'a z tego miejsca");
  t.sRemoveShellEntry = QStringLiteral("Usuń \"Zamiana Zelvo'a z tego miejsca\" z Menu Kon&tekstowego");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Kliknij Dwukrotnie");
  t.sRefreshHint2 = QStringLiteral("W Ten Tekst,");
  t.sRefreshHint3 = QStringLiteral("Aby Odświeżyć");
  t.sRefreshHint4 = QStringLiteral("Okno Podglądu");
  t.sPreviewWindow = QStringLiteral("Okno Podglądu");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("To jest okno podglądu,");
  t.sPreviewHelp2 = QStringLiteral("w którym możesz zobaczyć");
  t.sPreviewHelp3 = QStringLiteral("wynik swojego żądania.");
  t.sPreviewHelp4 = QStringLiteral("Naciśnij prawy przycisk myszy,");
  t.sPreviewHelp5 = QStringLiteral("aby zobaczyć menu opcji.");
  t.sPreviewHelp6 = QStringLiteral("Możesz zapisać ten podgląd,");
  t.sPreviewHelp7 = QStringLiteral("utworzyć plik .BAT,");
  t.sPreviewHelp8 = QStringLiteral("zapisać bieżące ustawienia");
  t.sPreviewHelp9 = QStringLiteral("itd.");

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("To jest plik ukryty. Zmienić jego nazwę?");
  t.sSelectedFile = QStringLiteral("Wybrany plik");
  t.sAlreadyExists = QStringLiteral("już istnieje. Nadmienić?");
  t.sFile = QStringLiteral("Plik");
  t.sSaved = QStringLiteral("zapisany");
  t.sFileError = QStringLiteral("Wystąpił błąd z wybranym plikiem");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("Utwórz Plik .BAT do &Cofnięcia");
  t.sSavePreviewTxt = QStringLiteral("Zapi&sz Podgląd do Pliku .TXT");
  t.sMakeRenameBat = QStringLiteral("Utwórz Plik .BAT do &Zamiany");
  t.sOpenOptions = QStringLiteral("&Wczytaj Ustawienia ZR z .INI");
  t.sSaveOptions = QStringLiteral("Za&pisz Ustawienia ZR do .INI");
  t.sOptions = QStringLiteral("&Opcje");
  t.sRecursiveDirectories = QStringLiteral("&Rekursywne Foldery");
  t.sRefresh = QStringLiteral("Odświ&eż");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("Pokaż &Foldery");
  t.sViewFiles = QStringLiteral("Pokaż Pli&ki");
  t.sWorkWithFolders = QStringLiteral("&Uwzględniaj Foldery");
  t.sFiles = QStringLiteral("Pliki");
  t.sFolders = QStringLiteral("Foldery");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("Ta opcja działa tylko wtedy, gdy \"Pokaż Foldery\" nie jest włączone.");
  t.sLanguage = QStringLiteral("&Język");
  t.sErrorsTitle = QStringLiteral("Błędy Podczas Zmiany Nazw Plików");
  t.sErrorsHeader = QStringLiteral("Nazwy Tych Plików Nie Zostały Zmienione:");
  t.sManual = QStringLiteral("Ręcznie");

  // Variables menu: this table keeps the English captions from sGraphics to sGenre.
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Nazwa");
  t.sPath = QStringLiteral("Ścieżka");
  t.sSize = QStringLiteral("Rozmiar");
  t.sType = QStringLiteral("Typ");
  t.sAttributes = QStringLiteral("Atrybuty");
  t.sNoAccents = QStringLiteral("Bez Akcentów");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("Zmieniono nazwy: %1");
  t.sRunNotRenamed = QStringLiteral("nie zmieniono: %1");
  t.sUndoPutBack = QStringLiteral("Przywrócono nazwy: %1");
  t.sUndoPutBackOne = QStringLiteral("Przywrócono 1 nazwę");
  t.sUndoNotPutBack = QStringLiteral("nie przywrócono: %1");
  t.sErrorsNewName = QStringLiteral("Nowa nazwa");
  t.sErrorsReason = QStringLiteral("Przyczyna");
  t.sFolderNotFound = QStringLiteral("Folder „%1” nie istnieje.");
}
