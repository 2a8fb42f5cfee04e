#include "engine/option_fields.h"
#include "engine/rename_session.h"
#include "explorer/file_list_view.h"

#include <QtTest>

namespace {

void Touch(const QString &path, const QByteArray &bytes = {}) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QStringList Names(const QString &folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

void Set(RenameOptions &o, const char *field, const char *value) {
  QVERIFY(SetOptionFromText(o, QString::fromLatin1(field), QString::fromLatin1(value)).isEmpty());
}

// A folder with files, listed, and a session over it.
struct Fixture {
  QTemporaryDir dir;
  RenameOptions options;
  TZelvoRenameFileListView list;
  RenameSession session{options, list};

  explicit Fixture(const QStringList &files) {
    for (const QString &f : files)
      Touch(dir.filePath(f), f.toUtf8());
    list.SetDirectory(dir.path());
  }
  QString Path(const QString &name) const { return QDir(dir.path()).absoluteFilePath(name); }
};

} // namespace

class TestRenameSession : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void renameAll_renamesResetsAndRefreshes() {
    Fixture f({"a.txt", "b.txt"});
    Set(f.options, "opUpperCase", "1");
    Set(f.options, "opInsertBefore", "1");
    Set(f.options, "tInsertBefore", "x_");
    Set(f.options, "tMask", "*.txt");
    f.session.ReloadList();
    QVERIFY(f.session.UpdateAll().isEmpty());
    QVERIFY(!f.session.UndoAvailable());

    const RenameErrorRecord errors = f.session.RenameAll();
    QVERIFY(errors.isEmpty());
    QCOMPARE(Names(f.dir.path()), QStringList({"X_A.txt", "X_B.txt"}));
    QVERIFY(!f.options.opUpperCase && f.options.opNoCaseChanges && !f.options.opInsertBefore);
    QCOMPARE(f.options.tMask, QStringLiteral("*.*"));
    QCOMPARE(f.options.tInsertBefore, QStringLiteral("x_")); // texts stay
    QCOMPARE(f.session.CurrentPreview().lZelvoList, QStringList({"X_A.txt", "X_B.txt"}));
    QVERIFY(f.session.UndoAvailable());
    QCOMPARE(f.session.LastRun().lOld,
             QByteArrayList({QFile::encodeName(f.Path("a.txt")), QFile::encodeName(f.Path("b.txt"))}));
    QCOMPARE(f.session.LastRun().lNew,
             QByteArrayList({QFile::encodeName(f.Path("X_A.txt")), QFile::encodeName(f.Path("X_B.txt"))}));

    // A second run straight away leaves every name as it is.
    QVERIFY(f.session.RenameAll().isEmpty());
    QCOMPARE(Names(f.dir.path()), QStringList({"X_A.txt", "X_B.txt"}));
  }

