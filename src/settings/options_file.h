// Options files: the rename options of the first three tabs saved to and loaded from an INI file.
#pragma once

#include "engine/rename_options.h"
#include "settings/ini_file.h"

#include <QString>

// Sets every option the file holds, key by key in file order, each key's default where it is
// missing or not a number. Radio buttons are set one after another: one set to 1 clears the others
// of its group, one set to 0 touches no other. Options the file does not hold keep their values.
void ReadOptions(const IniFile &ini, RenameOptions &options);

// Writes sections "Filename", "Extension" and "Autonumber", every key in file order.
void WriteOptions(const RenameOptions &options, IniFile &ini);

// Loads a file into the options. A file that does not exist or cannot be read changes nothing and
// gives a one-line message; a damaged one loads the defaults of whatever it does not hold.
QString LoadOptionsFile(const QString &path, RenameOptions &options);

// Saves the options into the file, keeping the other sections, keys and lines of an existing file.
// Returns an empty text on success, else a one-line message.
QString SaveOptionsFile(const QString &path, const RenameOptions &options);
