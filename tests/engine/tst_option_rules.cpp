#include "engine/option_fields.h"
#include "engine/option_rules.h"

#include <QtTest>

class TestOptionRules : public QObject {
  Q_OBJECT
private slots:
  void acceptKey_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("crop refuses letter") << "tLeftCutChars" << QChar('a') << false;
    QTest::newRow("crop refuses minus") << "tRightCutCharsEx" << QChar('-') << false;
    QTest::newRow("crop takes digit") << "tLeftCutCharsEx" << QChar('7') << true;
    QTest::newRow("zero fill refuses minus") << "tZeroFill" << QChar('-') << false;
    QTest::newRow("zero fill refuses arabic digit") << "tZeroFill" << QChar(0x0663) << false;
    QTest::newRow("backspace always passes") << "tZeroFill" << QChar(8) << true;
    QTest::newRow("start takes minus") << "tStartAt" << QChar('-') << true;
    QTest::newRow("increment refuses plus") << "tIncrement" << QChar('+') << false;
    QTest::newRow("insert refuses question mark") << "tInsertBefore" << QChar('?') << false;
    QTest::newRow("insert refuses less than") << "tInsertBefore" << QChar('<') << false;
    QTest::newRow("insert refuses slash") << "tInsertAfterEx" << QChar('/') << false;
    QTest::newRow("insert refuses quote") << "tChangeFilename" << QChar('"') << false;
    QTest::newRow("insert takes backslash") << "tInsertBefore" << QChar('\\') << true;
    QTest::newRow("search takes accented") << "tReplaceText" << QChar(0xE9) << true;
    QTest::newRow("manual set is free") << "tManualNumber" << QChar('?') << true;
  }
  void acceptKey() {
    QFETCH(QString, field);
    QFETCH(QChar, key);
    QTEST(AcceptKey(field, key), "accepted");
  }

  void repairOnLeave_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("repaired");
    QTest::newRow("empty crop") << "tRightCutChars"
                                << ""
                                << "0";
    QTest::newRow("bad crop kept") << "tRightCutChars"
                                   << "1a"
                                   << "1a";
    QTest::newRow("empty zero fill") << "tZeroFill"
                                     << ""
                                     << "1";
    QTest::newRow("minus alone") << "tStartAt"
                                 << "-"
                                 << "1";
    QTest::newRow("minus between digits") << "tIncrement"
                                          << "1-2"
                                          << "1";
    QTest::newRow("negative kept") << "tIncrement"
                                   << "-3"
                                   << "-3";
    QTest::newRow("empty start") << "tStartAt"
                                 << ""
                                 << "1";
  }
  void repairOnLeave() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QTEST(RepairOnLeave(field, text), "repaired");
  }

  void readNumbers_emptyFieldsUseDefaults() {
    RenameOptions o;
    o.tRightCutChars.clear();
    o.tZeroFill.clear();
    o.tStartAt.clear();
    const NumericRead read = ReadNumericOptions(o);
    QVERIFY(read.error.isEmpty());
    QCOMPARE(read.values.rightCut, 0);
    QCOMPARE(read.values.zeroFill, 1);
    QCOMPARE(read.values.startAt, 1);
  }

  void reactions() {
    RenameOptions o;
    QCOMPARE(OptionChanged(o), RefreshReaction::UpdateAll);
    QCOMPARE(OnlySelectedChanged(o), RefreshReaction::None); // switched off: no refresh
    o.bCheckOnlySelectedFiles = true;
    QCOMPARE(OnlySelectedChanged(o), RefreshReaction::UpdateAll);
    QCOMPARE(FileListClicked(o, true, true), RefreshReaction::UpdateAll);
    QCOMPARE(FileListClicked(o, false, true), RefreshReaction::None);
    QCOMPARE(FileListClicked(o, true, false), RefreshReaction::None);
    o.opInstantRefresh = false;
    QCOMPARE(OptionChanged(o), RefreshReaction::PutMessage);
    QCOMPARE(InstantRefreshChanged(o), RefreshReaction::None);
    QCOMPARE(OnlySelectedChanged(o), RefreshReaction::None);
  }

  void excelType_startZeroBecomesOne_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("after");
    QTest::newRow("excel from 0") << 4 << "0"
                                  << "1";
    QTest::newRow("excel keeps 5") << 4 << "5"
                                   << "5";
    QTest::newRow("dec keeps 0") << 0 << "0"
                                 << "0";
  }
  void excelType_startZeroBecomesOne() {
    QFETCH(int, type);
    QFETCH(QString, start);
    RenameOptions o;
    o.rgTypeNumber = type;
    o.tStartAt = start;
    TypeNumberChanged(o);
    QTEST(o.tStartAt, "after");
  }

  void recursionAndFolderDisplay_excludeEachOther() {
    RenameOptions o;
    ListSwitches list;
    QVERIFY(ToggleRecursion(o, list)); // the user is told that folders get hidden
    QVERIFY(list.recurse);
    QVERIFY(!list.showFolders);
    QVERIFY(!o.cViewFolders);
    QCOMPARE(MaskChanged(o, list), QStringLiteral("*.*"));
    QVERIFY(!list.recurse);
    QVERIFY(o.cViewFolders);
    o.cViewFolders = false;
    ViewFoldersChanged(o, list);
    QVERIFY(!ToggleRecursion(o, list));
    QVERIFY(list.recurse);
    QVERIFY(!ToggleRecursion(o, list));
    QVERIFY(!list.recurse && o.cViewFolders && list.showFolders);
  }

  void setOptionFromText_radioClearsGroup() {
    RenameOptions o;
    QVERIFY(SetOptionFromText(o, u"opUpperCase", QStringLiteral("1")).isEmpty());
    QVERIFY(o.opUpperCase && !o.opNoCaseChanges);
    QVERIFY(SetOptionFromText(o, u"opLowerCase", QStringLiteral("0")).isEmpty());
    QVERIFY(o.opUpperCase);
    QVERIFY(o.opNoCaseChangesEx); // the extension's group is another group
    QVERIFY(!SetOptionFromText(o, u"opUpperCase", QStringLiteral("yes")).isEmpty());
    QVERIFY(!SetOptionFromText(o, u"noSuchField", QStringLiteral("1")).isEmpty());
  }

  void everyFieldHasAnEntryInTheTable() {
    // 57 controls; a field added to the record must be added to the table too.
    QCOMPARE(int(RenameOptionFields().size()), 57);
    for (const OptionField &f : RenameOptionFields())
      QCOMPARE(FindOptionField(QString::fromLatin1(f.name)), &f);
  }
};

QTEST_APPLESS_MAIN(TestOptionRules)
#include "tst_option_rules.moc"
