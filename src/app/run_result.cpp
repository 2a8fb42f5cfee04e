#include "app/run_result.h"

QString RunResultLine(const RunResult &result, const LanguageTexts &texts) {
  QString line;
  QString missed;
  switch (result.kind) {
  case RunResult::None:
    return {};
  case RunResult::Renamed:
    line = texts.sRunRenamed.arg(result.done);
    missed = texts.sRunNotRenamed;
    break;
  case RunResult::PutBack:
    line = result.done == 1 ? texts.sUndoPutBackOne : texts.sUndoPutBack.arg(result.done);
    missed = texts.sUndoNotPutBack;
    break;
  }
  if (result.notDone > 0)
    line += QStringLiteral(", ") + missed.arg(result.notDone);
  return line;
}
