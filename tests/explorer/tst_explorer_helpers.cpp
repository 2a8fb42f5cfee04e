#include "explorer/date_time_formats.h"
#include "explorer/explorer_helpers.h"
#include "explorer/shell_helpers.h"

#include <QTemporaryDir>
#include <QtTest>

class TestExplorerHelpers : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() {
    qputenv("TZ", "UTC");
    tzset();
  }

  void trailingSlash_addedOrRemovedOnce_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("without");
    QTest::newRow("root unchanged") << "/"
                                    << "/"
                                    << "";
    QTest::newRow("folder") << "/home/ana"
                            << "/home/ana/"
                            << "/home/ana";
    QTest::newRow("folder with slash") << "/home/ana/"
                                       << "/home/ana/"
                                       << "/home/ana";
    QTest::newRow("two slashes lose one") << "/a//"
                                          << "/a//"
                                          << "/a/";
    QTest::newRow("empty stays empty") << ""
                                       << ""
                                       << "";
  }
  void trailingSlash_addedOrRemovedOnce() {
    QFETCH(QString, path);
    QFETCH(QString, with);
    QFETCH(QString, without);
    QCOMPARE(WithTrailingBackslash(path), with);
    QCOMPARE(WithoutTrailingBackslash(path), without);
  }

  void extensionOf_isTextAfterLastDot_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("plain") << "photo.jpg"
                           << "jpg";
    QTest::newRow("two dots") << "archive.tar.gz"
                              << "gz";
    QTest::newRow("no dot") << "Makefile"
                            << "";
    QTest::newRow("ends with dot") << "odd."
                                   << "";
    QTest::newRow("only leading dot") << ".bashrc"
                                      << "bashrc";
  }
  void extensionOf_isTextAfterLastDot() {
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QCOMPARE(ExtensionOf(name), extension);
  }

  void attributeLetters_inFixedOrder_data() {
    QTest::addColumn<uint>("bits");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("hidden");
    QTest::newRow("plain folder") << uint(AttrDirectory) << ""
                                  << "";
    QTest::newRow("regular file") << uint(AttrArchive) << "A"
                                  << "";
    QTest::newRow("hidden read-only file") << uint(AttrHidden | AttrReadOnly | AttrArchive) << "ARH"
                                           << "H";
    QTest::newRow("hidden device") << uint(AttrSystem | AttrHidden) << "HS"
                                   << "H";
    QTest::newRow("hidden folder") << uint(AttrDirectory | AttrHidden) << "H"
                                   << "H";
  }
  void attributeLetters_inFixedOrder() {
    QFETCH(uint, bits);
    QFETCH(QString, letters);
    QFETCH(QString, hidden);
    QCOMPARE(AttributeLetters(bits), letters);
    QCOMPARE(HiddenMark(bits), hidden);
  }

  void containsAnyChar_findsAnyOfTheSet() {
    QVERIFY(ContainsAnyChar(QStringLiteral("\"*?"), QStringLiteral("/home/say \"hi\"/")));
    QVERIFY(!ContainsAnyChar(QStringLiteral("\"*?"), QStringLiteral("/home/plain/")));
    QVERIFY(!ContainsAnyChar(QString(), QStringLiteral("anything")));
    QCOMPARE(DoubleNullTerminate(QStringLiteral("a")), QString(QStringLiteral("a") + QChar(0)));
  }

  void parentFolder_goesUpToTheDrives_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("parent");
    QTest::newRow("nested") << "/home/ana/"
                            << "/home/";
    QTest::newRow("below root") << "/home/"
                                << "/";
    QTest::newRow("root") << "/"
                          << "Drives";
    QTest::newRow("drives") << "drives"
                            << "Drives";
  }
  void parentFolder_goesUpToTheDrives() {
    QFETCH(QString, folder);
    QFETCH(QString, parent);
    QCOMPARE(ParentFolder(folder), parent);
  }

  void folderExists_onlyForFolders() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("f")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(FolderExists(dir.path()));
    QVERIFY(FolderExists(dir.path() + QLatin1Char('/')));
    QVERIFY(!FolderExists(file.fileName()));
    QVERIFY(!FolderExists(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!FolderExists(QString()));
  }

  void fileTimeToText_usesCurrentFormats_data() {
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<QString>("expected");
    QTest::newRow("day first") << "dd/mm/yyyy"
                               << "04/03/2021 05:06";
    QTest::newRow("month first") << "mm/dd/yyyy"
                                 << "03/04/2021 05:06";
    QTest::newRow("year first") << "yyyy/mm/dd"
                                << "2021/03/04 05:06";
    QTest::newRow("short fields") << "d/m/yy"
                                  << "4/3/21 05:06";
  }
  void fileTimeToText_usesCurrentFormats() {
    QFETCH(QString, dateFormat);
    QFETCH(QString, expected);
    const DateTimeFormats formats(dateFormat, QStringLiteral("hh:nn"));
    const FileTime time{1614834399, 999999999, true}; // 2021-03-04 05:06:39.999 UTC
    QCOMPARE(FileTimeToText(time, formats), expected);
    CalendarFields read;
    QVERIFY(formats.Parse(expected, read));
    QCOMPARE(read.Year, 2021);
    QCOMPARE(read.Month, 3);
    QCOMPARE(read.Day, 4);
    QCOMPARE(read.Minute, 6);
  }

  void fileTimeToText_emptyWhenUnknownOrOutOfRange() {
    QCOMPARE(FileTimeToText(FileTime{}), QString());
    QCOMPARE(FileTimeToText(FileTime{-70000000000LL, 0, true}), QString()); // before year 1
    QCOMPARE(FileTimeToText(FileTime{0, 0, true}), QStringLiteral("01/01/1970 00:00"));
  }

  void parseDateTimeText_rejectsOtherShapes_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("wrong separator") << "04-03-2021 05:06";
    QTest::newRow("no such day") << "31/02/2021 05:06";
    QTest::newRow("trailing text") << "04/03/2021 05:06x";
    QTest::newRow("hour 24") << "04/03/2021 24:00";
  }
  void parseDateTimeText_rejectsOtherShapes() {
    QFETCH(QString, text);
    CalendarFields fields;
    QVERIFY(!DateTimeFormats().Parse(text, fields));
  }

  void iconKeys_forFoldersAndFiles() {
    QTemporaryDir dir;
    QCOMPARE(SmallIconKey(dir.path()), QStringLiteral("folder"));
    QCOMPARE(OpenIconKey(dir.path()), QStringLiteral("folder-open"));
    QCOMPARE(SmallIconKey(QStringLiteral("/x/readme.txt")), QStringLiteral("text-plain"));
  }
  void shellRename_neverReplaces() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    for (const QString &path : {a, b}) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    bool aborted = false;
    QString message;
    QVERIFY(!ShellFileOperation(kShellRename, a, aborted, b, &message));
    QVERIFY(!message.isEmpty());
    QVERIFY(QFile::exists(a) && QFile::exists(b));
    const QString c = dir.filePath(QStringLiteral("c"));
    QVERIFY(ShellFileOperation(kShellRename, a, aborted, c, &message));
    QVERIFY(!QFile::exists(a) && QFile::exists(c));
    // A preset flag is the operation's to overwrite, not a reason to stop.
    aborted = true;
    QVERIFY(ShellFileOperation(kShellRename, c, aborted, a));
    QVERIFY(!aborted && QFile::exists(a));
  }
};

QTEST_GUILESS_MAIN(TestExplorerHelpers)
#include "tst_explorer_helpers.moc"
