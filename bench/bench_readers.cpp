// Times each picture reader on 10,000 small files, beside opening, reading 30 bytes and closing them.
#include "variables/image_readers.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFiles = 10000;
constexpr int kRepeats = 5;

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) {
    b.append(static_cast<char>(v));
  }
  return b;
}
QByteArray Le16(int v) {
  return Bytes({v & 0xff, (v >> 8) & 0xff});
}
QByteArray Be16(int v) {
  return Bytes({(v >> 8) & 0xff, v & 0xff});
}
QByteArray Le32(int v) {
  return Le16(v & 0xffff) + Le16(v >> 16);
}
QByteArray Be32(int v) {
  return Be16(v >> 16) + Be16(v & 0xffff);
}
QByteArray Zeros(int n) {
  return QByteArray(n, '\0');
}

// A small file of the format whose picture is i pixels wide; some 60 to 130 bytes each.
QByteArray SampleFile(const QString &format, int i) {
  const int w = 1 + i % 4000;
  QByteArray b;
  if (format == QLatin1String("bmp")) {
    b = "BM" + Zeros(16) + Le32(w) + Le32(480) + Le16(1) + Le16(24) + Zeros(24);
  } else if (format == QLatin1String("gif")) {
    b = "GIF89a" + Le16(w) + Le16(200) + Bytes({247, 0, 0}) + Zeros(48);
  } else if (format == QLatin1String("tga")) {
    b = Zeros(12) + Le16(w) + Le16(200) + Bytes({32, 8}) + Zeros(46);
  } else if (format == QLatin1String("psd")) {
    b = "8BPS" + Be16(1) + Zeros(6) + Be16(3) + Be32(300) + Be32(w) + Be16(8) + Be16(3) + Zeros(38);
  } else if (format == QLatin1String("tif")) {
    b = "II" + Le16(42) + Le32(8) + Le16(3);
    b += Le16(256) + Le16(3) + Le32(1) + Le32(w);
    b += Le16(257) + Le16(3) + Le32(1) + Le32(300);
    b += Le16(258) + Le16(3) + Le32(3) + Le32(46);
    b += Le32(0) + Le16(8) + Le16(8) + Le16(8) + Zeros(12);
  } else if (format == QLatin1String("jpg")) {
    b = Bytes({255, 216, 255, 224}) + Be16(16) + QByteArray("JFIF", 5) + Zeros(9);
    b += Bytes({255, 192}) + Be16(17) + Bytes({8}) + Be16(300) + Be16(w) + Bytes({3}) + Zeros(30);
    b += Bytes({255, 217});
  } else if (format == QLatin1String("pcx")) {
    b = Bytes({10, 5, 1, 8}) + Le16(0) + Le16(0) + Le16(w - 1) + Le16(199) + Zeros(53) + Bytes({3}) +
        Zeros(62);
  } else if (format == QLatin1String("iff")) {
    b = "FORM" + Be32(1000) + "ILBMBMHD" + Be32(20) + Be16(w) + Be16(200) + Zeros(4) + Bytes({5}) + Zeros(31);
  } else if (format == QLatin1String("png")) {
    b = Bytes({137, 80, 78, 71, 13, 10, 26, 10}) + Be32(13) + "IHDR" + Be32(w) + Be32(200);
    b += Bytes({8, 6, 0, 0, 0}) + Zeros(40);
  }
  return b;
}

template <typename F> double MedianNsPerFile(F &&run) {
  std::vector<double> times;
  for (int r = 0; r < kRepeats; ++r) {
    QElapsedTimer timer;
    timer.start();
    run();
    times.push_back(double(timer.nsecsElapsed()) / kFiles);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

} // namespace

int main() {
  QTemporaryDir dir;
  if (!dir.isValid()) {
    std::fprintf(stderr, "no temporary folder\n");
    return 1;
  }
  std::printf("%-8s %8s %14s %14s %8s\n", "format", "files", "baseline us", "reader us", "ratio");
  const char *formats[] = {"bmp", "gif", "tga", "psd", "tif", "jpg", "pcx", "iff", "png"};
  quint64 checksum = 0;
  for (const char *format : formats) {
    const QString ext = QLatin1String(format);
    QDir folder(dir.path());
    folder.mkdir(ext);
    folder.cd(ext);
    QStringList paths;
    std::vector<QByteArray> nativePaths;
    for (int i = 0; i < kFiles; ++i) {
      const QString path = folder.filePath(QStringLiteral("file%1.%2").arg(i).arg(ext));
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly) || file.write(SampleFile(ext, i)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
      }
      paths.append(path);
      nativePaths.push_back(QFile::encodeName(path));
    }

    const auto baseline = [&] {
      char buffer[30];
      for (const QByteArray &native : nativePaths) {
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
          checksum += quint64(::read(fd, buffer, sizeof buffer));
          ::close(fd);
        }
      }
    };
    int wrong = 0;
    const auto reader = [&] {
      for (int i = 0; i < kFiles; ++i) {
        const ReaderResult<ImageHeaderInfo> result = ReadPictureHeader(ext, paths[i]);
        wrong += result.ReaderFailed || result.value.width != 1 + i % 4000;
        checksum += result.value.width;
      }
    };
    baseline(); // warm the cache of the folder
    const double base = MedianNsPerFile(baseline);
    const double read = MedianNsPerFile(reader);
    if (wrong != 0) {
      std::fprintf(stderr, "%s: %d files read wrongly\n", format, wrong);
      return 1;
    }
    std::printf("%-8s %8d %14.2f %14.2f %8.2f\n", format, kFiles, base / 1000, read / 1000, read / base);
    folder.removeRecursively();
  }
  std::printf("(checksum %llu)\n", static_cast<unsigned long long>(checksum));
  return 0;
}
