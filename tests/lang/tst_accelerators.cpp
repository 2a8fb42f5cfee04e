// Keyboard accelerators of the translated captions: at most one each, on a letter, no clashes on one tab.
#include "lang/language_texts.h"

#include <QtTest>

namespace {

const char *const kLanguageNames[] = {"English", "Spanish",    "Catalan", "French", "Dutch",
                                      "German",  "Portuguese", "Italian", "Polish"};

// The letters that follow a single "&" ("&&" is a literal ampersand and marks nothing).
QList<QChar> accelerators(const QString &text) {
  QList<QChar> found;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i) != u'&')
      continue;
    if (i + 1 < text.size() && text.at(i + 1) == u'&') {
      ++i;
      continue;
    }
    found.append(i + 1 < text.size() ? text.at(i + 1) : QChar());
  }
  return found;
}

// Captions visible at the same time, so their accelerators must differ.
const QStringList kWindow = {"sInstantPreview", "sTabFileName",    "sTabExtension",
                             "sTabAutoNumber",  "sTabMoreOptions", "sLanguage",
                             "sUndo",           "sRename",         "sInfo"};
const QStringList kMoreOptionsTab = {"sStartMaximized",   "sRememberLastPath", "sRememberPosition",
                                     "sSetDefaultValues", "sViewFolders",      "sViewFiles",
                                     "sWorkWithFolders"};

// Slots whose text in some table is a shipped text without an accelerator.
bool isShippedWithoutAccelerator(int language, const QString &slot) {
  static const QStringList shipped = {"sTabFileName", "sTabExtension", "sRename", "sSaveOptions"};
  if (!shipped.contains(slot))
    return false;
  return accelerators(LanguageTable(language).text(slot)).isEmpty();
}

} // namespace

class TestAccelerators : public QObject {
  Q_OBJECT
private slots:
  void acceleratorScan_skipsLiteralAmpersands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringLiteral("File Mask") << QString();
    QTest::newRow("first letter") << QStringLiteral("&Rename") << QStringLiteral("R");
    QTest::newRow("after literal") << QStringLiteral("Remember Progra&m Position && Size")
                                   << QStringLiteral("m");
    QTest::newRow("two marks") << QStringLiteral("&Save &Preview") << QStringLiteral("SP");
    QTest::newRow("only literal") << QStringLiteral("A && B") << QString();
  }
  void acceleratorScan_skipsLiteralAmpersands() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QString letters;
    for (QChar c : accelerators(text))
      letters += c;
    QCOMPARE(letters, expected);
  }

  void everyCaption_marksAtMostOneLetter_data() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < LanguageCount; ++language)
      QTest::newRow(kLanguageNames[language]) << language;
  }
  void everyCaption_marksAtMostOneLetter() {
    QFETCH(int, language);
    const LanguageTexts texts = LanguageTable(language);
    for (const QString &slot : LanguageSlotNames()) {
      const QList<QChar> marks = accelerators(texts.text(slot));
      QVERIFY2(marks.size() <= 1, qPrintable(slot + u' ' + texts.text(slot)));
      for (QChar mark : marks) {
        QVERIFY2(mark.isLetter(), qPrintable(slot + u' ' + texts.text(slot)));
        // An accented accelerator cannot be typed on every keyboard of the language.
        QVERIFY2(mark.unicode() < 0x80, qPrintable(slot + u' ' + texts.text(slot)));
      }
    }
  }

  void translations_keepTheAcceleratorsOfEnglish_data() {
    QTest::addColumn<int>("language");
    for (int language = 1; language < LanguageCount; ++language)
      QTest::newRow(kLanguageNames[language]) << language;
  }
  void translations_keepTheAcceleratorsOfEnglish() {
    QFETCH(int, language);
    const LanguageTexts english = LanguageTable(LanguageEnglish);
    const LanguageTexts texts = LanguageTable(language);
    for (const QString &slot : LanguageSlotNames()) {
      if (isShippedWithoutAccelerator(language, slot))
        continue;
      QCOMPARE(accelerators(texts.text(slot)).size(), accelerators(english.text(slot)).size());
    }
  }

  void captionsShownTogether_useDistinctAccelerators_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("captions");
    const QStringList autonumberTab = {"sNoChanges", "sBeforeFilename", "sAfterFilename"};
    const QStringList optionsMenu = {
        "sMakeUndoBat",      "sSavePreviewTxt", "sMakeRenameBat",        "sOpenOptions", "sSaveOptions",
        "sSetDefaultValues", "sOptions",        "sRecursiveDirectories", "sRefresh",     "sLanguage"};
    const QStringList optionsSubmenu = {"sStartMaximized", "sRememberLastPath", "sRememberPosition"};
    // English keeps its shipped captions, clashes included; every translation avoids them.
    for (int language = 1; language < LanguageCount; ++language) {
      const char *name = kLanguageNames[language];
      QTest::addRow("%s file name tab", name) << language << kWindow;
      QTest::addRow("%s autonumber tab", name) << language << kWindow + autonumberTab;
      QTest::addRow("%s more options tab, add entry", name)
          << language << kWindow + kMoreOptionsTab + QStringList{"sAddShellEntry"};
      QTest::addRow("%s more options tab, remove entry", name)
          << language << kWindow + kMoreOptionsTab + QStringList{"sRemoveShellEntry"};
      QTest::addRow("%s options menu", name) << language << optionsMenu;
      QTest::addRow("%s options submenu", name) << language << optionsSubmenu;
    }
  }
  void captionsShownTogether_useDistinctAccelerators() {
    QFETCH(int, language);
    QFETCH(QStringList, captions);
    const LanguageTexts texts = LanguageTable(language);
    QHash<QChar, QString> owner;
    for (const QString &slot : captions) {
      for (QChar mark : accelerators(texts.text(slot))) {
        const QChar key = mark.toLower();
        QVERIFY2(
            !owner.contains(key),
            qPrintable(QStringLiteral("%1 and %2 both use %3").arg(owner.value(key), slot, QString(mark))));
        owner.insert(key, slot);
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestAccelerators)
#include "tst_accelerators.moc"