  void renameAll_collisionListedAndUndoRestoresOnlyTheFirst() {
    Fixture f({"a.txt", "b.txt"});
    Set(f.options, "opReplace", "1");
    Set(f.options, "tChangeFilename", "same");
    const RenameErrorRecord errors = f.session.RenameAll();
    QCOMPARE(errors.lFileNames, QStringList{f.Path("b.txt")});
    QCOMPARE(errors.lidItems, QStringList{"1"});
    QCOMPARE(Names(f.dir.path()), QStringList({"b.txt", "same.txt"}));

    QVERIFY(f.session.Undo().isEmpty());
    QCOMPARE(Names(f.dir.path()), QStringList({"a.txt", "b.txt"}));
    QVERIFY(!f.session.UndoAvailable());
    QFile a(f.Path("a.txt"));
    QVERIFY(a.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), QByteArray("a.txt"));
  }

  void undo_bringsBackAChainWhole() {
    // Listed 2 then 1: 2.txt becomes 3.txt, then 1.txt takes the freed name 2.txt.
    Fixture f({"1.txt", "2.txt"});
    f.list.SortByColumn(0); // the same column again: descending
    QCOMPARE(f.list.Entry(0).Caption, QStringLiteral("2.txt"));
    Set(f.options, "opReplace", "1");
    Set(f.options, "tChangeFilename", "");
    Set(f.options, "opABeforeFilename", "1");
    Set(f.options, "tStartAt", "3");
    Set(f.options, "tIncrement", "-1");
    Set(f.options, "tZeroFill", "0");
    QVERIFY(f.session.RenameAll().isEmpty());
    QCOMPARE(Names(f.dir.path()), QStringList({"2.txt", "3.txt"}));
    QVERIFY(f.session.Undo().isEmpty());
    QCOMPARE(Names(f.dir.path()), QStringList({"1.txt", "2.txt"}));
    QFile one(f.Path("1.txt"));
    QVERIFY(one.open(QIODevice::ReadOnly));
    QCOMPARE(one.readAll(), QByteArray("1.txt"));
  }

  void undo_reportsFilesItCannotRestore() {
    Fixture f({"a.txt"});
    Set(f.options, "opUpperCase", "1");
    QVERIFY(f.session.RenameAll().isEmpty());
    Touch(f.Path("a.txt"), "newcomer"); // the old name is taken again
    const RenameErrorRecord failures = f.session.Undo();
    QCOMPARE(failures.lFileNames, QStringList{f.Path("A.txt")});
    QCOMPARE(Names(f.dir.path()), QStringList({"A.txt", "a.txt"}));
  }

  void editInPlace_successAndFailure() {
    Fixture f({"a.txt", "b.txt"});
    QVERIFY(f.session.UpdateAll().isEmpty());
    QString text = QStringLiteral("c.txt");
    QVERIFY(f.session.EditInPlace(0, text));
    QCOMPARE(Names(f.dir.path()), QStringList({"b.txt", "c.txt"}));
    f.session.ReloadList();
    text = QStringLiteral("b.txt"); // taken
    QVERIFY(!f.session.EditInPlace(1, text));
    QCOMPARE(text, f.list.Entry(1).Caption);
    QCOMPARE(Names(f.dir.path()), QStringList({"b.txt", "c.txt"}));
  }

  void optionChanged_withoutInstantPreviewWritesHintOnce() {
    Fixture f({"a.txt"});
    QVERIFY(f.session.UpdateAll().isEmpty());
    f.options.opInstantRefresh = false;
    f.session.OptionChanged();
    QVERIFY(!f.session.CurrentPreview().PreviewValid);
    QCOMPARE(f.session.CurrentPreview().lZelvoList.first(), QStringLiteral("Press Double Click"));
    PreviewTexts other;
    other.sRefreshHint1 = QStringLiteral("Doppelt klicken   ");
    f.session.SetPreviewTexts(&other);
    f.session.OptionChanged(); // written once: no change
    QCOMPARE(f.session.CurrentPreview().lZelvoList.first(), QStringLiteral("Press Double Click"));
    f.session.LanguageChanged(); // a new language writes it again
    QCOMPARE(f.session.CurrentPreview().lZelvoList.first(), QStringLiteral("Doppelt klicken   "));
  }

  void savePreview_extensionQuestionAndNotice() {
    Fixture f({"a.txt"});
    QTemporaryDir out;
    int asked = 0;
    auto no = [&](const QString &) { return ++asked, false; };
    SaveOutcome saved = f.session.SavePreviewText(out.filePath("Preview"), no);
    QCOMPARE(saved.kind, SaveOutcome::Saved);
    QCOMPARE(saved.path, out.filePath("Preview.txt"));
    QCOMPARE(saved.message, QStringLiteral("File: \"%1\" Saved").arg(saved.path));
    QCOMPARE(asked, 0);

    Touch(saved.path, "old");
    QString question;
    saved = f.session.SavePreviewText(saved.path, [&](const QString &q) { return question = q, false; });
    QCOMPARE(saved.kind, SaveOutcome::Declined);
    QCOMPARE(question, QStringLiteral("The selected file \"%1\" already exist. OverWrite?").arg(saved.path));
    QFile kept(saved.path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));

    saved = f.session.SaveRenameScript(out.filePath("run.BAT"), no);
    QCOMPARE(saved.path, out.filePath("run.BAT"));
    QCOMPARE(saved.message, QStringLiteral("File: \"%1\" Saved.").arg(saved.path));

    saved = f.session.SaveUndoScript(out.filePath("Undo"), no, true); // the shell filter chosen
    QCOMPARE(saved.path, out.filePath("Undo.sh"));
    QVERIFY(QFile::permissions(saved.path) & QFileDevice::ExeOwner);
    QCOMPARE(QProcess::execute(saved.path, {}), 0);
  }
};

QTEST_GUILESS_MAIN(TestRenameSession)
#include "tst_rename_session.moc"
