// Text functions shared by the preview and the variable expansion: splitting, replacing, case, accents.
#pragma once

#include <QString>

struct NameParts {
  QString name;      // text before the last dot
  QString extension; // text after the last dot (empty when there is none)
};

// Splits a caption at its last dot; a dot in the first position never splits.
NameParts SplitName(const QString &caption);

// Every match of find in source replaced, from left to right, without searching the replacements again.
QString ReplaceAllText(const QString &source, const QString &find, const QString &replacement,
                       bool ignoreCase);

// As ReplaceAllText, with each replacement made afresh by replacementFor() when its match is found.
template <typename MakeReplacement>
QString ReplaceAllTextWith(const QString &source, const QString &find, bool ignoreCase,
                           MakeReplacement replacementFor) {
  if (find.isEmpty())
    return source;
  const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  qsizetype match = source.indexOf(find, 0, cs);
  if (match < 0)
    return source;
  QString result;
  result.reserve(source.size() + 16);
  qsizetype from = 0;
  while (match >= 0) {
    result.append(QStringView(source).mid(from, match - from));
    result.append(replacementFor());
    from = match + find.size();
    match = source.indexOf(find, from, cs);
  }
  result.append(QStringView(source).mid(from));
  return result;
}

// Lower case, then the first letter of every word (after a blank or "(") upper case.
QString FirstLetterUp(const QString &text);
// Upper case, then the first letter of every word (after a blank or "(") lower case.
QString FirstLetterLow(const QString &text);

// The nine characters a file name may not hold on any common system, each replaced by "#".
QString ReplaceForbiddenChars(const QString &text);

// The forty accented vowels (acute, grave, diaeresis, circumflex; both cases) replaced by plain ones,
// whether written as one character or as the vowel followed by its combining accent.
QString RemoveAccents(const QString &text);

// Upper and lower case by the full Unicode rules; a text of plain ASCII is changed in place.
QString UpperCase(QString text);
QString LowerCase(QString text);

// The text without its first (or last) n characters as a user sees them: a letter with its combining
// marks and a surrogate pair count as one and are never split. n of 0 or less removes nothing.
QString CropLeft(const QString &text, int n);
QString CropRight(const QString &text, int n);
