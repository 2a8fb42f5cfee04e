#include "settings/ini_file.h"

#include "platform/bounded_input.h"
#include "platform/code_page.h"
#include "platform/native_file.h"

namespace {

// A line is decoded on its own: UTF-8 where it is valid, else Windows-1252, so that a file with
// lines of both kinds keeps each readable.
QString DecodeLine(const QByteArray &raw) {
  return DecodeFileText(raw, ByteOrderMark::Keep);
}

bool IsTrimBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimBlanks(QStringView text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && IsTrimBlank(text[begin]))
    ++begin;
  while (end > begin && IsTrimBlank(text[end - 1]))
    --end;
  return text.mid(begin, end - begin).toString();
}

QString Unquoted(const QString &value) {
  if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
    return value.mid(1, value.size() - 2);
  return value;
}

} // namespace

IniFile::Line IniFile::Parse(const QByteArray &raw) {
  Line line;
  line.raw = raw;
  QString text = DecodeLine(raw);
  if (text.startsWith(QChar(0xFEFF)))
    text.remove(0, 1);
  const QString trimmed = TrimBlanks(text);
  if (trimmed.startsWith(QLatin1Char('['))) {
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    line.kind = LineKind::Section;
    line.name = TrimBlanks(QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
    return line;
  }
  if (trimmed.startsWith(QLatin1Char(';')))
    return line;
  const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
  if (equals <= 0)
    return line;
  line.kind = LineKind::Key;
  line.name = TrimBlanks(QStringView(trimmed).left(equals));
  line.value = TrimBlanks(QStringView(trimmed).mid(equals + 1));
  return line;
}

IniFile::IniFile(const QByteArray &bytes) {
  if (bytes.contains("\r\n"))
    m_lineEnd = "\r\n";
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0)
      end = bytes.size();
    QByteArray raw = bytes.mid(start, end - start);
    if (raw.endsWith('\r'))
      raw.chop(1);
    m_lines.push_back(Parse(raw));
    start = end + 1;
  }
}

QString IniFile::Load(const QString &path) {
  *this = IniFile();
  const WholeFileRead read = ReadWholeFile(path, kMaxInputFileSize);
  if (read.missing)
    return {};
  if (!read.error.isEmpty())
    return read.error;
  *this = IniFile(read.bytes);
  return {};
}

QByteArray IniFile::ToBytes() const {
  QByteArray bytes;
  for (const Line &line : m_lines)
    bytes += line.raw + m_lineEnd;
  return bytes;
}

QString IniFile::Save(const QString &path) const {
  return WriteWholeFileAt(path, ToBytes(), false);
}

qsizetype IniFile::FindSection(const QString &section) const {
  const QString wanted = section.trimmed();
  for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i)
    if (m_lines[i].kind == LineKind::Section && m_lines[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

qsizetype IniFile::SectionEnd(qsizetype sectionLine) const {
  qsizetype i = sectionLine + 1;
  while (i < qsizetype(m_lines.size()) && m_lines[i].kind != LineKind::Section)
    ++i;
  return i;
}

qsizetype IniFile::FindKey(qsizetype sectionLine, const QString &key) const {
  const QString wanted = key.trimmed();
  const qsizetype end = SectionEnd(sectionLine);
  for (qsizetype i = sectionLine + 1; i < end; ++i)
    if (m_lines[i].kind == LineKind::Key && m_lines[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

bool IniFile::HasSection(const QString &section) const {
  return FindSection(section) >= 0;
}

std::optional<QString> IniFile::Value(const QString &section, const QString &key) const {
  const qsizetype sectionLine = FindSection(section);
  if (sectionLine < 0)
    return std::nullopt;
  const qsizetype keyLine = FindKey(sectionLine, key);
  if (keyLine < 0)
    return std::nullopt;
  return Unquoted(m_lines[keyLine].value);
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const {
  return Value(section, key).value_or(defaultValue);
}

int IniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const {
  const std::optional<QString> value = Value(section, key);
  if (!value)
    return defaultValue;
  bool ok = false;
  const int number = value->trimmed().toInt(&ok, 10);
  return ok ? number : defaultValue;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value) {
  QString clean = value;
  clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const Line keyLine = Parse((key.trimmed() + QLatin1Char('=') + clean).toUtf8());
  qsizetype sectionLine = FindSection(section);
  if (sectionLine < 0) {
    m_lines.push_back(Parse((QLatin1Char('[') + section.trimmed() + QLatin1Char(']')).toUtf8()));
    m_lines.push_back(keyLine);
    return;
  }
  if (const qsizetype existing = FindKey(sectionLine, key); existing >= 0) {
    m_lines[existing] = keyLine;
    return;
  }
  // After the section's last line that is not blank, so that blank lines between sections stay.
  qsizetype at = SectionEnd(sectionLine);
  while (at > sectionLine + 1 && m_lines[at - 1].raw.trimmed().isEmpty())
    --at;
  m_lines.insert(m_lines.begin() + at, keyLine);
}

void IniFile::WriteInteger(const QString &section, const QString &key, int value) {
  WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString &section, const QString &key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
