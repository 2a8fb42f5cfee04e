#include "variables/variable_expander.h"

#include "engine/auto_number.h"
#include "engine/option_rules.h"
#include "engine/string_functions.h"
#include "variables/metadata_variables.h"
#include "variables/variable_content.h"
#include "variables/variable_functions.h"
#include "variables/variable_scan.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char kRadixDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The number and sign of the counter; the magnitude of the lowest int fits.
struct SignedCounter {
  bool negative;
  quint64 magnitude;
};

SignedCounter Split(int counter) {
  const qint64 value = counter;
  return {value < 0, quint64(value < 0 ? -value : value)};
}

// One expansion of one text for one entry: everything here lives for one call only.
class Expansion {
public:
  Expansion(const FileListEntry &entry, const QString &text, ExpansionContext &context,
            const QStringList &textList, QRandomGenerator &random, const std::optional<QDateTime> &fixedNow,
            MetadataCache &metadataCache)
      : m_entry(entry), m_context(context), m_textList(textList), m_random(random), m_fixedNow(fixedNow),
        m_metadataCache(metadataCache), m_scan(text) {}

  QString Run();

private:
  bool Evaluate(QChar code); // false when the refresh must stop
  void Caption();
  bool Size();
  void FileTime(const QString &column);
  void CurrentDate();
  void Number();
  void RadixNumber();
  void LetterNumber();
  void TextListLine();
  void ComicExtension();

  const QString &Sub(FileListSubItem i) const { return m_entry.SubItems[i]; }
  const QString &UpperExtension();
  MetadataVariables &Metadata() {
    if (!m_metadata)
      m_metadata.emplace(Path(), m_metadataCache);
    return *m_metadata;
  }
  ReaderPath Path() const {
    return m_entry.NativePath.isEmpty() ? ReaderPath(Sub(SubFullPath)) : ReaderPath(m_entry.NativePath);
  }

  const FileListEntry &m_entry;
  ExpansionContext &m_context;
  const QStringList &m_textList;
  QRandomGenerator &m_random;
  const std::optional<QDateTime> &m_fixedNow; // empty: the clock
  MetadataCache &m_metadataCache;
  VariableScan m_scan;
  QString m_output;
  std::optional<QString> m_upperExtension;
  std::optional<QString> m_date, m_time;       // the current moment, read once per call
  std::optional<MetadataVariables> m_metadata; // photo and music metadata, read once per call
};

QString Expansion::Run() {
  const QStringView text = m_scan.Text();
  m_output.reserve(text.size() + 32);
  while (true) {
    const qsizetype from = m_scan.Position();
    const qsizetype p = text.indexOf(QLatin1Char('\\'), from);
    if (p < 0)
      break;
    m_output.append(text.sliced(from, p - from));
    if (p == text.size() - 1) {
      // A trailing backslash is dropped.
      m_scan.SetPosition(text.size());
      break;
    }
    m_scan.SetPosition(p + 2);
    if (!Evaluate(text[p + 1]))
      return QString();
  }
  m_output.append(m_scan.Rest());
  m_output = ReplaceAllText(m_output, QStringLiteral("\\"), QStringLiteral(","), false);
  return ReplaceAllText(m_output, QStringLiteral("/"), QStringLiteral(","), false);
}

bool Expansion::Evaluate(QChar code) {
  char16_t c = code.unicode();
  if (c >= u'a' && c <= u'z')
    c = char16_t(c - u'a' + u'A');
  switch (c) {
  case u'1':
    Caption();
    break;
  case u'2':
    m_output += Sub(SubFolder);
    break;
  case u'3':
    return Size();
  case u'4':
    m_output += Sub(SubType);
    break;
  case u'5':
    m_output += Sub(SubExtension);
    break;
  case u'6':
    FileTime(Sub(SubCreated));
    break;
  case u'7':
    FileTime(Sub(SubModified));
    break;
  case u'8':
    FileTime(Sub(SubAccessed));
    break;
  case u'9':
    m_output += Sub(SubAttributes);
    break;
  case u'D':
    CurrentDate();
    break;
  case u'N':
    Number();
    break;
  case u'H':
    m_output += PageTitleVariable(UpperExtension(), Path());
    break;
  case u'T':
    TextListLine();
    break;
  case u'R': {
    const int count = m_scan.TakeCount().value_or(0);
    m_output += RandomName(count == 0 ? 8 : count, m_random);
    break;
  }
  case u'A':
    AppendMusicTagVariable(m_output, m_scan, UpperExtension(), Path());
    break;
  case u'G':
    AppendPictureVariable(m_output, m_scan, UpperExtension(), Path());
    break;
  case u'Z':
    m_output += CartridgeTitleVariable(UpperExtension(), Path());
    break;
  case u'C':
    ComicExtension();
    break;
  case u'P':
    Metadata().AppendDateTaken(m_output, m_scan);
    break;
  case u'K':
    Metadata().AppendCamera(m_output, m_scan);
    break;
  case u'W':
    Metadata().AppendPictureSize(m_output, m_scan);
    break;
  case u'M':
    Metadata().AppendMusicTag(m_output, m_scan);
    break;
  default:
    // Unknown codes vanish with their backslash.
    break;
  }
  return true;
}

