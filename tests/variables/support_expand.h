// Test helper: a text expanded for one entry by a fresh expander, with default options.
#pragma once

#include "variables/variable_expander.h"

inline QString ExpandFor(const FileListEntry &entry, const QString &text) {
  RenameOptions options;
  RefreshRunState state;
  ExpansionContext context{options, state, 0, QString()};
  VariableExpander expander; // nothing kept from an earlier read
  return expander.WriteTextExtended(entry, text, context);
}
