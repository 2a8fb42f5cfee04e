// Folder tree benchmark: expanding a node with many subfolders, in the model alone and in the tree
// widget up to its first paint, against a bare readdir of that folder.
#include "bench_timing.h"
#include "ui/folder_tree_view.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>

namespace {

void MakeFolders(const QByteArray &folder, int count) {
  for (int i = 0; i < count; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "%s/album %06d", folder.constData(), i);
    ::mkdir(name, 0755);
  }
}

// The least an expansion must do: read every name of the folder.
long BareReaddir(const QByteArray &folder) {
  DIR *dir = ::opendir(folder.constData());
  long names = 0;
  while (const dirent *d = ::readdir(dir))
    names += d->d_type == DT_DIR ? 1 : 0;
  ::closedir(dir);
  return names;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

constexpr int kRuns = 15;

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::printf("%-32s %8s %12s %12s %8s\n", "benchmark", "folders", "baseline ms", "ms", "ratio");
  for (int count : {10000}) {
    QTemporaryDir big;
    const QByteArray folder = QFile::encodeName(big.path());
    MakeFolders(folder, count);

    TZelvoRenameFolderTreeView view;
    view.resize(300, 240);
    view.show();
    TZelvoRenameFolderTreeModel *model = view.Model();
    view.FillDrives();
    const QModelIndex node = model->FindPath(big.path());
    if (!node.isValid()) {
      std::fprintf(stderr, "the tree does not show %s\n", folder.constData());
      return 1;
    }
    view.setCurrentIndex(node);
    volatile long sink = 0;
    const double baseline = MedianMs([&] { sink = sink + BareReaddir(folder); }, kRuns);
    std::vector<double> fetches;
    for (int r = 0; r < kRuns; ++r) {
      model->Forget(node);
      QElapsedTimer timer;
      timer.start();
      model->fetchMore(node);
      fetches.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double modelMs = Median(fetches);
    if (model->rowCount(node) != count) {
      std::fprintf(stderr, "listed %d folders instead of %d\n", model->rowCount(node), count);
      return 1;
    }
    // In the widget: expand and paint, which also looks for subfolders in the rows shown.
    std::vector<double> times;
    for (int r = 0; r < kRuns; ++r) {
      view.collapse(node);
      model->Forget(node);
      app.processEvents();
      QElapsedTimer timer;
      timer.start();
      view.expand(node);
      view.scrollTo(model->index(0, 0, node), QAbstractItemView::PositionAtTop);
      view.viewport()->repaint();
      times.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double viewMs = Median(times);
    std::printf("%-32s %8d %12.2f %12.2f %8.2f\n", "fetchMore of the node", count, baseline, modelMs,
                modelMs / baseline);
    std::printf("%-32s %8d %12.2f %12.2f %8.2f\n", "expand in the tree + first paint", count, baseline,
                viewMs, viewMs / baseline);
    std::printf("%-32s %8d %12s %12d\n", "  subfolder checks (all runs)", count, "",
                model->SubfolderChecks());
  }
  return 0;
}
