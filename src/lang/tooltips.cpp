#include "lang/tooltips.h"

#include <iterator>

namespace {

// The language buttons of the window, in the order of the language index.
constexpr const char *kLanguageButtons[] = {"BitBtn2",     "btnEspanol",  "btnCatala",
                                            "btnFrench",   "btnDutch",    "btnGerman",
                                            "mPortuguese", "btnItaliano", "btnPolski"};

std::span<const ToolTipText> TableOf(int languageIndex) {
  using Table = std::span<const ToolTipText> (*)();
  constexpr Table kTables[] = {EnglishToolTips,    SpanishToolTips, CatalanToolTips,
                               FrenchToolTips,     DutchToolTips,   GermanToolTips,
                               PortugueseToolTips, ItalianToolTips, PolishToolTips};
  if (languageIndex < 0 || languageIndex >= int(std::size(kTables)))
    languageIndex = 0;
  return kTables[languageIndex]();
}

} // namespace

QHash<QString, QString> ToolTips(int languageIndex) {
  QHash<QString, QString> tips;
  for (const ToolTipText &tip : TableOf(languageIndex)) {
    const QString text = QString::fromUtf8(tip.text);
    if (qstrcmp(tip.control, kLanguageButtonsKey) == 0) {
      for (const char *button : kLanguageButtons)
        tips.insert(QLatin1String(button), text);
    } else {
      tips.insert(QLatin1String(tip.control), text);
    }
  }
  return tips;
}
