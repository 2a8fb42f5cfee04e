#include "explorer/folder_tree_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <map>

namespace {

// Folders described in memory: each listed folder (ending with "/") holds named items of some kind.
// Items of kind Unknown stand for links; Stat tells what they point to.
class FakeFileSystem final : public FileSystem {
public:
  void Add(const QByteArray &path, ItemKind kind = ItemKind::Folder, ItemKind target = ItemKind::Folder) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = path.left(slash + 1);
    if (slash > 0 && !folders.contains(folder))
      Add(path.left(slash));
    folders[folder].push_back({path.mid(slash + 1), kind, target});
    if (kind == ItemKind::Folder)
      folders.try_emplace(path + '/');
  }
  std::unique_ptr<FolderListing> ReadFolder(const QByteArray &folder) override {
    ++reads;
    const auto it = folders.find(folder);
    if (it == folders.end() || unreadable.contains(folder))
      return nullptr;
    auto listing = std::make_unique<FolderListing>();
    listing->Folder = folder;
    for (const Item &i : it->second) {
      FolderItem item;
      item.Name = i.name;
      item.Kind = i.kind;
      listing->Items.push_back(item);
    }
    return listing;
  }
  bool Stat(FolderListing &listing, FolderItem &item) override {
    for (const Item &i : folders[listing.Folder])
      if (i.name == item.Name)
        item.Kind = i.target;
    item.Statted = true;
    return true;
  }
  bool FolderExists(const QByteArray &path) override { return folders.contains(path); }
  bool SetCurrentFolder(const QByteArray &) override { return true; }
  QByteArray CurrentFolder() override { return "/"; }

  struct Item {
    QByteArray name;
    ItemKind kind;
    ItemKind target;
  };
  std::map<QByteArray, std::vector<Item>> folders;
  QSet<QByteArray> unreadable;
  int reads = 0;
};

class FakeVolumes final : public VolumeTable {
public:
  std::vector<Volume> Volumes() override { return volumes; }
  DriveType TypeOf(const QByteArray &) override { return DriveType::Fixed; }
  bool Ready(const QByteArray &) override { return true; }
  std::vector<Volume> volumes{
      {"/", QStringLiteral("system"), DriveType::Fixed, "/dev/sda1"},
      {"/media/stick", QString(), DriveType::Removable, "/dev/sdb1"},
      {"/mnt/share", QStringLiteral("server:/export"), DriveType::Network, "server:/x"}};
};

struct Fixture {
  Fixture() {
    for (const char *path : {"/home", "/home/ann", "/home/Ann", "/home/ann/docs", "/home/bob/docs/old",
                             "/media", "/media/stick", "/media/stick/photos", "/mnt", "/mnt/share"})
      files.Add(path);
    files.Add("/home/readme.txt", ItemKind::File);
    model.FillDrives();
  }
  FakeFileSystem files;
  FakeVolumes volumes;
  Platform platform{&files, &volumes, nullptr};
  TZelvoRenameFolderTreeModel model{nullptr, &platform};
};

QStringList Captions(const TZelvoRenameFolderTreeModel &model, const QModelIndex &parent) {
  QStringList captions;
  for (int row = 0; row < model.rowCount(parent); ++row)
    captions << model.index(row, 0, parent).data().toString();
  return captions;
}

} // namespace

class TestFolderTreeModel : public QObject {
  Q_OBJECT
private slots:
  void modelTester_acceptsLazyFilling() {
    Fixture f;
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(f.model.FindPath(QStringLiteral("/home/bob/docs/old")).isValid());
    f.model.Forget(f.model.FindPath(QStringLiteral("/home")));
    f.model.SetFolderName(f.model.FindPath(QStringLiteral("/home/ann/docs")), QStringLiteral("papers"));
  }

  void drivesLevel_oneNodePerVolume() {
    Fixture f;
    const QModelIndex root = f.model.RootIndex();
    QCOMPARE(f.model.rowCount(), 1);
    QCOMPARE(root.data().toString(), f.model.RootCaption());
    QCOMPARE(Captions(f.model, root),
             QStringList({QStringLiteral(" (/)  system"), QStringLiteral(" (/media/stick)  sdb1"),
                          QStringLiteral(" (/mnt/share)  server:/export")}));
    QCOMPARE(f.model.NodePath(root), QString());
    QCOMPARE(f.model.NodePath(f.model.index(1, 0, root)), QStringLiteral("/media/stick/"));
    QCOMPARE(f.files.reads, 0); // nothing is listed before a node expands
  }

