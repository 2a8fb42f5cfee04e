#include "app/caption_table.h"
#include "support_app.h"

#include <QSignalSpy>

class TestCaptionsAndLists : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void everyCaption_hasATextInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    for (int i = 0; i < LanguageCount; ++i)
      QTest::addRow("%d", i) << i;
  }
  void everyCaption_hasATextInEveryLanguage() {
    QFETCH(int, language);
    const QHash<QString, QString> captions = WindowCaptions(LanguageTable(language), {"/x/", false});
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
      QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(it.key()));
    QVERIFY(captions.contains("TabControl1#4") && captions.contains("rgTypeNumber#5"));
    // A misspelt slot gives an empty caption; so does a misspelt name in a composed caption.
  }

  void composedCaptions_readAsTheFormGivesThem() {
    // Through Polish and back: nothing of the other language stays.
    CoreFixture f;
    f.core.ChangeLanguage(LanguagePolish);
    f.core.ChangeLanguage(LanguageEnglish);
    const QHash<QString, QString> captions = f.core.Captions();
    const std::pair<const char *, const char *> expected[] = {
        {"WidthxHeightxColors1", "Width x Height x Colors"},
        {"RandomName16Chars1", "16 Characters"},
        {"N4ZeroFill3", "4 ZeroFill"},
        {"YYYYDDMM1", "YYYYDDMM"},
        {"HHMM1", "HH'MM"},
        {"DDMMYYHHMM1", "DD-MM-YYYY HH'MM"},
        {"DDMMYYYYHHMM1", "DD-MM-YYYY HH'MM"},
        {"Formatted2", ", Formatted"},
        {"btnShellOptions", "Add \"Zelvo Rename from Here\" To S&hell"},
    };
    for (const auto &[name, caption] : expected)
      QCOMPARE(captions.value(QLatin1String(name)), QString::fromUtf8(caption));
  }

  void languageSwitch_changesOneCoreOnly_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("German tab") << int(LanguageGerman) << "TabControl1#1";
    QTest::newRow("Spanish button") << int(LanguageSpanish) << "btnRename";
    QTest::newRow("French menu") << int(LanguageFrench) << "mSaveZROptions";
    QTest::newRow("Catalan variables menu") << int(LanguageCatalan) << "Graphics1";
    QTest::newRow("Spanish composed") << int(LanguageSpanish) << "RandomName3Chars1";
    QTest::newRow("Polish menu") << int(LanguagePolish) << "mSaveZROptions";
    QTest::newRow("Dutch check box") << int(LanguageDutch) << "cViewFolders";
    QTest::newRow("Portuguese radio") << int(LanguagePortuguese) << "opUpperCaseEx";
  }
  void languageSwitch_changesOneCoreOnly() {
    QFETCH(int, language);
    QFETCH(QString, name);
    CoreFixture a({"x.txt"}), b({"y.txt"});
    const QString english = b.core.Captions().value(name);
    const QString englishColumn = b.core.FileList().Columns().at(0).Caption;
    QSignalSpy switched(&a.core, &AppCore::LanguageChanged);
    a.core.ChangeLanguage(language);
    QCOMPARE(switched.size(), 1);
    QCOMPARE(a.core.CurrentLanguage(), language);
    QVERIFY(a.core.Captions().value(name) != english);
    QCOMPARE(b.core.Captions().value(name), english);
    QCOMPARE(b.core.FileList().Columns().at(0).Caption, englishColumn);
    QCOMPARE(b.core.CurrentLanguage(), 0);
  }

  void languageSwitch_withInstantPreviewOff_showsTheHintInTheNewLanguage() {
    CoreFixture f({"a.txt"});
    f.core.SetInstantRefresh(false);
    const int before = f.core.RefreshCount();
    f.core.ChangeLanguage(LanguageGerman);
    QCOMPARE(f.core.PreviewList().Lines().first(), LanguageTable(LanguageGerman).sRefreshHint1);
    QCOMPARE(f.core.PreviewList().rowCount(), 100);
    f.core.ChangeLanguage(LanguageSpanish); // a hint already shown follows the language too
    QCOMPARE(f.core.PreviewList().Lines().first(), LanguageTable(LanguageSpanish).sRefreshHint1);
    QCOMPARE(f.core.RefreshCount(), before);
  }

  void previewModel_drawsNothingPastTheEntries() {
    CoreFixture f({"a.txt", ".h.txt"});
    PreviewModel &model = f.core.PreviewList();
    model.SetLines({"A.txt", ".H.txt", "stray"}, true);
    QVERIFY(model.RowDrawn(1) && !model.RowDrawn(2));
    QCOMPARE(model.index(2).data().toString(), QString());
    QVERIFY(model.index(0).data(PreviewModel::HiddenRole).toBool()); // ".h.txt" sorts first
    QVERIFY(!model.index(1).data(PreviewModel::HiddenRole).toBool());
    QVERIFY(!model.index(0).data(PreviewModel::IconKeyRole).toString().isEmpty());
    model.SetLines({"hint", "", "hint", "", "hint"}, false);
    QVERIFY(model.RowDrawn(4));
    QVERIFY(model.index(0).data(PreviewModel::PlainTextRole).toBool());
    QVERIFY(!model.index(0).data(PreviewModel::HasEntryRole).toBool());
  }

  // The preview shows the name the rename gives: no dot added to a name without extension.
  void previewModel_showsTheNamesOnDisk() {
    CoreFixture f({"README", "readme."});
    PreviewModel &model = f.core.PreviewList();
    model.SetLines({"README.", "readme."}, true);
    QCOMPARE(model.index(0).data().toString(), QStringLiteral("README"));
    QCOMPARE(model.index(1).data().toString(), QStringLiteral("readme."));
    model.SetLines({"Double-click.", "x."}, false); // a plain text is shown as it is
    QCOMPARE(model.index(1).data().toString(), QStringLiteral("x."));
  }

  void previewModel_replacesManyLinesInOneReset() {
    CoreFixture f;
    PreviewModel &model = f.core.PreviewList();
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
      lines << QString::number(i);
    model.SetLines(lines, false);
    QCOMPARE(model.rowCount(), 100000);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(inserts.size(), 0);
  }

  void fileListClick_movesThePreview_data() {
    QTest::addColumn<bool>("instant");
    QTest::addColumn<bool>("onlySelected");
    QTest::addColumn<bool>("selectSome");
    QTest::addColumn<bool>("follows");
    QTest::addColumn<int>("refreshes");
    QTest::newRow("plain click") << true << false << true << true << 0;
    QTest::newRow("only selected") << true << true << true << true << 1;
    QTest::newRow("only selected, instant off") << false << true << true << false << 0;
    QTest::newRow("nothing selected") << true << true << false << false << 0;
  }
  void fileListClick_movesThePreview() {
    QFETCH(bool, instant);
    QFETCH(bool, onlySelected);
    QFETCH(bool, selectSome);
    QFETCH(bool, follows);
    QFETCH(int, refreshes);
    CoreFixture f({"a", "b", "c", "d"});
    f.core.SetOnlySelected(onlySelected);
    f.core.SetInstantRefresh(instant);
    f.core.SetFlag(u"opUpperCase", true); // with instant preview off: the hint, no longer valid
    if (selectSome) {
      f.core.FileList().SetSelected(2, true);
      f.core.FileList().SetSelected(3, true);
    }
    const int before = f.core.RefreshCount();
    const PreviewFollow follow = f.core.FileListClicked(1);
    QCOMPARE(follow.follow, follows);
    QCOMPARE(f.core.RefreshCount() - before, refreshes);
    if (follows) {
      QCOMPARE(follow.topRow, 1);
      QCOMPARE(follow.currentRow, 2);
    }
  }

  void drivesView_listsDoNotFollow() {
    CoreFixture f;
    f.core.FileList().SetDirectory("Drives");
    if (f.core.FileList().Count() == 0)
      QSKIP("no volume listed here");
    f.core.FileList().SetSelected(0, true);
    QVERIFY(!f.core.FileListClicked(0).follow);
    QVERIFY(!f.core.PreviewClicked(0).follow);
  }

  void previewClick_selectsTheEntryAlone() {
    CoreFixture f({"a", "b", "c"});
    f.core.FileList().SetSelected(0, true);
    const ListFollow follow = f.core.PreviewClicked(2);
    QVERIFY(follow.follow);
    QCOMPARE(follow.selectRow, 2);
    QCOMPARE(f.core.FileList().SelectedIndexes(), std::vector<int>({2}));
    QVERIFY(!f.core.PreviewClicked(3).follow); // past the entries
    QVERIFY(!f.core.PreviewClicked(-1).follow);
  }
};

QTEST_GUILESS_MAIN(TestCaptionsAndLists)
#include "tst_captions_and_lists.moc"
