#include "explorer/file_list_entry.h"

#include <QtTest>

#include <utility>

// Every sub-item set on an entry reads back the same on the entry, a copy, an assigned copy and a
// moved entry; the others read empty.
class TestFileListEntry : public QObject {
  Q_OBJECT
private slots:
  void subItem_readsBackOnCopiesAndMoves_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // what the entry reads back
    QTest::newRow("folder") << int(SubFolder) << "/home/ana/"
                            << "/home/ana/";
    QTest::newRow("size") << int(SubSize) << "5368709120"
                          << "5368709120";
    QTest::newRow("type") << int(SubType) << "Plain text"
                          << "Plain text";
    QTest::newRow("extension") << int(SubExtension) << "txt"
                               << "txt";
    QTest::newRow("created") << int(SubCreated) << "04/03/2021 05:06"
                             << "04/03/2021 05:06";
    QTest::newRow("modified") << int(SubModified) << "05/03/2021 05:06"
                              << "05/03/2021 05:06";
    QTest::newRow("accessed") << int(SubAccessed) << "06/03/2021 05:06"
                              << "06/03/2021 05:06";
    QTest::newRow("attributes") << int(SubAttributes) << "AR"
                                << "AR";
    QTest::newRow("full path") << int(SubFullPath) << "/home/ana/a.txt"
                               << "/home/ana/a.txt";
    QTest::newRow("kind file") << int(SubKind) << "file"
                               << "file";
    QTest::newRow("kind dir") << int(SubKind) << "dir"
                              << "dir";
    QTest::newRow("kind drive") << int(SubKind) << "drv"
                                << "drv";
    QTest::newRow("kind unknown reads empty") << int(SubKind) << "pipe"
                                              << "";
    QTest::newRow("hidden") << int(SubHidden) << "H"
                            << "H";
  }
  void subItem_readsBackOnCopiesAndMoves() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, read);
    FileListEntry entry;
    entry.Caption = QStringLiteral("a.txt");
    entry.SubItems[size_t(index)] = text;
    entry.SetIconKey(QStringLiteral("text-plain"));
    auto check = [&](const FileListEntry &e, const char *which) {
      for (int i = 0; i < SubItemCount; ++i)
        QVERIFY2(e.SubItem(FileListSubItem(i)) == (i == index ? read : QString()),
                 qPrintable(QStringLiteral("%1, sub-item %2").arg(QLatin1String(which)).arg(i)));
      QCOMPARE(e.IconKey(), QStringLiteral("text-plain"));
      QCOMPARE(e.IsFolder(), read == QLatin1String("dir"));
    };
    check(entry, "set");
    FileListEntry copy = entry;
    check(copy, "copy");
    FileListEntry assigned;
    assigned.SubItems[size_t(index)] = QStringLiteral("before");
    assigned = copy;
    check(assigned, "assigned");
    // Changing a copy leaves the entry it came from as it was.
    copy.SubItems[size_t(index)] = QString();
    copy.SetIconKey(QString());
    check(entry, "after the copy changed");
    FileListEntry moved = std::move(entry);
    check(moved, "moved");
    FileListEntry moveAssigned;
    moveAssigned = std::move(moved);
    check(moveAssigned, "move assigned");
  }

  void subItem_unsetReadsEmpty() {
    const FileListEntry entry;
    for (int i = 0; i < SubItemCount; ++i)
      QVERIFY(entry.SubItem(FileListSubItem(i)).isEmpty());
    QVERIFY(entry.IconKey().isEmpty());
    QVERIFY(entry.SubItems[size_t(SubItemCount)].isEmpty());
    FileListEntry chained;
    chained.SubItems[SubCreated] = chained.SubItems[SubModified] = QStringLiteral("2021/03/04 05:06");
    QCOMPARE(chained.SubItem(SubCreated), QStringLiteral("2021/03/04 05:06"));
  }
};

QTEST_GUILESS_MAIN(TestFileListEntry)
#include "tst_file_list_entry.moc"
