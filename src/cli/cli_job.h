// The whole job of zelvo-rename-cli: list a folder, build the new names, show, write or rename them.
#pragma once

#include "cli/cli_arguments.h"

#include <QTextStream>

#include <atomic>
#include <memory>
#include <vector>

enum CliExitStatus { CliDone = 0, CliSomeFailed = 1, CliBadInput = 2 };

// What a job hands over instead of freeing when it ends: its list, new names and run records. A
// process that ends right after the job keeps them, and so skips freeing a few hundred thousand
// strings one by one; everything the job writes or removes is done before it returns.
struct CliJobRemains {
  std::vector<std::shared_ptr<void>> held;
};

// Runs the job; what a user reads goes to out, messages to err. Returns the exit status.
// A set stop flag (Ctrl-C) ends a rename run between two files. With remains, the job's big
// structures are handed to it instead of being freed.
int RunCliJob(const CliArguments &arguments, QTextStream &out, QTextStream &err,
              const std::atomic_bool *stop = nullptr, CliJobRemains *remains = nullptr);
