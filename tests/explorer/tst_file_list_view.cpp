#include "explorer/date_time_formats.h"
#include "explorer/explorer_texts.h"
#include "explorer/file_list_view.h"
#include "platform/linux_file_system.h"
#include "support_folder.h"

#include <QAbstractItemModelTester>
#include <QMimeDatabase>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList Captions(const TZelvoRenameFileListView &list) {
  QStringList captions;
  for (const FileListEntry &e : list.Entries())
    captions << e.Caption;
  return captions;
}

const FileListEntry *Find(const TZelvoRenameFileListView &list, const QString &caption) {
  for (const FileListEntry &e : list.Entries())
    if (e.Caption == caption)
      return &e;
  return nullptr;
}

QString TypeOf(const QString &name) {
  return QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).comment();
}

// The running system's file system, except that folders whose name holds "locked" cannot be read.
class LockedFoldersFileSystem final : public FileSystem {
public:
  std::unique_ptr<FolderListing> ReadFolder(const QByteArray &folder) override {
    reads << folder;
    return folder.contains("locked") ? nullptr : real.ReadFolder(folder);
  }
  bool Stat(FolderListing &listing, FolderItem &item) override { return real.Stat(listing, item); }
  bool FolderExists(const QByteArray &path) override { return real.FolderExists(path); }
  bool SetCurrentFolder(const QByteArray &path) override { return real.SetCurrentFolder(path); }
  QByteArray CurrentFolder() override { return real.CurrentFolder(); }
  LinuxFileSystem real;
  QByteArrayList reads; // every folder read, in order
};

class FakeVolumes final : public VolumeTable {
public:
  std::vector<Volume> Volumes() override {
    return {Volume{"/", QStringLiteral("root"), DriveType::Fixed, "/dev/sda1"},
            Volume{"/media/stick", QStringLiteral("STICK"), DriveType::Removable, "/dev/sdb1"},
            Volume{"/net", QStringLiteral("server:/export"), DriveType::Network, "server:/export"}};
  }
  DriveType TypeOf(const QByteArray &) override { return DriveType::Fixed; }
  bool Ready(const QByteArray &) override { return true; }
};

// Type names that count the questions asked.
class CountingTypes final : public TypeNames {
public:
  TypeInfo ForExtension(const QString &extension) override {
    asked << extension;
    return TypeInfo{extension + QStringLiteral(" file"), QStringLiteral("icon-") + extension};
  }
  TypeInfo ForKind(ItemKind) override {
    ++kinds;
    return TypeInfo{QStringLiteral("other"), QStringLiteral("other")};
  }
  QStringList asked;
  int kinds = 0;
};

constexpr std::int64_t k2021_03_04_0506 = 1614834360; // 2021-03-04 05:06:00 UTC

} // namespace

class TestFileListView : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString m_root; // with a trailing "/"

