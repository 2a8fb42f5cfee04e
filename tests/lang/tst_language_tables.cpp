// The nine language tables: every slot filled, the shipped texts exact, the rules across tables kept.
#include "lang/language_texts.h"

#include <QtTest>

namespace {

struct SlotText {
  const char *slot;
  QString text;
};

struct GivenRow {
  const char *slot;
  int language;
  QString text;
};

// The English table as the program ships it, slot by slot.
const QList<SlotText> &englishTexts() {
  static const QList<SlotText> texts = {
      {"sInstantPreview", QStringLiteral("Instant &Preview")},
      {"sTabFileName", QStringLiteral("&FileName")},
      {"sTabExtension", QStringLiteral("&Extension")},
      {"sTabAutoNumber", QStringLiteral("&Autonumber")},
      {"sTabMoreOptions", QStringLiteral("&More Options")},
      {"sUndo", QStringLiteral("&Undo")},
      {"sRename", QStringLiteral("&Rename")},
      {"sInfo", QStringLiteral("&Info")},
      {"sFileMask", QStringLiteral("File Mask")},
      {"sReplaceWith", QStringLiteral("Replace With")},
      {"sReplaceText", QStringLiteral("Replace Text")},
      {"sWithNewText", QStringLiteral("With this new Text")},
      {"sMatchCase", QStringLiteral("Match Case In Searching Text")},
      {"sRegularExpression", QStringLiteral("Regular Expression")},
      {"sMakeNamesUnique", QStringLiteral("Make Names Unique")},
      {"sLeftCrop", QStringLiteral("Left Crop")},
      {"sRightCrop", QStringLiteral("Right Crop")},
      {"sInsertBefore", QStringLiteral("Insert Before")},
      {"sInsertAfter", QStringLiteral("Insert After")},
      {"sNoCaseChanges", QStringLiteral("No Case Changes")},
      {"sUpperCase", QStringLiteral("Upper Case")},
      {"sLowerCase", QStringLiteral("Lower Case")},
      {"sFirstLetterUp", QStringLiteral("First Letter Up")},
      {"sFirstLetterLow", QStringLiteral("First Letter Low")},
      {"sNoChanges", QStringLiteral("&No Changes")},
      {"sBeforeFilename", QStringLiteral("&Before Filename")},
      {"sAfterFilename", QStringLiteral("Af&ter Filename")},
      {"sStartAt", QStringLiteral("Start At")},
      {"sIncrement", QStringLiteral("Increment")},
      {"sZeroFill", QStringLiteral("ZeroFill")},
      {"sStartMaximized", QStringLiteral("&Start Maximized")},
      {"sRememberLastPath", QStringLiteral("Remem&ber Last Path")},
      {"sByPath", QStringLiteral("By Path")},
      {"sRememberPosition", QStringLiteral("Remember Progra&m Position && Size")},
      {"sSetDefaultValues", QStringLiteral("Set &Default Values")},
      {"sAddShellEntry", QStringLiteral("Add \"Zelvo Rename from Here\" To S&hell")},
      {"sShellEntryCaption", QStringLiteral("Zelvo Rename from Here")},
      {"sRemoveShellEntry", QStringLiteral("Remove \"Zelvo Rename from Here\" from S&hell")},
      {"sRefreshHint1", QStringLiteral("Press Double Click")},
      {"sRefreshHint2", QStringLiteral("Inside This Text")},
      {"sRefreshHint3", QStringLiteral("To Refresh the Preview")},
      {"sRefreshHint4", QStringLiteral("Window")},
      {"sPreviewWindow", QStringLiteral("Preview Window")},
      {"sPreviewHelp1", QStringLiteral("This is The Preview Windows")},
      {"sPreviewHelp2", QStringLiteral("Where you can view the")},
      {"sPreviewHelp3", QStringLiteral("Result of your request.")},
      {"sPreviewHelp4", QStringLiteral("Press the Right Button to see")},
      {"sPreviewHelp5", QStringLiteral("the Options Menu available.")},
      {"sPreviewHelp6", QStringLiteral("You can Save this Preview")},
      {"sPreviewHelp7", QStringLiteral("Window, or Make a Batch File,")},
      {"sPreviewHelp8", QStringLiteral("or Save Your current Options...")},
      {"sPreviewHelp9", QStringLiteral("")},
      {"sHiddenFilePrompt", QStringLiteral("This is a Hidden File. Rename it?")},
      {"sSelectedFile", QStringLiteral("The selected file")},
      {"sAlreadyExists", QStringLiteral("already exist. OverWrite?")},
      {"sFile", QStringLiteral("File")},
      {"sSaved", QStringLiteral("Saved")},
      {"sFileError", QStringLiteral("An Error Occurred with the selected file")},
      {"sMakeUndoBat", QStringLiteral("&Make a UNDO .BAT File")},
      {"sSavePreviewTxt", QStringLiteral("&Save Preview to .TXT File")},
      {"sMakeRenameBat", QStringLiteral("&Make a Rename .BAT File")},
      {"sOpenOptions", QStringLiteral("&Open ZR Options from .INI")},
      {"sSaveOptions", QStringLiteral("Save &ZR Options to .INI")},
      {"sOptions", QStringLiteral("&Options")},
      {"sRecursiveDirectories", QStringLiteral("&Recursive Directories")},
      {"sRefresh", QStringLiteral("R&efresh")},
      {"sViewFolders", QStringLiteral("View &Folders")},
      {"sViewFiles", QStringLiteral("&View Files")},
      {"sWorkWithFolders", QStringLiteral("&Work with Folders")},
      {"sFiles", QStringLiteral("Files")},
      {"sFolders", QStringLiteral("Folders")},
      {"sRecurseNeedsNoFolders",
       QStringLiteral("This option only works when the \"View Folders\" is not activated.")},
      {"sLanguage", QStringLiteral("&Language")},
      {"sErrorsTitle", QStringLiteral("Errors While Renaming Files")},
      {"sErrorsHeader", QStringLiteral("These Files have not been Renamed:")},
      {"sManual", QStringLiteral("Manual")},
      {"sGraphics", QStringLiteral("Graphics")},
      {"sMP3", QStringLiteral("MP3")},
      {"sHTML", QStringLiteral("HTML")},
      {"sN64Roms", QStringLiteral("Nintendo 64 Roms")},
      {"sManualNumber", QStringLiteral("Manual Number")},
      {"sFileDate", QStringLiteral("File_Date")},
      {"sColumnData", QStringLiteral("Column Data")},
      {"sExternalData", QStringLiteral("Data from External File")},
      {"sWidth", QStringLiteral("Width")},
      {"sHeight", QStringLiteral("Height")},
      {"sColorsAbbrev", QStringLiteral("Colors (Abreviate)")},
      {"sColors", QStringLiteral("Colors")},
      {"sBits", QStringLiteral("Bits")},
      {"sTitle", QStringLiteral("Title")},
      {"sArtist", QStringLiteral("Artist")},
      {"sAlbum", QStringLiteral("Album")},
      {"sYear", QStringLiteral("Year")},
      {"sComment", QStringLiteral("Comment")},
      {"sRandomName", QStringLiteral("Random Name")},
      {"sCharacters", QStringLiteral("Characters")},
      {"sDecimal", QStringLiteral("Decimal")},
      {"sHexadecimal", QStringLiteral("Hexadecimal")},
      {"sOctal", QStringLiteral("Octal")},
      {"sBinary", QStringLiteral("Binary")},
      {"sExcelMode", QStringLiteral("Excel Mode")},
      {"sExcelNumbers", QStringLiteral("Excel Numbers")},
      {"sManualChars", QStringLiteral("Numbers from Manual Autonumbering")},
      {"sCurrentZeroFill", QStringLiteral("Current Zero Fill")},
      {"sTodayDate", QStringLiteral("Today Date")},
      {"sYY", QStringLiteral("YY")},
      {"sMM", QStringLiteral("MM")},
      {"sDD", QStringLiteral("DD")},
      {"sHH", QStringLiteral("HH")},
      {"sMin", QStringLiteral("MM")},
      {"sWithoutExtension", QStringLiteral("Without Extension")},
      {"sIdentical", QStringLiteral("Identical")},
      {"sInMegabytes", QStringLiteral("In Megabytes")},
      {"sInKilobytes", QStringLiteral("In Kilobytes")},
      {"sUnformatted", QStringLiteral("Unformatted")},
      {"sFormatted", QStringLiteral("Formatted")},
      {"sOpenEditor", QStringLiteral("Open Editor")},
      {"sInsertLine", QStringLiteral("Insert Line from Editor")},
      {"sPhoto", QStringLiteral("Photo")},
      {"sMusic", QStringLiteral("Music")},
      {"sDateTaken", QStringLiteral("Date Taken")},
      {"sCamera", QStringLiteral("Camera")},
      {"sMake", QStringLiteral("Make")},
      {"sModel", QStringLiteral("Model")},
      {"sTrack", QStringLiteral("Track")},
      {"sTrackZeroFill", QStringLiteral("Track (Zero Fill)")},
      {"sGenre", QStringLiteral("Genre")},
      {"sName", QStringLiteral("Name")},
      {"sPath", QStringLiteral("Path")},
      {"sSize", QStringLiteral("Size")},
      {"sType", QStringLiteral("Type")},
      {"sAttributes", QStringLiteral("Attributes")},
      {"sNoAccents", QStringLiteral("No Accents")},
      {"sRunRenamed", QStringLiteral("%1 renamed")},
      {"sRunNotRenamed", QStringLiteral("%1 not renamed")},
      {"sUndoPutBack", QStringLiteral("%1 names put back")},
      {"sUndoPutBackOne", QStringLiteral("1 name put back")},
      {"sUndoNotPutBack", QStringLiteral("%1 not put back")},
      {"sErrorsNewName", QStringLiteral("New name")},
      {"sErrorsReason", QStringLiteral("Reason")},
      {"sFolderNotFound", QStringLiteral("The folder \"%1\" does not exist.")},
  };
  return texts;
}

// Rows that every translation must reproduce character for character, trailing blanks included.
const QList<GivenRow> &givenRows() {
  static const QList<GivenRow> rows = {
      {"sTabFileName", LanguageEnglish, QStringLiteral("&FileName")},
      {"sTabFileName", LanguageSpanish, QStringLiteral("&Nombre de Archivo")},
      {"sTabFileName", LanguageCatalan, QStringLiteral("&Nom de l'Arxiu")},
      {"sTabFileName", LanguageFrench, QStringLiteral("Nom Fichier")},
      {"sTabFileName", LanguageDutch, QStringLiteral("Bestandsnaam")},
      {"sTabFileName", LanguageGerman, QStringLiteral("Dateinam")},
      {"sTabFileName", LanguagePortuguese, QStringLiteral("Nome de arquivo")},
      {"sTabFileName", LanguageItalian, QStringLiteral("Nome del file")},
      {"sTabFileName", LanguagePolish, QStringLiteral("&Nazwa Pliku")},
      {"sTabExtension", LanguageEnglish, QStringLiteral("&Extension")},
      {"sTabExtension", LanguageSpanish, QStringLiteral("&Extensión")},
      {"sTabExtension", LanguageCatalan, QStringLiteral("&Extensió")},
      {"sTabExtension", LanguageFrench, QStringLiteral("Extension")},
      {"sTabExtension", LanguageGerman, QStringLiteral("Erweiter.")},
      {"sTabExtension", LanguagePortuguese, QStringLiteral("Extensão")},
      {"sTabExtension", LanguageItalian, QStringLiteral("Estensione")},
      {"sTabExtension", LanguagePolish, QStringLiteral("&Rozszerzenie")},
      {"sRename", LanguageEnglish, QStringLiteral("&Rename")},
      {"sRename", LanguageSpanish, QStringLiteral("&Renombra")},
      {"sRename", LanguageCatalan, QStringLiteral("&Renombra")},
      {"sRename", LanguageFrench, QStringLiteral("Renommer")},
      {"sRename", LanguageDutch, QStringLiteral("&Hernoem")},
      {"sRename", LanguageGerman, QStringLiteral("Umnenn")},
      {"sRename", LanguagePortuguese, QStringLiteral("Renomear")},
      {"sRename", LanguageItalian, QStringLiteral("Rinomina")},
      {"sRename", LanguagePolish, QStringLiteral("&Zamień")},
      {"sShellEntryCaption", LanguageEnglish, QStringLiteral("Zelvo Rename from Here")},
      {"sShellEntryCaption", LanguageSpanish, QStringLiteral("Zelvo Rename desde Aquí")},
      {"sShellEntryCaption", LanguageCatalan, QStringLiteral("Zelvo Rename Des d'Aquí")},
      {"sShellEntryCaption", LanguageFrench, QStringLiteral("Zelvo Rename dès ici")},
      {"sShellEntryCaption", LanguageDutch, QStringLiteral("Zelvo Rename vanaf hier")},
      {"sShellEntryCaption", LanguageGerman, QStringLiteral("Zelvo Rename von hier ")},
      {"sShellEntryCaption", LanguagePortuguese, QStringLiteral("Zelvo Rename desde aqui")},
      {"sShellEntryCaption", LanguageItalian, QStringLiteral("Zelvo Rename da qui")},
      {"sShellEntryCaption", LanguagePolish, QStringLiteral("Zamiana Zelvo'a z tego miejsca")},
      {"sRefreshHint1", LanguageEnglish, QStringLiteral("Press Double Click")},
      {"sRefreshHint1", LanguageSpanish, QStringLiteral("Haz Doble Click")},
      {"sRefreshHint1", LanguageCatalan, QStringLiteral("Fes Doble Click")},
      {"sRefreshHint1", LanguageFrench, QStringLiteral("Faites un double clic")},
      {"sRefreshHint1", LanguageDutch, QStringLiteral("Dubbelklik")},
      {"sRefreshHint1", LanguageGerman, QStringLiteral("Doppelt klicken   ")},
      {"sRefreshHint1", LanguagePortuguese, QStringLiteral("Dê duplo clique")},
      {"sRefreshHint1", LanguageItalian, QStringLiteral("Fare doppio clic")},
      {"sRefreshHint1", LanguagePolish, QStringLiteral("Kliknij Dwukrotnie")},
      {"sAlreadyExists", LanguageEnglish, QStringLiteral("already exist. OverWrite?")},
      {"sAlreadyExists", LanguageSpanish, QStringLiteral("ya existe. ¿Deseas sobreescribir?")},
      {"sAlreadyExists", LanguageCatalan, QStringLiteral("ja existeix. ¿Vols sobreescriure?")},
      {"sAlreadyExists", LanguageFrench, QStringLiteral("existe déjà. Ecraser ?")},
      {"sAlreadyExists", LanguageDutch, QStringLiteral("bestaat reeds. Overschrijven?")},
      {"sAlreadyExists", LanguageGerman, QStringLiteral("gibt es schon. Überschr.?")},
      {"sAlreadyExists", LanguagePortuguese, QStringLiteral("já existe. Substitui?")},
      {"sAlreadyExists", LanguageItalian, QStringLiteral("esiste già. Sovrascrivere?")},
      {"sAlreadyExists", LanguagePolish, QStringLiteral("już istnieje. Nadmienić?")},
      {"sSaveOptions", LanguageEnglish, QStringLiteral("Save &ZR Options to .INI")},
      {"sSaveOptions", LanguageSpanish, QStringLiteral("&Salvar las Opciones ZR a un .INI")},
      {"sSaveOptions", LanguageCatalan, QStringLiteral("&Grabar les Opcions ZR a un .INI")},
      {"sSaveOptions", LanguageFrench, QStringLiteral("Sauvegarder les options ZR vers un fichier .INI")},
      {"sSaveOptions", LanguageDutch, QStringLiteral("Sla ZR-opties op in .INI")},
      {"sSaveOptions", LanguageGerman, QStringLiteral("Sich.ZR Option. in .INI")},
      {"sSaveOptions", LanguagePortuguese, QStringLiteral("Salvar opções do ZR em .INI")},
      {"sSaveOptions", LanguageItalian, QStringLiteral("Salva opzioni in un file .INI")},
      {"sSaveOptions", LanguagePolish, QStringLiteral("Za&pisz Ustawienia ZR do .INI")},
      {"sFileMask", LanguageEnglish, QStringLiteral("File Mask")},
      {"sFileMask", LanguageSpanish, QStringLiteral("Máscara ")},
      {"sFileMask", LanguageCatalan, QStringLiteral("Màscara ")},
      {"sFileMask", LanguageFrench, QStringLiteral("Masque")},
      {"sFileMask", LanguageDutch, QStringLiteral("Masker")},
      {"sFileMask", LanguageGerman, QStringLiteral("Dateimask")},
      {"sFileMask", LanguagePortuguese, QStringLiteral("Máscara")},
      {"sFileMask", LanguageItalian, QStringLiteral("Tipo di file")},
      {"sFileMask", LanguagePolish, QStringLiteral("Maska Plików")},
      {"sGraphics", LanguageEnglish, QStringLiteral("Graphics")},
      {"sGraphics", LanguageSpanish, QStringLiteral("Gráficos")},
      {"sGraphics", LanguageCatalan, QStringLiteral("Gràfics")},
      {"sGraphics", LanguageFrench, QStringLiteral("Graphics")},
      {"sGraphics", LanguageDutch, QStringLiteral("Graphics")},
      {"sGraphics", LanguageGerman, QStringLiteral("Graphics")},
      {"sGraphics", LanguagePortuguese, QStringLiteral("Graphics")},
      {"sGraphics", LanguageItalian, QStringLiteral("Graphics")},
      {"sGraphics", LanguagePolish, QStringLiteral("Graphics")},
  };
  return rows;
}

const char *const kLanguageNames[] = {"English", "Spanish",    "Catalan", "French", "Dutch",
                                      "German",  "Portuguese", "Italian", "Polish"};

void addLanguageRows() {
  QTest::addColumn<int>("language");
  for (int language = 0; language < LanguageCount; ++language)
    QTest::newRow(kLanguageNames[language]) << language;
}

// Slot names from sGraphics to sGenre: the variables menu.
QStringList variablesMenuSlots() {
  const QStringList &names = LanguageSlotNames();
  const qsizetype first = names.indexOf(QStringLiteral("sGraphics"));
  const qsizetype last = names.indexOf(QStringLiteral("sGenre"));
  return names.mid(first, last - first + 1);
}

} // namespace

