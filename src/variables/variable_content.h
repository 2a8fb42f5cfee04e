// The variables whose values come from a file's own bytes: pictures, music tags, page and cartridge titles.
#pragma once

#include "variables/reader_records.h"
#include "variables/variable_scan.h"

#include <QString>

// Each of these reads the file afresh (a bounded header read) every time it is called. The extension
// is the entry's extension column in upper case.

// "\G": appends width, height, bits or colours of a picture, taking its selectors from the scan. An
// extension of no picture format appends nothing and takes no selector.
void AppendPictureVariable(QString &output, VariableScan &scan, const QString &upperExtension,
                           const ReaderPath &path);

// "\A": appends a music tag of an MP3, RealAudio or RealMedia file, taking its selectors from the
// scan. Other extensions, and a Real file without a title block, append nothing and take no selector.
void AppendMusicTagVariable(QString &output, VariableScan &scan, const QString &upperExtension,
                            const ReaderPath &path);

// "\H": the page title, made fit for a file name, for "HTM" and "HTML"; else empty.
QString PageTitleVariable(const QString &upperExtension, const ReaderPath &path);

// "\Z": the cartridge title for "V64", "Z64" and "ROM"; else empty.
QString CartridgeTitleVariable(const QString &upperExtension, const ReaderPath &path);

// The colours of a picture as the short form shows them: "32K", "64K", "16M", "48B" or the count.
QString AbbreviatedColours(const ImageHeaderInfo &info);
