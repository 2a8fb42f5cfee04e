// Writes the seeds of fuzz_metadata into the folder given: real photos and music files made through the
// libraries, as the tests make them.
#include "variables/support_metadata_files.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace metadata_test;

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: metadata_seeds FOLDER\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  bool ok = dir.mkpath(QStringLiteral("."));
  const QString camera = dir.filePath(QStringLiteral("camera.jpg"));
  ok = ok && WriteBytes(camera, Jpeg(16, 8)) &&
       WriteExif(camera, {{"Exif.Photo.DateTimeOriginal", "2021:07:14 09:30:05"},
                          {"Exif.Image.Make", "Canon"},
                          {"Exif.Image.Model", "Canon EOS 5D"}});
  QFile file(camera);
  ok = ok && file.open(QIODevice::ReadOnly);
  const QByteArray withJfif = file.readAll();
  file.close();
  ok = ok && WriteBytes(camera, WithoutJfif(withJfif));
  ok = ok && WriteBytes(dir.filePath(QStringLiteral("progressive.jpg")), Jpeg(8, 8, true));
  const QString mp3 = dir.filePath(QStringLiteral("song.mp3"));
  ok = ok && WriteBytes(mp3, Mp3Frames().left(417 * 2)) &&
       WriteId3v2(mp3, {"Title", "Artist", "Album", "Rock", 1999, 7});
  const QString flac = dir.filePath(QStringLiteral("song.flac"));
  ok = ok && WriteBytes(flac, FlacStream()) &&
       WriteFlacComment(flac, {"Title", "Artist", "Album", "Jazz", 2005, 12});
  return ok ? 0 : 1;
}