class TestLanguageTables : public QObject {
  Q_OBJECT
private slots:
  void slotNames_areUniqueAndInTableOrder() {
    const QStringList &names = LanguageSlotNames();
    QCOMPARE(names.size(), 141);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    QCOMPARE(names.first(), QStringLiteral("sInstantPreview"));
    QCOMPARE(names.last(), QStringLiteral("sFolderNotFound"));
    QCOMPARE(englishTexts().size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
      QCOMPARE(names.at(i), QString::fromLatin1(englishTexts().at(i).slot));
  }

  void slotLookup_reachesTheNamedMember() {
    // Writing each slot's own name through the lookup must land in a distinct member.
    LanguageTexts texts;
    for (const QString &name : LanguageSlotNames()) {
      QString *slot = texts.slot(name);
      QVERIFY2(slot, qPrintable(name));
      *slot = name;
    }
    for (const QString &name : LanguageSlotNames())
      QCOMPARE(texts.text(name), name);
    QCOMPARE(texts.sInstantPreview, QStringLiteral("sInstantPreview"));
    QCOMPARE(texts.sMin, QStringLiteral("sMin"));
    QCOMPARE(texts.sNoAccents, QStringLiteral("sNoAccents"));
  }

  void unknownSlotName_findsNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("wrong case") << QStringLiteral("srename");
    QTest::newRow("explorer text") << QStringLiteral("sColumnName");
    QTest::newRow("trailing blank") << QStringLiteral("sRename ");
  }
  void unknownSlotName_findsNothing() {
    QFETCH(QString, name);
    const LanguageTexts texts = LanguageTable(LanguageEnglish);
    QVERIFY(texts.slot(name) == nullptr);
    QVERIFY(texts.text(name).isNull());
  }

