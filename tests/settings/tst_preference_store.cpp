#include "settings/preference_store.h"

#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// How far a reading got: the steps of the reading, each counted only when all before it were read.
int StepsRead(const PreferenceReading &r) {
  const bool steps[] = {r.columnWidthsRead == 11,
                        r.rememberWindowsPos.has_value(),
                        !r.rememberWindowsPos.value_or(true) || r.left.has_value(),
                        r.rememberLastPath.has_value(),
                        r.maximize.has_value(),
                        r.instantPreview.has_value(),
                        r.viewFolders.has_value(),
                        r.workWithFolders.has_value(),
                        r.viewFiles.has_value(),
                        r.language.has_value()};
  int count = 0;
  while (count < int(std::size(steps)) && steps[count])
    ++count;
  return count;
}
constexpr int kAllSteps = 10;

} // namespace

class TestPreferenceStore : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString File() const { return m_dir.filePath(QStringLiteral("Zelvo Soft/Zelvo Rename.conf")); }

private slots:
  void init() { QFile::remove(File()); }

  void firstRun_writesInitialStateThenReadsIt() {
    StoredPreferences initial;
    initial.left = 12;
    initial.top = 34;
    const PreferenceReading r = PreferenceStore(File()).Read(initial);
    QVERIFY(r.created);
    QCOMPARE(StepsRead(r), kAllSteps);
    QCOMPARE(r.columnWidths, ColumnWidthSlots{}); // stored as "not set"
    QCOMPARE(r.path, QStringLiteral("Drives"));
    QSettings file(File(), QSettings::IniFormat);
    QCOMPARE(file.value("Version").toString(), QStringLiteral("4.2b"));
    QCOMPARE(file.value("Left").toInt(), 12);
    QCOMPARE(file.value("Height").toInt(), 480);
    QCOMPARE(file.value("Remember Last Path").toInt(), 1);
  }

  void olderFile_withoutColumnWidths_getsDefaults() {
    QVERIFY(PreferenceStore(File()).Write({}));
    {
      QSettings file(File(), QSettings::IniFormat);
      for (const QString &key : file.childKeys())
        if (key.startsWith(QLatin1String("ColWidth")))
          file.remove(key);
    }
    const PreferenceReading r = PreferenceStore(File()).Read({});
    QVERIFY(!r.created);
    QCOMPARE(r.columnWidths, kDefaultColumnWidths);
    QCOMPARE(StepsRead(r), kAllSteps);
  }

  void guardedReading_endsAtFirstFailure_data() {
    QTest::addColumn<bool>("rememberPosition");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value"); // invalid: the key is removed
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("widthsRead");
    QTest::newRow("complete") << true << "Version" << QVariant("x") << kAllSteps << 11;
    QTest::newRow("width not a number") << false << "ColWidth_5" << QVariant("wide") << 0 << 4;
    QTest::newRow("Width missing, position remembered") << true << "Width" << QVariant() << 2 << 11;
    QTest::newRow("Width missing, position not remembered")
        << false << "Width" << QVariant() << kAllSteps << 11;
    QTest::newRow("Top missing") << true << "Top" << QVariant() << 2 << 11;
    QTest::newRow("Path missing reads empty") << false << "Path" << QVariant() << kAllSteps << 11;
    QTest::newRow("Maximize as a word") << false << "Maximize" << QVariant("yes") << 4 << 11;
    QTest::newRow("View Files missing") << false << "View Files" << QVariant() << 8 << 11;
    QTest::newRow("Language missing") << false << "Language" << QVariant() << 9 << 11;
  }
  void guardedReading_endsAtFirstFailure() {
    QFETCH(bool, rememberPosition);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    StoredPreferences stored;
    stored.rememberWindowsPos = rememberPosition;
    stored.columnWidths = kDefaultColumnWidths;
    QVERIFY(PreferenceStore(File()).Write(stored));
    {
      QSettings file(File(), QSettings::IniFormat);
      value.isValid() ? file.setValue(key, value) : file.remove(key);
    }
    const PreferenceReading r = PreferenceStore(File()).Read({});
    QTEST(StepsRead(r), "steps");
    QTEST(r.columnWidthsRead, "widthsRead");
    if (r.path)
      QCOMPARE(*r.path, key == QLatin1String("Path") ? QString() : stored.path);
  }

  void damagedFile_readsNothing() {
    QVERIFY(QDir().mkpath(QFileInfo(File()).path()));
    QFile file(File());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General\n\x01\x02\xff=\nLanguage=5\n");
    file.close();
    const PreferenceReading r = PreferenceStore(File()).Read({});
    QVERIFY(r.damaged);
    QCOMPARE(StepsRead(r), 0);
    QVERIFY(!r.language);
  }

  // Only a regular file of a bounded size, reached through links or not, is read and written;
  // anything else leaves the program with its defaults and stays as it was (no wait on a FIFO, no
  // write through a link onto a device or a FIFO).
  void settingsFileOfOtherKinds_neitherReadNorWritten_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("used");
    QTest::newRow("a FIFO") << "fifo" << false;
    QTest::newRow("a link to a FIFO") << "link to fifo" << false;
    QTest::newRow("a link to a character device") << "link to device" << false;
    QTest::newRow("a link to nothing") << "dangling link" << false;
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("larger than the limit") << "large" << false;
    QTest::newRow("a link to a regular file") << "link to file" << true;
  }
  void settingsFileOfOtherKinds_neitherReadNorWritten() {
    QFETCH(QString, kind);
    QFETCH(bool, used);
    QVERIFY(QDir().mkpath(QFileInfo(File()).path()));
    const QByteArray path = QFile::encodeName(File());
    const QByteArray target = QFile::encodeName(m_dir.filePath(QStringLiteral("target")));
    ::unlink(target.constData());
    ::rmdir(path.constData());
    if (kind == "fifo") {
      QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    } else if (kind == "link to fifo") {
      QVERIFY(::mkfifo(target.constData(), 0600) == 0);
      QVERIFY(::symlink(target.constData(), path.constData()) == 0);
    } else if (kind == "link to device") {
      QVERIFY(::symlink("/dev/null", path.constData()) == 0);
    } else if (kind == "dangling link") {
      QVERIFY(::symlink(target.constData(), path.constData()) == 0);
    } else if (kind == "folder") {
      QVERIFY(::mkdir(path.constData(), 0700) == 0);
    } else if (kind == "large") {
      QFile file(File());
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("Language=5\n");
      QVERIFY(file.resize(2 << 20));
    } else {
      QFile file(QFile::decodeName(target));
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(::symlink(target.constData(), path.constData()) == 0);
    }
    struct stat before, after;
    const int known = ::lstat(path.constData(), &before);
    if (!used)
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The settings file .* the defaults are used"));
    StoredPreferences values;
    values.language = 7;
    const PreferenceReading r = PreferenceStore(File()).Read(values);
    QCOMPARE(r.damaged, !used);
    QCOMPARE(PreferenceStore(File()).Write(values), used);
    QCOMPARE(::lstat(path.constData(), &after), known);
    QCOMPARE(after.st_mode, before.st_mode); // a link stays a link, a FIFO a FIFO
    if (used)
      QCOMPARE(PreferenceStore(File()).Read({}).language.value_or(-1), 7);
    else if (kind == "large")
      QCOMPARE(after.st_size, before.st_size);
    ::unlink(path.constData());
    ::rmdir(path.constData());
  }

  void writing_keepsOtherRecordsOfTheFile() {
    {
      QSettings file(File(), QSettings::IniFormat);
      file.setValue("Drive/Shell/Zelvo Rename", "Zelvo Rename from Here");
    }
    QVERIFY(PreferenceStore(File()).Read({}).created); // a record alone is no preferences yet
    StoredPreferences changed;
    changed.language = 12;
    changed.path = QStringLiteral("/tmp/a,b");
    QVERIFY(PreferenceStore(File()).Write(changed));
    const PreferenceReading r = PreferenceStore(File()).Read({});
    QCOMPARE(r.language, 12);
    QCOMPARE(r.path, changed.path);
    QCOMPARE(QSettings(File(), QSettings::IniFormat).value("Drive/Shell/Zelvo Rename").toString(),
             QStringLiteral("Zelvo Rename from Here"));
  }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preference_store.moc"
