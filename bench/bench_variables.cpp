// Times refreshes of the preview with variables: name, date and number variables over synthetic
// entries, and the picture variable over small JPEG files on disk, each beside the plain refresh.
#include "engine/option_fields.h"
#include "engine/preview.h"
#include "variables/image_readers.h"
#include "variables/variable_expander.h"

#include "bench_timing.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

FileListEntry Entry(const QString &folder, const QString &caption, const QString &extension, int i) {
  FileListEntry e;
  e.Caption = caption;
  e.SubItems[SubFolder] = folder;
  e.SubItems[SubSize] = QString::number(1000 + i * 37);
  e.SubItems[SubType] = QStringLiteral("File");
  e.SubItems[SubExtension] = extension;
  const QString date = QStringLiteral("%1/%2/20%3 %4:%5")
                           .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                           .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                           .arg(i % 25, 2, 10, QLatin1Char('0'))
                           .arg(i % 24, 2, 10, QLatin1Char('0'))
                           .arg(i % 60, 2, 10, QLatin1Char('0'));
  e.SubItems[SubCreated] = e.SubItems[SubModified] = e.SubItems[SubAccessed] = date;
  e.SubItems[SubAttributes] = QStringLiteral("A");
  e.SubItems[SubFullPath] = folder + caption;
  e.SubItems[SubKind] = QStringLiteral("file");
  return e;
}

std::vector<FileListEntry> SyntheticEntries(int count) {
  static const char *extensions[] = {"jpg", "mp3", "txt", "PDF", "gz", "png"};
  std::vector<FileListEntry> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    const QString ext = QLatin1String(extensions[i % 6]);
    entries.push_back(Entry(QStringLiteral("/home/user/pictures/"),
                            QStringLiteral("IMG_%1 holiday photo.").arg(i) + ext, ext, i));
  }
  return entries;
}

QByteArray SmallJpeg(int width, int height) {
  QByteArray b("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
  b += QByteArray("\xff\xc0\x00\x11\x08", 5);
  b += char(height >> 8);
  b += char(height & 0xff);
  b += char(width >> 8);
  b += char(width & 0xff);
  b += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
  b += QByteArray(600, '\x11'); // scan data of a small picture
  return b + QByteArray("\xff\xd9", 2);
}

RenameOptions OptionsWith(const char *flag, const char *field, const char *text) {
  RenameOptions o;
  SetOptionFromText(o, QString::fromLatin1(flag), QStringLiteral("1"));
  SetOptionFromText(o, QString::fromLatin1(field), QString::fromLatin1(text));
  return o;
}

double Refresh(const RenameOptions &options, const std::vector<FileListEntry> &entries,
               TextExpansion *expansion, const QString &folder, int repeats = 7) {
  Preview preview;
  RefreshRunState state;
  return MedianMs(
      [&] {
        UpdateAll({options, entries, folder, expansion, nullptr}, preview, state);
      },
      repeats);
}

} // namespace

int main() {
  const RenameOptions plain;
  VariableExpander expander;
  expander.SetSeed(1);

  std::printf("%-44s %8s %12s %12s %12s\n", "benchmark", "entries", "plain ms", "ms", "us/entry");

  // Name, date and number variables: no file is read.
  {
    const int count = 10000;
    const std::vector<FileListEntry> entries = SyntheticEntries(count);
    const RenameOptions dated = OptionsWith("opInsertBefore", "tInsertBefore", "\\1N_\\7D-\\7M-\\7Y2_\\NH4");
    const double base = Refresh(plain, entries, &expander, QStringLiteral("/home/user/pictures/"));
    const double ms = Refresh(dated, entries, &expander, QStringLiteral("/home/user/pictures/"));
    std::printf("%-44s %8d %12.2f %12.2f %12.3f\n", "\\1N_\\7D-\\7M-\\7Y2_\\NH4 before the name", count, base,
                ms, ms * 1000 / count);
  }

  // The picture variable: one header read per file and refresh.
  {
    const int count = 10000;
    QTemporaryDir dir;
    if (!dir.isValid())
      return 1;
    const QString folder = dir.path() + QLatin1Char('/');
    std::vector<FileListEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
      const QString caption = QStringLiteral("photo%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
      QFile f(folder + caption);
      const QByteArray bytes = SmallJpeg(640 + i % 100, 480);
      if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return 1;
      entries.push_back(Entry(folder, caption, QStringLiteral("jpg"), i));
      entries.back().NativePath = QFile::encodeName(folder + caption);
    }
    const RenameOptions picture = OptionsWith("opInsertAfter", "tInsertAfter", "\\G");
    const double base = Refresh(plain, entries, &expander, folder);
    const double ms = Refresh(picture, entries, &expander, folder);
    // The reads alone: the same header read for every file, without a refresh around it.
    const double reads = MedianMs([&] {
      for (const FileListEntry &e : entries)
        ReadJpegHeader(e.NativePath);
    });
    std::printf("%-44s %8d %12.2f %12.2f %12.3f\n", "\\G after the name, small JPEG files", count, base, ms,
                ms * 1000 / count);
    std::printf("%-44s %8d %12s %12.2f %12.3f\n", "  header reads alone (ReadJpegHeader)", count, "", reads,
                reads * 1000 / count);
  }
  return 0;
}
