// A refresh that replaces by regular expression beside the same refresh replacing plain text, and a
// refresh that makes names unique beside the same refresh without, on a folder listed by the file
// list as the window lists it, whose names the listing read are kept as the window keeps them
// (processor time, rounds interleaved so that a drifting machine moves both figures alike).
// Usage: bench_patterns [FOLDER [COUNTS...]]   (default: /dev/shm, 10000 100000)
#include "bench_timing.h"
#include "engine/folder_names.h"
#include "engine/option_fields.h"
#include "engine/preview.h"
#include "engine/unique_names.h"
#include "explorer/file_list_view.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

RenameOptions With(std::initializer_list<std::pair<const char *, const char *>> settings) {
  RenameOptions o;
  for (auto [field, value] : settings)
    (void)SetOptionFromText(o, QString::fromLatin1(field), QString::fromUtf8(value));
  return o;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The medians of a and b over interleaved rounds, each first in every other round.
std::pair<double, double> Compare(const RefreshSources &a, const RefreshSources &b, int rounds = 15) {
  Preview pa, pb;
  RefreshRunState state;
  std::vector<double> ta, tb;
  auto timeA = [&] { ta.push_back(MedianProcessorMs([&] { (void)UpdateAll(a, pa, state); }, 1)); };
  auto timeB = [&] { tb.push_back(MedianProcessorMs([&] { (void)UpdateAll(b, pb, state); }, 1)); };
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) {
      timeA();
      timeB();
    } else {
      timeB();
      timeA();
    }
  }
  return {Median(ta), Median(tb)};
}

void Row(const char *label, int count, std::pair<double, double> times) {
  std::printf("%-34s %8d %12.2f %12.2f %8.2f\n", label, count, times.first, times.second,
              times.second / times.first);
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/dev/shm");
  std::vector<int> counts;
  for (int i = 2; i < argc; ++i)
    counts.push_back(std::atoi(argv[i]));
  if (counts.empty())
    counts = {10000, 100000};

  const RenameOptions plain = With({{"opReplaceText", "1"}, {"tReplaceText", "_"}, {"tReplaceTextNew", " "}});
  const RenameOptions pattern = With({{"opReplaceText", "1"},
                                      {"opRegularExpression", "1"},
                                      {"tReplaceText", R"(^(\d{4})(\d\d)(\d\d)_)"},
                                      {"tReplaceTextNew", "$1-$2-$3 "}});
  RenameOptions plainUnique = plain, patternUnique = pattern;
  plainUnique.cMakeNamesUnique = patternUnique.cMakeNamesUnique = true;
  // Every name the same: all but one line get a counter.
  const RenameOptions same = With({{"opReplace", "1"}, {"tChangeFilename", "same"}});
  RenameOptions sameUnique = same;
  sameUnique.cMakeNamesUnique = true;

  std::printf("%-34s %8s %12s %12s %8s\n", "benchmark", "entries", "baseline ms", "ms", "ratio");
  for (int count : counts) {
    QTemporaryDir dir(base + QStringLiteral("/bench_patterns-XXXXXX"));
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    for (int i = 0; i < count; ++i) {
      char name[48];
      std::snprintf(name, sizeof name, "2024%02d%02d_%06d.jpg", 1 + i % 12, 1 + i % 28, i);
      ::close(::open((folder + name).constData(), O_CREAT | O_WRONLY | O_EXCL, 0644));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2100)); // the folder has settled
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    // As in the window: the names the listing read are kept for the refreshes that follow.
    FolderNameCache known;
    known.Offer(list.TakeFolderSnapshots());
    auto sources = [&](const RenameOptions &o) {
      RefreshSources s{o, list.Entries(), list.Directory(), nullptr, nullptr};
      s.folderNames = &known;
      return s;
    };
    Row("pattern vs plain replacement", count, Compare(sources(plain), sources(pattern)));
    Row("unique names, plain replacement", count, Compare(sources(plain), sources(plainUnique)));
    Row("unique names, pattern", count, Compare(sources(pattern), sources(patternUnique)));
    Row("unique names, every name the same", count, Compare(sources(same), sources(sameUnique), 5));
    // The pass alone, on the lines of the plain refresh (which it leaves as they are).
    Preview made;
    RefreshRunState state;
    (void)UpdateAll(sources(plain), made, state);
    const double refresh = MedianProcessorMs([&] { (void)UpdateAll(sources(plain), made, state); });
    Row("unique pass alone", count, {refresh, MedianProcessorMs([&] {
                                       (void)MakeNamesUnique(plainUnique, list.Entries(), made.lZelvoList,
                                                             SystemFileSystemCalls(), &known);
                                     })});
  }
  return 0;
}
