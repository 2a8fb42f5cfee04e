#include "engine/option_fields.h"

#include "engine/option_rules.h"

#include <array>

namespace {

#define ZR_TEXT(f)                                                                                           \
  OptionField {                                                                                              \
#f, OptionField::Text, &RenameOptions::f, nullptr, -1                                                    \
  }
#define ZR_FLAG(f)                                                                                           \
  OptionField {                                                                                              \
#f, OptionField::Flag, nullptr, &RenameOptions::f, -1                                                    \
  }
#define ZR_RADIO(f, g)                                                                                       \
  OptionField {                                                                                              \
#f, OptionField::Radio, nullptr, &RenameOptions::f, g                                                    \
  }

enum RadioGroups { NameCase = 0, ExtensionCase = 1, NumberPosition = 2 };

const std::array kFields = {
    ZR_TEXT(tMask),
    ZR_FLAG(opReplace),
    ZR_TEXT(tChangeFilename),
    ZR_FLAG(opReplaceText),
    ZR_TEXT(tReplaceText),
    ZR_TEXT(tReplaceTextNew),
    ZR_FLAG(opMatchCase),
    ZR_FLAG(opRegularExpression),
    ZR_FLAG(opLeftCutChars),
    ZR_TEXT(tLeftCutChars),
    ZR_FLAG(opRightCutChars),
    ZR_TEXT(tRightCutChars),
    ZR_FLAG(opInsertBefore),
    ZR_TEXT(tInsertBefore),
    ZR_FLAG(opInsertAfter),
    ZR_TEXT(tInsertAfter),
    ZR_RADIO(opNoCaseChanges, NameCase),
    ZR_RADIO(opUpperCase, NameCase),
    ZR_RADIO(opLowerCase, NameCase),
    ZR_RADIO(opFirstLetter, NameCase),
    ZR_RADIO(opfirstLetterLow, NameCase),
    ZR_FLAG(opNoAccents),
    ZR_FLAG(opReplaceEx),
    ZR_TEXT(tChangeFileNameEx),
    ZR_FLAG(opReplaceTextEx),
    ZR_TEXT(tReplaceTextEx),
    ZR_TEXT(tReplaceTextNewEx),
    ZR_FLAG(opMatchCaseEx),
    ZR_FLAG(opRegularExpressionEx),
    ZR_FLAG(opLeftCutCharsEx),
    ZR_TEXT(tLeftCutCharsEx),
    ZR_FLAG(opRightCutCharsEx),
    ZR_TEXT(tRightCutCharsEx),
    ZR_FLAG(opInsertBeforeEx),
    ZR_TEXT(tInsertBeforeEx),
    ZR_FLAG(opInsertAfterEx),
    ZR_TEXT(tInsertAfterEx),
    ZR_RADIO(opNoCaseChangesEx, ExtensionCase),
    ZR_RADIO(opUpperCaseEx, ExtensionCase),
    ZR_RADIO(opLowerCaseEx, ExtensionCase),
    ZR_RADIO(opFirstLetterEx, ExtensionCase),
    ZR_RADIO(opFirstLetterLowEx, ExtensionCase),
    ZR_RADIO(opANoChanges, NumberPosition),
    ZR_RADIO(opABeforeFilename, NumberPosition),
    ZR_RADIO(opAAfterFilename, NumberPosition),
    ZR_TEXT(tStartAt),
    ZR_TEXT(tIncrement),
    ZR_TEXT(tZeroFill),
    OptionField{"rgTypeNumber", OptionField::Index, nullptr, nullptr, -1},
    ZR_TEXT(tManualNumber),
    ZR_FLAG(opDirectory),
    ZR_FLAG(cMakeNamesUnique),
    ZR_FLAG(cViewFolders),
    ZR_FLAG(cViewFiles),
    ZR_FLAG(cWorkWithFolders),
    ZR_FLAG(bCheckOnlySelectedFiles),
    ZR_FLAG(opInstantRefresh),
};

#undef ZR_TEXT
#undef ZR_FLAG
#undef ZR_RADIO

} // namespace

std::span<const OptionField> RenameOptionFields() {
  return kFields;
}

const OptionField *FindOptionField(QStringView name) {
  for (const OptionField &f : kFields)
    if (name == QLatin1String(f.name))
      return &f;
  return nullptr;
}

void SetOptionFlag(RenameOptions &options, const OptionField &field, bool on) {
  if (!field.flag)
    return;
  if (field.kind == OptionField::Radio && on) {
    for (const OptionField &other : kFields)
      if (other.kind == OptionField::Radio && other.radioGroup == field.radioGroup)
        options.*other.flag = false;
  }
  options.*field.flag = on;
}

QString SetOptionFromText(RenameOptions &options, QStringView name, const QString &value) {
  const OptionField *field = FindOptionField(name);
  if (!field)
    return QStringLiteral("unknown field '%1'").arg(name);
  switch (field->kind) {
  case OptionField::Text:
    options.*field->text = value;
    return {};
  case OptionField::Flag:
  case OptionField::Radio:
    if (value != QLatin1String("0") && value != QLatin1String("1"))
      return QStringLiteral("field '%1' takes 1 or 0, not '%2'").arg(name, value);
    SetOptionFlag(options, *field, value == QLatin1String("1"));
    return {};
  case OptionField::Index: {
    bool ok = false;
    const int index = value.toInt(&ok);
    if (!ok)
      return QStringLiteral("field '%1' takes a whole number, not '%2'").arg(name, value);
    options.rgTypeNumber = index;
    TypeNumberChanged(options); // "Excel" has no letters for 0: a start of 0 becomes 1
    return {};
  }
  }
  return {};
}
