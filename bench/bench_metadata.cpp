// Times the photo and music metadata readers and their variables on 10,000 generated photos and 10,000
// generated MP3 files, beside opening, reading 64 KB and closing the same files in the same run.
#include "variables/media/music_metadata.h"
#include "variables/media/photo_metadata.h"
#include "variables/support_metadata_files.h"
#include "variables/variable_expander.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

using namespace metadata_test;

namespace {

constexpr int kFiles = 10000;
constexpr int kRepeats = 5;

template <typename F> double MedianUsPerFile(F &&run) {
  std::vector<double> times;
  for (int r = 0; r < kRepeats; ++r) {
    QElapsedTimer timer;
    timer.start();
    run();
    times.push_back(double(timer.nsecsElapsed()) / kFiles / 1000);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

QByteArray ReadAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A camera-like photo: a 1024x768 picture of noise (about 100 KB or more), Exif first, no JFIF.
QByteArray Photo(const QString &scratch) {
  QImage image(1024, 768, QImage::Format_RGB32);
  QRandomGenerator random(7);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, random.bounded(1u << 24) & 0x3f3f3f);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "jpeg", 60);
  WriteBytes(scratch, buffer.data());
  WriteExif(scratch, {{"Exif.Photo.DateTimeOriginal", "2021:07:14 09:30:05"},
                      {"Exif.Photo.DateTimeDigitized", "2021:07:14 09:30:05"},
                      {"Exif.Image.DateTime", "2021:07:14 09:30:05"},
                      {"Exif.Image.Make", "Canon"},
                      {"Exif.Image.Model", "Canon EOS 5D"},
                      {"Exif.Photo.ExposureTime", "1/125"},
                      {"Exif.Photo.FNumber", "56/10"},
                      {"Exif.Photo.ISOSpeedRatings", "200"},
                      {"Exif.Photo.FocalLength", "50/1"}});
  return WithoutJfif(ReadAll(scratch));
}

// An MP3 of 250 frames (about 100 KB) with an ID3 version 2 tag only.
QByteArray Song(const QString &scratch) {
  WriteBytes(scratch, Mp3Frames().repeated(9));
  WriteId3v2(scratch, {"A Song Title", "The Band", "The Album", "Rock", 1999, 7});
  return ReadAll(scratch);
}

struct Files {
  QStringList paths;
  std::vector<QByteArray> native;
  std::vector<FileListEntry> entries;
};

Files Copies(const QDir &folder, const QString &pattern, const QByteArray &bytes) {
  Files files;
  for (int i = 0; i < kFiles; ++i) {
    const QString name = pattern.arg(i, 5, 10, QLatin1Char('0'));
    const QString path = folder.filePath(name);
    if (!WriteBytes(path, bytes))
      qFatal("cannot write %s", qPrintable(path));
    files.paths << path;
    files.native.push_back(QFile::encodeName(path));
    FileListEntry e;
    e.Caption = name;
    e.SubItems[SubFolder] = folder.path() + QLatin1Char('/');
    e.SubItems[SubExtension] = name.section(QLatin1Char('.'), -1);
    e.SubItems[SubFullPath] = path;
    files.entries.push_back(e);
  }
  return files;
}

quint64 g_checksum = 0;

double Baseline(const Files &files) {
  return MedianUsPerFile([&] {
    static char buffer[65536];
    for (const QByteArray &native : files.native) {
      const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
      if (fd >= 0) {
        g_checksum += quint64(::read(fd, buffer, sizeof buffer));
        ::close(fd);
      }
    }
  });
}

// One refresh's expansions of the text for every file: with a fresh expander each run (every file
// read), or with one expander whose metadata was kept from an earlier refresh (files unchanged).
double Expansions(const Files &files, const QString &text, const QString &expected, bool kept) {
  RenameOptions options;
  RefreshRunState state;
  VariableExpander keeper;
  int wrong = 0;
  const auto refresh = [&](VariableExpander &expander) {
    for (const FileListEntry &entry : files.entries) {
      ExpansionContext context{options, state, 0, QString()};
      wrong += expander.WriteTextExtended(entry, text, context) != expected;
    }
  };
  if (kept)
    refresh(keeper);
  const double us = MedianUsPerFile([&] {
    if (kept) {
      refresh(keeper);
    } else {
      VariableExpander fresh;
      refresh(fresh);
    }
  });
  if (wrong)
    qFatal("%s: %d names wrong", qPrintable(text), wrong);
  return us;
}

void Row(const char *what, double baseline, double us) {
  std::printf("%-42s %10.2f %10.2f %7.2fx\n", what, baseline, us, us / baseline);
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  if (!dir.isValid())
    qFatal("no temporary folder");
  QDir root(dir.path());
  root.mkdir(QStringLiteral("photos"));
  root.mkdir(QStringLiteral("music"));
  const QByteArray photo = Photo(root.filePath(QStringLiteral("scratch.jpg")));
  const QByteArray song = Song(root.filePath(QStringLiteral("scratch.mp3")));
  std::printf("photo %lld bytes, mp3 %lld bytes, %d files each, median of %d runs\n", qlonglong(photo.size()),
              qlonglong(song.size()), kFiles, kRepeats);
  const Files photos =
      Copies(QDir(root.filePath(QStringLiteral("photos"))), QStringLiteral("IMG_%1.JPG"), photo);
  const Files songs =
      Copies(QDir(root.filePath(QStringLiteral("music"))), QStringLiteral("track%1.mp3"), song);

  std::printf("%-42s %10s %10s %8s\n", "per file", "base us", "us", "ratio");
  Baseline(photos); // warm the cache
  int wrong = 0;
  const double photoBase = Baseline(photos);
  const double photoRead = MedianUsPerFile([&] {
    for (const QString &path : photos.paths)
      wrong += ReadPhotoMetadata(path).value.dateTaken != QLatin1String("20210714093005");
  });
  Row("photo reader", photoBase, photoRead);
  const QString byDate = QStringLiteral("\\PY-\\PM-\\PD_\\PH"), dated = QStringLiteral("2021-07-14_093005");
  Row("photo \\PY-\\PM-\\PD_\\PH", photoBase, Expansions(photos, byDate, dated, false));
  Row("photo \\W_\\K", photoBase,
      Expansions(photos, QStringLiteral("\\W_\\K"), QStringLiteral("1024x768_Canon EOS 5D"), false));
  Row("photo \\PY-\\PM-\\PD_\\PH, files unchanged", photoBase, Expansions(photos, byDate, dated, true));

  Baseline(songs);
  const double songBase = Baseline(songs);
  const double songRead = MedianUsPerFile([&] {
    for (const QString &path : songs.paths)
      wrong += ReadMusicTags(path).value.artist != QLatin1String("The Band");
  });
  Row("music reader", songBase, songRead);
  const QString byTag = QStringLiteral("\\MZ \\MA - \\MT"),
                tagged = QStringLiteral("07 The Band - A Song Title");
  Row("music \\MZ \\MA - \\MT", songBase, Expansions(songs, byTag, tagged, false));
  Row("music \\MZ \\MA - \\MT, files unchanged", songBase, Expansions(songs, byTag, tagged, true));
  if (wrong)
    qFatal("%d files read wrongly", wrong);
  std::printf("(checksum %llu)\n", static_cast<unsigned long long>(g_checksum));
  return 0;
}
