// Drives the real main window offscreen: keys typed into tInsertBefore over folders of 10,000 and
// 100,000 files, timed from the key to the preview model updated and the list repainted (also with
// both lists scrolled half way); loading an options file; beside a bare refresh of the same entries
// in the same run; peak memory per entry.
#include "app/app_core.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include "bench_timing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

class BenchDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &message) override {
    std::fprintf(stderr, "error: %s\n", qPrintable(message));
  }
  void ShowInformation(const QString &) override {}
  std::optional<QString> ChooseSaveFile(const FileChoice &) override { return std::nullopt; }
  std::optional<QString> ChooseOpenFile(const FileChoice &) override { return openPath; }
  void RunModal(QDialog &) override {}
  QString openPath;
};

// A value of /proc/self/status in KiB ("VmHWM", "VmRSS").
long StatusKiB(const char *key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith(key))
      return line.mid(qstrlen(key) + 1).trimmed().split(' ').first().toLong();
  return -1;
}

void MakeFiles(const QString &folder, int count) {
  static const char *stems[] = {"IMG_%1 holiday photo", "track %1 - the artist", "report_final_v%1",
                                "scan%1"};
  static const char *extensions[] = {"jpg", "mp3", "txt", "png"};
  for (int i = 0; i < count; ++i) {
    const QString name = QString::fromLatin1(stems[i % 4]).arg(i) + u'.' + QLatin1String(extensions[i % 4]);
    const int fd = ::open(QFile::encodeName(folder + u'/' + name).constData(), O_CREAT | O_WRONLY, 0644);
    if (fd >= 0)
      ::close(fd);
  }
}

void TypeKey(QWidget *field, QChar key) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(key));
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(key));
  QApplication::sendEvent(field, &press);
  QApplication::sendEvent(field, &release);
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The windows keep their preferences here, not in the user's settings.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication app(argc, argv);
  std::printf("%-34s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : {10000, 100000}) {
    QTemporaryDir dir;
    MakeFiles(dir.path(), count);
    const long rssBefore = StatusKiB("VmRSS:");
    BenchDialogs dialogs;
    TfZelvoRename window(&dialogs);
    window.resize(800, 600);
    window.show();
    window.OpenFolder(dir.path());
    QApplication::processEvents();
    AppCore &core = window.Core();
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("tInsertBefore"));
    auto *preview = window.findChild<QListView *>(QStringLiteral("lZelvoList"));
    window.findChild<QCheckBox *>(QStringLiteral("opInsertBefore"))->setChecked(true);

    const double bare = MedianMs([&] { (void)core.Session().UpdateAll(); });
    int typed = 0;
    const int refreshesBeforeKeys = core.RefreshCount();
    const double perKey = MedianMs(
        [&] {
          TypeKey(field, QChar(u'a' + typed++ % 26));
          preview->viewport()->repaint();
        },
        9);
    std::printf("%-34s %8d %12.2f %12.2f %8.2f   (%d refreshes for 9 keys; first line \"%s\")\n",
                "key in tInsertBefore, repainted", count, bare, perKey, perKey / bare,
                core.RefreshCount() - refreshesBeforeKeys, qPrintable(core.PreviewList().Lines().value(0)));

    // The same keys with the file list scrolled half way down: the preview keeps its place beside it.
    auto *list = window.findChild<QAbstractItemView *>(QStringLiteral("DirView1"));
    list->verticalScrollBar()->setValue(count / 2);
    QApplication::processEvents();
    const double perKeyScrolled = MedianMs(
        [&] {
          TypeKey(field, QChar(u'a' + typed++ % 26));
          preview->viewport()->repaint();
        },
        9);
    std::printf("%-34s %8d %12.2f %12.2f %8.2f   (first rows %d and %d)\n", "key, lists scrolled half way",
                count, bare, perKeyScrolled, perKeyScrolled / bare, preview->indexAt(QPoint(1, 1)).row(),
                list->indexAt(QPoint(1, 1)).row());

    QFile options(QDir(dir.path()).filePath(QStringLiteral("bench.ini")));
    if (options.open(QIODevice::WriteOnly))
      options.write("[Filename]\r\nInsert Before=1\r\nInsert Before text=\"new_\"\r\nCase 2=1\r\n"
                    "[Autonumber]\r\nBefore Filename=1\r\nZeroFill=4\r\n");
    options.close();
    dialogs.openPath = options.fileName();
    const int refreshesBefore = core.RefreshCount();
    QElapsedTimer timer;
    timer.start();
    core.mOpenZROptionsClick();
    preview->viewport()->repaint();
    const double load = timer.nsecsElapsed() / 1e6;
    std::printf("%-34s %8d %12.2f %12.2f %8.2f   (%d refreshes)\n", "options file loaded", count, bare, load,
                load / bare, core.RefreshCount() - refreshesBefore);

    const long peak = StatusKiB("VmHWM:");
    std::printf("%-34s %8d %12ld %12ld %8.2f   (KiB before, KiB peak; KiB per entry over the start)\n",
                "memory, listed and previewed", count, rssBefore, peak, double(peak - rssBefore) / count);
  }
  return 0;
}
