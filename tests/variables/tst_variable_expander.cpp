// Variables of the text options expanded for entries built from real files: names, sizes, dates,
// numbers, the current date, random names, the text list and the comic extension swap.
#include "engine/option_fields.h"
#include "engine/preview.h"
#include "explorer/date_time_formats.h"
#include "variables/variable_expander.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

namespace {

// The text the file list writes into a date column for a moment on disk.
QString DateColumn(const QDateTime &moment) {
  CalendarFields fields;
  if (!ToLocalCalendar(moment.toSecsSinceEpoch(), 0, fields))
    return QString();
  return DateTimeFormats().Text(fields);
}

// An entry with the sub-items the file list fills for a regular file.
FileListEntry EntryFor(const QString &path, const QString &typeName = QStringLiteral("File")) {
  const QFileInfo info(path);
  FileListEntry e;
  e.Caption = info.fileName();
  e.SubItems[SubFolder] = info.absolutePath() + QLatin1Char('/');
  e.SubItems[SubSize] = QString::number(info.size());
  e.SubItems[SubType] = typeName;
  const qsizetype dot = e.Caption.lastIndexOf(QLatin1Char('.'));
  e.SubItems[SubExtension] = dot < 0 ? QString() : e.Caption.mid(dot + 1);
  e.SubItems[SubCreated] = DateColumn(info.birthTime().isValid() ? info.birthTime() : info.lastModified());
  e.SubItems[SubModified] = DateColumn(info.lastModified());
  e.SubItems[SubAccessed] = DateColumn(info.lastRead());
  e.SubItems[SubAttributes] = QStringLiteral("A");
  e.SubItems[SubFullPath] = e.SubItems[SubFolder] + e.Caption;
  e.SubItems[SubKind] = QStringLiteral("file");
  e.NativePath = QFile::encodeName(path);
  return e;
}

QByteArray Jpeg(int width, int height) {
  QByteArray b("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
  b += QByteArray("\xff\xc0\x00\x11\x08", 5);
  b += char(height >> 8);
  b += char(height & 0xff);
  b += char(width >> 8);
  b += char(width & 0xff);
  b += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xd9", 12);
  return b;
}

bool WriteFile(const QString &path, const QByteArray &bytes, qint64 size) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.resize(qMax(size, bytes.size()));
}

bool SetTimes(const QString &path, const QDateTime &modified, const QDateTime &accessed) {
  QFile f(path);
  return f.open(QIODevice::ReadWrite) && f.setFileTime(modified, QFileDevice::FileModificationTime) &&
         f.setFileTime(accessed, QFileDevice::FileAccessTime);
}

} // namespace

class TestVariableExpander : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  FileListEntry m_holiday; // Holiday.JPG, 1234567 bytes, a 1600 by 1200 JPEG
  FileListEntry m_empty;   // empty.txt, 0 bytes
  FileListEntry m_comic;   // comic.zip
  FileListEntry m_bare;    // README, no extension
  RenameOptions m_options;
  const QDateTime m_now{QDate(2026, 12, 8), QTime(9, 5, 3)};

  QString Expand(const FileListEntry &entry, const QString &text, RefreshRunState state = {10, 1, -1, 0},
                 int index = 0, QString *error = nullptr) {
    VariableExpander expander;
    expander.SetNow(m_now);
    expander.SetSeed(7);
    ExpansionContext context{m_options, state, index, QString()};
    const QString result = expander.WriteTextExtended(entry, text, context);
    if (error)
      *error = context.error;
    else if (!context.error.isEmpty())
      qWarning() << "unexpected error" << context.error;
    return result;
  }

