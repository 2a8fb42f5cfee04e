// The English texts of every slot; the other tables translate these.
#include "lang/language_tables.h"

void FillEnglishTexts(LanguageTexts &t) {
  // Main window: instant preview switch, tabs and buttons
  t.sInstantPreview = QStringLiteral("Instant &Preview");
  t.sTabFileName = QStringLiteral("&FileName");
  t.sTabExtension = QStringLiteral("&Extension");
  t.sTabAutoNumber = QStringLiteral("&Autonumber");
  t.sTabMoreOptions = QStringLiteral("&More Options");
  t.sUndo = QStringLiteral("&Undo");
  t.sRename = QStringLiteral("&Rename");
  t.sInfo = QStringLiteral("&Info");

  // File name and extension tabs
  t.sFileMask = QStringLiteral("File Mask");
  t.sReplaceWith = QStringLiteral("Replace With");
  t.sReplaceText = QStringLiteral("Replace Text");
  t.sWithNewText = QStringLiteral("With this new Text");
  t.sMatchCase = QStringLiteral("Match Case In Searching Text");
  t.sRegularExpression = QStringLiteral("Regular Expression");
  t.sMakeNamesUnique = QStringLiteral("Make Names Unique");
  t.sLeftCrop = QStringLiteral("Left Crop");
  t.sRightCrop = QStringLiteral("Right Crop");
  t.sInsertBefore = QStringLiteral("Insert Before");
  t.sInsertAfter = QStringLiteral("Insert After");
  t.sNoCaseChanges = QStringLiteral("No Case Changes");
  t.sUpperCase = QStringLiteral("Upper Case");
  t.sLowerCase = QStringLiteral("Lower Case");
  t.sFirstLetterUp = QStringLiteral("First Letter Up");
  t.sFirstLetterLow = QStringLiteral("First Letter Low");

  // Autonumber tab
  t.sNoChanges = QStringLiteral("&No Changes");
  t.sBeforeFilename = QStringLiteral("&Before Filename");
  t.sAfterFilename = QStringLiteral("Af&ter Filename");
  t.sStartAt = QStringLiteral("Start At");
  t.sIncrement = QStringLiteral("Increment");
  t.sZeroFill = QStringLiteral("ZeroFill");

  // More options tab and the file manager context-menu entry
  t.sStartMaximized = QStringLiteral("&Start Maximized");
  t.sRememberLastPath = QStringLiteral("Remem&ber Last Path");
  t.sByPath = QStringLiteral("By Path");
  t.sRememberPosition = QStringLiteral("Remember Progra&m Position && Size");
  t.sSetDefaultValues = QStringLiteral("Set &Default Values");
  t.sAddShellEntry = QStringLiteral("Add \"Zelvo Rename from Here\" To S&hell");
  t.sShellEntryCaption = QStringLiteral("Zelvo Rename from Here");
  t.sRemoveShellEntry = QStringLiteral("Remove \"Zelvo Rename from Here\" from S&hell");

  // Preview list: refresh hint (one line each) and title
  t.sRefreshHint1 = QStringLiteral("Press Double Click");
  t.sRefreshHint2 = QStringLiteral("Inside This Text");
  t.sRefreshHint3 = QStringLiteral("To Refresh the Preview");
  t.sRefreshHint4 = QStringLiteral("Window");
  t.sPreviewWindow = QStringLiteral("Preview Window");

  // Preview list: help lines shown in the drives view
  t.sPreviewHelp1 = QStringLiteral("This is The Preview Windows");
  t.sPreviewHelp2 = QStringLiteral("Where you can view the");
  t.sPreviewHelp3 = QStringLiteral("Result of your request.");
  t.sPreviewHelp4 = QStringLiteral("Press the Right Button to see");
  t.sPreviewHelp5 = QStringLiteral("the Options Menu available.");
  t.sPreviewHelp6 = QStringLiteral("You can Save this Preview");
  t.sPreviewHelp7 = QStringLiteral("Window, or Make a Batch File,");
  t.sPreviewHelp8 = QStringLiteral("or Save Your current Options...");
  t.sPreviewHelp9 = QStringLiteral(""); // empty in this language

  // Questions and notices
  t.sHiddenFilePrompt = QStringLiteral("This is a Hidden File. Rename it?");
  t.sSelectedFile = QStringLiteral("The selected file");
  t.sAlreadyExists = QStringLiteral("already exist. OverWrite?");
  t.sFile = QStringLiteral("File");
  t.sSaved = QStringLiteral("Saved");
  t.sFileError = QStringLiteral("An Error Occurred with the selected file");

  // Options menu
  t.sMakeUndoBat = QStringLiteral("&Make a UNDO .BAT File");
  t.sSavePreviewTxt = QStringLiteral("&Save Preview to .TXT File");
  t.sMakeRenameBat = QStringLiteral("&Make a Rename .BAT File");
  t.sOpenOptions = QStringLiteral("&Open ZR Options from .INI");
  t.sSaveOptions = QStringLiteral("Save &ZR Options to .INI");
  t.sOptions = QStringLiteral("&Options");
  t.sRecursiveDirectories = QStringLiteral("&Recursive Directories");
  t.sRefresh = QStringLiteral("R&efresh");

  // View switches, window hint, notices, language and error list
  t.sViewFolders = QStringLiteral("View &Folders");
  t.sViewFiles = QStringLiteral("&View Files");
  t.sWorkWithFolders = QStringLiteral("&Work with Folders");
  t.sFiles = QStringLiteral("Files");
  t.sFolders = QStringLiteral("Folders");
  t.sRecurseNeedsNoFolders =
      QStringLiteral("This option only works when the \"View Folders\" is not activated.");
  t.sLanguage = QStringLiteral("&Language");
  t.sErrorsTitle = QStringLiteral("Errors While Renaming Files");
  t.sErrorsHeader = QStringLiteral("These Files have not been Renamed:");
  t.sManual = QStringLiteral("Manual");

  // Variables menu
  FillEnglishVariablesMenuTexts(t);

  // Variables menu: file list columns; then the no-accents option
  t.sName = QStringLiteral("Name");
  t.sPath = QStringLiteral("Path");
  t.sSize = QStringLiteral("Size");
  t.sType = QStringLiteral("Type");
  t.sAttributes = QStringLiteral("Attributes");
  t.sNoAccents = QStringLiteral("No Accents");

  // Result line of a rename or undo, failure list columns, a typed folder that does not exist
  t.sRunRenamed = QStringLiteral("%1 renamed");
  t.sRunNotRenamed = QStringLiteral("%1 not renamed");
  t.sUndoPutBack = QStringLiteral("%1 names put back");
  t.sUndoPutBackOne = QStringLiteral("1 name put back");
  t.sUndoNotPutBack = QStringLiteral("%1 not put back");
  t.sErrorsNewName = QStringLiteral("New name");
  t.sErrorsReason = QStringLiteral("Reason");
  t.sFolderNotFound = QStringLiteral("The folder \"%1\" does not exist.");
}

