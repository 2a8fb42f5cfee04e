// The conflict check the window runs on every refresh, beside the refresh itself, on a folder listed
// by the file list as the window lists it: the refresh that keys its lines for the check, and the
// check from those keys, against the refresh that does not (all in processor time). The folder is
// left alone for a while first, so that the check keeps what it read of it, as it does while typing.
// Last, a renumbering, whose names are held by other files of the run (from the lines).
// Usage: bench_conflict_check [FOLDER [COUNTS...]]   (default: /dev/shm, 10000 100000)
#include "bench_timing.h"
#include "engine/preview.h"
#include "engine/rename_conflicts.h"
#include "explorer/file_list_view.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/dev/shm");
  std::vector<int> counts;
  for (int i = 2; i < argc; ++i)
    counts.push_back(std::atoi(argv[i]));
  if (counts.empty())
    counts = {10000, 100000};
  std::printf("%-34s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : counts) {
    QTemporaryDir dir(base + QStringLiteral("/bench_conflict_check-XXXXXX"));
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    for (int i = 0; i < count; ++i) {
      char name[48];
      std::snprintf(name, sizeof name, "IMG_%06d.jpg", i);
      ::close(::open((folder + name).constData(), O_CREAT | O_WRONLY | O_EXCL, 0644));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2100)); // the folder has settled
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    RenameOptions options;
    options.opInsertBefore = true;
    options.tInsertBefore = QStringLiteral("x_");
    RefreshRunState state;
    Preview plain, keyed;
    RefreshSources plainSources{options, list.Entries(), list.Directory(), nullptr, nullptr};
    RefreshSources keyedSources = plainSources;
    keyedSources.keyLines = true;
    FolderNameCache kept;
    (void)UpdateAll(keyedSources, keyed, state);
    (void)CheckConflicts(options, list.Entries(), keyed, kept);
    // Round by round, so that a machine that drifts meanwhile moves all the figures alike, and each
    // refresh first in every other round (the second refresh of a round frees and makes its lines
    // in memory the first has just used).
    std::vector<double> plainTimes, keyedTimes, checkTimes, lineTimes;
    auto timePlain = [&] {
      plainTimes.push_back(MedianProcessorMs([&] { (void)UpdateAll(plainSources, plain, state); }, 1));
    };
    auto timeKeyed = [&] {
      keyedTimes.push_back(MedianProcessorMs([&] { (void)UpdateAll(keyedSources, keyed, state); }, 1));
    };
    for (int round = 0; round < 40; ++round) {
      if (round % 2 == 0) {
        timePlain();
        timeKeyed();
      } else {
        timeKeyed();
        timePlain();
      }
      checkTimes.push_back(
          MedianProcessorMs([&] { (void)CheckConflicts(options, list.Entries(), keyed, kept); }, 1));
      lineTimes.push_back(MedianProcessorMs(
          [&] { (void)CheckConflicts(options, list.Entries(), plain.lZelvoList, kept); }, 1));
    }
    auto median = [](std::vector<double> v) {
      std::sort(v.begin(), v.end());
      return v[v.size() / 2];
    };
    // What keying adds, from two rounds at a time: one with each refresh first.
    std::vector<double> added;
    for (size_t r = 0; r + 1 < plainTimes.size(); r += 2)
      added.push_back((keyedTimes[r] - plainTimes[r] + keyedTimes[r + 1] - plainTimes[r + 1]) / 2);
    const double refresh = median(plainTimes);
    const double check = median(checkTimes), fromLines = median(lineTimes);
    const double keys = median(added);
    auto row = [&](const char *what, double ms) {
      std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", what, count, refresh, ms, ms / refresh);
    };
    row("keys in the refresh / UpdateAll", keys);
    row("check from keys / UpdateAll", check);
    row("keys + check / UpdateAll", keys + check);
    row("check from lines / UpdateAll", fromLines);

    // Renumbered one up: every new name is held by the next file, a chain the check follows from
    // the lines.
    RenameOptions renumber;
    renumber.opReplace = true;
    renumber.tChangeFilename = QStringLiteral("IMG_");
    renumber.opANoChanges = false;
    renumber.opAAfterFilename = true;
    renumber.tStartAt = QStringLiteral("1");
    renumber.tZeroFill = QStringLiteral("5"); // zeros before the number: six digits
    RefreshSources chainSources{renumber, list.Entries(), list.Directory(), nullptr, nullptr};
    chainSources.keyLines = true;
    const double chainRefresh = MedianProcessorMs([&] { (void)UpdateAll(chainSources, keyed, state); }, 9);
    const ConflictReport chain = CheckConflicts(renumber, list.Entries(), keyed, kept);
    if (chain.failing != 0 || chain.lines.empty() || chain.lines.front() != LineConflict::None)
      std::fprintf(stderr, "the renumbering was not seen as a chain\n");
    const double chainCheck =
        MedianProcessorMs([&] { (void)CheckConflicts(renumber, list.Entries(), keyed, kept); }, 9);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "chain check / UpdateAll", count, chainRefresh, chainCheck,
                chainCheck / chainRefresh);
  }
  return 0;
}