  void findPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("nodePath");
    QTest::addColumn<int>("level");
    QTest::newRow("drives word") << "drives"
                                 << "" << 0;
    QTest::newRow("root volume") << "/"
                                 << "/" << 1;
    QTest::newRow("folder with final slash") << "/home/ann/docs/"
                                             << "/home/ann/docs" << 4;
    QTest::newRow("other letter case is another folder") << "/home/Ann"
                                                         << "/home/Ann" << 3;
    QTest::newRow("same name under a sibling") << "/home/bob/docs"
                                               << "/home/bob/docs" << 4;
    QTest::newRow("mount point") << "/media/stick"
                                 << "/media/stick/" << 1;
    QTest::newRow("inside the longest mount point") << "/media/stick/photos"
                                                    << "/media/stick/photos" << 2;
    QTest::newRow("not a mount point, a folder") << "/media"
                                                 << "/media" << 2;
  }
  void findPath() {
    QFETCH(QString, path);
    QFETCH(QString, nodePath);
    QFETCH(int, level);
    Fixture f;
    const QModelIndex found = f.model.FindPath(path);
    QVERIFY(found.isValid());
    QCOMPARE(f.model.NodePath(found), nodePath);
    QCOMPARE(found.data(TZelvoRenameFolderTreeModel::LevelRole).toInt(), level);
  }

  void findPath_unknownComponent_givesDeepestMatch_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("deepest");
    QTest::newRow("wrong letter case") << "/home/ANN"
                                       << "/home";
    QTest::newRow("missing deeper down") << "/home/ann/docs/new"
                                         << "/home/ann/docs";
    QTest::newRow("file, not folder") << "/home/readme.txt"
                                      << "/home";
    QTest::newRow("relative path") << "home"
                                   << "";
  }
  void findPath_unknownComponent_givesDeepestMatch() {
    QFETCH(QString, path);
    QFETCH(QString, deepest);
    Fixture f;
    QModelIndex last;
    QVERIFY(!f.model.FindPath(path, &last).isValid());
    QCOMPARE(f.model.NodePath(last), deepest);
  }

  void expanding_sortsFoldersByNameAndSkipsFiles() {
    Fixture f;
    for (const char *name : {"b", "A", "a", "C", "_x"})
      f.files.Add(QByteArray("/media/stick/photos/") + name);
    f.files.Add("/media/stick/photos/z.jpg", ItemKind::File);
    f.files.Add("/media/stick/photos/link to folder", ItemKind::Unknown, ItemKind::Folder);
    f.files.Add("/media/stick/photos/link to file", ItemKind::Unknown, ItemKind::File);
    const QModelIndex photos = f.model.FindPath(QStringLiteral("/media/stick/photos"));
    f.model.fetchMore(photos);
    QCOMPARE(Captions(f.model, photos), QStringList({"_x", "A", "a", "b", "C", "link to folder"}));
    // Expanding does not look into each subfolder; only a view asking for a mark does.
    QCOMPARE(f.model.SubfolderChecks(), 0);
  }

  void expandingNodeWithoutSubfolders_clearsMark_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("unreadable");
    QTest::newRow("volume without folders") << "/mnt/share" << false;
    QTest::newRow("unreadable volume") << "/media/stick" << true;
    QTest::newRow("leaf folder") << "/home/ann/docs" << false;
  }
  void expandingNodeWithoutSubfolders_clearsMark() {
    QFETCH(QString, path);
    QFETCH(bool, unreadable);
    Fixture f;
    if (unreadable)
      f.files.unreadable.insert(QFile::encodeName(path) + '/');
    const QModelIndex node = f.model.FindPath(path);
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    QVERIFY(f.model.canFetchMore(node));
    f.model.fetchMore(node);
    QVERIFY(!f.model.hasChildren(node));
    QVERIFY(!f.model.canFetchMore(node));
    QCOMPARE(changed.count(), 1);
  }

  void checkSubfolders_clearsMarkOfFolderWithoutAny() {
    Fixture f;
    const QModelIndex home = f.model.FindPath(QStringLiteral("/home"));
    const QModelIndex ann = f.model.FindPath(QStringLiteral("/home/ann"));
    const QModelIndex bigAnn = f.model.FindPath(QStringLiteral("/home/Ann"));
    QVERIFY(f.model.hasChildren(bigAnn)); // until checked
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
    QVERIFY(f.model.CheckSubfolders(home));
    QVERIFY(f.model.CheckSubfolders(ann));
    QVERIFY(changed.isEmpty());
    QVERIFY(!f.model.CheckSubfolders(bigAnn));
    QVERIFY(!f.model.hasChildren(bigAnn));
    QCOMPARE(changed.count(), 1);
    const int reads = f.files.reads;
    QVERIFY(!f.model.CheckSubfolders(bigAnn)); // looked at once
    QCOMPARE(f.files.reads, reads);
  }

  void renamedFolder_givesNewPathsBelowIt() {
    Fixture f;
    const QModelIndex old = f.model.FindPath(QStringLiteral("/home/bob/docs/old"));
    f.model.SetFolderName(f.model.FindPath(QStringLiteral("/home/bob")), QStringLiteral("robert"));
    QCOMPARE(f.model.NodePath(old), QStringLiteral("/home/robert/docs/old"));
  }
};

QTEST_GUILESS_MAIN(TestFolderTreeModel)
#include "tst_folder_tree_model.moc"
