// What the safety of a rename run costs, measured in one run: the ordering of the plan and the
// journal beside the whole run ("x_" before every name), the whole command-line job beside the same
// job with both switched off, a plan that is one long chain, and the conflict check beside the
// refresh that builds the lines, on its own (in processor time; bench_conflict_check times it on
// every refresh of the window).
// Usage: bench_run_safety [FOLDER [COUNTS...]]   (default: the temporary folder, 10000 100000)
#include "bench_timing.h"
#include "cli/cli_job.h"
#include "engine/preview.h"
#include "engine/rename_conflicts.h"
#include "engine/rename_order.h"
#include "engine/run_journal.h"

#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray NameOf(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "file_%07d.dat", i);
  return name;
}

struct Folder {
  QByteArray path;
  std::vector<FileListEntry> entries;
};

Folder MakeFiles(const QString &base, int count) {
  Folder f;
  f.path = QFile::encodeName(base) + "/files/";
  QDir(QFile::decodeName(f.path)).removeRecursively();
  QDir().mkpath(QFile::decodeName(f.path));
  const QString shown = QFile::decodeName(f.path);
  f.entries.resize(count);
  for (int i = 0; i < count; ++i) {
    const QByteArray name = NameOf(i);
    ::close(::open((f.path + name).constData(), O_CREAT | O_WRONLY | O_EXCL, 0644));
    FileListEntry &e = f.entries[i];
    e.Caption = QString::fromLatin1(name);
    e.SubItems[SubFolder] = shown;
    e.SubItems[SubFullPath] = shown + e.Caption;
    e.SubItems[SubKind] = QStringLiteral("file");
    e.NativePath = f.path + name;
  }
  ::sync();
  return f;
}

// Times one rename run over fresh files; lines(i) gives the new name of entry i.
template <typename Lines> double TimedRun(const QString &base, int count, Lines lines, bool journal) {
  std::vector<double> times;
  for (int r = 0; r < 3; ++r) {
    Folder f = MakeFiles(base, count);
    QStringList all;
    for (int i = 0; i < count; ++i)
      all << lines(i);
    QTemporaryDir state;
    RunJournal j;
    RenameRunControl control;
    if (journal) {
      (void)j.Open(state.path());
      control.observer = &j;
      control.calls = &j.Calls();
    }
    QElapsedTimer timer;
    timer.start();
    const RenameRunResult run = RenameAllEntries(RenameOptions(), f.entries, all, control);
    times.push_back(timer.nsecsElapsed() / 1e6);
    if (run.renamed != count)
      std::fprintf(stderr, "only %lld of %d renamed\n", static_cast<long long>(run.renamed), count);
  }
  std::sort(times.begin(), times.end());
  return times[1];
}

// The command-line job "x_" before every name, over fresh files: median of five, in ms. A plain job
// runs without ordering the plan and without a journal.
double TimedCliJob(const QString &base, int count, bool plain) {
  std::vector<double> times;
  for (int r = 0; r < 5; ++r) {
    const Folder f = MakeFiles(base, count);
    CliArguments a;
    a.folder = QFile::decodeName(f.path);
    a.settings = {{QStringLiteral("opInsertBefore"), QStringLiteral("1")},
                  {QStringLiteral("tInsertBefore"), QStringLiteral("x_")}};
    a.lines = a.rename = true;
    a.plainRun = plain;
    QString shown, messages;
    QTextStream out(&shown), err(&messages);
    CliJobRemains remains; // freed after the clock stops, as the program never frees it
    QElapsedTimer timer;
    timer.start();
    const int status = RunCliJob(a, out, err, nullptr, &remains);
    times.push_back(timer.nsecsElapsed() / 1e6);
    if (status != CliDone)
      std::fprintf(stderr, "the job failed: %s\n", qPrintable(messages));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// A journal of the plan from -> to with every move marked as it is tried, as a run keeps it.
double TimedJournal(const QString &base, const std::vector<QByteArray> &from,
                    const std::vector<QByteArray> &to) {
  std::vector<PlannedMove> moves;
  for (size_t i = 0; i < from.size(); ++i)
    moves.emplace_back(from[i], to[i]);
  return MedianMs(
      [&] {
        RunJournal journal;
        (void)journal.Open(base + QStringLiteral("/journals"));
        journal.Planned(moves);
        for (qsizetype k = 0; k < qsizetype(moves.size()); ++k)
          journal.Trying(k);
        journal.Finished();
      },
      5);
}

} // namespace

int main(int argc, char **argv) {
  const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
  std::vector<int> counts;
  for (int i = 2; i < argc; ++i)
    counts.push_back(std::atoi(argv[i]));
  if (counts.empty())
    counts = {10000, 100000};
  QTemporaryDir work(base + QStringLiteral("/bench_run_safety-XXXXXX"));
  qputenv("XDG_STATE_HOME", QFile::encodeName(work.path() + QStringLiteral("/state"))); // the job's journals
  std::printf("%-34s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : counts) {
    auto prefix = [](int i) { return QStringLiteral("x_") + QString::fromLatin1(NameOf(i)); };
    // Chain: every file takes the name of the next one, the last a new name.
    auto chain = [count](int i) {
      return i + 1 < count ? QString::fromLatin1(NameOf(i + 1)) : QStringLiteral("x_last");
    };
    const double run = TimedRun(work.path(), count, prefix, false);
    const double journaled = TimedRun(work.path(), count, prefix, true);
    const double chained = TimedRun(work.path(), count, chain, false);
    std::vector<QByteArray> from(count), to(count);
    for (int i = 0; i < count; ++i) {
      from[i] = "/f/" + NameOf(i);
      to[i] = "/f/x_" + NameOf(i);
    }
    const double order = MedianMs([&] { (void)OrderRenames(from, to); });
    // The job with both, beside the same job run with both switched off.
    const double job = TimedCliJob(work.path(), count, false);
    const double without = TimedCliJob(work.path(), count, true);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "CLI job / without order+journal", count, without, job,
                job / without);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "ordering the plan / run", count, run, order, order / run);
    const double journalAlone = TimedJournal(work.path(), from, to);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "journal of the plan alone / run", count, run,
                journalAlone, journalAlone / run);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "run with journal / without", count, run, journaled,
                journaled / run);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "one long chain / x_ prefix", count, run, chained,
                chained / run);

    Folder f = MakeFiles(work.path(), count);
    RenameOptions options;
    options.opInsertBefore = true;
    options.tInsertBefore = QStringLiteral("x_");
    Preview preview;
    RefreshRunState state;
    const double refresh = MedianProcessorMs([&] {
      UpdateAll({options, f.entries, QFile::decodeName(f.path), nullptr, nullptr}, preview, state);
    });
    const double check =
        MedianProcessorMs([&] { (void)CheckConflicts(options, f.entries, preview.lZelvoList); });
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "conflict check / UpdateAll", count, refresh, check,
                check / refresh);
  }
  return 0;
}
