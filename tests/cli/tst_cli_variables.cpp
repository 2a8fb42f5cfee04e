#include "cli/cli_arguments.h"
#include "cli/cli_job.h"

#include <QtTest>

namespace {

// The preview lines of a folder for one text put in place of every name part.
QString LinesFor(const QString &folder, const QString &text, const QStringList &extra = {}) {
  QStringList args{"--set", "opReplace=1", "--set", "tChangeFilename=" + text, "--lines"};
  args << extra << folder;
  const CliParse parse = ParseCliArguments(args);
  if (!parse.error.isEmpty())
    return QStringLiteral("usage: ") + parse.error;
  QString out, err;
  QTextStream o(&out), e(&err);
  const int status = RunCliJob(parse.arguments, o, e);
  o.flush();
  e.flush();
  return status == CliDone ? out : QStringLiteral("status %1: %2").arg(status).arg(err);
}

void Write(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A bitmap header of the given size and depth: "BM", then width and height in the info header.
QByteArray Bitmap(quint32 width, quint32 height, quint16 bits) {
  QByteArray b(54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  auto put32 = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i)
      b[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  b[26] = 1;
  b[28] = char(bits & 0xFF);
  return b;
}

} // namespace

class TestCliVariables : public QObject {
  Q_OBJECT
  QTemporaryDir dir;

private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    Write(dir.filePath("Holiday.bmp"), Bitmap(1600, 1200, 24) + QByteArray(1234567 - 54, 'x'));
    QFile f(dir.filePath("Holiday.bmp"));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2001, 3, 5), QTime(14, 7)), QFileDevice::FileModificationTime));
  }

  void variables_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("line");
    const QStringList none;
    const QStringList now{"--now", "2026-12-08 09:05:03"};
    QTest::newRow("caption without extension") << "\\1N" << none << "Holiday.bmp\n";
    QTest::newRow("extension and literal") << "a/b\\5" << none << "a,bbmp.bmp\n";
    QTest::newRow("size grouped") << "\\3." << none << "1.234.567.bmp\n";
    QTest::newRow("size in kilobytes") << "\\3K" << none << "1205.bmp\n";
    QTest::newRow("size in megabytes, zero omitted") << "s\\3MZ" << none << "s1.bmp\n";
    QTest::newRow("modified date") << "\\7D-\\7M-\\7Y2" << none << "05-03-01.bmp\n";
    QTest::newRow("modified time") << "\\7HH'\\7HM" << none << "14'07.bmp\n";
    QTest::newRow("modified yyyymmdd") << "\\7" << none << "20010305.bmp\n";
    QTest::newRow("today") << "\\DY\\DM\\DD" << now << "20261208.bmp\n";
    QTest::newRow("now hour minute second") << "\\DHH\\DHM\\DHS" << now << "090503.bmp\n";
    QTest::newRow("picture") << "\\G" << none << "1600x1200x16M.bmp\n";
    QTest::newRow("picture parts") << "\\GWx\\GHx\\GB" << none << "1600x1200x24.bmp\n";
    QTest::newRow("number hex") << "\\NH" << QStringList{"--set", "tStartAt=10"} << "0A.bmp\n";
    QTest::newRow("number radix 2") << "\\NA2" << QStringList{"--set", "tStartAt=10"} << "1010.bmp\n";
    QTest::newRow("number letters") << "\\NE" << QStringList{"--set", "tStartAt=10"} << "J.bmp\n";
    QTest::newRow("comic swap untouched") << "\\CD" << none << "bmp.bmp\n";
    QTest::newRow("unknown code vanishes") << "a\\Qb" << none << "ab.bmp\n";
    QTest::newRow("random with seed")
        << "\\R3" << QStringList{"--seed", "7"} << LinesFor(dir.path(), "\\R3", {"--seed", "7"});
  }
  void variables() {
    QFETCH(QString, text);
    QFETCH(QStringList, extra);
    QTEST(LinesFor(dir.path(), text, extra), "line");
  }

  void randomNames_followTheSeed() {
    const QString a = LinesFor(dir.path(), "\\R8", {"--seed", "1"});
    QCOMPARE(LinesFor(dir.path(), "\\R8", {"--seed", "1"}), a);
    QVERIFY(QRegularExpression("^[A-Y0-9]{8}\\.bmp\n$").match(a).hasMatch());
    QVERIFY(LinesFor(dir.path(), "\\R8", {"--seed", "2"}) != a);
  }

  void sizeSelectorOnFolder_isNoError() {
    // A folder's size column reads "0": kilobytes of it are 0, not an error.
    QTemporaryDir d;
    QDir(d.path()).mkdir("sub");
    QCOMPARE(LinesFor(d.path(), "\\3K", {"--set", "cWorkWithFolders=1"}), QStringLiteral("0\n"));
  }
};

QTEST_GUILESS_MAIN(TestCliVariables)
#include "tst_cli_variables.moc"
