#include "engine/preview.h"

#include "engine/auto_number.h"
#include "engine/option_rules.h"
#include "engine/pattern_replace.h"
#include "engine/rename_run.h"
#include "engine/string_functions.h"
#include "engine/unique_names.h"
#include "explorer/explorer_helpers.h"
#include "platform/name_codec.h"
#include "platform/text_blocks.h"

#include <optional>
#include <tuple>

namespace {

const PreviewTexts &TextsOr(const PreviewTexts *texts) {
  static const PreviewTexts english;
  return texts ? *texts : english;
}

// The operations that name part and extension part share, with the fields of one tab.
struct PartOptions {
  bool replace;
  const QString &replaceWith;
  bool replaceText;
  const QString &find;
  const QString &replacement;
  bool matchCase;
  const PatternReplacement *pattern; // when the find text is a regular expression
  bool leftCut;
  int leftCount;
  bool rightCut;
  int rightCount;
  bool insertBefore;
  const QString &before;
  bool insertAfter;
  const QString &after;
  bool noCase, upper, lower, firstUp, firstLow;
};

PartOptions NameOptions(const RenameOptions &o, const NumericOptions &n, const PatternReplacement *pattern) {
  return {o.opReplace,       o.tChangeFilename, o.opReplaceText,  o.tReplaceText,  o.tReplaceTextNew,
          o.opMatchCase,     pattern,           o.opLeftCutChars, n.leftCut,       o.opRightCutChars,
          n.rightCut,        o.opInsertBefore,  o.tInsertBefore,  o.opInsertAfter, o.tInsertAfter,
          o.opNoCaseChanges, o.opUpperCase,     o.opLowerCase,    o.opFirstLetter, o.opfirstLetterLow};
}

PartOptions ExtensionOptions(const RenameOptions &o, const NumericOptions &n,
                             const PatternReplacement *pattern) {
  return {o.opReplaceEx,       o.tChangeFileNameEx, o.opReplaceTextEx, o.tReplaceTextEx,
          o.tReplaceTextNewEx, o.opMatchCaseEx,     pattern,           o.opLeftCutCharsEx,
          n.leftCutEx,         o.opRightCutCharsEx, n.rightCutEx,      o.opInsertBeforeEx,
          o.tInsertBeforeEx,   o.opInsertAfterEx,   o.tInsertAfterEx,  o.opNoCaseChangesEx,
          o.opUpperCaseEx,     o.opLowerCaseEx,     o.opFirstLetterEx, o.opFirstLetterLowEx};
}

// The seven steps, in their fixed order; variables are expanded where a text option is used.
// Returns false when the expansion stopped the refresh.
bool TransformPart(QString &part, const PartOptions &p, const FileListEntry &entry, TextExpansion &expansion,
                   ExpansionContext &context) {
  if (p.replace) {
    part = expansion.WriteTextExtended(entry, p.replaceWith, context);
    if (!context.error.isEmpty())
      return false;
  }
  if (p.replaceText && p.pattern) {
    // As for plain text, only the typed replacement carries variables.
    part = p.pattern->Apply(
        part, [&](const QString &piece) { return expansion.WriteTextExtended(entry, piece, context); });
    if (!context.error.isEmpty())
      return false;
  } else if (p.replaceText) {
    // Only the typed replacement carries variables, expanded afresh for every match: a "\" that the
    // file name itself holds is no variable and stays.
    part = ReplaceAllTextWith(part, p.find, !p.matchCase,
                              [&] { return expansion.WriteTextExtended(entry, p.replacement, context); });
    if (!context.error.isEmpty())
      return false;
  }
  if (p.leftCut)
    part = CropLeft(part, p.leftCount);
  if (p.rightCut)
    part = CropRight(part, p.rightCount);
  if (p.insertBefore) {
    const QString before = expansion.WriteTextExtended(entry, p.before, context);
    if (!context.error.isEmpty())
      return false;
    QString joined;
    joined.reserve(before.size() + part.size() + 8);
    joined.append(before);
    joined.append(part);
    part = std::move(joined);
  }
  if (p.insertAfter) {
    part.append(expansion.WriteTextExtended(entry, p.after, context));
    if (!context.error.isEmpty())
      return false;
  }
  if (!p.noCase) {
    if (p.upper)
      part = UpperCase(std::move(part));
    else if (p.lower)
      part = LowerCase(std::move(part));
    else if (p.firstUp)
      part = FirstLetterUp(part);
    else if (p.firstLow)
      part = FirstLetterLow(part);
  }
  return true;
}

} // namespace

