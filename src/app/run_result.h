// What the last rename run or undo did, and the line the window shows for it.
#pragma once

#include "lang/language_texts.h"

#include <QString>

struct RunResult {
  enum Kind { None, Renamed, PutBack } kind = None;
  qsizetype done = 0;    // files renamed, or given their old names back
  qsizetype notDone = 0; // files left as they were
};

// "80 renamed, 2 not renamed", "80 names put back" in the language of texts; the second part only
// when some files were left as they were. Empty for None.
QString RunResultLine(const RunResult &result, const LanguageTexts &texts);
