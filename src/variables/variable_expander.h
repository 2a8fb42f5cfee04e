// Expansion of the variables ("\" + code + selectors + count) of the text options, entry by entry.
#pragma once

#include "engine/text_expansion.h"

class VariableExpander final : public TextExpansion {
public:
  QString WriteTextExtended(const FileListEntry &entry, const QString &text,
                            ExpansionContext &context) override;
};
