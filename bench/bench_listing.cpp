// Listing benchmark: Reload of one folder of empty files against a bare readdir + statx loop.
#include "engine/preview.h"
#include "explorer/file_list_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void MakeFiles(const QByteArray &folder, int count) {
  for (int i = 0; i < count; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "%s/holiday photo %06d.jpg", folder.constData(), i);
    const int fd = ::open(name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0)
      ::close(fd);
  }
}

// The least a listing must do: every name and its details.
long BaselineListing(const QByteArray &folder) {
  const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR *dir = ::fdopendir(::dup(dirFd));
  long total = 0;
  while (const dirent *d = ::readdir(dir)) {
    struct statx sx;
    if (::statx(dirFd, d->d_name, 0,
                STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME, &sx) == 0)
      total += long(sx.stx_size) + 1;
  }
  ::closedir(dir);
  ::close(dirFd);
  return total;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// A field of /proc/self/status in kB.
long StatusKb(const char *field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return 0;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith(field))
      return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
  return 0;
}

void ResetPeak() {
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  if (clear.open(QIODevice::WriteOnly))
    clear.write("5");
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const int runs = 5;
  std::printf("%-28s %8s %12s %12s %8s %14s\n", "benchmark", "entries", "baseline ms", "ms", "ratio",
              "peak B/entry");
  for (int count : {10000, 100000}) {
    QTemporaryDir empty, big;
    const QByteArray folder = QFile::encodeName(big.path());
    MakeFiles(folder, count);

    TZelvoRenameFileListView list;
    // Warm up: the type database is read once per process.
    list.SetDirectory(big.path());
    volatile long sink = 0;
    std::vector<double> baseline, reload;
    for (int r = 0; r < runs; ++r) {
      QElapsedTimer t;
      t.start();
      sink = sink + BaselineListing(folder);
      baseline.push_back(t.nsecsElapsed() / 1e6);
      t.start();
      list.Reload();
      reload.push_back(t.nsecsElapsed() / 1e6);
    }
    if (list.Count() != count) {
      std::fprintf(stderr, "listed %d entries instead of %d\n", list.Count(), count);
      return 1;
    }

    // Peak memory of one reload, from an empty list.
    list.SetDirectory(empty.path());
    malloc_trim(0);
    const long before = StatusKb("VmRSS:");
    ResetPeak();
    list.SetDirectory(big.path());
    const long peak = StatusKb("VmHWM:");
    const double perEntry = double(peak - before) * 1024.0 / count;

    const double b = Median(baseline), m = Median(reload);
    std::printf("%-28s %8d %12.2f %12.2f %8.2f %14.0f\n", "listing Reload", count, b, m, m / b, perEntry);
    std::printf("%-28s %8d %12.3f %12.3f %8s %14s\n", "  per entry (us)", count, b * 1000 / count,
                m * 1000 / count, "", "");

    // The listed entries feed the preview as they are.
    RenameOptions options;
    options.opInsertBefore = true;
    options.tInsertBefore = QStringLiteral("new ");
    Preview preview;
    RefreshRunState state;
    QElapsedTimer t;
    t.start();
    const QString error =
        UpdateAll(RefreshSources{options, list.Entries(), list.Directory()}, preview, state);
    const double previewMs = t.nsecsElapsed() / 1e6;
    if (!error.isEmpty() || preview.lZelvoList.size() != count ||
        preview.lZelvoList.first() != QStringLiteral("new ") + list.Entry(0).Caption) {
      std::fprintf(stderr, "the preview of the listed entries is wrong\n");
      return 1;
    }
    std::printf("%-28s %8d %12s %12.2f\n", "  UpdateAll of the listing", count, "", previewMs);
  }
  return 0;
}
