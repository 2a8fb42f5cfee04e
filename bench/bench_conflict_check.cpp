// The conflict check the window runs on every refresh, beside the refresh itself, on a folder listed
// by the file list as the window lists it (all in processor time): the first check, from the names
// the listing read, and the checks after it while typing. The folder is left alone for a while
// first, so that the check keeps those names. Last, a renumbering, whose names are held by other
// files of the run.
// Usage: bench_conflict_check [FOLDER [COUNTS...]]   (default: /dev/shm, 10000 100000)
#include "bench_timing.h"
#include "engine/preview.h"
#include "engine/rename_conflicts.h"
#include "explorer/file_list_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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
    Preview preview;
    RefreshSources sources{options, list.Entries(), list.Directory(), nullptr, nullptr};
    (void)UpdateAll(sources, preview, state);
    FolderNameCache kept;
    kept.Offer(list.TakeFolderSnapshots());
    QElapsedTimer firstTimer;
    firstTimer.start();
    (void)CheckConflicts(options, list.Entries(), preview.lZelvoList, kept);
    const double first = firstTimer.nsecsElapsed() / 1e6;
    // Round by round, so that a machine that drifts meanwhile moves all the figures alike.
    std::vector<double> refreshTimes, checkTimes;
    for (int round = 0; round < 20; ++round) {
      refreshTimes.push_back(MedianProcessorMs([&] { (void)UpdateAll(sources, preview, state); }, 1));
      checkTimes.push_back(MedianProcessorMs(
          [&] { (void)CheckConflicts(options, list.Entries(), preview.lZelvoList, kept); }, 1));
    }
    auto median = [](std::vector<double> v) {
      std::sort(v.begin(), v.end());
      return v[v.size() / 2];
    };
    const double refresh = median(refreshTimes);
    auto row = [&](const char *what, double ms) {
      std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", what, count, refresh, ms, ms / refresh);
    };
    row("first check (listed names, wall)", first);
    row("check while typing / UpdateAll", median(checkTimes));

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
    const double chainRefresh = MedianProcessorMs([&] { (void)UpdateAll(chainSources, preview, state); }, 9);
    const ConflictReport chain = CheckConflicts(renumber, list.Entries(), preview.lZelvoList, kept);
    if (chain.failing != 0 || chain.lines.empty() || chain.lines.front() != LineConflict::None)
      std::fprintf(stderr, "the renumbering was not seen as a chain\n");
    const double chainCheck = MedianProcessorMs(
        [&] { (void)CheckConflicts(renumber, list.Entries(), preview.lZelvoList, kept); }, 9);
    std::printf("%-34s %8d %12.2f %12.2f %8.3f\n", "chain check / UpdateAll", count, chainRefresh, chainCheck,
                chainCheck / chainRefresh);
  }
  return 0;
}