// The variables menu from sGraphics to sGenre: English in every table but Spanish and Catalan.
void FillEnglishVariablesMenuTexts(LanguageTexts &t) {
  t.sGraphics = QStringLiteral("Graphics");
  t.sMP3 = QStringLiteral("MP3");
  t.sHTML = QStringLiteral("HTML");
  t.sN64Roms = QStringLiteral("Nintendo 64 Roms");
  t.sManualNumber = QStringLiteral("Manual Number");
  t.sFileDate = QStringLiteral("File_Date");
  t.sColumnData = QStringLiteral("Column Data");
  t.sExternalData = QStringLiteral("Data from External File");
  t.sWidth = QStringLiteral("Width");
  t.sHeight = QStringLiteral("Height");
  t.sColorsAbbrev = QStringLiteral("Colors (Abreviate)");
  t.sColors = QStringLiteral("Colors");
  t.sBits = QStringLiteral("Bits");
  t.sTitle = QStringLiteral("Title");
  t.sArtist = QStringLiteral("Artist");
  t.sAlbum = QStringLiteral("Album");
  t.sYear = QStringLiteral("Year");
  t.sComment = QStringLiteral("Comment");
  t.sRandomName = QStringLiteral("Random Name");
  t.sCharacters = QStringLiteral("Characters");
  t.sDecimal = QStringLiteral("Decimal");
  t.sHexadecimal = QStringLiteral("Hexadecimal");
  t.sOctal = QStringLiteral("Octal");
  t.sBinary = QStringLiteral("Binary");
  t.sExcelMode = QStringLiteral("Excel Mode");
  t.sExcelNumbers = QStringLiteral("Excel Numbers");
  t.sManualChars = QStringLiteral("Numbers from Manual Autonumbering");
  t.sCurrentZeroFill = QStringLiteral("Current Zero Fill");
  t.sTodayDate = QStringLiteral("Today Date");
  t.sYY = QStringLiteral("YY");
  t.sMM = QStringLiteral("MM");
  t.sDD = QStringLiteral("DD");
  t.sHH = QStringLiteral("HH");
  t.sMin = QStringLiteral("MM");
  t.sWithoutExtension = QStringLiteral("Without Extension");
  t.sIdentical = QStringLiteral("Identical");
  t.sInMegabytes = QStringLiteral("In Megabytes");
  t.sInKilobytes = QStringLiteral("In Kilobytes");
  t.sUnformatted = QStringLiteral("Unformatted");
  t.sFormatted = QStringLiteral("Formatted");
  t.sOpenEditor = QStringLiteral("Open Editor");
  t.sInsertLine = QStringLiteral("Insert Line from Editor");
  t.sPhoto = QStringLiteral("Photo");
  t.sMusic = QStringLiteral("Music");
  t.sDateTaken = QStringLiteral("Date Taken");
  t.sCamera = QStringLiteral("Camera");
  t.sMake = QStringLiteral("Make");
  t.sModel = QStringLiteral("Model");
  t.sTrack = QStringLiteral("Track");
  t.sTrackZeroFill = QStringLiteral("Track (Zero Fill)");
  t.sGenre = QStringLiteral("Genre");
}
