// Opening files with the desktop's programs and renaming through the shell, for the file list and
// the folder tree. Neither shows anything: failures come back as texts for the window.
#pragma once

#include "explorer/shell_calls.h"

#include <QString>

// The rename operation code of ShellFileOperation.
constexpr int kShellRename = 4;

// What ShellOpen did.
struct [[nodiscard]] ShellOpenResult {
  bool started = false;
  QString message; // on failure: "ERROR - Can't " verb " file  " file

  bool ok() const { return started; }
};

// Opens file for verb in the working folder folder (a relative file is taken from there):
// - "open" or empty, without parameters: the file with the desktop's handler for its type;
// - "open" or empty, with parameters: file is a program, started with the parameters split as a
//   command line (double quotes keep blanks together);
// - "explore": the file's folder (or the folder itself) with the desktop's handler.
// Any other verb opens nothing.
ShellOpenResult ShellOpen(ShellCalls &shell, const QString &verb, const QString &file,
                          const QString &parameters, const QString &folder);

// Renames source to target (the only operation offered), never replacing an existing item. aborted
// comes in preset by the caller and goes out telling whether the operation was called off; a preset
// value does not stop the operation. True when renamed.
bool ShellFileOperation(int operation, const QString &source, bool &aborted, const QString &target,
                        QString *message = nullptr);
