#include "app/caption_table.h"

#include "platform/name_codec.h"

#include <array>

namespace {

constexpr CaptionSlot kCaptionSlots[] = {
    {"opInstantRefresh", "sInstantPreview"},
    {"Label2", "sPreviewWindow"},
    {"TabControl1#0", "sTabFileName"},
    {"TabControl1#1", "sTabExtension"},
    {"TabControl1#2", "sTabAutoNumber"},
    {"TabControl1#3", "sTabMoreOptions"},
    {"TabControl1#4", "sLanguage"},
    {"btnUndo", "sUndo"},
    {"btnRename", "sRename"},
    {"btnInfo", "sInfo"},
    // File name and extension tabs
    {"Label1", "sFileMask"},
    {"opReplace", "sReplaceWith"},
    {"opReplaceEx", "sReplaceWith"},
    {"opReplaceText", "sReplaceText"},
    {"opReplaceTextEx", "sReplaceText"},
    {"Label6", "sWithNewText"},
    {"Label7", "sWithNewText"},
    {"opMatchCase", "sMatchCase"},
    {"opMatchCaseEx", "sMatchCase"},
    {"opRegularExpression", "sRegularExpression"},
    {"opRegularExpressionEx", "sRegularExpression"},
    {"opLeftCutChars", "sLeftCrop"},
    {"opLeftCutCharsEx", "sLeftCrop"},
    {"opRightCutChars", "sRightCrop"},
    {"opRightCutCharsEx", "sRightCrop"},
    {"opInsertBefore", "sInsertBefore"},
    {"opInsertBeforeEx", "sInsertBefore"},
    {"opInsertAfter", "sInsertAfter"},
    {"opInsertAfterEx", "sInsertAfter"},
    {"opNoCaseChanges", "sNoCaseChanges"},
    {"opNoCaseChangesEx", "sNoCaseChanges"},
    {"opUpperCase", "sUpperCase"},
    {"opUpperCaseEx", "sUpperCase"},
    {"opLowerCase", "sLowerCase"},
    {"opLowerCaseEx", "sLowerCase"},
    {"opFirstLetter", "sFirstLetterUp"},
    {"opFirstLetterEx", "sFirstLetterUp"},
    {"opfirstLetterLow", "sFirstLetterLow"},
    {"opFirstLetterLowEx", "sFirstLetterLow"},
    // Autonumber tab
    {"opANoChanges", "sNoChanges"},
    {"opABeforeFilename", "sBeforeFilename"},
    {"opAAfterFilename", "sAfterFilename"},
    {"Label3", "sStartAt"},
    {"Label4", "sIncrement"},
    {"Label5", "sZeroFill"},
    {"opDirectory", "sByPath"},
    {"cMakeNamesUnique", "sMakeNamesUnique"},
    {"lManual", "sManual"},
    {"rgTypeNumber#5", "sManual"},
    // More options tab and its menu twins
    {"cStartMaximized", "sStartMaximized"},
    {"mStartMaximized", "sStartMaximized"},
    {"cRememberLastPath", "sRememberLastPath"},
    {"mRememberLastPath", "sRememberLastPath"},
    {"cRemWinProPos", "sRememberPosition"},
    {"mRemWinProPos", "sRememberPosition"},
    {"btnSetDefaultValue", "sSetDefaultValues"},
    {"mDefaultOptions", "sSetDefaultValues"},
    {"cViewFolders", "sViewFolders"},
    {"cViewFiles", "sViewFiles"},
    {"cWorkWithFolders", "sWorkWithFolders"},
    // Options menu
    {"MakeUndoBAT", "sMakeUndoBat"},
    {"mSavetoTXTFile", "sSavePreviewTxt"},
    {"MakeaBAT", "sMakeRenameBat"},
    {"mOpenZROptions", "sOpenOptions"},
    {"mSaveZROptions", "sSaveOptions"},
    {"mOptions", "sOptions"},
    {"mRecurseDirectories", "sRecursiveDirectories"},
    {"mRefresh", "sRefresh"},
    {"mLanguage", "sLanguage"},
    // Variables menu
    {"Extension1", "sTabExtension"},
    {"Graphics1", "sGraphics"},
    {"MP31", "sMP3"},
    {"HTMLTitle1", "sHTML"},
    {"RomsN641", "sN64Roms"},
    {"ManualNumber1", "sManualNumber"},
    {"FileDate1", "sFileDate"},
    {"ColumnData1", "sColumnData"},
    {"DatafromExternalFile1", "sExternalData"},
    {"Width1", "sWidth"},
    {"Heigth1", "sHeight"},
    {"ColorsAbreviate1", "sColorsAbbrev"},
    {"Colors1", "sColors"},
    {"Bits1", "sBits"},
    {"Title1", "sTitle"},
    {"Title2", "sTitle"},
    {"Title3", "sTitle"},
    {"Title4", "sTitle"},
    {"Artist1", "sArtist"},
    {"Artist2", "sArtist"},
    {"Album1", "sAlbum"},
    {"Year1", "sYear"},
    {"Comment1", "sComment"},
    {"RandomNumbers1", "sRandomName"},
    {"Decimal1", "sDecimal"},
    {"Hexadecimal1", "sHexadecimal"},
    {"Octal1", "sOctal"},
    {"BBinary1", "sBinary"},
    {"ExcelMode1", "sExcelMode"},
    {"ExcelChars1", "sExcelNumbers"},
    {"ABCDChars1", "sManualChars"},
    {"CurrentZeroFill1", "sCurrentZeroFill"},
    {"CurrentZeroFill2", "sCurrentZeroFill"},
    {"CurrentZeroFill3", "sCurrentZeroFill"},
    {"CurrentZeroFill4", "sCurrentZeroFill"},
    {"CurrentDate1", "sTodayDate"},
    {"WithouExtension1", "sWithoutExtension"},
    {"Identical1", "sIdentical"},
    {"Identical2", "sIdentical"},
    {"InMb1", "sInMegabytes"},
    {"InKb1", "sInKilobytes"},
    {"Unformatted1", "sUnformatted"},
    {"Unformatted2", "sUnformatted"},
    {"Unformatted3", "sUnformatted"},
    {"OpenEditor1", "sOpenEditor"},
    {"InsertLinefromEditor1", "sInsertLine"},
    {"Name1", "sName"},
    {"Path1", "sPath"},
    {"Size1", "sSize"},
    {"Type1", "sType"},
    {"Attributes1", "sAttributes"},
    // Variables menu: photo and music metadata
    {"Photo1", "sPhoto"},
    {"DateTaken1", "sDateTaken"},
    {"Camera1", "sCamera"},
    {"Make1", "sMake"},
    {"Model1", "sModel"},
    {"Width2", "sWidth"},
    {"Heigth2", "sHeight"},
    {"Music1", "sMusic"},
    {"Title5", "sTitle"},
    {"Artist3", "sArtist"},
    {"Album2", "sAlbum"},
    {"Year2", "sYear"},
    {"Track1", "sTrack"},
    {"TrackZeroFill1", "sTrackZeroFill"},
    {"Genre1", "sGenre"},
    {"opNoAccents", "sNoAccents"},
};

void AddComposedCaptions(const LanguageTexts &t, QHash<QString, QString> &out) {
  const QString x = QStringLiteral(" x ");
  out.insert(QStringLiteral("WidthxHeightxColors1"), t.sWidth + x + t.sHeight + x + t.sColors);
  out.insert(QStringLiteral("WidthxHeightxBits1"), t.sWidth + x + t.sHeight + x + t.sBits);
  out.insert(QStringLiteral("RandomName3Chars1"), QStringLiteral("3 ") + t.sCharacters);
  out.insert(QStringLiteral("RandomName8Chars1"), QStringLiteral("8 ") + t.sCharacters);
  out.insert(QStringLiteral("RandomName16Chars1"), QStringLiteral("16 ") + t.sCharacters);
  for (const char *width : {"0", "4", "8"}) {
    const QString caption = QLatin1String(width) + QLatin1Char(' ') + t.sZeroFill;
    for (int row = 1; row <= 4; ++row)
      out.insert(QStringLiteral("N%1ZeroFill%2").arg(QLatin1String(width)).arg(row), caption);
  }
  const QString dash = QStringLiteral("-");
  const QString yyyy = t.sYY + t.sYY;
  const std::array<std::pair<const char *, QString>, 8> dates = {{
      {"YYYYMMDD", yyyy + t.sMM + t.sDD},
      {"YYYYDDMM", yyyy + t.sDD + t.sMM},
      {"DDMMYYYY", t.sDD + dash + t.sMM + dash + yyyy},
      {"DDMMYY", t.sDD + dash + t.sMM + dash + t.sYY},
      {"MMDDYYYY", t.sMM + dash + t.sDD + dash + yyyy},
      {"MMDDYY", t.sMM + dash + t.sDD + dash + t.sYY},
      {"HHMM", t.sHH + QLatin1Char('\'') + t.sMin},
      {"", {}}, // the date with time, composed below
  }};
  for (const auto &[name, caption] : dates) {
    if (*name == '\0')
      continue;
    out.insert(QLatin1String(name) + QLatin1Char('1'), caption);
    out.insert(QLatin1String(name) + QLatin1Char('2'), caption); // the twin under FileDate1
  }
  // The date taken of photos: the same forms, and the time with seconds.
  out.insert(QStringLiteral("YYYYMMDD3"), dates[0].second);
  out.insert(QStringLiteral("DDMMYYYY3"), dates[2].second);
  const QString hhmmss = t.sHH + t.sMin + QStringLiteral("SS");
  out.insert(QStringLiteral("YYYYMMDDHHMMSS1"),
             yyyy + dash + t.sMM + dash + t.sDD + QLatin1Char('_') + hhmmss);
  out.insert(QStringLiteral("HHMMSS1"), hhmmss);
  out.insert(QStringLiteral("WidthxHeight1"), t.sWidth + x + t.sHeight);
  out.insert(QStringLiteral("ArtistTitle1"), t.sArtist + QStringLiteral(" - ") + t.sTitle);
  const QString dateTime = dates[2].second + QLatin1Char(' ') + dates[6].second;
  out.insert(QStringLiteral("DDMMYYHHMM1"), dateTime);
  out.insert(QStringLiteral("DDMMYYYYHHMM1"), dateTime);
  for (int i = 1; i <= 6; ++i)
    out.insert(QStringLiteral("Formatted%1").arg(i),
               (i % 2 ? QStringLiteral(". ") : QStringLiteral(", ")) + t.sFormatted);
}

} // namespace