private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("TZ", "UTC");
    tzset();
    m_root = m_dir.path() + QLatin1Char('/');
  }

  void cleanup() { QDir::setCurrent(QDir::tempPath()); }

  void listedFolder_fillsEverySubItem() {
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    MakeFile(dir.path(), QStringLiteral("notes.txt"), 5);
    MakeFile(dir.path(), QStringLiteral(".profile"), 1);
    MakeFile(dir.path(), QStringLiteral("locked.txt"), 2);
    MakeFolder(dir.path(), QStringLiteral("sub"));
    ::chmod(QFile::encodeName(root + QStringLiteral("locked.txt")).constData(), 0444);
    ::mkfifo(QFile::encodeName(root + QStringLiteral("pipe")).constData(), 0644);
    SetFileTimes(root + QStringLiteral("notes.txt"), k2021_03_04_0506, k2021_03_04_0506 + 86400);

    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    QCOMPARE(list.Directory(), root);
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), root);
    QCOMPARE(Captions(list), QStringList({"sub", ".profile", "locked.txt", "notes.txt", "pipe"}));
    QCOMPARE(list.NumFolders(), 1);
    QCOMPARE(list.NumFiles(), 4);

    const FileListEntry &notes = *Find(list, "notes.txt");
    const QStringList expected = {root,
                                  "5",
                                  TypeOf("notes.txt"),
                                  "txt",
                                  notes.SubItems[SubCreated],
                                  "04/03/2021 05:06",
                                  "05/03/2021 05:06",
                                  "A",
                                  root + "notes.txt",
                                  "file",
                                  ""};
    for (int i = 0; i < SubItemCount; ++i)
      QCOMPARE(notes.SubItems[size_t(i)], expected[i]);
    // The birth time is either unknown or written like the others.
    QVERIFY(QRegularExpression("^(|\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d)$")
                .match(notes.SubItems[SubCreated])
                .hasMatch());
    QCOMPARE(notes.IconKey(), QStringLiteral("text-plain"));
    QCOMPARE(notes.NativePath, QFile::encodeName(root + "notes.txt"));

    const FileListEntry &sub = *Find(list, "sub");
    QCOMPARE(sub.SubItems[SubSize], QStringLiteral("0"));
    QCOMPARE(sub.SubItems[SubType], QMimeDatabase().mimeTypeForName("inode/directory").comment());
    QCOMPARE(sub.SubItems[SubAttributes], QString());
    QCOMPARE(sub.SubItems[SubKind], QStringLiteral("dir"));
    QCOMPARE(sub.IconKey(), QStringLiteral("folder"));
    QCOMPARE(Find(list, ".profile")->SubItems[SubAttributes], QStringLiteral("AH"));
    QCOMPARE(Find(list, ".profile")->SubItems[SubHidden], QStringLiteral("H"));
    QCOMPARE(Find(list, ".profile")->SubItems[SubExtension], QStringLiteral("profile"));
    QCOMPARE(Find(list, "locked.txt")->SubItems[SubAttributes], QStringLiteral("AR"));
    QCOMPARE(Find(list, "pipe")->SubItems[SubAttributes], QStringLiteral("S"));
  }

  void withoutDetails_listsNamesAndKindsOnly() {
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    MakeFile(dir.path(), QStringLiteral("notes.txt"), 5);
    MakeFile(dir.path(), QStringLiteral(".profile"), 1);
    MakeFolder(dir.path(), QStringLiteral("sub"));
    ::symlink("sub", QFile::encodeName(root + QStringLiteral("link")).constData());

    TZelvoRenameFileListView list;
    list.SetReadDetails(false);
    list.SetDirectory(dir.path());
    QCOMPARE(Captions(list), QStringList({"link", "sub", ".profile", "notes.txt"}));
    const FileListEntry &notes = *Find(list, "notes.txt");
    QCOMPARE(notes.SubItems[SubSize], QString());
    QCOMPARE(notes.SubItems[SubModified], QString());
    QCOMPARE(notes.SubItems[SubExtension], QStringLiteral("txt"));
    QCOMPARE(notes.SubItems[SubKind], QStringLiteral("file"));
    QCOMPARE(notes.SubItems[SubFullPath], root + "notes.txt");
    QCOMPARE(Find(list, ".profile")->SubItems[SubHidden], QStringLiteral("H"));
    QCOMPARE(Find(list, "sub")->SubItems[SubKind], QStringLiteral("dir"));
    // A link is always looked at: it is listed as the folder it points to, with its details.
    QCOMPARE(Find(list, "link")->SubItems[SubKind], QStringLiteral("dir"));
    QCOMPARE(Find(list, "link")->SubItems[SubSize], QStringLiteral("0"));
  }

  void typeNames_askedOncePerExtensionPerReload() {
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "b.jpg", "c.txt", "d.txt", "e.jpg", "f"})
      MakeFile(dir.path(), QString::fromLatin1(name));
    MakeFolder(dir.path(), QStringLiteral("g"));
    MakeFolder(dir.path(), QStringLiteral("h"));
    CountingTypes types;
    Platform platform = DefaultPlatform();
    platform.Types = &types;
    TZelvoRenameFileListView list(nullptr, &platform);
    list.SetDirectory(dir.path());
    types.asked.sort();
    QCOMPARE(types.asked, QStringList({"", "jpg", "txt"}));
    QCOMPARE(types.kinds, 1); // every folder shares one answer
    QCOMPARE(Find(list, "c.txt")->SubItems[SubType], QStringLiteral("txt file"));
    QCOMPARE(Find(list, "e.jpg")->IconKey(), QStringLiteral("icon-jpg"));
    list.Reload(); // nothing is kept between reloads
    QCOMPARE(types.asked.size(), 6);
  }

  void mask_listsMatchesOfEachPattern_data() {
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("expected");
    const QStringList all = {"a.txt", "b.TXT", "c.jpg", "d", "e.tar.gz", "f g.txt"};
    QTest::newRow("one extension, any case") << "*.txt" << QStringList{"a.txt", "b.TXT", "f g.txt"};
    QTest::newRow("two patterns end sorted")
        << "*.txt;*.jpg" << QStringList{"a.txt", "b.TXT", "c.jpg", "f g.txt"};
    QTest::newRow("two matches listed twice")
        << "*.*;*.jpg" << QStringList{"a.txt", "b.TXT", "c.jpg", "c.jpg", "d", "e.tar.gz", "f g.txt"};
    QTest::newRow("trailing separator") << "*.txt;" << QStringList{"a.txt", "b.TXT", "f g.txt"};
    QTest::newRow("every name, also without dot") << "*.*" << all;
    QTest::newRow("question mark is one character") << "?.jpg" << QStringList{"c.jpg"};
    QTest::newRow("name.* matches the bare name") << "d.*" << QStringList{"d"};
    QTest::newRow("inner star") << "*.tar.*" << QStringList{"e.tar.gz"};
    QTest::newRow("empty mask") << "" << QStringList{};
    QTest::newRow("blank kept") << " *.txt" << QStringList{};
    QTest::newRow("matches nothing") << "ZelvoRenameemaneRovleZ" << QStringList{};
  }
  void mask_listsMatchesOfEachPattern() {
    QFETCH(QString, mask);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "b.TXT", "c.jpg", "d", "e.tar.gz", "f g.txt"})
      MakeFile(dir.path(), QString::fromLatin1(name));
    MakeFolder(dir.path(), QStringLiteral("folder.txt"));
    TZelvoRenameFileListView list;
    list.SetShowFolders(false);
    list.SetMask(mask);
    list.SetDirectory(dir.path());
    QCOMPARE(Captions(list), expected);
  }

  void fileType_filtersByAttribute_data() {
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no hidden") << int(ftHidden) << QStringList{"dir", "locked", "pipe", "plain"};
    QTest::newRow("no archive lists files")
        << int(ftArchive) << QStringList{".hiddendir", "dir", ".hidden", "locked", "pipe", "plain"};
    QTest::newRow("no read-only") << int(ftReadOnly)
                                  << QStringList{".hiddendir", "dir", ".hidden", "pipe", "plain"};
    QTest::newRow("no system") << int(ftSystem)
                               << QStringList{".hiddendir", "dir", ".hidden", "locked", "plain"};
  }
  void fileType_filtersByAttribute() {
    QFETCH(int, removed);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    for (const char *name : {".hidden", "locked", "plain"})
      MakeFile(dir.path(), QString::fromLatin1(name));
    MakeFolder(dir.path(), QStringLiteral("dir"));
    MakeFolder(dir.path(), QStringLiteral(".hiddendir"));
    ::chmod(QFile::encodeName(dir.path() + "/locked").constData(), 0444);
    ::mkfifo(QFile::encodeName(dir.path() + "/pipe").constData(), 0644);
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    list.SetFileType(list.FileType() & ~TFileType(TFileAttr(removed)));
    QCOMPARE(Captions(list), expected);
  }

  void folders_sortFirstAscendingAndLastDescending() {
    QTemporaryDir dir;
    MakeFile(dir.path(), QStringLiteral("a.txt"));
    MakeFile(dir.path(), QStringLiteral("z.txt"));
    MakeFolder(dir.path(), QStringLiteral("m"));
    MakeFolder(dir.path(), QStringLiteral("b.txt.d"));
    TZelvoRenameFileListView list;
    list.SetMask(QStringLiteral("*.txt"));
    list.SetDirectory(dir.path());
    QCOMPARE(Captions(list), QStringList({"b.txt.d", "m", "a.txt", "z.txt"}));
    list.SortByColumn(0);
    QVERIFY(list.SortDescending());
    QCOMPARE(Captions(list), QStringList({"z.txt", "a.txt", "m", "b.txt.d"}));
    // Working with folders: only matching folders, sorted among the files.
    list.SetMask(QStringLiteral("*.txt*"));
    list.SetWorkWithFolders(true);
    QCOMPARE(Captions(list), QStringList({"a.txt", "b.txt.d", "z.txt"}));
  }

  void recursion_listsFilesOfEverySubfolderOnce() {
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    MakeFile(dir.path(), QStringLiteral("a.txt"));
    MakeFile(dir.path(), QStringLiteral("one/b.txt"));
    MakeFile(dir.path(), QStringLiteral("one/two/c.txt"));
    MakeFile(dir.path(), QStringLiteral("ReCyCleD/d.txt"));
    MakeFile(dir.path(), QStringLiteral("locked/e.txt"));
    QVERIFY(QFile::link(dir.path(), root + QStringLiteral("one/loop")));
    QVERIFY(QFile::link(root + QStringLiteral("one/loop2"), root + QStringLiteral("one/loop1")));
    QVERIFY(QFile::link(root + QStringLiteral("one/loop1"), root + QStringLiteral("one/loop2")));
    LockedFoldersFileSystem files;
    Platform platform = DefaultPlatform();
    platform.Files = &files;
    TZelvoRenameFileListView list(nullptr, &platform);
    list.SetShowFolders(false);
    list.SetDirectory(dir.path());
    list.SetRecurseDirs(true);
    QStringList paths;
    for (const FileListEntry &e : list.Entries())
      if (e.SubItems[SubKind] == QLatin1String("file"))
        paths << e.SubItems[SubFullPath].mid(root.size());
    // The loop of links is listed as two system items; the link to the top folder is not entered.
    QCOMPARE(paths, QStringList({"a.txt", "one/b.txt", "one/two/c.txt", "one/loop1", "one/loop2"}));
    QCOMPARE(Find(list, "loop1")->SubItems[SubAttributes], QStringLiteral("S"));
    QCOMPARE(Find(list, "c.txt")->SubItems[SubFolder], root + "one/two/");
    QCOMPARE(list.Directory(), root);
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), root);
    // With folders shown nothing is walked.
    list.SetShowFolders(true);
    QVERIFY(!Find(list, "b.txt"));
  }

  // Set up at once, the list reads every folder once and hands their names on.
  void setUp_readsEachFolderOnceAndHandsItsNamesOn_data() {
    QTest::addColumn<bool>("recurse");
    QTest::addColumn<QStringList>("read"); // relative to the folder
    QTest::addColumn<QStringList>("files");
    QTest::newRow("folder") << false << QStringList{""} << QStringList{"a.txt"};
    QTest::newRow("recursive") << true << QStringList{"", "one/", "one/two/"}
                               << QStringList{"a.txt", "b.txt", "c.txt"};
  }
  void setUp_readsEachFolderOnceAndHandsItsNamesOn() {
    QFETCH(bool, recurse);
    QFETCH(QStringList, read);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path()) + '/';
    MakeFile(dir.path(), QStringLiteral("a.txt"));
    MakeFile(dir.path(), QStringLiteral("one/b.txt"));
    MakeFile(dir.path(), QStringLiteral("one/two/c.txt"));
    LockedFoldersFileSystem fileSystem;
    Platform platform = DefaultPlatform();
    platform.Files = &fileSystem;
    TZelvoRenameFileListView list(nullptr, &platform);
    TZelvoRenameFileListView::ListSetUp setUp;
    setUp.directory = dir.path();
    setUp.showFolders = !recurse;
    setUp.recurse = recurse;
    setUp.viewTexts = false;
    QVERIFY(list.SetUp(setUp));
    QByteArrayList expected;
    for (const QString &folder : read)
      expected << root + QFile::encodeName(folder);
    QCOMPARE(fileSystem.reads, expected);
    QStringList captions;
    for (const FileListEntry &e : list.Entries()) {
      if (e.IsFolder())
        continue;
      captions << e.Caption;
      QCOMPARE(e.SubItems[SubExtension], QStringLiteral("txt"));
      QVERIFY(e.SubItems[SubFullPath].isEmpty() && e.SubItems[SubType].isEmpty() && e.IconKey().isEmpty());
    }
    QCOMPARE(captions, files);
    const FolderSnapshots snapshots = list.TakeFolderSnapshots();
    QCOMPARE(qsizetype(snapshots.size()), read.size());
    QCOMPARE(snapshots.front()->folder, root);
    QVERIFY(snapshots.front()->stamp.Known);
    QByteArrayList names;
    for (size_t i = 0; i < snapshots.front()->size(); ++i)
      names << snapshots.front()->Name(i).toByteArray();
    std::sort(names.begin(), names.end());
    QCOMPARE(names, QByteArrayList({"a.txt", "one"}));
    QVERIFY(list.TakeFolderSnapshots().empty()); // handed on once
    QVERIFY(!list.SetUp({QStringLiteral("/no/such/folder")}));
    QCOMPARE(list.Count(), int(captions.size()) + (recurse ? 0 : 1));
  }

  void directory_reloadsOnlyOnChange() {
    QTemporaryDir dir;
    MakeFolder(dir.path(), QStringLiteral("sub"));
    const QString folder = dir.path() + QStringLiteral("/sub/");
    TZelvoRenameFileListView list;
    QSignalSpy added(&list, &TZelvoRenameFileListView::OnAddFiles);
    list.SetDirectory(folder);
    list.SetDirectory(folder);
    QCOMPARE(added.count(), 1);
    list.SetDirectory(dir.path() + QStringLiteral("/sub")); // the stored text ends with "/"
    QCOMPARE(added.count(), 2);
    list.SetRecurseDirs(true);
    QCOMPARE(added.count(), 3);
    list.SetDirectory(dir.path() + QStringLiteral("/missing"));
    QCOMPARE(list.Directory(), folder);
    QVERIFY(!list.RecurseDirs());
    QCOMPARE(added.count(), 3);
    list.SetDirectory(QStringLiteral("drives"));
    QCOMPARE(added.count(), 4);
    list.SetDirectory(QStringLiteral("DRIVES"));
    QCOMPARE(list.Directory(), QStringLiteral("drives"));
    QCOMPARE(added.count(), 4);
  }

  void reload_sortsThenAnnouncesAndFocusesFirst() {
    QTemporaryDir dir;
    MakeFile(dir.path(), QStringLiteral("b"));
    MakeFile(dir.path(), QStringLiteral("a"));
    TZelvoRenameFileListView list;
    QStringList events;
    connect(&list, &TZelvoRenameFileListView::OnRecienOrdenado, this, [&] { events << "sorted"; });
    connect(&list, &TZelvoRenameFileListView::OnAddFiles, this, [&] { events << "added"; });
    list.SetDirectory(dir.path());
    QCOMPARE(events, QStringList({"sorted", "added"}));
    QCOMPARE(list.FocusedIndex(), 0);
    QVERIFY(list.SelectedIndexes().empty());
    QCOMPARE(list.SelectedNumber(), 2);
    list.SetSelected(1, true);
    QCOMPARE(list.SelectedNumber(), 1);
    list.SortByColumn(4);
    QCOMPARE(events.last(), QStringLiteral("sorted"));
    QCOMPARE(list.Entry(1).Caption, QStringLiteral("b")); // ties keep the name order
    QVERIFY(list.Entry(1).Selected);
  }

  void sizeColumn_sortsByTrueSizeAndFlips() {
    QTemporaryDir dir;
    MakeFile(dir.path(), QStringLiteral("big"), qint64(5) << 30);
    MakeFile(dir.path(), QStringLiteral("ten"), 10);
    MakeFile(dir.path(), QStringLiteral("nine"), 9);
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    QCOMPARE(Find(list, "big")->SubItems[SubSize], QStringLiteral("5368709120"));
    list.SortByColumn(2);
    QCOMPARE(Captions(list), QStringList({"nine", "ten", "big"}));
    list.SortByColumn(2);
    QCOMPARE(Captions(list), QStringList({"big", "ten", "nine"}));
    list.SortByColumn(4);
    QVERIFY(!list.SortDescending());
  }

  void dateColumns_compareToTheMinute() {
    QTemporaryDir dir;
    for (const char *name : {"a", "b", "c"})
      MakeFile(dir.path(), QString::fromLatin1(name));
    SetFileTimes(dir.path() + "/a", k2021_03_04_0506 + 50, 0);
    SetFileTimes(dir.path() + "/b", k2021_03_04_0506 + 5, 0);
    SetFileTimes(dir.path() + "/c", k2021_03_04_0506 - 60, 0);
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    list.SortByColumn(6);
    QCOMPARE(list.CompareEntries(*Find(list, "a"), *Find(list, "b")), 0);
    QVERIFY(list.CompareEntries(*Find(list, "c"), *Find(list, "a")) < 0);
    QCOMPARE(Captions(list), QStringList({"c", "a", "b"}));
    list.SetDateFormat(dfYMD);
    QCOMPARE(Find(list, "a")->SubItems[SubModified], QStringLiteral("2021/03/04 05:06"));
    list.SortByColumn(6);
    list.SortByColumn(6);
    QCOMPARE(Captions(list), QStringList({"a", "b", "c"})); // equal ones keep their order
    // A time format with seconds tells apart the times of one minute.
    list.Formats().SetLongTime(QStringLiteral("hh:nn:ss"));
    list.SetDateFormat(dfDMY);
    QCOMPARE(Find(list, "a")->SubItems[SubModified], QStringLiteral("04/03/2021 05:06:50"));
    QCOMPARE(Find(list, "b")->SubItems[SubModified], QStringLiteral("04/03/2021 05:06:05"));
  }

  void equalKeys_orderedByNameBytesInEitherDirection() {
    QTemporaryDir dir;
    for (const char *name : {"b.txt", "B.TXT", "a.txt", "B.txt"})
      MakeFile(dir.path(), name);
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    QCOMPARE(Captions(list), QStringList({"a.txt", "B.TXT", "B.txt", "b.txt"}));
    list.SortByColumn(0);
    QCOMPARE(Captions(list), QStringList({"B.TXT", "B.txt", "b.txt", "a.txt"}));
    list.SortByColumn(4); // one extension for all but the letter case
    QCOMPARE(Captions(list), QStringList({"a.txt", "B.TXT", "B.txt", "b.txt"}));
  }

  void secondList_keepsTheFirstsDateFormat() {
    QTemporaryDir dir;
    MakeFile(dir.path(), "a");
    MakeFile(dir.path(), "b");
    SetFileTimes(dir.path() + "/a", k2021_03_04_0506, 0);
    SetFileTimes(dir.path() + "/b", k2021_03_04_0506 - 100 * 86400, 0);
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    list.SetDateFormat(dfYMD);
    TZelvoRenameFileListView other;
    other.SetDateFormat(dfMDY);
    list.Reload();
    QCOMPARE(list.Entry(0).SubItems[SubModified], QStringLiteral("2021/03/04 05:06"));
    list.SortByColumn(6); // the texts are read back with the list's own format
    QCOMPARE(Captions(list), QStringList({"b", "a"}));
  }

  void drivesView_listsEveryVolume() {
    FakeVolumes volumes;
    Platform platform = DefaultPlatform();
    platform.Volumes = &volumes;
    TZelvoRenameFileListView list(nullptr, &platform);
    QCOMPARE(list.Directory(), QStringLiteral("Drives"));
    QCOMPARE(list.Count(), 0); // nothing is listed before the first reload
    QCOMPARE(list.NumColumns(), 9);
    list.Reload();
    QCOMPARE(list.NumColumns(), 2);
    QCOMPARE(list.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Type"));
    QCOMPARE(Captions(list),
             QStringList({" (/)  root", " (/media/stick)  STICK", " (/net)  server:/export"}));
    const FileListEntry &stick = list.Entry(1);
    QCOMPARE(stick.SubItems[SubFolder], QStringLiteral("Removable Disk"));
    QCOMPARE(stick.SubItems[SubFullPath], QStringLiteral("/media/stick/"));
    QCOMPARE(stick.SubItems[SubKind], QStringLiteral("drv"));
    for (int i = SubSize; i <= SubAttributes; ++i)
      QVERIFY(stick.SubItems[size_t(i)].isEmpty());
    QCOMPARE(list.data(list.index(2, 1)).toString(), QStringLiteral("Network Disk"));
    list.SetLanguage(1);
    QCOMPARE(list.Entry(0).SubItems[SubFolder], QStringLiteral("Disco Fijo"));
    QCOMPARE(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nombre"));
    // A second list keeps its own language and formats, and does not reset those of the first.
    TZelvoRenameFileListView other(nullptr, &platform);
    other.Reload();
    QCOMPARE(other.Entry(0).SubItems[SubFolder], QStringLiteral("Fixed Disk"));
    list.Reload();
    QCOMPARE(list.Entry(0).SubItems[SubFolder], QStringLiteral("Disco Fijo"));
  }

  void drivesView_showsThisMachinesRoot() {
    TZelvoRenameFileListView list;
    list.Reload();
    QStringList roots;
    for (const FileListEntry &e : list.Entries())
      roots << e.SubItems[SubFullPath];
    QVERIFY(roots.contains(QStringLiteral("/")));
    for (const QString &root : roots)
      QVERIFY2(!root.startsWith("/proc") && !root.startsWith("/sys") && !root.startsWith("/dev"),
               qPrintable(root));
  }

  void language_recaptionsFolderColumnsWithoutReload() {
    QTemporaryDir dir;
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    QSignalSpy added(&list, &TZelvoRenameFileListView::OnAddFiles);
    list.SetLanguage(5);
    QCOMPARE(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(list.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Größe(Byte)"));
    QCOMPARE(added.count(), 0);
    list.SetLanguage(0);
  }

  void columnWidths_savedWhenFolderChanges() {
    QTemporaryDir dir;
    MakeFolder(dir.path(), QStringLiteral("x"));
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    QCOMPARE(list.ColumnWidth(2), 90);
    list.SetColumnWidth(2, 123);
    list.Reload(); // columns come back from the slots
    QCOMPARE(list.ColumnWidth(2), 90);
    list.SetColumnWidth(2, 123);
    list.SetDirectory(dir.path() + QStringLiteral("/x"));
    QCOMPARE(list.ColumnWidth(2), 123);
    QCOMPARE(list.ColumnWidthSlots()[2], 123);
  }

  void nonUtf8Name_isListedWithItsBytes() {
    QTemporaryDir dir;
    const QByteArray path = MakeRawNamedFile(dir.path(), QByteArray("caf\xe9 \xff.txt"));
    const QByteArray folder = QFile::encodeName(dir.path()) + QByteArray("/d\xe9j\xe0");
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    const QByteArray inner = folder + "/inner.txt";
    ::close(::open(inner.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
    TZelvoRenameFileListView list;
    list.SetShowFolders(false);
    list.SetDirectory(dir.path());
    QCOMPARE(list.Count(), 1);
    QCOMPARE(list.Entry(0).NativePath, path);
    QCOMPARE(list.Entry(0).SubItems[SubExtension], QStringLiteral("txt"));
    // The walk enters a folder whose name is not UTF-8 and keeps the exact path of what it finds.
    list.SetRecurseDirs(true);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(Find(list, "inner.txt")->NativePath, inner);
    for (const QByteArray &raw : {inner, path})
      QCOMPARE(::unlink(raw.constData()), 0);
    QCOMPARE(::rmdir(folder.constData()), 0);
  }

  void model_passesItemModelChecks() {
    QTemporaryDir dir;
    for (const char *name : {"b.txt", "a.jpg", "c"})
      MakeFile(dir.path(), QString::fromLatin1(name));
    MakeFolder(dir.path(), QStringLiteral("sub"));
    TZelvoRenameFileListView list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.SetDirectory(dir.path());
    QPersistentModelIndex first(list.index(0, 0));
    list.SortByColumn(0);
    QCOMPARE(first.row(), list.Count() - 1); // folders move to the end
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QVERIFY(list.setData(list.index(1, 0), true, TZelvoRenameFileListView::SelectedRole));
    QVERIFY(list.data(list.index(1, 2), TZelvoRenameFileListView::SelectedRole).toBool());
    list.sort(3, Qt::DescendingOrder);
    QCOMPARE(list.SortColumn(), 3);
    QVERIFY(list.SortDescending());
    list.ClearSelection();
    QCOMPARE(changed.count(), 2);
    list.AddEntries(QStringLiteral("*.txt"), AttrArchive);
    QCOMPARE(list.Count(), 5);
    list.SetLanguage(2);
    list.SetDirectory(QStringLiteral("Drives"));
    list.SetLanguage(0);
    QCOMPARE(list.data(list.index(0, 0), TZelvoRenameFileListView::KindRole).toString(),
             QStringLiteral("drv"));
  }
};

QTEST_GUILESS_MAIN(TestFileListView)
#include "tst_file_list_view.moc"
