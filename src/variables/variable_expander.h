// Expansion of the variables ("\" + code + selectors + count) of the text options, entry by entry.
#pragma once

#include "engine/text_expansion.h"
#include "variables/metadata_cache.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>

#include <optional>

class VariableExpander final : public TextExpansion {
public:
  // Reads the clock for the current date and seeds the random names from the clock.
  VariableExpander();

  // The current date and time of "\D": a fixed moment, or the clock again.
  void SetNow(const QDateTime &now) { m_fixedNow = now; }
  void UseClock() { m_fixedNow.reset(); }
  // The random names of "\R": a repeatable sequence from a seed, or a seed taken from the clock.
  void SetSeed(quint32 seed) { m_random.seed(seed); }
  void SeedFromClock();
  // The lines of the text list that "\T" hands out, one per renamed entry.
  void SetTextListLines(const QStringList &lines) { m_textList = lines; }
  const QStringList &TextListLines() const { return m_textList; }

  // The text with every variable replaced by its value for the entry, and every "\" and "/" left
  // turned into ","; a text without "\" comes back unchanged. A size in kilo- or megabytes of a size
  // column that is no whole number sets context.error and gives an empty text.
  QString WriteTextExtended(const FileListEntry &entry, const QString &text,
                            ExpansionContext &context) override;

  // Photo and music metadata kept between refreshes for files that did not change.
  const MetadataCache &Metadata() const { return m_metadata; }

private:
  MetadataCache m_metadata;
  std::optional<QDateTime> m_fixedNow;
  QRandomGenerator m_random;
  QStringList m_textList;
};
