// Pure helpers of the variable expansion: digits in any radix, thousands groups, random names.
#pragma once

#include <QRandomGenerator>
#include <QString>

#include <optional>

// The positional notation of n in the radix equal to the length of the digit set, its characters
// standing for the digit values 0, 1, 2, ...; 0 gives the first character. A set of fewer than two
// characters has no positional notation: it gives its one character for 0 and the empty text otherwise.
QString IntToDigits(quint64 n, const QString &digitSet);

// The text with the separator put between every group of three characters counted from the right:
// "1234567" and "." give "1.234.567"; "123" stays "123".
QString GroupThousands(const QString &text, QChar separator);

// The characters one random draw gives: a draw of 0 to 9; above 6 a digit "0" to "9", else one of
// the 25 capital letters "A" to "Y".
QString RandomName(int count, QRandomGenerator &random);

// A whole decimal number with an optional sign, as a size column holds it; nothing when the text is
// not one or does not fit in 64 bits.
std::optional<qint64> ParseSizeText(const QString &text);
