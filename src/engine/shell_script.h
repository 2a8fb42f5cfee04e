// The POSIX shell script of a list of moves: every path quoted whole, no move ever replacing a file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <span>

// One move of a script: absolute paths, as the file system holds them.
struct ShellMove {
  QByteArray from;
  QByteArray to;
};

// The bytes between single quotes, each quote written as '\'' : the shell reads them back exactly and
// runs nothing in them, line breaks, "$" and backticks included.
QByteArray ShellQuoted(QByteArrayView bytes);

// "#!/bin/sh", then one line per move, in order. Each move first tests that nothing has the new name
// (a file, folder or link; the same file under another letter case passes, for case-insensitive
// volumes) and only then runs mv; a move that fails prints a line on standard error. The script ends
// with exit status 1 when any move failed, else 0.
QByteArray MakeShellScript(std::span<const ShellMove> moves);
