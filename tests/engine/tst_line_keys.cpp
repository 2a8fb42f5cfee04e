#include "engine/preview.h"
#include "engine/rename_conflicts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

#include <functional>

Q_DECLARE_METATYPE(std::function<void(RenameOptions &)>)

// The keys a refresh makes of its lines tell the check what the lines themselves tell.
class TestLineKeys : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QByteArray m_folder;
  std::vector<FileListEntry> m_entries; // listed together, a third of them selected

private slots:
  void initTestCase() {
    m_folder = QFile::encodeName(m_dir.path()) + '/';
    QByteArrayList names{"kept", "readme", "caf\xE9.txt", "sub"};
    QVERIFY(QDir(m_dir.path()).mkdir("sub"));
    for (int i = 0; i < 1100; ++i) // in more than one part of the check
      names << "f" + QByteArray::number(i) + ".txt";
    for (const QByteArray &name : names) {
      if (name != "sub")
        Make(m_folder + name, name);
      if (name == "kept")
        continue;
      m_entries.push_back(Entry(m_folder, name));
      m_entries.back().SubItems[SubFolder] = m_entries.front().SubItems[SubFolder];
      m_entries.back().Selected = m_entries.size() % 3 == 0;
    }
  }

  void keyedRefresh_checksAsItsLines_data() {
    QTest::addColumn<std::function<void(RenameOptions &)>>("set");
    using O = RenameOptions;
    QTest::newRow("nothing changes") << std::function([](O &) {});
    QTest::newRow("a prefix") << std::function([](O &o) { o.opInsertBefore = true, o.tInsertBefore = "x_"; });
    QTest::newRow("capitals") << std::function([](O &o) { o.opUpperCase = true; });
    QTest::newRow("one name for all")
        << std::function([](O &o) { o.opReplace = true, o.tChangeFilename = "n"; });
    QTest::newRow("a name held by a file that stays")
        << std::function([](O &o) { o.opReplace = true, o.tChangeFilename = "kept"; });
    QTest::newRow("no extension: the dot goes")
        << std::function([](O &o) { o.opReplaceEx = true, o.tChangeFileNameEx = ""; });
    QTest::newRow("only the selected") << std::function(
        [](O &o) { o.bCheckOnlySelectedFiles = true, o.opInsertBefore = true, o.tInsertBefore = "y"; });
    QTest::newRow("folders too") << std::function(
        [](O &o) { o.cWorkWithFolders = true, o.opInsertAfter = true, o.tInsertAfter = "_z"; });
    QTest::newRow("a line break") << std::function(
        [](O &o) { o.opInsertAfter = true, o.tInsertAfter = "\n"; });
  }
  void keyedRefresh_checksAsItsLines() {
    QFETCH(std::function<void(RenameOptions &)>, set);
    RenameOptions options;
    set(options);
    const std::vector<FileListEntry> &entries = m_entries;
    RefreshSources sources{options, entries, QFile::decodeName(m_folder), nullptr, nullptr};
    sources.keyLines = true;
    Preview preview;
    RefreshRunState state;
    QCOMPARE(UpdateAll(sources, preview, state), QString());
    QCOMPARE(preview.Keys.keys.size(), size_t(preview.lZelvoList.size()));
    FolderNameCache fromKeys(1), fromLines(1);
    const ConflictReport keyed = CheckConflicts(options, entries, preview, fromKeys);
    const ConflictReport plain = CheckConflicts(options, entries, preview.lZelvoList, fromLines);
    QCOMPARE(keyed.lines, plain.lines);
    QCOMPARE(keyed.failing, plain.failing);
    // Keys of other lines are not taken for these.
    preview.lZelvoList.append(QStringLiteral("extra"));
    QCOMPARE(CheckConflicts(options, entries, preview, fromKeys).lines, plain.lines);
  }
};

QTEST_GUILESS_MAIN(TestLineKeys)
#include "tst_line_keys.moc"
