// Slot lookup by name and the switch between the nine language tables.
#include "lang/language_texts.h"

#include "lang/language_tables.h"

#include <QHash>

#include <iterator>

namespace {

struct SlotEntry {
  const char *name;
  QString LanguageTexts::*member;
};

// Every slot, in table order.
constexpr SlotEntry kSlots[] = {
    {"sInstantPreview", &LanguageTexts::sInstantPreview},
    {"sTabFileName", &LanguageTexts::sTabFileName},
    {"sTabExtension", &LanguageTexts::sTabExtension},
    {"sTabAutoNumber", &LanguageTexts::sTabAutoNumber},
    {"sTabMoreOptions", &LanguageTexts::sTabMoreOptions},
    {"sUndo", &LanguageTexts::sUndo},
    {"sRename", &LanguageTexts::sRename},
    {"sInfo", &LanguageTexts::sInfo},
    {"sFileMask", &LanguageTexts::sFileMask},
    {"sReplaceWith", &LanguageTexts::sReplaceWith},
    {"sReplaceText", &LanguageTexts::sReplaceText},
    {"sWithNewText", &LanguageTexts::sWithNewText},
    {"sMatchCase", &LanguageTexts::sMatchCase},
    {"sRegularExpression", &LanguageTexts::sRegularExpression},
    {"sMakeNamesUnique", &LanguageTexts::sMakeNamesUnique},
    {"sLeftCrop", &LanguageTexts::sLeftCrop},
    {"sRightCrop", &LanguageTexts::sRightCrop},
    {"sInsertBefore", &LanguageTexts::sInsertBefore},
    {"sInsertAfter", &LanguageTexts::sInsertAfter},
    {"sNoCaseChanges", &LanguageTexts::sNoCaseChanges},
    {"sUpperCase", &LanguageTexts::sUpperCase},
    {"sLowerCase", &LanguageTexts::sLowerCase},
    {"sFirstLetterUp", &LanguageTexts::sFirstLetterUp},
    {"sFirstLetterLow", &LanguageTexts::sFirstLetterLow},
    {"sNoChanges", &LanguageTexts::sNoChanges},
    {"sBeforeFilename", &LanguageTexts::sBeforeFilename},
    {"sAfterFilename", &LanguageTexts::sAfterFilename},
    {"sStartAt", &LanguageTexts::sStartAt},
    {"sIncrement", &LanguageTexts::sIncrement},
    {"sZeroFill", &LanguageTexts::sZeroFill},
    {"sStartMaximized", &LanguageTexts::sStartMaximized},
    {"sRememberLastPath", &LanguageTexts::sRememberLastPath},
    {"sByPath", &LanguageTexts::sByPath},
    {"sRememberPosition", &LanguageTexts::sRememberPosition},
    {"sSetDefaultValues", &LanguageTexts::sSetDefaultValues},
    {"sAddShellEntry", &LanguageTexts::sAddShellEntry},
    {"sShellEntryCaption", &LanguageTexts::sShellEntryCaption},
    {"sRemoveShellEntry", &LanguageTexts::sRemoveShellEntry},
    {"sRefreshHint1", &LanguageTexts::sRefreshHint1},
    {"sRefreshHint2", &LanguageTexts::sRefreshHint2},
    {"sRefreshHint3", &LanguageTexts::sRefreshHint3},
    {"sRefreshHint4", &LanguageTexts::sRefreshHint4},
    {"sPreviewWindow", &LanguageTexts::sPreviewWindow},
    {"sPreviewHelp1", &LanguageTexts::sPreviewHelp1},
    {"sPreviewHelp2", &LanguageTexts::sPreviewHelp2},
    {"sPreviewHelp3", &LanguageTexts::sPreviewHelp3},
    {"sPreviewHelp4", &LanguageTexts::sPreviewHelp4},
    {"sPreviewHelp5", &LanguageTexts::sPreviewHelp5},
    {"sPreviewHelp6", &LanguageTexts::sPreviewHelp6},
    {"sPreviewHelp7", &LanguageTexts::sPreviewHelp7},
    {"sPreviewHelp8", &LanguageTexts::sPreviewHelp8},
    {"sPreviewHelp9", &LanguageTexts::sPreviewHelp9},
    {"sHiddenFilePrompt", &LanguageTexts::sHiddenFilePrompt},
    {"sSelectedFile", &LanguageTexts::sSelectedFile},
    {"sAlreadyExists", &LanguageTexts::sAlreadyExists},
    {"sFile", &LanguageTexts::sFile},
    {"sSaved", &LanguageTexts::sSaved},
    {"sFileError", &LanguageTexts::sFileError},
    {"sMakeUndoBat", &LanguageTexts::sMakeUndoBat},
    {"sSavePreviewTxt", &LanguageTexts::sSavePreviewTxt},
    {"sMakeRenameBat", &LanguageTexts::sMakeRenameBat},
    {"sOpenOptions", &LanguageTexts::sOpenOptions},
    {"sSaveOptions", &LanguageTexts::sSaveOptions},
    {"sOptions", &LanguageTexts::sOptions},
    {"sRecursiveDirectories", &LanguageTexts::sRecursiveDirectories},
    {"sRefresh", &LanguageTexts::sRefresh},
    {"sViewFolders", &LanguageTexts::sViewFolders},
    {"sViewFiles", &LanguageTexts::sViewFiles},
    {"sWorkWithFolders", &LanguageTexts::sWorkWithFolders},
    {"sFiles", &LanguageTexts::sFiles},
    {"sFolders", &LanguageTexts::sFolders},
    {"sRecurseNeedsNoFolders", &LanguageTexts::sRecurseNeedsNoFolders},
    {"sLanguage", &LanguageTexts::sLanguage},
    {"sErrorsTitle", &LanguageTexts::sErrorsTitle},
    {"sErrorsHeader", &LanguageTexts::sErrorsHeader},
    {"sManual", &LanguageTexts::sManual},
    {"sGraphics", &LanguageTexts::sGraphics},
    {"sMP3", &LanguageTexts::sMP3},
    {"sHTML", &LanguageTexts::sHTML},
    {"sN64Roms", &LanguageTexts::sN64Roms},
    {"sManualNumber", &LanguageTexts::sManualNumber},
    {"sFileDate", &LanguageTexts::sFileDate},
    {"sColumnData", &LanguageTexts::sColumnData},
    {"sExternalData", &LanguageTexts::sExternalData},
    {"sWidth", &LanguageTexts::sWidth},
    {"sHeight", &LanguageTexts::sHeight},
    {"sColorsAbbrev", &LanguageTexts::sColorsAbbrev},
    {"sColors", &LanguageTexts::sColors},
    {"sBits", &LanguageTexts::sBits},
    {"sTitle", &LanguageTexts::sTitle},
    {"sArtist", &LanguageTexts::sArtist},
    {"sAlbum", &LanguageTexts::sAlbum},
    {"sYear", &LanguageTexts::sYear},
    {"sComment", &LanguageTexts::sComment},
    {"sRandomName", &LanguageTexts::sRandomName},
    {"sCharacters", &LanguageTexts::sCharacters},
    {"sDecimal", &LanguageTexts::sDecimal},
    {"sHexadecimal", &LanguageTexts::sHexadecimal},
    {"sOctal", &LanguageTexts::sOctal},
    {"sBinary", &LanguageTexts::sBinary},
    {"sExcelMode", &LanguageTexts::sExcelMode},
    {"sExcelNumbers", &LanguageTexts::sExcelNumbers},
    {"sManualChars", &LanguageTexts::sManualChars},
    {"sCurrentZeroFill", &LanguageTexts::sCurrentZeroFill},
    {"sTodayDate", &LanguageTexts::sTodayDate},
    {"sYY", &LanguageTexts::sYY},
    {"sMM", &LanguageTexts::sMM},
    {"sDD", &LanguageTexts::sDD},
    {"sHH", &LanguageTexts::sHH},
    {"sMin", &LanguageTexts::sMin},
    {"sWithoutExtension", &LanguageTexts::sWithoutExtension},
    {"sIdentical", &LanguageTexts::sIdentical},
    {"sInMegabytes", &LanguageTexts::sInMegabytes},
    {"sInKilobytes", &LanguageTexts::sInKilobytes},
    {"sUnformatted", &LanguageTexts::sUnformatted},
    {"sFormatted", &LanguageTexts::sFormatted},
    {"sOpenEditor", &LanguageTexts::sOpenEditor},
    {"sInsertLine", &LanguageTexts::sInsertLine},
    {"sPhoto", &LanguageTexts::sPhoto},
    {"sMusic", &LanguageTexts::sMusic},
    {"sDateTaken", &LanguageTexts::sDateTaken},
    {"sCamera", &LanguageTexts::sCamera},
    {"sMake", &LanguageTexts::sMake},
    {"sModel", &LanguageTexts::sModel},
    {"sTrack", &LanguageTexts::sTrack},
    {"sTrackZeroFill", &LanguageTexts::sTrackZeroFill},
    {"sGenre", &LanguageTexts::sGenre},
    {"sName", &LanguageTexts::sName},
    {"sPath", &LanguageTexts::sPath},
    {"sSize", &LanguageTexts::sSize},
    {"sType", &LanguageTexts::sType},
    {"sAttributes", &LanguageTexts::sAttributes},
    {"sNoAccents", &LanguageTexts::sNoAccents},
    {"sRunRenamed", &LanguageTexts::sRunRenamed},
    {"sRunNotRenamed", &LanguageTexts::sRunNotRenamed},
    {"sUndoPutBack", &LanguageTexts::sUndoPutBack},
    {"sUndoPutBackOne", &LanguageTexts::sUndoPutBackOne},
    {"sUndoNotPutBack", &LanguageTexts::sUndoNotPutBack},
    {"sErrorsNewName", &LanguageTexts::sErrorsNewName},
    {"sErrorsReason", &LanguageTexts::sErrorsReason},
    {"sFolderNotFound", &LanguageTexts::sFolderNotFound},
};

// Every member of LanguageTexts is a slot, and every slot is listed above.
static_assert(sizeof(LanguageTexts) == std::size(kSlots) * sizeof(QString));

const QHash<QString, QString LanguageTexts::*> &slotsByName() {
  static const QHash<QString, QString LanguageTexts::*> byName = [] {
    QHash<QString, QString LanguageTexts::*> hash;
    for (const SlotEntry &entry : kSlots)
      hash.insert(QString::fromLatin1(entry.name), entry.member);
    return hash;
  }();
  return byName;
}

QString LanguageTexts::*findSlot(QStringView slotName) {
  const auto &byName = slotsByName();
  const auto it = byName.constFind(slotName.toString());
  return it == byName.constEnd() ? nullptr : it.value();
}

} // namespace

