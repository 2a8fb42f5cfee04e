// Undo of the last rename run: every renamed file back to its old name, latest rename first.
#pragma once

#include "engine/rename_run.h"

// Renames every new path of the record back to its old path, from the last position to the first,
// so that a chain the run made (b to c, then a to b) comes back whole. Never replaces a file.
// Returns every file that could not be restored: lFileNames holds the path the file still has (its
// new path), lidItems its position in the record, reasons why.
RenameErrorRecord UndoRenames(const UndoRecord &record, FileSystemCalls &calls = SystemFileSystemCalls());

// How many files an undo gave their old names back: the positions of the record undone without
// failure, counting a file that went through a temporary name once and a file that kept its name
// not at all.
qsizetype NamesPutBack(const UndoRecord &record, const RenameErrorRecord &failures);
