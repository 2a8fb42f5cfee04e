// An INI file read and updated in place: sections, "key=value" lines, every other line kept as it was.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class IniFile {
public:
  IniFile() = default;
  // Takes a file's bytes; anything that is not a section or a key line is kept as it is.
  explicit IniFile(const QByteArray &bytes);

  // Reads a file. A missing file gives an empty document and no error; returns an empty text on
  // success, else a one-line message.
  QString Load(const QString &path);
  // Writes the document; returns an empty text on success, else a one-line message.
  QString Save(const QString &path) const;
  QByteArray ToBytes() const;

  // Lookup ignores letter case; the first section and the first key of that name count. The value
  // is trimmed, and one enclosing pair of double quotes is removed.
  std::optional<QString> Value(const QString &section, const QString &key) const;
  QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
  // A value that is not a decimal integer gives the default.
  int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
  // Any integer other than 0 is true.
  bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

  // Replaces the key's line where it stands, or adds it at the end of its section, or adds the
  // section at the end of the file. Line breaks inside the value become blanks.
  void WriteString(const QString &section, const QString &key, const QString &value);
  void WriteInteger(const QString &section, const QString &key, int value);
  void WriteBool(const QString &section, const QString &key, bool value);

  bool HasSection(const QString &section) const;

private:
  enum class LineKind { Other, Section, Key };
  struct Line {
    QByteArray raw; // the bytes of the line, without its line break
    LineKind kind = LineKind::Other;
    QString name;  // the section's or the key's name, trimmed
    QString value; // a key's value, trimmed, quotes not yet removed
  };
  static Line Parse(const QByteArray &raw);
  qsizetype FindSection(const QString &section) const; // index of its header line, or -1
  qsizetype FindKey(qsizetype sectionLine, const QString &key) const;
  qsizetype SectionEnd(qsizetype sectionLine) const; // index after its last line

  std::vector<Line> m_lines;
  QByteArray m_lineEnd = "\n";
};
