// List view benchmark: a folder opened in the file list widget (listing, sort, first paint) and
// scrolled from top to bottom, beside Reload of the list model alone, measured in the same run.
// Times are this thread's processor time (the machine may be busy with other work); the paints
// also show the elapsed time.
#include "bench_timing.h"
#include "explorer/file_list_view.h"
#include "ui/file_list_widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void MakeFiles(const QByteArray &folder, int count) {
  for (int i = 0; i < count; ++i) {
    char name[96];
    // Names in a shuffled order, several extensions: the sort and the icons have work to do.
    std::snprintf(name, sizeof name, "%s/holiday %06d.%s", folder.constData(), (i * 7919) % count,
                  i % 3 == 0   ? "jpg"
                  : i % 3 == 1 ? "txt"
                               : "mp3");
    const int fd = ::open(name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0)
      ::close(fd);
  }
}

// This thread's processor time in ms: what a paint costs, whatever else the machine runs.
double CpuMs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// The median processor time of several runs of one piece of work.
template <typename F> double MedianCpuMs(F &&run, int repeats) {
  std::vector<double> times;
  for (int r = 0; r < repeats; ++r) {
    const double start = CpuMs();
    run();
    times.push_back(CpuMs() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::printf("%-34s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : {10000, 100000}) {
    QTemporaryDir big;
    MakeFiles(QFile::encodeName(big.path()), count);

    // Baseline: the model alone.
    TZelvoRenameFileListView alone;
    alone.SetDirectory(big.path()); // warms the type database
    const double reload = MedianCpuMs([&] { alone.Reload(); }, 5);

    // The same folder in a shown widget: listing, sort by name and the first paint.
    TZelvoRenameFileListView list;
    TZelvoRenameFileListWidget view(list);
    view.resize(1000, 700);
    view.show();
    // Every paint draws the whole widget into one picture, as the screen would show it.
    QImage screen(view.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&] { view.render(&screen); };
    list.SetDirectory(big.path());
    if (list.Count() != count) {
      std::fprintf(stderr, "listed %d entries instead of %d\n", list.Count(), count);
      return 1;
    }
    const double open = MedianCpuMs(
        [&] {
          list.Reload();
          paint();
        },
        5);
    std::printf("%-34s %8d %12.2f %12.2f %8.2f\n", "open in view (reload+paint)", count, reload, open,
                open / reload);

    // Sorting by size (and back) with the view attached, against the model alone.
    const double sortAlone = MedianCpuMs([&] { alone.SortByColumn(2); }, 6);
    const double sortView = MedianCpuMs(
        [&] {
          list.SortByColumn(2);
          paint();
        },
        6);
    std::printf("%-34s %8d %12.2f %12.2f %8.2f\n", "sort by size in view (+paint)", count, sortAlone,
                sortView, sortView / sortAlone);

    // One paint of a full page, and a scroll from top to bottom a page at a time.
    const double fullPaint = MedianMs(paint, 9);
    std::vector<double> paintCpu;
    for (int r = 0; r < 9; ++r) {
      const double start = CpuMs();
      paint();
      paintCpu.push_back(CpuMs() - start);
    }
    std::sort(paintCpu.begin(), paintCpu.end());
    QScrollBar *bar = view.verticalScrollBar();
    bar->setValue(0);
    std::vector<double> steps, stepsCpu;
    for (int value = 0; value < bar->maximum();) {
      value = std::min(bar->maximum(), value + bar->pageStep());
      QElapsedTimer t;
      t.start();
      const double start = CpuMs();
      bar->setValue(value);
      paint();
      stepsCpu.push_back(CpuMs() - start);
      steps.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(steps.begin(), steps.end());
    std::sort(stepsCpu.begin(), stepsCpu.end());
    const auto worst = [](const std::vector<double> &v) { return v.empty() ? 0.0 : v.back(); };
    const auto median = [](const std::vector<double> &v) { return v.empty() ? 0.0 : v[v.size() / 2]; };
    std::printf("%-34s %8d %12s %12.2f   (processor time: median %.2f, worst %.2f)\n", "  one full paint",
                count, "", fullPaint, median(paintCpu), worst(paintCpu));
    std::printf("%-34s %8d %12s %12.2f   (%zu steps, median %.2f; processor time: median %.2f, worst %.2f)\n",
                "  scroll step, worst", count, "", worst(steps), steps.size(), median(steps),
                median(stepsCpu), worst(stepsCpu));
  }
  return 0;
}
