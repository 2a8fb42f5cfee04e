// Access to the fields of RenameOptions by their control names, for options files and the command line.
#pragma once

#include "engine/rename_options.h"

#include <QString>
#include <QStringView>

#include <span>

struct OptionField {
  enum Kind { Text, Flag, Radio, Index };
  const char *name; // the control's name, e.g. "tInsertBefore"
  Kind kind;
  QString RenameOptions::*text = nullptr; // Text
  bool RenameOptions::*flag = nullptr;    // Flag and Radio
  int radioGroup = -1;                    // Radio: fields of one group share this number
};

// Every field of RenameOptions, in declaration order.
std::span<const OptionField> RenameOptionFields();

// The field of that name (exact spelling), or nullptr.
const OptionField *FindOptionField(QStringView name);

// Sets a check box or radio button. A radio button set to true clears the others of its group;
// set to false it touches no other.
void SetOptionFlag(RenameOptions &options, const OptionField &field, bool on);

// Sets a field from text as a user would: texts as typed, flags "1" or "0", rgTypeNumber an integer;
// choosing "Excel" (4) while tStartAt reads "0" makes it "1", as the window does.
// Returns an empty text on success, else a one-line message.
QString SetOptionFromText(RenameOptions &options, QStringView name, const QString &value);
