#include "support_app.h"

#include "settings/shell_entry_files.h"

#include <QSettings>
#include <QSignalSpy>

namespace {

const QString kProgram = QStringLiteral("/usr/bin/zelvo-rename");

} // namespace

class TestShellEntryButton : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> m_dir;
  FakeDialogs m_dialogs;
  std::unique_ptr<AppCore> m_core;

  QString store() const { return m_dir->filePath(QStringLiteral("Zelvo Rename.conf")); }
  QString data() const { return m_dir->filePath(QStringLiteral("share")); }
  QString recordedCaption() const {
    return QSettings(store(), QSettings::IniFormat)
        .value(QStringLiteral("Drive/Shell/Zelvo Rename"))
        .toString();
  }
  QString button() const { return m_core->Captions().value(QStringLiteral("btnShellOptions")); }
  std::unique_ptr<AppCore> newCore() {
    auto core = std::make_unique<AppCore>(m_dialogs);
    core->SetShellExtension(ShellExtension(store(), data()), kProgram);
    core->ReadShellEntryState();
    return core;
  }
  void block() { // a file where the Nemo actions folder must go
    QVERIFY(QDir().mkpath(data()));
    Touch(data() + QStringLiteral("/nemo"));
  }

private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_core = newCore();
  }

  void button_addsFollowsLanguageAndRemoves() {
    QSignalSpy changed(m_core.get(), &AppCore::ShellEntryInstalledChanged);
    QCOMPARE(button(), m_core->Texts().sAddShellEntry);
    m_core->btnShellOptionsClick();
    QVERIFY(m_core->ShellEntryInstalled());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(button(), m_core->Texts().sRemoveShellEntry);
    QCOMPARE(recordedCaption(), QStringLiteral("Zelvo Rename from Here"));
    QVERIFY(QFile::exists(NautilusScriptPath(data(), QStringLiteral("Zelvo Rename from Here"))));

    QVERIFY(newCore()->ShellEntryInstalled()); // the next start sees it

    m_core->ChangeLanguage(LanguageGerman);
    QCOMPARE(recordedCaption(), QStringLiteral("Zelvo Rename von hier "));
    QCOMPARE(button(), m_core->Texts().sRemoveShellEntry);
    QVERIFY(QFile::exists(NautilusScriptPath(data(), QStringLiteral("Zelvo Rename von hier"))));
    QVERIFY(!QFile::exists(NautilusScriptPath(data(), QStringLiteral("Zelvo Rename from Here"))));

    m_core->btnShellOptionsClick();
    QVERIFY(!m_core->ShellEntryInstalled());
    QCOMPARE(button(), m_core->Texts().sAddShellEntry);
    for (const QString &path : ShellEntryPaths(data(), {QStringLiteral("Zelvo Rename von hier ")}))
      QVERIFY2(!QFile::exists(path), qPrintable(path));
    QVERIFY(!newCore()->ShellEntryInstalled());
    QVERIFY(m_dialogs.errors.isEmpty());
  }

  void languageSwitch_withoutEntry_writesNothing() {
    m_core->ChangeLanguage(LanguageGerman);
    QVERIFY(!QFile::exists(data()));
    QVERIFY(!QFile::exists(store()));
  }

  void failedAdd_isShownAndChangesNothing() {
    block();
    QSignalSpy changed(m_core.get(), &AppCore::ShellEntryInstalledChanged);
    m_core->btnShellOptionsClick();
    QCOMPARE(m_dialogs.errors.size(), 1);
    QVERIFY2(m_dialogs.errors.first().contains(data() + QStringLiteral("/nemo")),
             qPrintable(m_dialogs.errors.first()));
    QVERIFY(!m_core->ShellEntryInstalled());
    QCOMPARE(changed.size(), 0);
    QCOMPARE(button(), m_core->Texts().sAddShellEntry);
    QVERIFY(!QFile::exists(data() + QStringLiteral("/applications")) ||
            QDir(data() + QStringLiteral("/applications")).isEmpty());
  }

  void failedLanguageRewrite_isShownAndKeepsTheOldText() {
    m_core->btnShellOptionsClick();
    QVERIFY(QDir(data() + QStringLiteral("/nemo")).removeRecursively());
    block();
    m_core->ChangeLanguage(LanguageGerman);
    QCOMPARE(m_dialogs.errors.size(), 1);
    QVERIFY(m_core->ShellEntryInstalled());
    QCOMPARE(recordedCaption(), QStringLiteral("Zelvo Rename from Here"));
    QVERIFY(QFile::exists(NautilusScriptPath(data(), QStringLiteral("Zelvo Rename from Here"))));
  }
};

QTEST_GUILESS_MAIN(TestShellEntryButton)
#include "tst_shell_entry_button.moc"
