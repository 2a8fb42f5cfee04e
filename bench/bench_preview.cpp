// Times a refresh of the preview over synthetic entries, beside a loop that only copies the captions.
#include "engine/option_fields.h"
#include "engine/preview.h"

#include "bench_timing.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::vector<FileListEntry> SyntheticEntries(int count) {
  static const char *stems[] = {"IMG_%1 holiday photo", "Éléphant à côté %1", "track %1 - the artist",
                                "report_final_v%1",     "Ñandú en el río %1", "scan%1"};
  static const char *extensions[] = {"jpg", "mp3", "txt", "PDF", "tar.gz", "png"};
  std::vector<FileListEntry> entries(count);
  for (int i = 0; i < count; ++i) {
    FileListEntry &e = entries[i];
    e.Caption = QString::fromUtf8(stems[i % 6]).arg(i) + QLatin1Char('.') + QLatin1String(extensions[i % 6]);
    e.SubItems[SubFolder] = QStringLiteral("/home/user/pictures/");
    e.SubItems[SubFullPath] = e.SubItems[SubFolder] + e.Caption;
    e.SubItems[SubKind] = QStringLiteral("file");
  }
  return entries;
}

} // namespace

int main() {
  RenameOptions plain;
  RenameOptions busy;
  for (auto [field, value] : {std::pair{"opInsertBefore", "1"},
                              {"tInsertBefore", "new_"},
                              {"opUpperCase", "1"},
                              {"opABeforeFilename", "1"},
                              {"tZeroFill", "3"},
                              {"opNoAccents", "1"}})
    SetOptionFromText(busy, QString::fromLatin1(field), QString::fromLatin1(value));

  std::printf("%-28s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : {10000, 100000}) {
    const std::vector<FileListEntry> entries = SyntheticEntries(count);
    QStringList copy;
    const double baseline = MedianMs([&] {
      copy.clear();
      copy.reserve(count);
      for (const FileListEntry &e : entries)
        copy.append(e.Caption);
    });
    for (auto [label, options] :
         {std::pair{"preview, no option", &plain}, {"preview, four options", &busy}}) {
      Preview preview;
      RefreshRunState state;
      const double ms = MedianMs([&] {
        UpdateAll({*options, entries, QStringLiteral("/home/"), nullptr, nullptr}, preview, state);
      });
      std::printf("%-28s %8d %12.2f %12.2f %8.1f\n", label, count, baseline, ms, ms / baseline);
    }
  }
  return 0;
}