const QString &Expansion::UpperExtension() {
  if (!m_upperExtension)
    m_upperExtension = Sub(SubExtension).toUpper();
  return *m_upperExtension;
}

void Expansion::Caption() {
  const QString &caption = m_entry.Caption;
  if (!m_scan.Take(QLatin1StringView("Nn"))) {
    m_output += caption;
    return;
  }
  if (!caption.contains(QLatin1Char('.'))) {
    m_output += caption;
    return;
  }
  const qsizetype keep = caption.size() - Sub(SubExtension).size() - 1;
  m_output += QStringView(caption).first(qMax<qsizetype>(keep, 0));
}

bool Expansion::Size() {
  QString size = Sub(SubSize);
  if (const std::optional<QChar> unit = m_scan.Take(QLatin1StringView("MmKk"))) {
    const std::optional<qint64> bytes = ParseSizeText(size);
    if (!bytes) {
      m_context.error = InvalidIntegerMessage(size);
      return false;
    }
    const bool mega = unit->toUpper() == QLatin1Char('M');
    size = QString::number(mega ? *bytes / 1024 / 1024 : *bytes / 1024);
  }
  std::optional<QChar> format = m_scan.Take(QLatin1StringView(",.Zz"));
  if (format && format->toUpper() == QLatin1Char('Z')) {
    // Omit zero: a zero size gives nothing, and a separator after it stays as text.
    if (size == QLatin1String("0"))
      return true;
    format = m_scan.Take(QLatin1StringView(",."));
  }
  m_output += format ? GroupThousands(size, *format) : size;
  return true;
}

// The column reads "dd/mm/yyyy hh:nn": day at 0, month at 3, year at 6, hour at 11, minute at 14.
void Expansion::FileTime(const QString &column) {
  const std::optional<QChar> selector = m_scan.Take(QLatin1StringView("DMYHSdmyhs"));
  if (!selector) {
    m_output += column.mid(6, 4) + column.mid(3, 2) + column.mid(0, 2);
    return;
  }
  switch (selector->toUpper().unicode()) {
  case u'S':
    // The column holds no seconds: the letter itself.
    m_output += *selector;
    break;
  case u'D':
    m_output += column.mid(0, 2);
    break;
  case u'M':
    m_output += column.mid(3, 2);
    break;
  case u'Y':
    m_output += m_scan.Take(QLatin1StringView("2")) ? column.mid(8, 2) : column.mid(6, 4);
    break;
  default: { // "H"
    const std::optional<QChar> part = m_scan.Take(QLatin1StringView("HMShms"));
    if (!part) {
      m_output += column.mid(11, 5);
      m_output.remove(QLatin1Char(':'));
    } else if (part->toUpper() == QLatin1Char('H')) {
      m_output += column.mid(11, 2);
    } else if (part->toUpper() == QLatin1Char('M')) {
      m_output += column.mid(14, 2);
    } else {
      m_output += *part;
    }
    break;
  }
  }
}

void Expansion::CurrentDate() {
  if (!m_date) {
    const QDateTime now = m_fixedNow ? *m_fixedNow : QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    m_date = QString::asprintf("%04d%02d%02d", d.year(), d.month(), d.day());
    m_time = QString::asprintf("%02d%02d%02d", t.hour(), t.minute(), t.second());
  }
  const QString &date = *m_date;
  const QString &time = *m_time;
  const std::optional<QChar> selector = m_scan.Take(QLatin1StringView("DMYHSdmyhs"));
  if (!selector) {
    m_output += date + QLatin1Char(' ') + time;
    return;
  }
  switch (selector->toUpper().unicode()) {
  case u'D':
    m_output += date.mid(6, 2);
    break;
  case u'M':
    m_output += date.mid(4, 2);
    break;
  case u'Y':
    m_output += m_scan.Take(QLatin1StringView("2")) ? date.mid(2, 2) : date.mid(0, 4);
    break;
  case u'H': {
    const std::optional<QChar> part = m_scan.Take(QLatin1StringView("HMShms"));
    if (!part)
      m_output += time;
    else if (part->toUpper() == QLatin1Char('H'))
      m_output += time.mid(0, 2);
    else if (part->toUpper() == QLatin1Char('M'))
      m_output += time.mid(2, 2);
    else
      m_output += time.mid(4, 2);
    break;
  }
  default: // "S" alone gives nothing
    break;
  }
}

