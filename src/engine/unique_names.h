// Names made unique: a new name already taken in its folder gets " (2)", " (3)"... before its extension.
#pragma once

#include "engine/folder_names.h"
#include "engine/rename_options.h"
#include "explorer/file_list_entry.h"
#include "platform/safe_rename.h"

#include <QStringList>

#include <span>
#include <vector>

// Every line that moves its entry and wants a name an earlier line of the same folder takes, or a
// file that keeps its name holds, gets the smallest counter from 2 up that is free of both. Names
// held by entries that move away are free; lines that keep their names, folders the run leaves
// alone and names no file may have are not touched. Names compare as the folder compares them
// (letter case ignored where the folder ignores it). The names on disk are asked of known, which
// keeps the folders the listing read (nullptr: the folders are read). Returns the positions of the
// lines changed.
std::vector<qsizetype> MakeNamesUnique(const RenameOptions &options, std::span<const FileListEntry> entries,
                                       QStringList &lines, FileSystemCalls &calls = SystemFileSystemCalls(),
                                       FolderNameCache *known = nullptr);

// The name with " (counter)" put before its extension: "photo.jpg" gives "photo (2).jpg", "notes"
// gives "notes (2)", ".profile" gives ".profile (2)".
QString NumberedName(QStringView name, int counter);
