// The preview: one new name per file list entry, rebuilt from the rename options on every change.
#pragma once

#include "engine/preview_texts.h"
#include "engine/refresh_state.h"
#include "engine/rename_options.h"
#include "engine/text_expansion.h"
#include "explorer/file_list_entry.h"
#include "platform/safe_rename.h"

#include <QStringList>

#include <span>

class FolderNameCache;

struct Preview {
  QStringList lZelvoList;    // line i belongs to entry i of the file list
  bool PreviewValid = false; // the lines are the result of the last refresh
  // The control whose text stopped the last refresh ("tReplaceText" for a pattern that does not
  // compile), or empty. The preview then holds one line, the message, and is not valid.
  QString FieldInError;
};

// What a refresh reads.
struct RefreshSources {
  const RenameOptions &options;
  std::span<const FileListEntry> entries; // in display order
  QString directory;                      // the listed folder, or "Drives"
  TextExpansion *expansion = nullptr;     // nullptr: variables stay as typed
  const PreviewTexts *texts = nullptr;    // nullptr: English
  FileSystemCalls *calls = nullptr;       // where names made unique are looked up; nullptr: the system
  FolderNameCache *folderNames = nullptr; // the folders' names known already; nullptr: read them
};

// Rebuilds the preview. Returns an empty text, or the error that stopped the refresh (the lines
// made before it stay in the preview).
QString UpdateAll(const RefreshSources &sources, Preview &preview, RefreshRunState &state);

// A preview line as it is shown beside its entry (in the preview, the command line's table): the
// name the rename gives on disk, so that the dot the split adds to a name without extension is not
// shown ("README" stays "README", "readme." keeps its dot), with every byte of the name that is not
// valid UTF-8 written as ShownName writes it.
QString ShownLine(const QString &line, const FileListEntry &entry);

// The reaction to an option change while instant preview is off: the refresh hint, written once.
void PutMessage(Preview &preview, const PreviewTexts *texts = nullptr);