  void everyTable_fillsEverySlot_data() { addLanguageRows(); }
  void everyTable_fillsEverySlot() {
    QFETCH(int, language);
    // Start from a marker so that a slot the table forgets is caught even where it may be empty.
    LanguageTexts texts;
    const QString marker = QStringLiteral("\u0001unset");
    for (const QString &name : LanguageSlotNames())
      *texts.slot(name) = marker;
    SetLanguageTexts(texts, language);
    for (const QString &name : LanguageSlotNames()) {
      const QString text = texts.text(name);
      QVERIFY2(text != marker, qPrintable(name));
      QVERIFY2(!text.isNull(), qPrintable(name)); // null only answers an unknown name
      if (name != QLatin1String("sPreviewHelp9"))
        QVERIFY2(!text.isEmpty(), qPrintable(name));
      QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(name));
    }
  }

  void englishTable_matchesShippedTexts() {
    const LanguageTexts texts = LanguageTable(LanguageEnglish);
    for (const SlotText &expected : englishTexts())
      QCOMPARE(texts.text(QString::fromLatin1(expected.slot)), expected.text);
  }

  void givenRows_areExact_data() {
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    for (const GivenRow &row : givenRows())
      QTest::addRow("%s %s", row.slot, kLanguageNames[row.language])
          << QString::fromLatin1(row.slot) << row.language << row.text;
  }
  void givenRows_areExact() {
    QFETCH(QString, slot);
    QFETCH(int, language);
    QFETCH(QString, expected);
    QCOMPARE(LanguageTable(language).text(slot), expected);
  }

  void dutchExtensionTab_hasItsOwnCaption() {
    QCOMPARE(LanguageTable(LanguageDutch).sTabExtension, QStringLiteral("&Extensie"));
  }

  void indexOutsideTheNine_selectsEnglish_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("-1") << -1;
    QTest::newRow("9") << 9;
    QTest::newRow("12") << 12;
    QTest::newRow("int max") << std::numeric_limits<int>::max();
  }
  void indexOutsideTheNine_selectsEnglish() {
    QFETCH(int, language);
    const LanguageTexts texts = LanguageTable(language);
    const LanguageTexts english = LanguageTable(LanguageEnglish);
    for (const QString &name : LanguageSlotNames())
      QCOMPARE(texts.text(name), english.text(name));
  }

  void variablesMenu_isTranslatedOnlyInSpanishAndCatalan_data() { addLanguageRows(); }
  void variablesMenu_isTranslatedOnlyInSpanishAndCatalan() {
    QFETCH(int, language);
    const LanguageTexts texts = LanguageTable(language);
    const LanguageTexts english = LanguageTable(LanguageEnglish);
    int translated = 0;
    for (const QString &name : variablesMenuSlots())
      translated += texts.text(name) != english.text(name) ? 1 : 0;
    if (language == LanguageSpanish || language == LanguageCatalan)
      QVERIFY2(translated >= 20, qPrintable(QString::number(translated)));
    else
      QCOMPARE(translated, 0);
  }

  void countedTexts_keepTheirPlaceForTheNumber_data() { addLanguageRows(); }
  void countedTexts_keepTheirPlaceForTheNumber() {
    QFETCH(int, language);
    const LanguageTexts texts = LanguageTable(language);
    for (const QString *text : {&texts.sRunRenamed, &texts.sRunNotRenamed, &texts.sUndoPutBack,
                                &texts.sUndoNotPutBack, &texts.sFolderNotFound})
      QVERIFY2(text->count(QStringLiteral("%1")) == 1 && !text->contains(QStringLiteral("%2")),
               qPrintable(*text));
    QVERIFY(texts.sUndoPutBackOne.contains(u'1') && !texts.sUndoPutBackOne.contains(u'%'));
  }

  void sharedCodes_areTheSameInEveryTable_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("slot");
    const char *const shared[] = {"sMP3",   "sHTML", "sBits", "sAlbum", "sDecimal", "sHexadecimal",
                                  "sOctal", "sYY",   "sMM",   "sDD",    "sHH",      "sMin"};
    for (int language = 1; language < LanguageCount; ++language)
      for (const char *slot : shared)
        QTest::addRow("%s %s", kLanguageNames[language], slot) << language << QString::fromLatin1(slot);
  }
  void sharedCodes_areTheSameInEveryTable() {
    QFETCH(int, language);
    QFETCH(QString, slot);
    QCOMPARE(LanguageTable(language).text(slot), LanguageTable(LanguageEnglish).text(slot));
  }

  void lastHelpLine_followsTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << int(LanguageEnglish) << QString();
    QTest::newRow("Spanish") << int(LanguageSpanish) << QString();
    QTest::newRow("Catalan") << int(LanguageCatalan) << QString();
    QTest::newRow("French") << int(LanguageFrench) << QString();
    QTest::newRow("Dutch") << int(LanguageDutch) << QString();
    QTest::newRow("German") << int(LanguageGerman) << QStringLiteral("...");
    QTest::newRow("Portuguese") << int(LanguagePortuguese) << QStringLiteral("...");
    QTest::newRow("Italian") << int(LanguageItalian) << QStringLiteral("...");
    QTest::newRow("Polish") << int(LanguagePolish) << QStringLiteral("itd.");
  }
  void lastHelpLine_followsTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, expected);
    QCOMPARE(LanguageTable(language).sPreviewHelp9, expected);
  }

  void shellButtons_quoteTheContextMenuEntry_data() { addLanguageRows(); }
  void shellButtons_quoteTheContextMenuEntry() {
    QFETCH(int, language);
    const LanguageTexts texts = LanguageTable(language);
    const QString quoted = u'"' + texts.sShellEntryCaption.trimmed() + u'"';
    QVERIFY2(texts.sAddShellEntry.contains(quoted), qPrintable(texts.sAddShellEntry));
    QVERIFY2(texts.sRemoveShellEntry.contains(quoted), qPrintable(texts.sRemoveShellEntry));
    QVERIFY(texts.sAddShellEntry != texts.sRemoveShellEntry);
  }

  void recursionNotice_namesTheViewFoldersSwitch_data() { addLanguageRows(); }
  void recursionNotice_namesTheViewFoldersSwitch() {
    QFETCH(int, language);
    const LanguageTexts texts = LanguageTable(language);
    QString caption = texts.sViewFolders;
    caption.remove(u'&');
    QVERIFY2(texts.sRecurseNeedsNoFolders.contains(u'"' + caption + u'"'),
             qPrintable(texts.sRecurseNeedsNoFolders));
  }

  void switchToPolishAndBack_restoresEveryEnglishText() {
    SetLanguageTexts(LanguagePolish);
    QCOMPARE(CurrentLanguageTexts().sRename, QStringLiteral("&Zamień"));
    QCOMPARE(CurrentLanguageTexts().sPreviewHelp9, QStringLiteral("itd."));
    SetLanguageTexts(LanguageEnglish);
    for (const SlotText &expected : englishTexts())
      QCOMPARE(CurrentLanguageTexts().text(QString::fromLatin1(expected.slot)), expected.text);
  }
};

QTEST_GUILESS_MAIN(TestLanguageTables)
#include "tst_language_tables.moc"
