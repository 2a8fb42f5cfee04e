#include "engine/rename_options.h"

void RenameOptions::ResetAfterRename() {
  opANoChanges = true;
  opABeforeFilename = opAAfterFilename = false;
  opNoCaseChanges = true;
  opUpperCase = opLowerCase = opFirstLetter = opfirstLetterLow = false;
  opNoCaseChangesEx = true;
  opUpperCaseEx = opLowerCaseEx = opFirstLetterEx = opFirstLetterLowEx = false;
  opReplace = opReplaceEx = false;
  opReplaceText = opReplaceTextEx = false;
  opInsertBefore = opInsertBeforeEx = false;
  opInsertAfter = opInsertAfterEx = false;
  opLeftCutChars = opLeftCutCharsEx = false;
  opRightCutChars = opRightCutCharsEx = false;
  tMask = QStringLiteral("*.*");
}
