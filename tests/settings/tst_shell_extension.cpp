#include "settings/shell_entry_files.h"
#include "settings/shell_extension.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kEnglish = QStringLiteral("Zelvo Rename from Here");
const QString kGerman = QStringLiteral("Zelvo Rename von hier ");
const QString kProgram = QStringLiteral("/opt/zelvo apps/zelvo-rename");

QByteArray Read(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file of the entry with what it holds; the Nautilus script under the caption's own name.
QMap<QString, QByteArray> Snapshot(const QString &dataHome, const QStringList &captions) {
  QMap<QString, QByteArray> out;
  for (const QString &path : ShellEntryPaths(dataHome, captions))
    out.insert(path, Read(path));
  return out;
}

void Block(const QString &path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

// The groups of a key file, each with its keys and their values as written.
QMap<QString, QMultiMap<QString, QString>> KeyFile(const QByteArray &bytes) {
  QMap<QString, QMultiMap<QString, QString>> groups;
  QString group;
  for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1Char('[')))
      group = line;
    else if (line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
      groups[group].insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
  }
  return groups;
}

// A string value read as the desktop entry format says: \s, \n, \t, \r and \\ stand for one character.
QString Unescaped(const QString &value) {
  QString out;
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const QChar c = value[++i];
    out += c == QLatin1Char('s')   ? QChar(' ')
           : c == QLatin1Char('n') ? QChar('\n')
           : c == QLatin1Char('t') ? QChar('\t')
           : c == QLatin1Char('r') ? QChar('\r')
                                   : c;
  }
  return out;
}

// The words of a command line: blanks split them; inside double quotes a backslash takes the next
// character as it is; inside single quotes everything is as it is (the shell's and the desktop
// entry's quoting, which agree on what these entries hold); then "%%" is one percent sign.
QStringList Words(const QString &line) {
  QStringList words;
  QString word;
  bool inWord = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == QLatin1Char(' ')) {
      if (inWord)
        words << word;
      word.clear();
      inWord = false;
    } else if (c == QLatin1Char('"')) {
      for (++i; i < line.size() && line[i] != QLatin1Char('"'); ++i)
        word += line[i] == QLatin1Char('\\') && i + 1 < line.size() ? line[++i] : line[i];
      inWord = true;
    } else if (c == QLatin1Char('\'')) {
      for (++i; i < line.size() && line[i] != QLatin1Char('\''); ++i)
        word += line[i];
      inWord = true;
    } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
      word += line[++i];
      inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord)
    words << word;
  for (QString &w : words)
    w.replace(QStringLiteral("%%"), QStringLiteral("%"));
  return words;
}

} // namespace

class TestShellExtension : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> m_dir;
  QString store() const { return m_dir->filePath(QStringLiteral("config/Zelvo Soft/Zelvo Rename.conf")); }
  QString data() const { return m_dir->filePath(QStringLiteral("data")); }
  ShellExtension extension() const { return ShellExtension(store(), data()); }