private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString holiday = m_dir.filePath(QStringLiteral("Holiday.JPG"));
    QVERIFY(WriteFile(holiday, Jpeg(1600, 1200), 1234567));
    QVERIFY(SetTimes(holiday, QDateTime(QDate(2001, 3, 5), QTime(14, 7, 30)),
                     QDateTime(QDate(2002, 11, 23), QTime(8, 9, 10))));
    m_holiday = EntryFor(holiday, QStringLiteral("JPEG image"));
    // Linux keeps no settable birth time: the creation column gets a known text of its own.
    m_holiday.SubItems[SubCreated] = QStringLiteral("24/12/1999 23:59");

    const QString empty = m_dir.filePath(QStringLiteral("empty.txt"));
    QVERIFY(WriteFile(empty, QByteArray(), 0));
    m_empty = EntryFor(empty);
    const QString comic = m_dir.filePath(QStringLiteral("comic.zip"));
    QVERIFY(WriteFile(comic, "PK", 2));
    m_comic = EntryFor(comic);
    const QString bare = m_dir.filePath(QStringLiteral("README"));
    QVERIFY(WriteFile(bare, "read me", 7));
    m_bare = EntryFor(bare);
    m_options.tManualNumber = QStringLiteral("xyz");
  }

  void columnsAreTheFileListForm() {
    QCOMPARE(m_holiday.SubItems[SubSize], QStringLiteral("1234567"));
    QCOMPARE(m_holiday.SubItems[SubModified], QStringLiteral("05/03/2001 14:07"));
    QCOMPARE(m_holiday.SubItems[SubAccessed], QStringLiteral("23/11/2002 08:09"));
  }

  void holidayEntry_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString folder = QString(m_holiday.SubItems[SubFolder]).replace(QLatin1Char('/'), QLatin1Char(','));
    const QList<std::pair<const char *, QString>> rows = {
        // Names, folder, type, extension, attributes
        {"\\1", "Holiday.JPG"},
        {"\\1N", "Holiday"},
        {"\\1n", "Holiday"},
        {"\\1x", "Holiday.JPGx"},
        {"\\2", folder},
        {"\\4", "JPEG image"},
        {"\\5", "JPG"},
        {"\\9", "A"},
        // Sizes
        {"\\3", "1234567"},
        {"\\3.", "1.234.567"},
        {"\\3,", "1,234,567"},
        {"\\3K", "1205"},
        {"\\3k.", "1.205"},
        {"\\3M", "1"},
        {"\\3MZ", "1"},
        {"\\3Z.", "1.234.567"},
        {"\\3z", "1234567"},
        // File times
        {"\\6", "19991224"},
        {"\\6HM", "59"},
        {"\\7", "20010305"},
        {"\\7D-\\7M-\\7Y2", "05-03-01"},
        {"\\7Y", "2001"},
        {"\\7y2", "01"},
        {"\\7H", "1407"},
        {"x:\\7H", "x1407"},
        {"\\7HH'\\7HM", "14'07"},
        {"\\7S", "S"},
        {"\\7s", "s"},
        {"\\7HS", "S"},
        {"\\8", "20021123"},
        {"\\8H", "0809"},
        {"\\8d\\8m", "2311"},
        // Current date, fixed at 2026-12-08 09:05:03
        {"\\D", "20261208 090503"},
        {"\\DY\\DM\\DD", "20261208"},
        {"\\dy2", "26"},
        {"\\DH", "090503"},
        {"\\DHH'\\DHM", "09'05"},
        {"\\DHS", "03"},
        {"\\DS", ""},
        {"\\Dx", "20261208 090503x"},
        // Numbers: counter 10, zero fill 1, decimal
        {"\\N", "10"},
        {"\\NH", "0A"},
        {"\\NH0", "A"},
        {"\\NB4", "01010"},
        {"\\NO", "12"},
        {"\\ND4", "00010"},
        {"\\ND0", "10"},
        {"\\Nh99", "000000000A9"},
        {"\\NAF", "0A"},
        {"\\NA2", "1010"},
        {"\\NA0", "10"},
        {"\\NAZ", "0A"},
        {"\\NAa0", "A"},
        {"\\NA1", "101"},
        {"\\NA", "10"},
        {"\\NE", "J"},
        {"\\NEM", "zx"},
        {"\\Nx", "10x"},
        // Comic swap on a non-archive, literal "C"
        {"\\CD", "JPG"},
        {"\\cu", "JPG"},
        {"\\Cx", "Cx"},
        {"\\C", "C"},
        // Scanning: unknown codes, doubled and trailing backslashes, slashes
        {"\\Q", ""},
        {"\\0", ""},
        {"a\\ b", "ab"},
        {"a\\\\b", "ab"},
        {"abc\\", "abc"},
        {"a/b\\5", "a,bJPG"},
        {"no variables", "no variables"},
        {"a/b", "a/b"},
        // Content variables: a picture, and the others on the wrong kind of file
        {"\\G", "1600x1200x16M"},
        {"\\GWx\\GHx\\GB", "1600x1200x24"},
        {"\\Gc", "16M"},
        {"\\GCc", "16777216"},
        {"\\AT", "T"},
        {"\\H", ""},
        {"\\Z", ""},
    };
    for (const auto &[text, expected] : rows)
      QTest::newRow(text) << QString::fromLatin1(text) << expected;
  }
  void holidayEntry() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Expand(m_holiday, text), expected);
  }

  void otherEntries_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero size, omit zero") << "empty"
                                          << "\\3Z"
                                          << "";
    QTest::newRow("zero size, separator after omitted zero stays") << "empty"
                                                                   << "\\3Z."
                                                                   << ".";
    QTest::newRow("zero size, plain") << "empty"
                                      << "\\3"
                                      << "0";
    QTest::newRow("small size in megabytes omitted") << "comic"
                                                     << "\\3MZ"
                                                     << "";
    QTest::newRow("pictures only for picture files") << "empty"
                                                     << "\\GWx\\GH"
                                                     << "WxH";
    QTest::newRow("zip to cbz") << "comic"
                                << "\\CD"
                                << "cbz";
    QTest::newRow("zip stays on up") << "comic"
                                     << "\\CU"
                                     << "zip";
    QTest::newRow("no extension, name without it") << "bare"
                                                   << "\\1N"
                                                   << "README";
    QTest::newRow("no extension, extension empty") << "bare"
                                                   << "[\\5]"
                                                   << "[]";
  }
  void otherEntries() {
    QFETCH(QString, which);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const FileListEntry &entry = which == QLatin1String("empty")   ? m_empty
                                 : which == QLatin1String("comic") ? m_comic
                                                                   : m_bare;
    QCOMPARE(Expand(entry, text), expected);
  }

  void comicUpSwaps_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CBR up") << "comic.CBR"
                            << "\\CU"
                            << "rar";
    QTest::newRow("cbz up") << "comic.cbz"
                            << "\\cu"
                            << "zip";
    QTest::newRow("RAR down") << "comic.RAR"
                              << "\\Cd"
                              << "cbr";
    QTest::newRow("cbr down unchanged") << "comic.cbr"
                                        << "\\CD"
                                        << "cbr";
  }
  void comicUpSwaps() {
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    FileListEntry e = m_comic;
    e.Caption = caption;
    e.SubItems[SubExtension] = caption.mid(caption.lastIndexOf(QLatin1Char('.')) + 1);
    QCOMPARE(Expand(e, text), expected);
  }

  void negativeAndZeroCounters_data() {
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("manual");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters of -10") << -10 << "xyz"
                                    << "\\NE"
                                    << "-J";
    QTest::newRow("own letters of -10") << -10 << "xyz"
                                        << "\\NEM"
                                        << "-zx";
    QTest::newRow("no own letters") << -10 << ""
                                    << "\\NEM"
                                    << "";
    QTest::newRow("no own letters, positive") << 10 << ""
                                              << "a\\NEMb"
                                              << "ab";
    QTest::newRow("binary of -10") << -10 << "xyz"
                                   << "\\NA2"
                                   << "-1010";
    QTest::newRow("hex radix of -10") << -10 << "xyz"
                                      << "\\NAF"
                                      << "-0A";
    QTest::newRow("lowest int in radix 36") << INT_MIN << "xyz"
                                            << "\\NAZ0"
                                            << "-ZIK0ZK";
    QTest::newRow("lowest int in letters") << INT_MIN << "xyz"
                                           << "\\NE"
                                           << "-FXSHRXX";
    QTest::newRow("lowest int decimal") << INT_MIN << "xyz"
                                        << "\\ND0"
                                        << "-2147483648";
    QTest::newRow("zero has no letters") << 0 << "xyz"
                                         << "[\\NE]"
                                         << "[]";
    QTest::newRow("zero in binary, padded") << 0 << "xyz"
                                            << "\\NA2"
                                            << "00";
  }
  void negativeAndZeroCounters() {
    QFETCH(int, counter);
    QFETCH(QString, manual);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    m_options.tManualNumber = manual;
    QCOMPARE(Expand(m_holiday, text, {counter, 1, -1, 0}), expected);
    m_options.tManualNumber = QStringLiteral("xyz");
  }

  void numberVariables_followTheOptionsType() {
    RenameOptions saved = m_options;
    m_options.rgTypeNumber = 4; // Excel letters
    QCOMPARE(Expand(m_holiday, QStringLiteral("\\N|\\NA|\\NAz")), QStringLiteral("J|J|0A"));
    m_options.rgTypeNumber = 5; // own letters
    QCOMPARE(Expand(m_holiday, QStringLiteral("\\N")), QStringLiteral("zx"));
    m_options = saved;
  }

  void hugeZeroFill_isBounded() {
    const QString digits = Expand(m_holiday, QStringLiteral("\\NA2"), {10, INT_MAX, -1, 0});
    QCOMPARE(digits.size(), 255);
    QVERIFY(digits.endsWith(QLatin1String("01010")));
  }

  void runState_isRestoredAfterEveryCall() {
    RenameOptions options;
    RefreshRunState state{10, 3, -1, 2};
    VariableExpander expander;
    ExpansionContext context{options, state, 5, QString()};
    QCOMPARE(expander.WriteTextExtended(m_holiday, QStringLiteral("\\NH0-\\NB12-\\N"), context),
             QStringLiteral("A-0000000001010-0010"));
    QCOMPARE(state.AutoNumberCounter, 10);
    QCOMPARE(state.AutoNumberZeroFill, 3);
    QCOMPARE(state.AutoNumberTypeOverride, -1);
    QCOMPARE(state.SkippedEntries, 2);
  }

  void sizeInUnits_ofMalformedSize_stopsWithConversionError_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("letters, K") << "12a"
                                << "x\\3K"
                                << "'12a' is not a valid integer value";
    QTest::newRow("empty, M") << ""
                              << "\\3m"
                              << "'' is not a valid integer value";
    QTest::newRow("grouped, k") << "1,024"
                                << "\\3k"
                                << "'1,024' is not a valid integer value";
    QTest::newRow("too big for 64 bits") << "99999999999999999999"
                                         << "\\3K"
                                         << "'99999999999999999999' is not a valid integer value";
    QTest::newRow("plain size never fails") << "12a"
                                            << "\\3"
                                            << "";
    QTest::newRow("grouping alone never fails") << "12a"
                                                << "\\3."
                                                << "";
    QTest::newRow("beyond 32 bits") << "5368709120"
                                    << "\\3M"
                                    << "";
  }
  void sizeInUnits_ofMalformedSize_stopsWithConversionError() {
    QFETCH(QString, size);
    QFETCH(QString, text);
    QFETCH(QString, error);
    FileListEntry e = m_holiday;
    e.SubItems[SubSize] = size;
    QString message;
    const QString result = Expand(e, text, {10, 1, -1, 0}, 0, &message);
    QCOMPARE(message, error);
    if (!error.isEmpty())
      QVERIFY(result.isEmpty());
    else if (size == QLatin1String("5368709120"))
      QCOMPARE(result, QStringLiteral("5120"));
  }

  void randomNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("tail");
    QTest::newRow("default eight") << "\\R" << 8 << "";
    QTest::newRow("three") << "\\R3" << 3 << "";
    QTest::newRow("sixteen") << "\\r16" << 16 << "";
    QTest::newRow("zero gives eight") << "\\R0" << 8 << "";
    QTest::newRow("64 is the largest count") << "\\R64" << 64 << "";
    QTest::newRow("99 is nine and a digit") << "\\R99" << 9 << "9";
    QTest::newRow("65 is six and a digit") << "\\R65" << 6 << "5";
  }
  void randomNames() {
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, tail);
    const QString result = Expand(m_holiday, text);
    QCOMPARE(result.size(), length + tail.size());
    QVERIFY(result.endsWith(tail));
    static const QRegularExpression allowed(QStringLiteral("^[A-Y0-9]*$"));
    QVERIFY2(allowed.match(result).hasMatch(), qPrintable(result));
  }

  void randomNames_repeatWithSeedAndDifferBetweenDraws() {
    RenameOptions options;
    RefreshRunState state;
    ExpansionContext context{options, state, 0, QString()};
    VariableExpander a, b;
    a.SetSeed(42);
    b.SetSeed(42);
    const QString first = a.WriteTextExtended(m_holiday, QStringLiteral("\\R16"), context);
    QCOMPARE(b.WriteTextExtended(m_holiday, QStringLiteral("\\R16"), context), first);
    QVERIFY(a.WriteTextExtended(m_holiday, QStringLiteral("\\R16"), context) != first);
    const QString two = a.WriteTextExtended(m_holiday, QStringLiteral("\\R16-\\R16"), context);
    QVERIFY(two.left(16) != two.mid(17));
  }

  void currentDate_followsTheClockUnlessFixed() {
    RenameOptions options;
    RefreshRunState state;
    ExpansionContext context{options, state, 0, QString()};
    VariableExpander expander;
    const QString before = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QString today = expander.WriteTextExtended(m_holiday, QStringLiteral("\\DY\\DM\\DD"), context);
    const QString after = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    QVERIFY(today == before || today == after);
    expander.SetNow(m_now);
    QCOMPARE(expander.WriteTextExtended(m_holiday, QStringLiteral("\\DY"), context), QStringLiteral("2026"));
    expander.UseClock();
    QCOMPARE(expander.WriteTextExtended(m_holiday, QStringLiteral("\\DY"), context),
             QString::number(QDate::currentDate().year()));
  }

  void textListLine_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QStringList lines{QStringLiteral("first"), QStringLiteral("y?"), QStringLiteral("a/b")};
    QTest::newRow("line of the entry, forbidden characters replaced") << lines << 1 << 0 << "x:\\T"
                                                                      << "x#y#";
    QTest::newRow("skipped entries take no line") << lines << 3 << 2 << "\\T"
                                                  << "y#";
    QTest::newRow("first line") << lines << 0 << 0 << "\\t-"
                                << "first-";
    QTest::newRow("slash in a line") << lines << 2 << 0 << "\\T"
                                     << "a#b";
    QTest::newRow("short list gives nothing and changes nothing") << lines << 3 << 0 << "x:\\T"
                                                                  << "x:";
    QTest::newRow("empty list") << QStringList() << 0 << 0 << "x:\\T"
                                << "x:";
  }
  void textListLine() {
    QFETCH(QStringList, lines);
    QFETCH(int, index);
    QFETCH(int, skipped);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    RenameOptions options;
    RefreshRunState state{1, 1, -1, skipped};
    ExpansionContext context{options, state, index, QString()};
    VariableExpander expander;
    expander.SetTextListLines(lines);
    QCOMPARE(expander.WriteTextExtended(m_holiday, text, context), expected);
  }

  void preview_expandsVariablesForEveryEntry() {
    RenameOptions options;
    SetOptionFromText(options, u"opInsertBefore", QStringLiteral("1"));
    SetOptionFromText(options, u"tInsertBefore", QStringLiteral("\\1N_\\7D-\\7M-\\7Y2_\\NH4_\\T_"));
    SetOptionFromText(options, u"opANoChanges", QStringLiteral("1"));
    SetOptionFromText(options, u"bCheckOnlySelectedFiles", QStringLiteral("1"));
    std::vector<FileListEntry> entries{m_comic, m_holiday, m_empty};
    entries[0].Selected = false;
    entries[1].Selected = true;
    entries[2].Selected = true;
    VariableExpander expander;
    expander.SetTextListLines({QStringLiteral("one"), QStringLiteral("two")});
    Preview preview;
    RefreshRunState state;
    QCOMPARE(UpdateAll({options, entries, m_dir.path(), &expander, nullptr}, preview, state), QString());
    const QString emptyDate = Expand(m_empty, QStringLiteral("\\7D-\\7M-\\7Y2"));
    QCOMPARE(
        preview.lZelvoList,
        QStringList({QStringLiteral("comic.zip"), QStringLiteral("Holiday_05-03-01_00001_one_Holiday.JPG"),
                     QStringLiteral("empty_") + emptyDate + QStringLiteral("_00002_two_empty.txt")}));
    QCOMPARE(state.AutoNumberTypeOverride, -1);
  }

  void preview_stopsOnMalformedSize() {
    RenameOptions options;
    SetOptionFromText(options, u"opInsertAfter", QStringLiteral("1"));
    SetOptionFromText(options, u"tInsertAfter", QStringLiteral("_\\3K"));
    std::vector<FileListEntry> entries{m_holiday, m_holiday};
    entries[1].SubItems[SubSize] = QStringLiteral("n/a");
    VariableExpander expander;
    Preview preview;
    RefreshRunState state;
    QCOMPARE(UpdateAll({options, entries, m_dir.path(), &expander, nullptr}, preview, state),
             QStringLiteral("'n/a' is not a valid integer value"));
    QCOMPARE(preview.lZelvoList.size(), 1);
  }
};

QTEST_GUILESS_MAIN(TestVariableExpander)
#include "tst_variable_expander.moc"
