// The seam through which the preview expands the variables typed into text options.
#pragma once

#include "engine/refresh_state.h"
#include "engine/rename_options.h"
#include "explorer/file_list_entry.h"

#include <QString>

struct ExpansionContext {
  const RenameOptions &options;
  RefreshRunState &state;
  int entryIndex = 0; // position of the entry in the file list
  QString error;      // set by an expansion that must stop the refresh
};

class TextExpansion {
public:
  virtual ~TextExpansion() = default;
  // The text with every variable replaced by its value for the entry; a text without a
  // backslash comes back unchanged. Sets context.error to stop the refresh.
  virtual QString WriteTextExtended(const FileListEntry &entry, const QString &text,
                                    ExpansionContext &context) = 0;
};

// Expands nothing: every text comes back as it was.
class NoExpansion final : public TextExpansion {
public:
  QString WriteTextExtended(const FileListEntry &, const QString &text, ExpansionContext &) override {
    return text;
  }
};