std::span<const CaptionSlot> CaptionSlots() {
  return kCaptionSlots;
}

QString BaseFormCaption() {
  return QStringLiteral("Zelvo Rename 2000 v4.2b");
}

QString FormCaption(const QString &directory) {
  return BaseFormCaption() + QStringLiteral("  [") + ShownName(directory) + QLatin1Char(']');
}

QString FormHint(const LanguageTexts &texts, int files, int folders) {
  if (files <= 0 && folders <= 0)
    return {};
  return texts.sFiles + QStringLiteral(": ") + QString::number(files) + QLatin1Char('\r') + texts.sFolders +
         QStringLiteral(": ") + QString::number(folders);
}

QHash<QString, QString> WindowCaptions(const LanguageTexts &texts, const CaptionContext &context) {
  QHash<QString, QString> out;
  out.reserve(int(std::size(kCaptionSlots)) + 48);
  for (const CaptionSlot &entry : kCaptionSlots)
    out.insert(QLatin1String(entry.objectName), texts.text(QString::fromLatin1(entry.slot)));
  out.insert(QStringLiteral("btnShellOptions"),
             context.shellEntryInstalled ? texts.sRemoveShellEntry : texts.sAddShellEntry);
  AddComposedCaptions(texts, out);
  out.insert(QStringLiteral("TfZelvoRename"), FormCaption(context.directory));
  return out;
}
