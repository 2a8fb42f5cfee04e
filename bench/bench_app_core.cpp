// Times a key typed into tInsertBefore through the application core (option change, refresh, preview
// model reset) beside a bare refresh of the same entries, and the loading of an options file.
#include "app/app_core.h"

#include "bench_timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentDialogs : public DialogHook {
public:
  bool Confirm(const QString &) override { return false; }
  void ShowError(const QString &message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
  void ShowInformation(const QString &) override {}
  std::optional<QString> ChooseSaveFile(const FileChoice &) override { return std::nullopt; }
  std::optional<QString> ChooseOpenFile(const FileChoice &) override { return path; }
  QString path;
};

bool MakeFiles(const QString &folder, int count) {
  for (int i = 0; i < count; ++i) {
    QFile f(folder + QStringLiteral("/IMG_%1 holiday.jpg").arg(i, 6, 10, QLatin1Char('0')));
    if (!f.open(QIODevice::WriteOnly))
      return false;
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  std::printf("%-34s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : {10000, 100000}) {
    QTemporaryDir dir;
    if (!MakeFiles(dir.path(), count))
      return 1;
    SilentDialogs dialogs;
    AppCore core(dialogs);
    core.FileList().SetDirectory(dir.path());
    core.SetFlag(u"opInsertBefore", true);

    const double bare = MedianMs([&] { (void)core.Session().UpdateAll(); });
    QString typed;
    const double key = MedianMs([&] {
      typed += QLatin1Char('a' + typed.size() % 26);
      core.SetText(u"tInsertBefore", typed);
    });
    std::printf("%-34s %8d %12.2f %12.2f %8.2f\n", "key in tInsertBefore", count, bare, key, key / bare);

    dialogs.path = dir.filePath(QStringLiteral("options.ini"));
    QFile ini(dialogs.path);
    if (!ini.open(QIODevice::WriteOnly))
      return 1;
    ini.write("[Filename]\nCase 2=1\nInsert Before=1\nInsert Before text=\"x_\"\n[Autonumber]\n"
              "Before Filename=1\nZeroFill=4\n");
    ini.close();
    const int before = core.RefreshCount();
    const double load = MedianMs([&] { core.mOpenZROptionsClick(); }, 5);
    const int refreshes = core.RefreshCount() - before;
    // Beside a bare refresh with the options the file holds.
    const double loadedBare = MedianMs([&] { (void)core.Session().UpdateAll(); });
    std::printf("%-34s %8d %12.2f %12.2f %8.2f   (%d refreshes in 5 loads)\n", "load options file", count,
                loadedBare, load, load / loadedBare, refreshes);
  }
  return 0;
}
