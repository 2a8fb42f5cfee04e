// A typed folder path: where it leads and how folder names complete it.
#include "explorer/typed_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestTypedFolder : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString In(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

private slots:
  void initTestCase() {
    for (const char *folder : {"Documents", "Downloads", "docs", ".hidden", "Documents/2024"})
      QVERIFY(QDir(m_dir.path()).mkpath(QLatin1String(folder)));
    QFile file(In("Dossier.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }

  void typedPath_leadsToAFolderOrNowhere_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected"); // relative to the test folder; "-" for none, "~" home
    QTest::newRow("absolute") << In("Documents") << "Documents/";
    QTest::newRow("relative to the folder shown") << "Documents/2024"
                                                  << "Documents/2024/";
    QTest::newRow("blanks around") << "  docs  "
                                   << "docs/";
    QTest::newRow("dot-dot") << "Documents/2024/../../Downloads"
                             << "Downloads/";
    QTest::newRow("file address") << QUrl::fromLocalFile(In("docs")).toString() << "docs/";
    QTest::newRow("home") << "~"
                          << "~";
    QTest::newRow("a file") << "Dossier.txt"
                            << "-";
    QTest::newRow("missing") << "Nowhere"
                             << "-";
    QTest::newRow("blanks only") << "   "
                                 << "-";
  }
  void typedPath_leadsToAFolderOrNowhere() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QString wanted;
    if (expected == QLatin1String("~"))
      wanted = QDir::homePath() + QLatin1Char('/');
    else if (expected != QLatin1String("-"))
      wanted = In(expected);
    QCOMPARE(TypedFolderPath(typed, m_dir.path() + QLatin1Char('/')), wanted);
  }

  void completions_followTheLastPartOfTheTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("prefix, letter case kept") << "Do" << QStringList{"Documents/", "Downloads/"};
    QTest::newRow("small letters") << "do" << QStringList{"docs/"};
    QTest::newRow("inside a folder") << "Documents/" << QStringList{"Documents/2024/"};
    QTest::newRow("files are not offered") << "Dos" << QStringList{};
    QTest::newRow("hidden only when asked for") << "." << QStringList{".hidden/"};
    QTest::newRow("absolute keeps its spelling") << In("Dow") << QStringList{In("Downloads/")};
  }
  void completions_followTheLastPartOfTheTypedText() {
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    QCOMPARE(FolderCompletions(typed, m_dir.path()), expected);
  }
};

QTEST_GUILESS_MAIN(TestTypedFolder)
#include "tst_typed_folder.moc"
