// Names that are not valid UTF-8 on disk: renamed, undone and scripted byte for byte, and told apart.
#include "engine/option_fields.h"
#include "engine/rename_session.h"
#include "explorer/file_list_view.h"
#include "platform/name_codec.h"
#include "platform/safe_rename.h"
#include "support_disk_files.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>

namespace {

struct Fixture {
  QTemporaryDir dir;
  QByteArray folder = QFile::encodeName(dir.path()) + '/';
  RenameOptions options;
  TZelvoRenameFileListView list;
  RenameSession session{options, list};

  explicit Fixture(const QByteArrayList &names) {
    for (const QByteArray &name : names)
      Make(folder + name, name);
    list.SetDirectory(dir.path());
  }
  // Sets "field=value" options, lists the folder again and refreshes.
  void Set(const QStringList &settings) {
    for (const QString &s : settings) {
      const qsizetype eq = s.indexOf(QLatin1Char('='));
      QVERIFY(SetOptionFromText(options, s.left(eq), s.mid(eq + 1)).isEmpty());
    }
    session.ReloadList();
    QVERIFY(session.UpdateAll().isEmpty());
  }
  QByteArrayList Names() const {
    QByteArrayList names;
    SystemFileSystemCalls().FolderNames(folder.constData(), names);
    std::sort(names.begin(), names.end());
    return names;
  }
};

} // namespace

class TestUndecodableNames : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void renameUndoAndUndoScript_keepTheBytes_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QByteArray>("renamed");
    QTest::newRow("upper case") << QByteArray("caf\xE9.txt")
                                << QStringList{"opUpperCase=1", "opUpperCaseEx=1"}
                                << QByteArray("CAF\xE9.TXT");
    QTest::newRow("no extension, no dot")
        << QByteArray("\xC3x\xE9y") << QStringList{"opUpperCase=1"} << QByteArray("\xC3X\xE9Y");
    QTest::newRow("insert and accents")
        << QByteArray("\xC3\xA9t\xE9.mp3")
        << QStringList{"opInsertBefore=1", "tInsertBefore=01 ", "opNoAccents=1"}
        << QByteArray("01 et\xE9.mp3");
  }
  void renameUndoAndUndoScript_keepTheBytes() {
    QFETCH(QByteArray, name);
    QFETCH(QStringList, settings);
    QFETCH(QByteArray, renamed);
    Fixture f({name});
    f.Set(settings);
    QVERIFY(f.session.RenameAll().isEmpty());
    QCOMPARE(f.Names(), QByteArrayList{renamed});
    QCOMPARE(ContentOf(f.folder + renamed), name);

    QVERIFY(f.session.Undo().isEmpty());
    QCOMPARE(f.Names(), QByteArrayList{name});

    // Again, put back this time by the shell script of the undo, written outside the folder.
    f.Set(settings);
    QVERIFY(f.session.RenameAll().isEmpty());
    QTemporaryDir scripts;
    const SaveOutcome saved =
        f.session.SaveUndoScript(scripts.filePath("undo.sh"), [](const QString &) { return true; });
    QCOMPARE(saved.kind, SaveOutcome::Saved);
    QCOMPARE(QProcess::execute(QStringLiteral("sh"), {saved.path}), 0);
    QCOMPARE(f.Names(), QByteArrayList{name});
    QCOMPARE(ContentOf(f.folder + name), name);
  }

  void namesDifferingInUndecodableBytes_readApartInMessages() {
    Fixture f({"a\xE9.txt", "a\xE8.txt", "taken.txt"});
    f.Set({"opReplace=1", "tChangeFilename=taken"});
    const RenameErrorRecord errors = f.session.RenameAll();
    QCOMPARE(errors.size(), 2);
    const QString folder = QString::fromUtf8(f.folder);
    QCOMPARE(QSet<QString>(errors.lFileNames.begin(), errors.lFileNames.end()),
             QSet<QString>({folder + "a\\xE8.txt", folder + "a\\xE9.txt"}));
    for (const QString &text : errors.lFileNames + errors.reasons)
      QVERIFY2(!text.contains(QChar::ReplacementCharacter) && !HasEscapedBytes(text), qPrintable(text));
  }

  void fileList_sortsAndShowsNamesByTheirBytes() {
    Fixture f({"b\xE9", "b\xE8", "a", "B\xE7"});
    QStringList shown;
    for (int row = 0; row < f.list.Count(); ++row)
      shown << f.list.data(f.list.index(row, 0)).toString();
    QCOMPARE(shown, QStringList({"a", "B\\xE7", "b\\xE8", "b\\xE9"}));
  }
};

QTEST_GUILESS_MAIN(TestUndecodableNames)
#include "tst_undecodable_names.moc"
