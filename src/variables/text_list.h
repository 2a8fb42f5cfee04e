// The text list: the lines "\T" hands out, typed by the user or loaded from a text file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a text: UTF-8, or Windows-1252 when the bytes are not valid UTF-8 (a leading byte-order
// mark is skipped). Lines end at LF, CR LF or a lone CR, so no carriage return reaches a line;
// a final line break starts no further line.
QStringList TextListLinesFromBytes(const QByteArray &bytes);
QStringList TextListLinesFromText(const QString &text);

class TextList {
public:
  enum class LoadOutcome {
    Loaded,     // the lines are the file's
    Missing,    // no such file: lines and caption as they were
    Unreadable, // the file could not be opened: the list is empty, the caption names the file
    ReadError,  // reading stopped part way: the lines read up to then stay
  };
  struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    QString error; // a one-line message for anything but Loaded
    bool ok() const { return outcome == LoadOutcome::Loaded; }
  };

  // Replaces the lines by those of the file and makes its full name the caption.
  LoadResult Load(const QString &path);
  // Empties the lines and the caption.
  void New();

  const QStringList &Lines() const { return m_lines; }
  void SetLines(const QStringList &lines) { m_lines = lines; }
  // The editor's text, one line per line.
  void SetText(const QString &text) { m_lines = TextListLinesFromText(text); }
  QString Text() const { return m_lines.join(QLatin1Char('\n')); }

  qsizetype Count() const { return m_lines.size(); }
  // Line k, counted from 0; empty when the list has no such line.
  QString Line(qsizetype k) const { return k >= 0 && k < m_lines.size() ? m_lines.at(k) : QString(); }

  // The dialog's caption: a single blank at start, the file last loaded, empty after New.
  const QString &Caption() const { return m_caption; }

private:
  QStringList m_lines;
  QString m_caption = QStringLiteral(" ");
};