void Expansion::Number() {
  RefreshRunState &state = m_context.state;
  if (const std::optional<QChar> type = m_scan.Take(QLatin1StringView("HBODhbod"))) {
    const char16_t t = type->toUpper().unicode();
    const int numberType = t == u'H' ? NumberHex : t == u'B' ? NumberBin : t == u'O' ? NumberOct : NumberDec;
    // The type and a zero fill given here hold for this one number only.
    const int zeroFill = state.AutoNumberZeroFill;
    if (const std::optional<int> count = m_scan.TakeCount())
      state.AutoNumberZeroFill = *count;
    state.AutoNumberTypeOverride = numberType;
    m_output += GetAutoNumber(m_context.options, state);
    state.AutoNumberTypeOverride = -1;
    state.AutoNumberZeroFill = zeroFill;
    return;
  }
  if (m_scan.Take(QLatin1StringView("Aa"))) {
    RadixNumber();
    return;
  }
  if (m_scan.Take(QLatin1StringView("Ee"))) {
    LetterNumber();
    return;
  }
  m_output += GetAutoNumber(m_context.options, state);
}

void Expansion::RadixNumber() {
  const RefreshRunState &state = m_context.state;
  const std::optional<QChar> radixChar =
      m_scan.Take(QLatin1StringView("234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  if (!radixChar) {
    m_output += GetAutoNumber(m_context.options, state);
    return;
  }
  const char16_t r = radixChar->toUpper().unicode();
  int radix = 10;
  if (r >= u'2' && r <= u'9')
    radix = r - u'0';
  else if (r >= u'A' && r <= u'Z')
    radix = 11 + (r - u'A');
  const int zeroFill = m_scan.TakeCount().value_or(state.AutoNumberZeroFill);

  // A negative counter shows a "-" before the digits of its magnitude.
  const SignedCounter counter = Split(state.AutoNumberCounter);
  QString digits = IntToDigits(counter.magnitude, QString::fromLatin1(kRadixDigits, radix));
  if (zeroFill > 0) {
    const qsizetype wanted = qMin<qint64>(qint64(zeroFill) + 1, MaxPaddedDigits);
    if (digits.size() < wanted)
      digits.prepend(QString(wanted - digits.size(), QLatin1Char('0')));
  }
  if (counter.negative)
    digits.prepend(QLatin1Char('-'));
  m_output += digits;
}

void Expansion::LetterNumber() {
  const bool manual = m_scan.Take(QLatin1StringView("Mm")).has_value();
  const QString set = manual ? m_context.options.tManualNumber : QString::fromLatin1(kAlphabet);
  // An empty manual set has no letters to count with: nothing at all.
  if (set.isEmpty())
    return;
  const SignedCounter counter = Split(m_context.state.AutoNumberCounter);
  if (counter.negative)
    m_output += QLatin1Char('-');
  m_output += ExcelNumber(qint64(counter.magnitude), set);
}

void Expansion::TextListLine() {
  const qint64 line = qint64(m_context.entryIndex) - m_context.state.SkippedEntries;
  if (line < 0 || line >= m_textList.size())
    return;
  m_output += m_textList.at(line);
  m_output = ReplaceForbiddenChars(m_output);
}

void Expansion::ComicExtension() {
  const std::optional<QChar> direction = m_scan.Take(QLatin1StringView("DdUu"));
  if (!direction) {
    // Not a swap: the code letter goes back into the text as a literal.
    m_scan.SetPosition(m_scan.Position() - 1);
    return;
  }
  const QString &ext = UpperExtension();
  if (direction->toUpper() == QLatin1Char('D')) {
    if (ext == QLatin1String("ZIP"))
      m_output += QLatin1String("cbz");
    else if (ext == QLatin1String("RAR"))
      m_output += QLatin1String("cbr");
    else
      m_output += Sub(SubExtension);
  } else {
    if (ext == QLatin1String("CBZ"))
      m_output += QLatin1String("zip");
    else if (ext == QLatin1String("CBR"))
      m_output += QLatin1String("rar");
    else
      m_output += Sub(SubExtension);
  }
}

} // namespace

VariableExpander::VariableExpander() {
  SeedFromClock();
}

void VariableExpander::SeedFromClock() {
  m_random.seed(quint32(QDateTime::currentMSecsSinceEpoch()) ^
                quint32(QDateTime::currentMSecsSinceEpoch() >> 32));
}

QString VariableExpander::WriteTextExtended(const FileListEntry &entry, const QString &text,
                                            ExpansionContext &context) {
  if (!text.contains(QLatin1Char('\\')))
    return text;
  return Expansion(entry, text, context, m_textList, m_random, m_fixedNow, m_metadata).Run();
}
