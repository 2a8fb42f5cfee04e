// The tooltips of the main window's option controls and buttons, one short sentence each, in the
// nine languages.
#pragma once

#include <QHash>
#include <QString>

#include <span>

// One tooltip: the control's object name (or kLanguageButtonsKey) and its text in UTF-8.
struct ToolTipText {
  const char *control;
  const char *text;
};

// The key whose text goes to every language button (each button names its own language).
inline constexpr char kLanguageButtonsKey[] = "@language";

// The tables of the languages, one per file (tooltips_<language>.cpp).
std::span<const ToolTipText> EnglishToolTips();
std::span<const ToolTipText> SpanishToolTips();
std::span<const ToolTipText> CatalanToolTips();
std::span<const ToolTipText> FrenchToolTips();
std::span<const ToolTipText> DutchToolTips();
std::span<const ToolTipText> GermanToolTips();
std::span<const ToolTipText> PortugueseToolTips();
std::span<const ToolTipText> ItalianToolTips();
std::span<const ToolTipText> PolishToolTips();

// The tooltip of every control by object name in one language (English for an index outside 0 to
// 8), with the language buttons' shared text given to each of them.
QHash<QString, QString> ToolTips(int languageIndex);
