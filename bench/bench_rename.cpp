// Times the rename run over freshly made files ("x_" before every name) beside a bare loop of
// renameat2(RENAME_NOREPLACE) over the same names, made afresh, in the same run.
// Usage: bench_rename [FOLDER [COUNTS...]]   (default: the temporary folder, 10000 100000)
#include "engine/rename_run.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRepeats = 3;

QByteArray NameOf(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "file_%07d.dat", i);
  return name;
}

// Makes count empty files in a new folder below base; returns the folder with a final "/".
QByteArray MakeFiles(const QString &base, int count, const char *label) {
  const QByteArray folder = QFile::encodeName(base) + '/' + label + '/';
  QDir().mkpath(QFile::decodeName(folder));
  for (int i = 0; i < count; ++i) {
    const int fd = ::open((folder + NameOf(i)).constData(), O_CREAT | O_WRONLY | O_EXCL, 0644);
    if (fd < 0) {
      std::perror("open");
      std::exit(1);
    }
    ::close(fd);
  }
  ::sync(); // start the timed part with the journal written out, the same for both sides
  return folder;
}

void RemoveFolder(const QByteArray &folder) {
  QDir(QFile::decodeName(folder)).removeRecursively();
}

double RunCore(const QString &base, int count) {
  const QByteArray folder = MakeFiles(base, count, "core");
  const QString shownFolder = QFile::decodeName(folder);
  std::vector<FileListEntry> entries(count);
  QStringList lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) {
    FileListEntry &e = entries[i];
    const QByteArray name = NameOf(i);
    e.Caption = QString::fromLatin1(name);
    e.SubItems[SubFolder] = shownFolder;
    e.SubItems[SubFullPath] = shownFolder + e.Caption;
    e.SubItems[SubKind] = QStringLiteral("file");
    e.NativePath = folder + name;
    lines.append(QStringLiteral("x_") + e.Caption);
  }
  RenameOptions options;
  options.opInsertBefore = true;
  options.tInsertBefore = QStringLiteral("x_");
  QElapsedTimer timer;
  timer.start();
  const RenameRunResult result = RenameAllEntries(options, entries, lines);
  const double ms = timer.nsecsElapsed() / 1e6;
  if (!result.errors.isEmpty() || result.undo.size() != count) {
    std::fprintf(stderr, "rename run: %lld failures\n", static_cast<long long>(result.errors.size()));
    std::exit(1);
  }
  RemoveFolder(folder);
  return ms;
}

double RunBaseline(const QString &base, int count) {
  const QByteArray folder = MakeFiles(base, count, "baseline");
  std::vector<QByteArray> from(count), to(count);
  for (int i = 0; i < count; ++i) {
    from[i] = folder + NameOf(i);
    to[i] = folder + "x_" + NameOf(i);
  }
  QElapsedTimer timer;
  timer.start();
  int failed = 0;
  for (int i = 0; i < count; ++i)
    failed += ::renameat2(AT_FDCWD, from[i].constData(), AT_FDCWD, to[i].constData(), RENAME_NOREPLACE) != 0;
  const double ms = timer.nsecsElapsed() / 1e6;
  if (failed) {
    std::fprintf(stderr, "baseline: %d failures\n", failed);
    std::exit(1);
  }
  RemoveFolder(folder);
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
  std::vector<int> counts;
  for (int i = 2; i < argc; ++i)
    counts.push_back(std::atoi(argv[i]));
  if (counts.empty())
    counts = {10000, 100000};
  QTemporaryDir work(base + QStringLiteral("/bench_rename-XXXXXX"));
  if (!work.isValid()) {
    std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
    return 1;
  }
  std::printf("%-28s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : counts) {
    std::vector<double> core, baseline;
    for (int r = 0; r < kRepeats; ++r) {
      // Alternate which goes first, so that neither always meets a warmer or fuller cache.
      if (r % 2 == 0) {
        core.push_back(RunCore(work.path(), count));
        baseline.push_back(RunBaseline(work.path(), count));
      } else {
        baseline.push_back(RunBaseline(work.path(), count));
        core.push_back(RunCore(work.path(), count));
      }
    }
    const double c = Median(core), b = Median(baseline);
    std::printf("%-28s %8d %12.2f %12.2f %8.2f\n", "rename run, insert before", count, b, c, c / b);
    std::fflush(stdout);
  }
  return 0;
}
