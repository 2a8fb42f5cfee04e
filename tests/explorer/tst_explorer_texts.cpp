#include "explorer/explorer_helpers.h"
#include "explorer/explorer_texts.h"

#include <QtTest>

class TestExplorerTexts : public QObject {
  Q_OBJECT
private slots:
  void languageIndex_picksTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("colSize");
    QTest::addColumn<QString>("diskInvalid");
    QTest::addColumn<QString>("driveRam");
    QTest::newRow("English") << 0 << "Size(Bytes)"
                             << "Not a valid Drive ID"
                             << "RAM Disk";
    QTest::newRow("Spanish") << 1 << "Tamaño(Bytes)"
                             << "No es un Disco Valido"
                             << "Disco RAM";
    QTest::newRow("Catalan") << 2 << "Tamany(Bytes)"
                             << "No es un Disc Vàlid"
                             << "Disc RAM";
    QTest::newRow("French") << 3 << "Taille(Octets)"
                            << "Identifiant de disque invalide"
                            << "Disque RAM";
    QTest::newRow("Dutch") << 4 << "Grootte (Bytes)"
                           << "Geen geldige disk-ID"
                           << "Ramdisk";
    QTest::newRow("German, trailing blank kept") << 5 << "Größe(Byte)"
                                                 << "Ungültiges Laufwerk "
                                                 << "RAM Disk";
    QTest::newRow("Portuguese") << 6 << "Tamanho(Bytes)"
                                << "Drive ID inválida"
                                << "RAM disk";
    QTest::newRow("Italian") << 7 << "Dim. (Bytes)"
                             << "Unità non valida"
                             << "Disco virtuale";
    QTest::newRow("Polish") << 8 << "Rozmiar(Bajty)"
                            << "Niwłaściwe ID dysku"
                            << "RAM Dysk";
    QTest::newRow("9 is English") << 9 << "Size(Bytes)"
                                  << "Not a valid Drive ID"
                                  << "RAM Disk";
    QTest::newRow("-1 is English") << -1 << "Size(Bytes)"
                                   << "Not a valid Drive ID"
                                   << "RAM Disk";
  }
  void languageIndex_picksTexts() {
    QFETCH(int, language);
    QFETCH(QString, colSize);
    QFETCH(QString, diskInvalid);
    QFETCH(QString, driveRam);
    const ExplorerTexts &t = ExplorerTextsOf(language);
    QCOMPARE(t.sColSize, colSize);
    QCOMPARE(t.sDiskInvalid, diskInvalid);
    QCOMPARE(t.sDriveRam, driveRam);
    QCOMPARE(t.sDriveCdRom, QStringLiteral("CD-ROM"));
    // Every slot is filled.
    const ExplorerTexts again = ExplorerTextsFor(language);
    for (const QString *text :
         {&again.sDiskNone, &again.sDiskOr, &again.sDiskNotReady, &again.sColName, &again.sColType,
          &again.sColPath, &again.sColExtension, &again.sColCreated, &again.sColModified, &again.sColAccessed,
          &again.sColAttributes, &again.sDriveUnknown, &again.sDriveNoRoot, &again.sDriveRemovable,
          &again.sDriveFixed, &again.sDriveNetwork})
      QVERIFY(!text->isEmpty());
  }

  void blanks_arePartOfTheTexts() {
    const ExplorerTexts german = ExplorerTextsFor(5);
    QCOMPARE(german.sColType, QStringLiteral("Typ "));
    QCOMPARE(german.sColCreated, QStringLiteral("Anlage "));
    QCOMPARE(german.sDriveRemovable, QStringLiteral("Wechselmedium "));
    QCOMPARE(german.sDiskNone, QStringLiteral("Keine Diskette in Laufwk. "));
    QCOMPARE(ExplorerTextsFor(0).sDiskNotReady, QStringLiteral(" is not ready"));
    QCOMPARE(ExplorerTextsFor(3).sDiskNone, QStringLiteral("Il n'y a pas de disque dans le lecteur "));
  }

  void noDiskMessage_joinsPiecesWithTheRoot_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << 0 << "There is no disk in Drive /nowhere\nor Drive /nowhere is not ready";
    QTest::newRow("Polish, no blank before the root")
        << 8 << "Brak dysku w napędzie/nowhere\nlub napęd/nowhere nie jest gotowy";
  }
  void noDiskMessage_joinsPiecesWithTheRoot() {
    QFETCH(int, language);
    QFETCH(QString, expected);
    const ExplorerTexts &t = ExplorerTextsOf(language);
    QString message;
    QVERIFY(!DiskReady(QStringLiteral("/nowhere"), true, &message, t));
    QCOMPARE(message, expected);
    QVERIFY(!DiskReady(QStringLiteral("/nowhere"), false, &message, t));
    QVERIFY(message.isEmpty());
    QVERIFY(!DiskReady(QStringLiteral("relative"), false, &message, t));
    QCOMPARE(message, t.sDiskInvalid);
    // The invalid-drive text does not end the check: the no-disk text follows it.
    QVERIFY(!DiskReady(QStringLiteral("nowhere"), true, &message, t));
    QVERIFY(message.startsWith(t.sDiskInvalid + QLatin1Char('\n') + t.sDiskNone));
    QVERIFY(DiskReady(QStringLiteral("/"), true, &message, t));
  }

  void driveTypeName_followsLanguage() {
    const ExplorerTexts &german = ExplorerTextsOf(5);
    QCOMPARE(DriveTypeText(DriveType::Fixed, german), QStringLiteral("Festplatte"));
    QCOMPARE(DriveTypeText(DriveType::Unknown, german), QStringLiteral("Unbekan"));
    QCOMPARE(DriveTypeName(QStringLiteral("/"), german), QStringLiteral("Festplatte"));
    QCOMPARE(DriveTypeName(QStringLiteral("/definitely/not/mounted"), german), QStringLiteral("Nicht da "));
  }
};

QTEST_GUILESS_MAIN(TestExplorerTexts)
#include "tst_explorer_texts.moc"
