// Names made unique: counters before the extension, free of earlier lines and of files that stay.
#include "engine/option_fields.h"
#include "engine/rename_conflicts.h"
#include "engine/unique_names.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

namespace {

// Answers to names in any letter case, as FAT does.
class CaseBlindCalls : public FileSystemCalls {
public:
  int LStat(const char *path, struct stat &st) override {
    const int error = FileSystemCalls::LStat(path, st);
    if (error == 0)
      return error;
    const QFileInfo asked(QFile::decodeName(path));
    for (const QString &name : asked.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      if (name.compare(asked.fileName(), Qt::CaseInsensitive) == 0)
        return FileSystemCalls::LStat(QFile::encodeName(asked.dir().filePath(name)).constData(), st);
    return error;
  }
};

} // namespace

class TestUniqueNames : public QObject {
  Q_OBJECT
private slots:
  void numberedName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("numbered");
    QTest::newRow("extension") << "2024-07-14_093005.jpg"
                               << "2024-07-14_093005 (2).jpg";
    QTest::newRow("none") << "notes"
                          << "notes (2)";
    QTest::newRow("last dot") << "archive.tar.gz"
                              << "archive.tar (2).gz";
    QTest::newRow("leading dot") << ".profile"
                                 << ".profile (2)";
  }
  void numberedName() {
    QFETCH(QString, name);
    QTEST(NumberedName(name, 2), "numbered");
  }

  // Files on disk; the listed ones (the first `listed`) get the wanted lines ("=" keeps the name).
  void makesUnique_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("caseBlind");
    QTest::newRow("three of one second")
        << QStringList{"a.jpg", "b.jpg", "c.jpg"} << 3
        << QStringList{"2024 0930.jpg", "2024 0930.jpg", "2024 0930.jpg"}
        << QStringList{"2024 0930.jpg", "2024 0930 (2).jpg", "2024 0930 (3).jpg"} << false;
    QTest::newRow("a listed file that stays")
        << QStringList{"x.jpg", "a.jpg"} << 2 << QStringList{"=", "x.jpg"}
        << QStringList{"x.jpg", "x (2).jpg"} << false;
    QTest::newRow("a file not listed")
        << QStringList{"a.jpg", "x.jpg"} << 1 << QStringList{"x.jpg"} << QStringList{"x (2).jpg"} << false;
    QTest::newRow("counters held too")
        << QStringList{"a.jpg", "b.jpg", "x.jpg", "x (2).jpg"} << 2 << QStringList{"x.jpg", "x.jpg"}
        << QStringList{"x (3).jpg", "x (4).jpg"} << false;
    QTest::newRow("a chain") << QStringList{"a.jpg", "b.jpg"} << 2 << QStringList{"b.jpg", "c.jpg"}
                             << QStringList{"b.jpg", "c.jpg"} << false;
    QTest::newRow("a swap") << QStringList{"a.jpg", "b.jpg"} << 2 << QStringList{"b.jpg", "a.jpg"}
                            << QStringList{"b.jpg", "a.jpg"} << false;
    QTest::newRow("unchanged line after") << QStringList{"a.jpg", "x.jpg"} << 2 << QStringList{"x.jpg", "="}
                                          << QStringList{"x (2).jpg", "x.jpg"} << false;
    QTest::newRow("a line that wants a counter")
        << QStringList{"a.jpg", "b.jpg", "c.jpg"} << 3 << QStringList{"x.jpg", "x.jpg", "x (2).jpg"}
        << QStringList{"x.jpg", "x (2).jpg", "x (2) (2).jpg"} << false;
    QTest::newRow("without extension")
        << QStringList{"a", "notes"} << 1 << QStringList{"notes."} << QStringList{"notes (2)."} << false;
    QTest::newRow("not a name: left alone")
        << QStringList{"a.jpg", "b.jpg"} << 2 << QStringList{"x/y.jpg", "x/y.jpg"}
        << QStringList{"x/y.jpg", "x/y.jpg"} << false;
    QTest::newRow("case counts") << QStringList{"a.jpg", "X.jpg"} << 1 << QStringList{"x.jpg"}
                                 << QStringList{"x.jpg"} << false;
    QTest::newRow("case ignored") << QStringList{"a.jpg", "X.jpg"} << 1 << QStringList{"x.JPG"}
                                  << QStringList{"x (2).JPG"} << true;
    QTest::newRow("case ignored between lines")
        << QStringList{"a.jpg", "b.jpg"} << 2 << QStringList{"Photo.jpg", "PHOTO.JPG"}
        << QStringList{"Photo.jpg", "PHOTO (2).JPG"} << true;
    QTest::newRow("own name in another case")
        << QStringList{"a.jpg", "b.jpg"} << 2 << QStringList{"A.jpg", "B.JPG"}
        << QStringList{"A.jpg", "B.JPG"} << true;
  }
  void makesUnique() {
    QFETCH(QStringList, files);
    QFETCH(int, listed);
    QFETCH(QStringList, wanted);
    QFETCH(bool, caseBlind);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const QString &file : files) {
      Make(folder + file.toUtf8(), "x");
      if (qsizetype(entries.size()) < listed)
        entries.push_back(Entry(folder, file.toUtf8()));
    }
    QStringList lines;
    for (qsizetype i = 0; i < wanted.size(); ++i)
      lines << (wanted[i] == "=" ? files[i] : wanted[i]);
    CaseBlindCalls blind;
    FileSystemCalls plain;
    (void)MakeNamesUnique(RenameOptions(), entries, lines, caseBlind ? blind : plain);
    QTEST(lines, "expected");
  }

  // Lines in two folders of a recursive listing do not meet; a folder left alone by the run keeps
  // its name and holds it.
  void foldersApart() {
    QTemporaryDir dir;
    const QByteArray top = QFile::encodeName(dir.path()) + '/';
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    Make(top + "a.jpg", "x");
    Make(top + "sub/b.jpg", "x");
    std::vector<FileListEntry> entries = {Entry(top, "sub"), Entry(top, "a.jpg"),
                                          Entry(top + "sub/", "b.jpg")};
    QStringList lines{"<sub>", "sub.", "a.jpg"};
    RenameOptions options; // folders shown, not worked on
    QCOMPARE(MakeNamesUnique(options, entries, lines), std::vector<qsizetype>{1});
    QCOMPARE(lines, (QStringList{"<sub>", "sub (2).", "a.jpg"}));
  }

  // Through the refresh: the check sees the final names, and nothing fails.
  void refresh_givesFinalNames() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const char *name : {"IMG_1.jpg", "IMG_2.jpg", "IMG_3.jpg", "same.jpg"}) {
      Make(folder + name, "x");
      entries.push_back(Entry(folder, name));
    }
    RenameOptions o;
    for (const char *s : {"opReplace=1", "tChangeFilename=same", "cMakeNamesUnique=1"}) {
      const QString setting = QString::fromLatin1(s);
      QCOMPARE(SetOptionFromText(o, setting.section('=', 0, 0), setting.section('=', 1)), QString());
    }
    Preview preview;
    RefreshRunState state;
    QCOMPARE(UpdateAll({o, entries, dir.path() + "/", nullptr, nullptr}, preview, state), QString());
    QCOMPARE(preview.lZelvoList, (QStringList{"same (2).jpg", "same (3).jpg", "same (4).jpg", "same.jpg"}));
    QCOMPARE(CheckConflicts(o, entries, preview.lZelvoList).failing, 0);
  }
};

QTEST_GUILESS_MAIN(TestUniqueNames)
#include "tst_unique_names.moc"
