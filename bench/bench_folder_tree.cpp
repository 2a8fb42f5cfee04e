// Folder tree benchmark: expanding a node with many subfolders, in the model alone and in the tree
// widget up to its first paint, against a bare readdir of that folder.
#include "ui/folder_tree_view.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

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

// The allocator tidies the nodes Forget freed at its next larger request; make that request now, so
// that the expansion timed next does not pay for it.
void ChargeFreesToForget() {
  std::free(std::malloc(4096));
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

constexpr int kRuns = 15;

// Time this thread spent running, in and out of the kernel: on a machine shared with other work,
// the time waiting for a processor would otherwise swamp what is measured.
class CpuTimer {
public:
  void start() { m_start = Now(); }
  double elapsedMs() const { return (Now() - m_start) / 1e6; }

private:
  static double Now() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
  }
  double m_start = 0;
};

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::printf("%-32s %8s %12s %12s %8s\n", "benchmark (thread CPU time)", "folders", "baseline ms", "ms",
              "ratio");
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
    view.setFocus();
    // The three are measured in turns, so that a busy machine weighs on each alike.
    volatile long sink = 0;
    std::vector<double> baseline, listings, fetches, expands;
    for (int r = 0; r < kRuns; ++r) {
      CpuTimer timer;
      timer.start();
      sink = sink + BareReaddir(folder);
      baseline.push_back(timer.elapsedMs());

      // The platform's listing the model reads.
      timer.start();
      std::unique_ptr<FolderListing> listing = DefaultPlatform().Files->ReadFolder(folder + '/');
      listings.push_back(timer.elapsedMs());
      sink = sink + long(listing->Items.size());
      listing.reset();

      // The model alone.
      view.collapse(node);
      model->Forget(node);
      ChargeFreesToForget();
      app.processEvents();
      timer.start();
      model->fetchMore(node);
      fetches.push_back(timer.elapsedMs());
      if (model->rowCount(node) != count) {
        std::fprintf(stderr, "listed %d folders instead of %d\n", model->rowCount(node), count);
        return 1;
      }

      // In the widget, as the user does it: Right on the node, then the paint, which also looks for
      // subfolders in the rows shown.
      model->Forget(node);
      ChargeFreesToForget();
      app.processEvents();
      QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
      timer.start();
      QCoreApplication::sendEvent(&view, &right);
      view.scrollTo(model->index(0, 0, node), QAbstractItemView::PositionAtTop);
      view.viewport()->repaint();
      expands.push_back(timer.elapsedMs());
      if (!view.isExpanded(node)) {
        std::fprintf(stderr, "Right did not expand the folder\n");
        return 1;
      }
    }
    const double base = Median(baseline), listingMs = Median(listings), modelMs = Median(fetches),
                 viewMs = Median(expands);
    std::printf("%-32s %8d %12.2f %12.2f %8.2f\n", "  platform ReadFolder alone", count, base, listingMs,
                listingMs / base);
    std::printf("%-32s %8d %12.2f %12.2f %8.2f\n", "fetchMore of the node", count, base, modelMs,
                modelMs / base);
    std::printf("%-32s %8d %12.2f %12.2f %8.2f\n", "expand in the tree + first paint", count, base, viewMs,
                viewMs / base);
    std::printf("%-32s %8d %12s %12d\n", "  subfolder checks (all runs)", count, "",
                model->SubfolderChecks());
  }
  return 0;
}
