#include "settings/options_file.h"

#include "engine/option_fields.h"
#include "platform/name_codec.h"
#include "platform/native_file.h"

#include <array>

namespace {

enum class Encoding { Flag, Bare, Quoted, Index, Note };

struct FileKey {
  const char *key;
  const char *field; // field of RenameOptions; for the note, its fixed text
  Encoding encoding;
  const char *defaultValue;
};

// The two text tabs share their keys; the extension tab has no mask.
struct TabKeys {
  const char *key;
  const char *nameField;
  const char *extensionField;
  Encoding encoding;
  const char *defaultValue;
};

const std::array kTabKeys = {
    TabKeys{"File Mask", "tMask", nullptr, Encoding::Bare, "*.*"},
    TabKeys{"Replace With", "opReplace", "opReplaceEx", Encoding::Flag, "0"},
    TabKeys{"Replace With Text", "tChangeFilename", "tChangeFileNameEx", Encoding::Quoted, ""},
    TabKeys{"Match Case", "opMatchCase", "opMatchCaseEx", Encoding::Flag, "0"},
    TabKeys{"Replace Text", "tReplaceText", "tReplaceTextEx", Encoding::Quoted, ""},
    TabKeys{"With This", "tReplaceTextNew", "tReplaceTextNewEx", Encoding::Quoted, ""},
    TabKeys{"Regular Expression", "opRegularExpression", "opRegularExpressionEx", Encoding::Flag, "0"},
    TabKeys{"Left Crop", "opLeftCutChars", "opLeftCutCharsEx", Encoding::Flag, "0"},
    TabKeys{"Left Crop n", "tLeftCutChars", "tLeftCutCharsEx", Encoding::Bare, "0"},
    TabKeys{"Right Crop", "opRightCutChars", "opRightCutCharsEx", Encoding::Flag, "0"},
    TabKeys{"Right Crop n", "tRightCutChars", "tRightCutCharsEx", Encoding::Bare, "0"},
    TabKeys{"Insert Before", "opInsertBefore", "opInsertBeforeEx", Encoding::Flag, "0"},
    TabKeys{"Insert Before text", "tInsertBefore", "tInsertBeforeEx", Encoding::Quoted, ""},
    TabKeys{"Insert After", "opInsertAfter", "opInsertAfterEx", Encoding::Flag, "0"},
    TabKeys{"Insert After text", "tInsertAfter", "tInsertAfterEx", Encoding::Quoted, ""},
    TabKeys{"Case 1", "opNoCaseChanges", "opNoCaseChangesEx", Encoding::Flag, "1"},
    TabKeys{"Case 2", "opUpperCase", "opUpperCaseEx", Encoding::Flag, "0"},
    TabKeys{"Case 3", "opLowerCase", "opLowerCaseEx", Encoding::Flag, "0"},
    TabKeys{"Case 4", "opFirstLetter", "opFirstLetterEx", Encoding::Flag, "0"},
    TabKeys{"Case 5", "opfirstLetterLow", "opFirstLetterLowEx", Encoding::Flag, "0"},
};

const std::array kNumberKeys = {
    FileKey{"No Changes", "opANoChanges", Encoding::Flag, "1"},
    FileKey{"Before Filename", "opABeforeFilename", Encoding::Flag, "0"},
    FileKey{"After Filename", "opAAfterFilename", Encoding::Flag, "0"},
    FileKey{"start At", "tStartAt", Encoding::Bare, "1"},
    FileKey{"Increment", "tIncrement", Encoding::Bare, "1"},
    FileKey{"ZeroFill", "tZeroFill", Encoding::Bare, "1"},
    FileKey{"RgTypeNumber", "rgTypeNumber", Encoding::Index, "0"},
    FileKey{"RG Values", "0-Dec, 1-Hex, 2-Oct, 3-Bin", Encoding::Note, ""},
    FileKey{"Make Names Unique", "cMakeNamesUnique", Encoding::Flag, "0"},
};

const QString kFilename = QStringLiteral("Filename");
const QString kExtension = QStringLiteral("Extension");
const QString kAutonumber = QStringLiteral("Autonumber");
constexpr int kLastNumberType = 5; // "Manual"

// Every key of the file with its section, in file order.
template <typename Visit> void ForEachKey(Visit visit) {
  for (const TabKeys &k : kTabKeys)
    visit(kFilename, FileKey{k.key, k.nameField, k.encoding, k.defaultValue});
  for (const TabKeys &k : kTabKeys)
    if (k.extensionField)
      visit(kExtension, FileKey{k.key, k.extensionField, k.encoding, k.defaultValue});
  for (const FileKey &k : kNumberKeys)
    visit(kAutonumber, k);
}

void ReadKey(const IniFile &ini, const QString &section, const FileKey &k, RenameOptions &options) {
  const QString key = QString::fromLatin1(k.key);
  const QString defaultValue = QString::fromLatin1(k.defaultValue);
  switch (k.encoding) {
  case Encoding::Note:
    return;
  case Encoding::Index: {
    const int index = ini.ReadInteger(section, key, defaultValue.toInt());
    options.rgTypeNumber = index < 0 ? -1 : qMin(index, kLastNumberType); // -1: no item selected
    return;
  }
  case Encoding::Flag:
    if (const OptionField *field = FindOptionField(QString::fromLatin1(k.field)))
      SetOptionFlag(options, *field, ini.ReadBool(section, key, defaultValue == QLatin1String("1")));
    return;
  case Encoding::Bare:
  case Encoding::Quoted:
    if (const OptionField *field = FindOptionField(QString::fromLatin1(k.field)); field && field->text)
      options.*field->text = ini.ReadString(section, key, defaultValue);
    return;
  }
}

void WriteKey(IniFile &ini, const QString &section, const FileKey &k, const RenameOptions &options) {
  const QString key = QString::fromLatin1(k.key);
  const OptionField *field = FindOptionField(QString::fromLatin1(k.field));
  switch (k.encoding) {
  case Encoding::Note:
    ini.WriteString(section, key, QString::fromLatin1(k.field));
    return;
  case Encoding::Index:
    ini.WriteInteger(section, key, options.rgTypeNumber);
    return;
  case Encoding::Flag:
    if (field && field->flag)
      ini.WriteBool(section, key, options.*field->flag);
    return;
  case Encoding::Bare:
    if (field && field->text)
      ini.WriteString(section, key, options.*field->text);
    return;
  case Encoding::Quoted:
    if (field && field->text)
      ini.WriteString(section, key, QLatin1Char('"') + options.*field->text + QLatin1Char('"'));
    return;
  }
}

} // namespace

void ReadOptions(const IniFile &ini, RenameOptions &options) {
  ForEachKey([&](const QString &section, const FileKey &k) { ReadKey(ini, section, k, options); });
}

void WriteOptions(const RenameOptions &options, IniFile &ini) {
  ForEachKey([&](const QString &section, const FileKey &k) { WriteKey(ini, section, k, options); });
}

QString LoadOptionsFile(const QString &path, RenameOptions &options) {
  if (!NativeExists(path) || NativeIsFolder(path))
    return QStringLiteral("\"%1\" does not exist").arg(ShownName(path));
  IniFile ini;
  if (QString error = ini.Load(path); !error.isEmpty())
    return error;
  ReadOptions(ini, options);
  return {};
}

QString SaveOptionsFile(const QString &path, const RenameOptions &options) {
  IniFile ini;
  if (QString error = ini.Load(path); !error.isEmpty())
    return error;
  WriteOptions(options, ini);
  return ini.Save(path);
}
