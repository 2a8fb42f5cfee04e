// Automatic numbers in six notations: decimal, hexadecimal, octal, binary, Excel letters, own letters.
#pragma once

#include "engine/refresh_state.h"
#include "engine/rename_options.h"

#include <QString>

enum NumberType {
  NumberDec = 0,
  NumberHex = 1,
  NumberOct = 2,
  NumberBin = 3,
  NumberExcel = 4,
  NumberManual = 5
};

// The longest number a zero fill pads to: no file name can be longer.
inline constexpr int MaxPaddedDigits = 255;

// The text of state.AutoNumberCounter in the type of rgTypeNumber (or state.AutoNumberTypeOverride
// when that is not -1), padded by state.AutoNumberZeroFill. Leaves the state as it was.
QString GetAutoNumber(const RenameOptions &options, const RefreshRunState &state);

// The letters of n (n >= 1) over a character set, bijective like spreadsheet columns; 0 or an
// empty set gives the empty text. Characters of the set are counted as code points.
QString ExcelNumber(qint64 n, const QString &characters);

// Binary digits of n without leading zeros ("0" for 0).
QString IntToBin(quint64 n);
// Octal digits of binary digits, three to an octal digit from the right.
QString BinToOct(const QString &binaryDigits);