QString UpdateAll(const RefreshSources &sources, Preview &preview, RefreshRunState &state) {
  const RenameOptions &o = sources.options;
  QStringList &lines = preview.lZelvoList;
  preview.PreviewValid = true;
  preview.FieldInError.clear();
  lines.clear();

  if (IsDrivesFolder(sources.directory)) {
    const PreviewTexts &t = TextsOr(sources.texts);
    preview.PreviewValid = false;
    lines << t.sPreviewHelp1 << t.sPreviewHelp2 << t.sPreviewHelp3 << QString() << t.sPreviewHelp4
          << t.sPreviewHelp5 << t.sPreviewHelp6 << t.sPreviewHelp7 << t.sPreviewHelp8 << t.sPreviewHelp9;
    return {};
  }

  state.SkippedEntries = 0;
  state.AutoNumberCounter = 1;
  state.AutoNumberZeroFill = 1;

  const NumericRead numbers = ReadNumericOptions(o);
  if (!numbers.error.isEmpty())
    return numbers.error;
  const NumericOptions &n = numbers.values;
  state.AutoNumberZeroFill = n.zeroFill;
  state.AutoNumberCounter = n.startAt;

  // Patterns are compiled once for the whole refresh; one that cannot be used stops it.
  std::optional<PatternReplacement> namePattern, extensionPattern;
  if (o.opReplaceText && o.opRegularExpression)
    namePattern.emplace(o.tReplaceText, o.tReplaceTextNew, o.opMatchCase);
  if (o.opReplaceTextEx && o.opRegularExpressionEx)
    extensionPattern.emplace(o.tReplaceTextEx, o.tReplaceTextNewEx, o.opMatchCaseEx);
  for (const auto &[pattern, find, replacement] :
       {std::tuple{&namePattern, "tReplaceText", "tReplaceTextNew"},
        std::tuple{&extensionPattern, "tReplaceTextEx", "tReplaceTextNewEx"}}) {
    if (!*pattern || (*pattern)->error().isEmpty())
      continue;
    preview.PreviewValid = false;
    preview.FieldInError = QLatin1String((*pattern)->PatternError() ? find : replacement);
    lines.append((*pattern)->error());
    return (*pattern)->error();
  }

  NoExpansion noExpansion;
  TextExpansion &expansion = sources.expansion ? *sources.expansion : noExpansion;
  const PartOptions nameOptions = NameOptions(o, n, namePattern ? &*namePattern : nullptr);
  const PartOptions extensionOptions =
      ExtensionOptions(o, n, extensionPattern ? &*extensionPattern : nullptr);
  const bool numberBefore = o.opABeforeFilename;
  const bool excludeFolders = o.cViewFolders && !o.cWorkWithFolders;

  const auto &entries = sources.entries;
  QString lastFolder = entries.empty() ? QString() : entries.front().SubItems[SubFolder];
  lines.reserve(qsizetype(entries.size()));
  ExpansionContext context{o, state, 0, QString()};
  TextBlocks lineBlocks;

  for (size_t i = 0; i < entries.size(); ++i) {
    const FileListEntry &entry = entries[i];
    if (o.bCheckOnlySelectedFiles && !entry.Selected) {
      lines.append(entry.Caption);
      ++state.SkippedEntries;
      continue;
    }
    if (o.opDirectory && entry.SubItems[SubFolder] != lastFolder) {
      lastFolder = entry.SubItems[SubFolder];
      state.AutoNumberCounter = n.startAt;
    }
    if (excludeFolders && entry.IsFolder()) {
      lines.append(QLatin1Char('<') + entry.Caption + QLatin1Char('>'));
      ++state.SkippedEntries;
      continue;
    }

    context.entryIndex = int(i);
    NameParts parts = SplitName(entry.Caption);
    if (!TransformPart(parts.name, nameOptions, entry, expansion, context) ||
        !TransformPart(parts.extension, extensionOptions, entry, expansion, context))
      return context.error;

    if (!o.opANoChanges) {
      QString number = GetAutoNumber(o, state);
      if (numberBefore) {
        number.reserve(number.size() + parts.name.size() + 1 + parts.extension.size());
        number.append(parts.name);
        parts.name = std::move(number);
      } else {
        parts.name.append(number);
      }
    }
    // The counter wraps around rather than overflowing.
    state.AutoNumberCounter = int(quint32(state.AutoNumberCounter) + quint32(n.increment));

    if (o.opNoAccents)
      parts.name = RemoveAccents(parts.name);

    // The lines of a list share large blocks: a hundred thousand names cost their characters.
    lines.append(lineBlocks.Concatenated({parts.name, u".", parts.extension}));
  }
  if (o.cMakeNamesUnique)
    (void)MakeNamesUnique(o, entries, lines, sources.calls ? *sources.calls : SystemFileSystemCalls(),
                          sources.folderNames);
  return {};
}

QString ShownLine(const QString &line, const FileListEntry &entry) {
  return ShownName(NameOnDisk(line, entry.Caption));
}

void PutMessage(Preview &preview, const PreviewTexts *texts) {
  if (!preview.PreviewValid)
    return;
  const PreviewTexts &t = TextsOr(texts);
  preview.PreviewValid = false;
  preview.lZelvoList.clear();
  for (int k = 0; k < 20; ++k)
    preview.lZelvoList << t.sRefreshHint1 << t.sRefreshHint2 << t.sRefreshHint3 << t.sRefreshHint4
                       << QString();
}