QString LanguageTexts::text(QStringView slotName) const {
  const QString *found = slot(slotName);
  return found ? *found : QString();
}

QString *LanguageTexts::slot(QStringView slotName) {
  QString LanguageTexts::*member = findSlot(slotName);
  return member ? &(this->*member) : nullptr;
}

const QString *LanguageTexts::slot(QStringView slotName) const {
  QString LanguageTexts::*member = findSlot(slotName);
  return member ? &(this->*member) : nullptr;
}

const QStringList &LanguageSlotNames() {
  static const QStringList names = [] {
    QStringList list;
    list.reserve(std::size(kSlots));
    for (const SlotEntry &entry : kSlots)
      list.append(QString::fromLatin1(entry.name));
    return list;
  }();
  return names;
}

int LanguageSlotCount() {
  return int(std::size(kSlots));
}

void SetLanguageTexts(LanguageTexts &texts, int languageIndex) {
  switch (languageIndex) {
  case LanguageSpanish:
    FillSpanishTexts(texts);
    break;
  case LanguageCatalan:
    FillCatalanTexts(texts);
    break;
  case LanguageFrench:
    FillFrenchTexts(texts);
    break;
  case LanguageDutch:
    FillDutchTexts(texts);
    break;
  case LanguageGerman:
    FillGermanTexts(texts);
    break;
  case LanguagePortuguese:
    FillPortugueseTexts(texts);
    break;
  case LanguageItalian:
    FillItalianTexts(texts);
    break;
  case LanguagePolish:
    FillPolishTexts(texts);
    break;
  default: // English, and any index outside the nine languages
    FillEnglishTexts(texts);
    break;
  }
}

LanguageTexts LanguageTable(int languageIndex) {
  LanguageTexts texts;
  SetLanguageTexts(texts, languageIndex);
  return texts;
}

LanguageTexts &CurrentLanguageTexts() {
  static LanguageTexts current;
  return current;
}

void SetLanguageTexts(int languageIndex) {
  SetLanguageTexts(CurrentLanguageTexts(), languageIndex);
}
