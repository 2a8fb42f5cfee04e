// Decoding of text read from files: UTF-8 where it is valid, else the Windows-1252 code page.
#pragma once

#include <QByteArrayView>
#include <QString>

// The bytes as Windows-1252: 0x80 to 0x9F are the typographic characters of that code page ("€",
// "’", "—", ...); the five bytes it leaves unassigned keep their control characters.
QString FromWindows1252(QByteArrayView bytes);

enum class ByteOrderMark { Skip, Keep };

// UTF-8 when the bytes are valid UTF-8, else Windows-1252, the code page of texts written on older
// systems. A leading UTF-8 byte-order mark is skipped or kept as U+FEFF.
QString DecodeFileText(QByteArrayView bytes, ByteOrderMark mark = ByteOrderMark::Skip);
