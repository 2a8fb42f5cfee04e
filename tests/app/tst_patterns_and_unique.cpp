// The window's pattern and unique-name check boxes, through the application core: preview, field in
// error, and the run.
#include "support_app.h"

#include <QSignalSpy>

class TestPatternsAndUnique : public QObject {
  Q_OBJECT
private slots:
  void photosOfOneSecond_renamedApart() {
    CoreFixture f(
        {"IMG_20240714_093005.jpg", "IMG_20240714_093005_1.jpg", "IMG_20240714_093005_2.jpg", "notes.txt"});
    f.core.SetFlag(u"opReplaceText", true);
    f.core.SetFlag(u"opRegularExpression", true);
    f.core.SetText(u"tReplaceText", R"(^IMG_(\d{4})(\d\d)(\d\d)_(\d{6}).*)");
    f.core.SetText(u"tReplaceTextNew", "$1-$2-$3 $4");
    QCOMPARE(f.core.PreviewList().Lines().first(), QStringLiteral("2024-07-14 093005.jpg"));
    f.core.SetFlag(u"cMakeNamesUnique", true);
    QCOMPARE(f.core.PreviewList().Lines(), (QStringList{"2024-07-14 093005.jpg", "2024-07-14 093005 (2).jpg",
                                                        "2024-07-14 093005 (3).jpg", "notes.txt"}));
    f.core.btnRenameClick();
    QCOMPARE(f.OnDisk(), (QStringList{"2024-07-14 093005 (2).jpg", "2024-07-14 093005 (3).jpg",
                                      "2024-07-14 093005.jpg", "notes.txt"}));
    QVERIFY(f.dialogs.errors.isEmpty());
  }

  void unusablePattern_marksItsField_renamesNothing_data() {
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("field");
    QTest::newRow("pattern") << "("
                             << "x"
                             << "tReplaceText";
    QTest::newRow("replacement") << "(a)"
                                 << "$2"
                                 << "tReplaceTextNew";
  }
  void unusablePattern_marksItsField_renamesNothing() {
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(QString, field);
    CoreFixture f({"a.txt", "b.txt"});
    QSignalSpy marked(&f.core, &AppCore::FieldInErrorChanged);
    f.core.SetFlag(u"opReplaceText", true);
    f.core.SetFlag(u"opRegularExpression", true);
    f.core.SetText(u"tReplaceTextNew", replacement);
    f.core.SetText(u"tReplaceText", find);
    QCOMPARE(f.core.FieldInError(), field);
    QCOMPARE(f.core.PreviewList().Lines().size(), 1);
    QVERIFY(f.core.PreviewList().Lines().first().contains(" at "));
    f.core.btnRenameClick();
    QCOMPARE(f.OnDisk(), (QStringList{"a.txt", "b.txt"}));
    QVERIFY(f.dialogs.errors.isEmpty()); // told by the field's colour and the line, not a box

    f.core.SetFlag(u"opRegularExpression", false);
    QCOMPARE(f.core.FieldInError(), QString());
    QCOMPARE(marked.size(), 2);
    QCOMPARE(marked.at(1).at(0).toString(), field);
  }
};

QTEST_GUILESS_MAIN(TestPatternsAndUnique)
#include "tst_patterns_and_unique.moc"
