// The whole job of zelvo-rename-cli: list a folder, build the new names, show, write or rename them.
#pragma once

#include "cli/cli_arguments.h"

#include <QTextStream>

#include <atomic>

enum CliExitStatus { CliDone = 0, CliSomeFailed = 1, CliBadInput = 2 };

// Runs the job; what a user reads goes to out, messages to err. Returns the exit status.
// A set stop flag (Ctrl-C) ends a rename run between two files.
int RunCliJob(const CliArguments &arguments, QTextStream &out, QTextStream &err,
              const std::atomic_bool *stop = nullptr);