private slots:
  void init() { m_dir = std::make_unique<QTemporaryDir>(); }

  void userPlaces_followXdgFolders() {
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("cfg")).toUtf8());
    qputenv("XDG_DATA_HOME", m_dir->filePath(QStringLiteral("share")).toUtf8());
    const ShellExtension user;
    QCOMPARE(user.Record().StoreFile(), m_dir->filePath(QStringLiteral("cfg/Zelvo Soft/Zelvo Rename.conf")));
    QCOMPARE(user.DataHome(), m_dir->filePath(QStringLiteral("share")));
  }

  void addThenRemove_filesAndRecordComeAndGo() {
    const ShellExtension entry = extension();
    QVERIFY(entry.WriteShellExtension(kEnglish, kProgram).ok());
    QVERIFY(entry.Installed());
    const QSettings settings(store(), QSettings::IniFormat);
    for (const char *className : {"Drive", "Directory"}) {
      const QString key = QLatin1String(className) + QLatin1String("/Shell/Zelvo Rename");
      QCOMPARE(settings.value(key).toString(), kEnglish);
      QCOMPARE(settings.value(key + QLatin1String("/command")).toString(),
               QStringLiteral("\"/opt/zelvo apps/zelvo-rename\" \"%1\""));
    }
    const auto files = Snapshot(data(), {kEnglish});
    QCOMPARE(files.size(), 4);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
      QVERIFY2(it.value() != "<missing>", qPrintable(it.key()));
      QVERIFY2(it.key().endsWith(kEnglish) || it.value().contains("Name=" + kEnglish.toUtf8() + '\n'),
               qPrintable(it.key()));
    }
    QVERIFY(QFileInfo(data() + "/kio/servicemenus/zelvo-rename-from-here.desktop").isExecutable());
    QVERIFY(QFileInfo(data() + "/nautilus/scripts/" + kEnglish).isExecutable());

    QVERIFY(entry.RemoveShellExtension().ok());
    QVERIFY(!entry.Installed());
    QVERIFY(entry.Record().Captions().isEmpty());
    for (auto it = files.cbegin(); it != files.cend(); ++it)
      QVERIFY2(!QFile::exists(it.key()), qPrintable(it.key()));
    QVERIFY(entry.RemoveShellExtension().ok()); // nothing left to remove
  }

  void languageSwitch_rewritesEveryEntryWithTheNewText() {
    const ShellExtension entry = extension();
    QVERIFY(entry.WriteShellExtension(kEnglish, kProgram).ok());
    QVERIFY(entry.WriteShellExtension(kGerman, kProgram).ok());
    QCOMPARE(entry.Record().Captions(), QStringList{kGerman}); // the trailing blank is kept
    QVERIFY(!QFile::exists(NautilusScriptPath(data(), kEnglish)));
    const auto files = Snapshot(data(), {kGerman});
    for (auto it = files.cbegin(); it != files.cend(); ++it)
      QVERIFY2(it.key().endsWith(kGerman.trimmed()) || it.value().contains("Name=" + kGerman.toUtf8() + '\n'),
               qPrintable(it.key()));
    QVERIFY(entry.RemoveShellExtension().ok());
    QVERIFY(QDir(data() + "/nautilus/scripts").isEmpty());
  }

  void failedWrite_leavesEverythingAsBefore_data() {
    QTest::addColumn<QString>("installedBefore"); // empty: not installed
    QTest::addColumn<QString>("blocked");         // made a file where a folder is needed, or the reverse
    QTest::newRow("last file fails, first install") << QString() << "data/nemo";
    QTest::newRow("last file fails, new language") << kEnglish << "data/nemo";
    QTest::newRow("settings store fails, first install")
        << QString() << "config/Zelvo Soft/Zelvo Rename.conf";
    QTest::newRow("settings store fails, new language") << kEnglish << "config/Zelvo Soft/Zelvo Rename.conf";
  }
  void failedWrite_leavesEverythingAsBefore() {
    QFETCH(QString, installedBefore);
    QFETCH(QString, blocked);
    const ShellExtension entry = extension();
    if (!installedBefore.isEmpty())
      QVERIFY(entry.WriteShellExtension(installedBefore, kProgram).ok());
    const QStringList captions{kEnglish, kGerman};
    const QString path = m_dir->filePath(blocked);
    if (blocked.endsWith(".conf")) {
      QFile::remove(path);
      QVERIFY(QDir().mkpath(path));
    } else {
      QVERIFY(QDir(path).removeRecursively());
      Block(path);
    }
    const auto before = Snapshot(data(), captions);
    const QByteArray storeBefore = Read(store());

    const ShellEntryStatus status = entry.WriteShellExtension(kGerman, kProgram);
    QVERIFY(!status.ok());
    QVERIFY(!status.reason.isEmpty());
    QCOMPARE(Snapshot(data(), captions), before);
    QCOMPARE(Read(store()), storeBefore);
  }

  void directoryRecordOnly_countsAsAbsentAndIsRemoved() {
    {
      QSettings settings(store(), QSettings::IniFormat);
      settings.setValue("Directory/Shell/Zelvo Rename", kEnglish);
      settings.setValue("Directory/Shell/Zelvo Rename/command", "\"/x\" \"%1\"");
    }
    const ShellExtension entry = extension();
    QVERIFY(!entry.Installed());
    QCOMPARE(entry.Record().Captions(), QStringList{kEnglish});
    QVERIFY(entry.RemoveShellExtension().ok());
    QVERIFY(QSettings(store(), QSettings::IniFormat).allKeys().isEmpty());
  }

  void desktopExec_quotesWhatNeedsIt_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/zelvo-rename"
                           << "/usr/bin/zelvo-rename";
    QTest::newRow("blank") << "/opt/my apps/zr"
                           << "\"/opt/my apps/zr\"";
    QTest::newRow("dollar and quote") << "/opt/a$b\"c/zr"
                                      << "\"/opt/a\\\\$b\\\\\"c/zr\"";
    QTest::newRow("percent") << "/opt/100%/zr"
                             << "/opt/100%%/zr";
  }
  void desktopExec_quotesWhatNeedsIt() {
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(DesktopExecProgram(program), exec);
  }

  void applicationEntry_passesDesktopFileValidate() {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
      QSKIP("desktop-file-validate is not installed");
    const ShellEntryFile file = ShellEntryFiles(data(), kGerman, "/opt/a b$/zr").first();
    QVERIFY(ShellExtension(store(), data()).WriteShellExtension(kGerman, "/opt/a b$/zr").ok());
    QProcess process;
    process.start(validator, {file.path});
    QVERIFY(process.waitForFinished());
    const QByteArray output = process.readAll();
    QVERIFY2(process.exitCode() == 0 && !output.contains("error"), output.constData());
  }

  // A program folder named to break out of its value: every entry still has one line per key, its
  // command starts the program by its whole path, and the Nautilus script starts it too.
  void hostileProgramPath_staysOneValueInEveryEntry_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("line break and a second Exec") << "x\nExec=touch PWNED #";
    QTest::newRow("carriage return") << "x\rName=Other";
    QTest::newRow("double and single quotes") << "a\"b'c";
    QTest::newRow("percent tokens") << "100%F %f %%";
    QTest::newRow("dollar, backquote, semicolon") << "$HOME`id`;rm x";
    QTest::newRow("backslashes") << "a\\nb\\\\";
    QTest::newRow("blank first") << " lead";
  }
  void hostileProgramPath_staysOneValueInEveryEntry() {
    QFETCH(QString, folder);
    const QString program = m_dir->filePath(folder) + QStringLiteral("/zr");
    QVERIFY(QDir().mkpath(QFileInfo(program).path()));
    {
      QFile file(program);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"\n");
    }
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    const QString caption = QStringLiteral("Rename %f\nExec=evil");
    QVERIFY(extension().WriteShellExtension(caption, program).ok());
    for (const ShellEntryFile &file : ShellEntryFiles(data(), caption, program)) {
      if (file.path.endsWith(QLatin1String(".desktop")) ||
          file.path.endsWith(QLatin1String(".nemo_action"))) {
        const auto groups = KeyFile(Read(file.path));
        for (const auto &keys : groups)
          for (const QString &key : keys.uniqueKeys())
            QVERIFY2(keys.count(key) == 1, qPrintable(file.path + ": " + key));
        QMultiMap<QString, QString> action; // the group that starts the program
        for (const auto &keys : groups)
          if (keys.contains(QStringLiteral("Exec")))
            action = keys;
        QVERIFY2(action.contains(QStringLiteral("Exec")), qPrintable(file.path));
        const QStringList words = Words(Unescaped(action.value(QStringLiteral("Exec"))));
        QCOMPARE(words.value(0), program);
        QCOMPARE(words.size(), 2); // the program and the folder's field code
        const QString name = Unescaped(action.value(QStringLiteral("Name")));
        QCOMPARE(file.path.endsWith(QLatin1String(".nemo_action")) ? QString(name).replace("%%", "%") : name,
                 caption);
      } else {
        QProcess process;
        process.setWorkingDirectory(m_dir->path());
        process.start(file.path);
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(Read(QFileInfo(program).path() + QStringLiteral("/args"))),
                 m_dir->path() + QLatin1Char('|'));
      }
    }
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("PWNED"))));
  }

  // The script hands the folder whole to the program (a fake that notes its arguments).
  void nautilusScript_opensTheSelectedFolderOrTheShownOne_data() {
    QTest::addColumn<QString>("selected"); // relative to the shown folder; empty: none selected
    QTest::addColumn<QString>("opened");
    QTest::newRow("selected folder with blanks") << "a b/c  d"
                                                 << "a b/c  d";
    QTest::newRow("nothing selected") << QString() << QString();
    QTest::newRow("selected file") << "a b/file.txt"
                                   << "a b";
  }
  void nautilusScript_opensTheSelectedFolderOrTheShownOne() {
    QFETCH(QString, selected);
    QFETCH(QString, opened);
    const QString shown = m_dir->filePath("shown");
    QVERIFY(QDir().mkpath(shown + "/a b/c  d"));
    Block(shown + "/a b/file.txt");
    const QString fake = m_dir->filePath("it's fake.sh");
    {
      QFile file(fake);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"\n");
    }
    QVERIFY(QFile::setPermissions(fake, QFile::permissions(fake) | QFile::ExeOwner));
    QVERIFY(extension().WriteShellExtension(kEnglish, fake).ok());

    QProcess process;
    process.setWorkingDirectory(shown);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!selected.isEmpty())
      environment.insert("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS", shown + '/' + selected + '\n');
    process.setProcessEnvironment(environment);
    process.start(NautilusScriptPath(data(), kEnglish));
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QString expected = opened.isEmpty() ? shown : shown + '/' + opened;
    QCOMPARE(QString::fromUtf8(Read(m_dir->filePath("args"))), expected + '|');
  }
};

QTEST_GUILESS_MAIN(TestShellExtension)
#include "tst_shell_extension.moc"
