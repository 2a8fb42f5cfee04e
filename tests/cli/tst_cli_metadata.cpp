// The command-line renamer names photos by the date they were taken and music by artist and title.
#include "support_cli.h"
#include "variables/support_metadata_files.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace metadata_test;

class TestCliMetadata : public QObject {
  Q_OBJECT
private slots:
  void rename_photosByDateTaken_musicByArtistAndTitle() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString photos = dir.filePath("photos"), music = dir.filePath("music");
    QVERIFY(QDir().mkpath(photos) && QDir().mkpath(music));
    const char *const shots[][2] = {{"IMG_0001.JPG", "2021:07:14 09:30:05"},
                                    {"IMG_0002.JPG", "2022:12:31 23:59:58"}};
    for (const auto &[name, taken] : shots) {
      const QString path = photos + u'/' + QLatin1String(name);
      QVERIFY(WriteBytes(path, Jpeg(32, 24)));
      QVERIFY(WriteExif(path, {{"Exif.Photo.DateTimeOriginal", taken}}));
    }
    QVERIFY(WriteBytes(music + "/track01.mp3", Mp3Frames()));
    QVERIFY(WriteId3v2(music + "/track01.mp3", {"Title: Two", "Some Band", "", "", 2000, 1}));

    CliRun run =
        Run({"--set", "opReplace=1", "--set", R"(tChangeFilename=\PY-\PM-\PD_\PH)", "--rename", photos});
    QCOMPARE(run.status, 0);
    QCOMPARE(Names(photos), QStringList({"2021-07-14_093005.JPG", "2022-12-31_235958.JPG"}));

    run = Run({"--set", "opReplace=1", "--set", R"(tChangeFilename=\MZ \MA - \MT)", "--rename", music});
    QCOMPARE(run.status, 0);
    QCOMPARE(Names(music), QStringList({"01 Some Band - Title# Two.mp3"}));
  }
};

QTEST_GUILESS_MAIN(TestCliMetadata)
#include "tst_cli_metadata.moc"
