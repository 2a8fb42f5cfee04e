#include "settings/options_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadBack(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RenameOptions Loaded(const QByteArray &bytes, RenameOptions options = RenameOptions()) {
  ReadOptions(IniFile(bytes), options);
  return options;
}

} // namespace

class TestOptionsFile : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void defaults_areWrittenKeyByKeyInFileOrder() {
    IniFile ini;
    WriteOptions(RenameOptions(), ini);
    const QByteArray tab =
        "Replace With=0\nReplace With Text=\"\"\nMatch Case=0\nReplace Text=\"\"\n"
        "With This=\"\"\nRegular Expression=0\nLeft Crop=0\nLeft Crop n=0\nRight Crop=0\nRight Crop n=0\n"
        "Insert Before=0\nInsert Before text=\"\"\nInsert After=0\nInsert After text=\"\"\n"
        "Case 1=1\nCase 2=0\nCase 3=0\nCase 4=0\nCase 5=0\n";
    QCOMPARE(ini.ToBytes(),
             "[Filename]\nFile Mask=*.*\n" + tab + "[Extension]\n" + tab +
                 "[Autonumber]\nNo Changes=1\nBefore Filename=0\nAfter Filename=0\nstart At=1\n"
                 "Increment=1\nZeroFill=1\nRgTypeNumber=0\nRG Values=0-Dec, 1-Hex, 2-Oct, 3-Bin\n"
                 "Make Names Unique=0\n");
  }

  void everyStoredOption_roundTripsThroughFile() {
    RenameOptions saved;
    saved.tMask = "*.jpg";
    saved.opReplace = true;
    saved.tChangeFilename = "  blanks both ends  ";
    saved.tReplaceText = "\"quoted\"";
    saved.tReplaceTextNew = "é€";
    saved.opMatchCase = true;
    saved.opRegularExpressionEx = true; // the name tab's stays off: the sections are not mixed up
    saved.cMakeNamesUnique = true;
    saved.opLeftCutChars = true;
    saved.tLeftCutChars = "abc"; // numeric fields keep whatever text they hold
    saved.opRightCutCharsEx = true;
    saved.tRightCutCharsEx = "3";
    saved.opInsertBefore = true;
    saved.tInsertBefore = "\\DY\\DM\\DD_";
    saved.opInsertAfterEx = true;
    saved.tInsertAfterEx = "_x";
    saved.opFirstLetter = true;
    saved.opNoCaseChanges = false;
    saved.opUpperCaseEx = true;
    saved.opNoCaseChangesEx = false;
    saved.opAAfterFilename = true;
    saved.opANoChanges = false;
    saved.tStartAt = "10";
    saved.tIncrement = "-2";
    saved.tZeroFill = "4";
    saved.rgTypeNumber = 4;
    QTemporaryDir dir;
    const QString path = dir.filePath("MyOptions.INI");
    QCOMPARE(SaveOptionsFile(path, saved), QString());
    RenameOptions loaded;
    QCOMPARE(LoadOptionsFile(path, loaded), QString());
    QCOMPARE(loaded, saved);
  }

  void optionsNotInFile_keepTheirValues() {
    RenameOptions current;
    current.opReplaceText = true;
    current.opNoAccents = true;
    current.opDirectory = false;
    current.tManualNumber = "XYZ";
    current.bCheckOnlySelectedFiles = true;
    current.cWorkWithFolders = true;
    const RenameOptions after = Loaded("[Filename]\nFile Mask=*.txt\n", current);
    QVERIFY(after.opReplaceText && after.opNoAccents && !after.opDirectory && after.bCheckOnlySelectedFiles &&
            after.cWorkWithFolders);
    QCOMPARE(after.tManualNumber, QString("XYZ"));
    QCOMPARE(after.tMask, QString("*.txt"));
  }

  // A file written before these keys existed holds no pattern: its find text stays plain text.
  void newFlagsAbsent_turnOff_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<bool>>("expected"); // name pattern, extension pattern, unique names
    QTest::newRow("none") << QByteArray("[Filename]\nReplace Text=\"a.b\"\n")
                          << QList<bool>{false, false, false};
    QTest::newRow("name tab only") << QByteArray(
                                          "[Filename]\nRegular Expression=1\n[Autonumber]\nZeroFill=2\n")
                                   << QList<bool>{true, false, false};
    QTest::newRow("extension and numbers")
        << QByteArray("[Extension]\nRegular Expression=1\n[Autonumber]\nMake Names Unique=1\n")
        << QList<bool>{false, true, true};
  }
  void newFlagsAbsent_turnOff() {
    QFETCH(QByteArray, file);
    QFETCH(QList<bool>, expected);
    RenameOptions current;
    current.opRegularExpression = current.opRegularExpressionEx = current.cMakeNamesUnique = true;
    const RenameOptions o = Loaded(file, current);
    QCOMPARE((QList<bool>{o.opRegularExpression, o.opRegularExpressionEx, o.cMakeNamesUnique}), expected);
  }

  void onlyLowerCaseKey_loadsDefaultsForTheRest() {
    RenameOptions current;
    current.opUpperCaseEx = true;
    current.opNoCaseChangesEx = false;
    current.tStartAt = "7";
    current.rgTypeNumber = 2;
    current.opABeforeFilename = true;
    current.opANoChanges = false;
    RenameOptions expected;
    expected.opLowerCase = true;
    expected.opNoCaseChanges = false;
    QCOMPARE(Loaded("[filename]\ncase 3=1\n", current), expected);
  }

  void radioGroups_lastCheckedKeyWins_allZeroLeavesNone_data() {
    QTest::addColumn<QByteArray>("cases");
    QTest::addColumn<QList<bool>>("expected"); // opNoCaseChanges .. opfirstLetterLow
    QTest::newRow("two set") << QByteArray("Case 2=1\nCase 4=1\n")
                             << QList<bool>{false, false, false, true, false};
    QTest::newRow("all zero") << QByteArray("Case 1=0\nCase 2=0\nCase 3=0\nCase 4=0\nCase 5=0\n")
                              << QList<bool>{false, false, false, false, false};
    QTest::newRow("any non-zero integer")
        << QByteArray("Case 1=0\nCase 5=-7\n") << QList<bool>{false, false, false, false, true};
    QTest::newRow("not a number gives default")
        << QByteArray("Case 1=yes\n") << QList<bool>{true, false, false, false, false};
  }
  void radioGroups_lastCheckedKeyWins_allZeroLeavesNone() {
    QFETCH(QByteArray, cases);
    QFETCH(QList<bool>, expected);
    const RenameOptions o = Loaded("[Filename]\n" + cases);
    QCOMPARE(
        (QList<bool>{o.opNoCaseChanges, o.opUpperCase, o.opLowerCase, o.opFirstLetter, o.opfirstLetterLow}),
        expected);
  }

  void numberType_isClampedOrDefault_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("in range") << QByteArray("3") << 3;
    QTest::newRow("above Manual") << QByteArray("9") << 5;
    QTest::newRow("negative selects nothing") << QByteArray("-2") << -1;
    QTest::newRow("not a number") << QByteArray("Hex") << 0;
  }
  void numberType_isClampedOrDefault() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    RenameOptions current;
    current.rgTypeNumber = 2;
    QCOMPARE(Loaded("[Autonumber]\nRgTypeNumber=" + value + "\n", current).rgTypeNumber, expected);
  }

  void savingOverIniWithOtherSections_keepsThem() {
    QTemporaryDir dir;
    const QString path = dir.filePath("shared.ini");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Mine]\r\nkeep=me\r\n[Filename]\r\nFile Mask=*.old\r\nExtra=1\r\n");
    f.close();
    RenameOptions options;
    options.tMask = "*.new";
    QCOMPARE(SaveOptionsFile(path, options), QString());
    const QByteArray written = ReadBack(path);
    QVERIFY(written.startsWith(
        "[Mine]\r\nkeep=me\r\n[Filename]\r\nFile Mask=*.new\r\nExtra=1\r\nReplace With=0\r\n"));
    QVERIFY(written.contains("\r\n[Autonumber]\r\n"));
    RenameOptions loaded;
    QCOMPARE(LoadOptionsFile(path, loaded), QString());
    QCOMPARE(loaded, options);
  }

  void missingOrDamagedFile_neverCrashes() {
    QTemporaryDir dir;
    RenameOptions current;
    current.tMask = "*.keep";
    QVERIFY(!LoadOptionsFile(dir.filePath("none.ini"), current).isEmpty());
    QCOMPARE(current.tMask, QString("*.keep")); // nothing changed

    const QString damaged = dir.filePath("damaged.ini");
    QFile f(damaged);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QByteArray noise;
    for (int i = 0; i < 2000; ++i)
      noise += char((i * 131 + 7) % 256);
    f.write(noise + "\n[Autonumber\nRgTypeNumber==\n[Filename]\nCase 2\n=1\n");
    f.close();
    RenameOptions loaded = current;
    loaded.opUpperCase = true;
    loaded.opNoCaseChanges = false;
    QCOMPARE(LoadOptionsFile(damaged, loaded), QString());
    QCOMPARE(loaded, RenameOptions()); // every stored option at its default
  }
};

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "tst_options_file.moc"
