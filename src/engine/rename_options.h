// The record of every setting that decides the new names, one field per control of the main window.
#pragma once

#include <QString>

struct RenameOptions {
  // Name part ("FileName" tab).
  QString tMask = QStringLiteral("*.*");
  bool opReplace = false;
  QString tChangeFilename;
  bool opReplaceText = false;
  QString tReplaceText;
  QString tReplaceTextNew;
  bool opMatchCase = false;
  bool opRegularExpression = false; // tReplaceText is a pattern, tReplaceTextNew may name its groups
  bool opLeftCutChars = false;
  QString tLeftCutChars = QStringLiteral("0");
  bool opRightCutChars = false;
  QString tRightCutChars = QStringLiteral("0");
  bool opInsertBefore = false;
  QString tInsertBefore;
  bool opInsertAfter = false;
  QString tInsertAfter;
  bool opNoCaseChanges = true; // radio group: name case
  bool opUpperCase = false;
  bool opLowerCase = false;
  bool opFirstLetter = false;
  bool opfirstLetterLow = false;
  bool opNoAccents = false;

  // Extension part ("Extension" tab).
  bool opReplaceEx = false;
  QString tChangeFileNameEx;
  bool opReplaceTextEx = false;
  QString tReplaceTextEx;
  QString tReplaceTextNewEx;
  bool opMatchCaseEx = false;
  bool opRegularExpressionEx = false;
  bool opLeftCutCharsEx = false;
  QString tLeftCutCharsEx = QStringLiteral("0");
  bool opRightCutCharsEx = false;
  QString tRightCutCharsEx = QStringLiteral("0");
  bool opInsertBeforeEx = false;
  QString tInsertBeforeEx;
  bool opInsertAfterEx = false;
  QString tInsertAfterEx;
  bool opNoCaseChangesEx = true; // radio group: extension case
  bool opUpperCaseEx = false;
  bool opLowerCaseEx = false;
  bool opFirstLetterEx = false;
  bool opFirstLetterLowEx = false;

  // Automatic numbers ("AutoNumber" tab).
  bool opANoChanges = true; // radio group: number position
  bool opABeforeFilename = false;
  bool opAAfterFilename = false;
  QString tStartAt = QStringLiteral("1");
  QString tIncrement = QStringLiteral("1");
  QString tZeroFill = QStringLiteral("1");
  int rgTypeNumber = 0; // 0 Dec, 1 Hex, 2 Oct, 3 Bin, 4 Excel, 5 Manual
  QString tManualNumber = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  bool opDirectory = true;
  bool cMakeNamesUnique = false; // a new name taken in its folder gets " (2)", " (3)"... before the extension

  // Switches of the "More Options" tab and of the window.
  bool cViewFolders = true;
  bool cViewFiles = true;
  bool cWorkWithFolders = false;
  bool bCheckOnlySelectedFiles = false;
  bool opInstantRefresh = true;

  // Puts the one-shot options back to their resting state, as every rename run does at its end.
  void ResetAfterRename();

  bool operator==(const RenameOptions &) const = default;
};
