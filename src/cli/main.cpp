// Command-line front end: renames the files of a folder with the same engine as the window.
#include "cli/cli_arguments.h"
#include "cli/cli_job.h"
#include "platform/escaped_text.h"
#include "platform/heap_prefault.h"
#include "platform/name_codec.h"

#include <QCoreApplication>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

// Set by the first Ctrl-C: the run ends between two files; a second Ctrl-C ends the program.
std::atomic_bool stopRequested{false};

extern "C" void OnInterrupt(int) {
  stopRequested = true;
  std::signal(SIGINT, SIG_DFL);
}

} // namespace

int main(int argc, char *argv[]) {
  // A job of many files makes and drops big tables one after the other: they come from the heap,
  // which keeps what is freed for the next one, instead of fresh pages of their own each time.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_TOP_PAD, 4 << 20);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zelvo-rename-cli"));
  QTextStream out(stdout);
  QTextStream err(stderr);
  // Every byte of a path given is kept, also where it is not valid UTF-8.
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << DecodeName(argv[i]);
  const CliParse parse = ParseCliArguments(arguments);
  if (!parse.error.isEmpty()) {
    err << "zelvo-rename-cli: " << EscapedControls(parse.error) << '\n';
    return CliBadInput;
  }
  if (parse.arguments.help) {
    out << CliUsage();
    return CliDone;
  }
  if (parse.arguments.version) {
    out << "zelvo-rename-cli (Zelvo Rename 2000) 4.2b\n";
    return CliDone;
  }
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  // The job's structures are left to the end of the process rather than freed one by one.
  CliJobRemains remains;
  // The pages of those tables are faulted in on the other core, while this one lists the folder.
  HeapPrefault prefault;
  const int status = RunCliJob(parse.arguments, out, err, &stopRequested, &remains);
  out.flush();
  err.flush();
  std::fflush(nullptr);
  std::_Exit(status);
}
