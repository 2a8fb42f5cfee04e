#include "engine/rename_conflicts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

class TestRenameConflicts : public QObject {
  Q_OBJECT
private slots:
  void eachLine_saysWhetherAndWhyItWouldFail_data() {
    QTest::addColumn<QStringList>("files"); // "name" in the run, "-name" held outside it, "name/" a folder
    QTest::addColumn<QStringList>("lines"); // one per file of the run
    QTest::addColumn<QString>("expected");  // one letter per line: . ok, S same, T taken, N not allowed,
                                            // U unchanged, X excluded
    QTest::newRow("free names") << QStringList{"a", "b"} << QStringList{"x.", "y."} << "..";
    QTest::newRow("same target: the later line") << QStringList{"a", "b"} << QStringList{"x.", "x."} << ".S";
    QTest::newRow("held outside the run") << QStringList{"a", "-x"} << QStringList{"x."} << "T";
    QTest::newRow("held by an entry that stays") << QStringList{"a", "b"} << QStringList{"b.", "b."} << "TU";
    QTest::newRow("chain and swap succeed")
        << QStringList{"a", "b", "c", "d"} << QStringList{"b.", "c.", "e.", "d."} << "...U";
    QTest::newRow("swap") << QStringList{"a", "b"} << QStringList{"b.", "a."} << "..";
    QTest::newRow("chain behind a taken name fails along")
        << QStringList{"a", "b", "-c"} << QStringList{"b.", "c."} << "TT";
    QTest::newRow("chain behind a losing line fails")
        << QStringList{"a", "b", "c"} << QStringList{"c.", "x.", "x."} << "T.S";
    QTest::newRow("not allowed") << QStringList{"a", "b"} << QStringList{"x/y.", "l\nf."} << "NN";
    QTest::newRow("excluded folder") << QStringList{"sub/", "a"} << QStringList{"<sub>", "sub."} << "XT";
  }
  void eachLine_saysWhetherAndWhyItWouldFail() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    // The same rows looked up name by name and with the folder read whole (many new names).
    for (const int padding : {0, 80}) {
      QTemporaryDir dir;
      const QByteArray folder = QFile::encodeName(dir.path()) + '/';
      std::vector<FileListEntry> entries;
      QStringList allLines = lines;
      for (const QString &file : files) {
        const QByteArray name = file.toUtf8().mid(file.startsWith('-') ? 1 : 0);
        if (name.endsWith('/'))
          QVERIFY(QDir(dir.path()).mkdir(name));
        else
          Make(folder + name, name);
        if (!file.startsWith('-'))
          entries.push_back(Entry(folder, name.endsWith('/') ? name.chopped(1) : name));
      }
      for (int i = 0; i < padding; ++i) {
        Make(folder + "p" + QByteArray::number(i), "p");
        entries.push_back(Entry(folder, "p" + QByteArray::number(i)));
        allLines << QStringLiteral("q%1.").arg(i);
      }
      const ConflictReport report = CheckConflicts(RenameOptions(), entries, allLines);
      QString letters;
      for (qsizetype i = 0; i < lines.size(); ++i)
        letters += QString(".STNNUX").at(int(report.lines[i]));
      QCOMPARE(letters, expected);
      QCOMPARE(report.failing, qsizetype(expected.count('S') + expected.count('T') + expected.count('N')));
    }
  }
};

QTEST_GUILESS_MAIN(TestRenameConflicts)
#include "tst_rename_conflicts.moc"
