// Replacing by regular expression: the pattern compiled and the replacement read once per refresh.
#pragma once

#include <QRegularExpression>
#include <QString>

#include <functional>
#include <vector>

// In the replacement, $0 or $& is the whole match, $1 to $99 and ${12} the numbered groups, ${name}
// a named group and $$ a dollar sign; a "$" followed by anything else is itself. A group that took
// no part in the match gives nothing.
class PatternReplacement {
public:
  // Ignores letter case unless matchCase. error() tells why it cannot be used.
  PatternReplacement(const QString &pattern, const QString &replacement, bool matchCase);

  // One line for the user ('Regular expression "(": missing closing parenthesis at 1'), or empty.
  const QString &error() const { return m_error; }
  // Whether that error is the pattern's (else the replacement names a group the pattern lacks).
  bool PatternError() const { return !m_expression.isValid(); }

  // Every match in text replaced, left to right; an empty match is replaced too and the search
  // moves on one character. expandText(piece) gives a piece of the typed replacement with its
  // variables expanded, afresh for every match; it is asked only for pieces that hold a backslash.
  QString Apply(const QString &text, const std::function<QString(const QString &)> &expandText) const;

private:
  struct Piece {
    QString text;   // literal text (group < 0)
    int group = -1; // else the number of the group to put in
    bool expands = false;
  };
  bool ReadReplacement(const QString &replacement);

  QRegularExpression m_expression;
  std::vector<Piece> m_pieces;
  bool m_expands = false; // some piece holds a backslash
  QString m_error;
};
