#include "engine/option_rules.h"

namespace {

bool IsCropField(QStringView f) {
  return f == u"tLeftCutChars" || f == u"tRightCutChars" || f == u"tLeftCutCharsEx" ||
         f == u"tRightCutCharsEx";
}

bool IsSignedField(QStringView f) {
  return f == u"tStartAt" || f == u"tIncrement";
}

bool IsVariableTextField(QStringView f) {
  static const QStringView names[] = {
      u"tChangeFilename",   u"tReplaceText",   u"tReplaceTextNew",   u"tInsertBefore",   u"tInsertAfter",
      u"tChangeFileNameEx", u"tReplaceTextEx", u"tReplaceTextNewEx", u"tInsertBeforeEx", u"tInsertAfterEx"};
  for (QStringView n : names)
    if (f == n)
      return true;
  return false;
}

} // namespace

bool AcceptKey(QStringView fieldName, QChar key) {
  if (key.unicode() < 32)
    return true;
  if (IsCropField(fieldName) || fieldName == u"tZeroFill")
    return key.isDigit() && key.unicode() < 128;
  if (IsSignedField(fieldName))
    return (key.isDigit() && key.unicode() < 128) || key == QLatin1Char('-');
  if (IsVariableTextField(fieldName))
    return !QStringView(u"/:*?<>|\"").contains(key);
  return true;
}

std::optional<int> ParseWholeNumber(const QString &text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok)
    return std::nullopt;
  return value;
}

QString RepairOnLeave(QStringView fieldName, const QString &text) {
  if (IsCropField(fieldName))
    return text.isEmpty() ? QStringLiteral("0") : text;
  if (fieldName == u"tZeroFill")
    return text.isEmpty() ? QStringLiteral("1") : text;
  if (IsSignedField(fieldName))
    return ParseWholeNumber(text) ? text : QStringLiteral("1");
  return text;
}

QString InvalidIntegerMessage(const QString &text) {
  return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

NumericRead ReadNumericOptions(const RenameOptions &options) {
  NumericRead read;
  auto strict = [&](const QString &text, int emptyValue, int &out) {
    if (!read.error.isEmpty())
      return;
    if (text.isEmpty()) {
      out = emptyValue;
      return;
    }
    if (const auto value = ParseWholeNumber(text))
      out = *value;
    else
      read.error = InvalidIntegerMessage(text);
  };
  auto lenient = [](const QString &text) { return ParseWholeNumber(text).value_or(1); };

  NumericOptions &v = read.values;
  strict(options.tLeftCutChars, 0, v.leftCut);
  strict(options.tRightCutChars, 0, v.rightCut);
  strict(options.tLeftCutCharsEx, 0, v.leftCutEx);
  strict(options.tRightCutCharsEx, 0, v.rightCutEx);
  v.startAt = lenient(options.tStartAt);
  v.increment = lenient(options.tIncrement);
  strict(options.tZeroFill, 1, v.zeroFill);
  return read;
}

RefreshReaction OptionChanged(const RenameOptions &options) {
  return options.opInstantRefresh ? RefreshReaction::UpdateAll : RefreshReaction::PutMessage;
}

RefreshReaction InstantRefreshChanged(const RenameOptions &options) {
  return options.opInstantRefresh ? RefreshReaction::UpdateAll : RefreshReaction::None;
}

RefreshReaction OnlySelectedChanged(const RenameOptions &options) {
  return (options.bCheckOnlySelectedFiles && options.opInstantRefresh) ? RefreshReaction::UpdateAll
                                                                       : RefreshReaction::None;
}

RefreshReaction FileListClicked(const RenameOptions &options, bool anySelected, bool previewValid) {
  return (anySelected && previewValid && options.bCheckOnlySelectedFiles && options.opInstantRefresh)
             ? RefreshReaction::UpdateAll
             : RefreshReaction::None;
}

bool TypeNumberChanged(RenameOptions &options) {
  if (options.rgTypeNumber == 4 && options.tStartAt == QLatin1String("0")) {
    options.tStartAt = QStringLiteral("1");
    return true;
  }
  return false;
}

void ViewFoldersChanged(const RenameOptions &options, ListSwitches &list) {
  if (options.cViewFolders)
    list.recurse = false;
  list.showFolders = options.cViewFolders;
}

bool ToggleRecursion(RenameOptions &options, ListSwitches &list) {
  if (list.recurse) {
    options.cViewFolders = true;
    list.showFolders = true;
    list.recurse = false;
    return false;
  }
  const bool tell = options.cViewFolders;
  list.showFolders = false;
  options.cViewFolders = false;
  list.recurse = true;
  return tell;
}

QString MaskChanged(RenameOptions &options, ListSwitches &list) {
  if (list.recurse) {
    list.recurse = false;
    options.cViewFolders = true;
    list.showFolders = true;
  }
  return options.tMask.isEmpty() ? QStringLiteral("*.*") : options.tMask;
}
