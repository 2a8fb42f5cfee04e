// Photo metadata the header readers cannot see: date taken, camera, picture size (Exiv2, QtGui).
#pragma once

#include "variables/reader_records.h"

#include <QByteArrayView>
#include <QString>

// Opens the file read-only (regular files only) and lets Exiv2 read its metadata; the picture size
// comes from Qt's image plugins when Exiv2 does not know the format. ReaderFailed is cleared when
// either library recognised the file.
ReaderResult<PhotoInfo> ReadPhotoMetadata(const ReaderPath &path);

// The same from the bytes of a whole file.
ReaderResult<PhotoInfo> ParsePhotoMetadata(QByteArrayView bytes);

// An Exif or XMP date ("2001:03:05 14:07:09", "2001-03-05T14:07") as "yyyymmddhhnnss"; missing
// time parts count as "00". Empty for anything else, an all-zero date included.
QString DateTakenDigits(QByteArrayView value);

// Exiv2 reports its own warnings on stderr unless told otherwise. Muting them (and turning on its
// HEIF/AVIF reader) is a setting of the library for the whole process; it is made once, always to the
// same values, by the first photo read.
void PrepareExiv2();
