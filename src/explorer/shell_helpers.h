// Opening files with the desktop's default program and renaming through the shell, for the file
// list and the folder tree. Neither shows anything: failures come back as texts for the window.
#pragma once

#include <QString>

// The rename operation code of ShellFileOperation.
constexpr int kShellRename = 4;

// Opens file with the desktop's handler for verb ("open" or empty: the file itself; "explore": its
// folder), in folder; parameters are not passed on, the desktop's handler takes the file alone.
// False on failure, with message "ERROR - Can't " verb " file  " file.
bool ShellOpen(const QString &verb, const QString &file, const QString &parameters, const QString &folder,
               QString *message = nullptr);

// Renames source to target (the only operation offered), never replacing an existing item. True when
// done and not aborted; aborted is passed in and tells whether the operation was called off.
bool ShellFileOperation(int operation, const QString &source, bool &aborted, const QString &target,
                        QString *message = nullptr);
