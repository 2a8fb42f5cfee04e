#include "variables/variable_expander.h"

QString VariableExpander::WriteTextExtended(const FileListEntry &, const QString &text, ExpansionContext &) {
  // Variables are not expanded yet: the text stays as typed.
  return text;
}
