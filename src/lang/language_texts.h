// The named text slots of every caption, menu text, list hint and message, and the nine language tables.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Language indices, as stored in the "Language" setting. Any other index selects English.
enum LanguageIndex : int {
  LanguageEnglish = 0,
  LanguageSpanish = 1,
  LanguageCatalan = 2,
  LanguageFrench = 3,
  LanguageDutch = 4,
  LanguageGerman = 5,
  LanguagePortuguese = 6,
  LanguageItalian = 7,
  LanguagePolish = 8,
  LanguageCount = 9
};

// One text per slot, in table order; lang_english.cpp shows what each one says. In captions "&" marks
// the accelerator letter and "&&" stands for a literal ampersand.
struct LanguageTexts {
  // Main window: instant preview switch, tabs and buttons
  QString sInstantPreview;
  QString sTabFileName;
  QString sTabExtension;
  QString sTabAutoNumber;
  QString sTabMoreOptions;
  QString sUndo;
  QString sRename;
  QString sInfo;

  // File name and extension tabs
  QString sFileMask;
  QString sReplaceWith;
  QString sReplaceText;
  QString sWithNewText;
  QString sMatchCase;
  QString sRegularExpression;
  QString sMakeNamesUnique;
  QString sLeftCrop;
  QString sRightCrop;
  QString sInsertBefore;
  QString sInsertAfter;
  QString sNoCaseChanges;
  QString sUpperCase;
  QString sLowerCase;
  QString sFirstLetterUp;
  QString sFirstLetterLow;

  // Autonumber tab
  QString sNoChanges;
  QString sBeforeFilename;
  QString sAfterFilename;
  QString sStartAt;
  QString sIncrement;
  QString sZeroFill;

  // More options tab and the file manager context-menu entry
  QString sStartMaximized;
  QString sRememberLastPath;
  QString sByPath;
  QString sRememberPosition;
  QString sSetDefaultValues;
  QString sAddShellEntry;
  QString sShellEntryCaption;
  QString sRemoveShellEntry;

  // Preview list: refresh hint (one line each) and title
  QString sRefreshHint1;
  QString sRefreshHint2;
  QString sRefreshHint3;
  QString sRefreshHint4;
  QString sPreviewWindow;

  // Preview list: help lines shown in the drives view
  QString sPreviewHelp1;
  QString sPreviewHelp2;
  QString sPreviewHelp3;
  QString sPreviewHelp4;
  QString sPreviewHelp5;
  QString sPreviewHelp6;
  QString sPreviewHelp7;
  QString sPreviewHelp8;
  QString sPreviewHelp9;

  // Questions and notices
  QString sHiddenFilePrompt;
  QString sSelectedFile;
  QString sAlreadyExists;
  QString sFile;
  QString sSaved;
  QString sFileError;

  // Options menu
  QString sMakeUndoBat;
  QString sSavePreviewTxt;
  QString sMakeRenameBat;
  QString sOpenOptions;
  QString sSaveOptions;
  QString sOptions;
  QString sRecursiveDirectories;
  QString sRefresh;

  // View switches, window hint, notices, language and error list
  QString sViewFolders;
  QString sViewFiles;
  QString sWorkWithFolders;
  QString sFiles;
  QString sFolders;
  QString sRecurseNeedsNoFolders;
  QString sLanguage;
  QString sErrorsTitle;
  QString sErrorsHeader;
  QString sManual;

  // Variables menu
  QString sGraphics;
  QString sMP3;
  QString sHTML;
  QString sN64Roms;
  QString sManualNumber;
  QString sFileDate;
  QString sColumnData;
  QString sExternalData;
  QString sWidth;
  QString sHeight;
  QString sColorsAbbrev;
  QString sColors;
  QString sBits;
  QString sTitle;
  QString sArtist;
  QString sAlbum;
  QString sYear;
  QString sComment;
  QString sRandomName;
  QString sCharacters;
  QString sDecimal;
  QString sHexadecimal;
  QString sOctal;
  QString sBinary;
  QString sExcelMode;
  QString sExcelNumbers;
  QString sManualChars;
  QString sCurrentZeroFill;
  QString sTodayDate;
  QString sYY;
  QString sMM;
  QString sDD;
  QString sHH;
  QString sMin;
  QString sWithoutExtension;
  QString sIdentical;
  QString sInMegabytes;
  QString sInKilobytes;
  QString sUnformatted;
  QString sFormatted;
  QString sOpenEditor;
  QString sInsertLine;
  QString sPhoto;
  QString sMusic;
  QString sDateTaken;
  QString sCamera;
  QString sMake;
  QString sModel;
  QString sTrack;
  QString sTrackZeroFill;
  QString sGenre;

  // Variables menu: file list columns; then the no-accents option
  QString sName;
  QString sPath;
  QString sSize;
  QString sType;
  QString sAttributes;
  QString sNoAccents;

  // Result line of a rename ("%1 renamed", ", %1 not renamed") or an undo ("%1 names put back", for
  // one file "1 name put back", ", %1 not put back"); the failure list's columns; a typed folder
  // that does not exist ("%1": the text typed)
  QString sRunRenamed;
  QString sRunNotRenamed;
  QString sUndoPutBack;
  QString sUndoPutBackOne;
  QString sUndoNotPutBack;
  QString sErrorsNewName;
  QString sErrorsReason;
  QString sFolderNotFound;

  // The text of the slot of that name (exact spelling), or a null QString for an unknown name.
  QString text(QStringView slotName) const;
  // The slot of that name, or nullptr for an unknown name.
  QString *slot(QStringView slotName);
  const QString *slot(QStringView slotName) const;
};

// The names of all slots, in table order ("sInstantPreview" first, "sFolderNotFound" last).
const QStringList &LanguageSlotNames();

// Fills every slot of texts from the table of that language; any index outside 0 to 8 selects English.
void SetLanguageTexts(LanguageTexts &texts, int languageIndex);

// The full table of one language, without touching the current texts.
LanguageTexts LanguageTable(int languageIndex);

// The program's current texts: empty until the first switch. Used from the user-interface thread only.
LanguageTexts &CurrentLanguageTexts();

// Fills the program's current texts (CurrentLanguageTexts) from the table of that language.
void SetLanguageTexts(int languageIndex);
