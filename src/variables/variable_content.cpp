#include "variables/variable_content.h"

#include "engine/string_functions.h"
#include "variables/image_readers.h"
#include "variables/tag_readers.h"

namespace {

bool IsOneOf(const QString &upperExtension, std::initializer_list<const char *> names) {
  for (const char *name : names) {
    if (upperExtension == QLatin1String(name))
      return true;
  }
  return false;
}

bool IsPictureExtension(const QString &upperExtension) {
  return IsOneOf(upperExtension, {"JPG", "JPEG", "JIF", "JFIF", "GIF", "PSD", "BMP", "PNG", "TIF", "TIFF",
                                  "TGA", "TARGA", "PIX", "PCX", "PCC", "IFF", "ILBM", "LBM"});
}

} // namespace

QString AbbreviatedColours(const ImageHeaderInfo &info) {
  switch (info.bits) {
  case 15:
    return QStringLiteral("32K");
  case 16:
    return QStringLiteral("64K");
  case 24:
  case 32:
    return QStringLiteral("16M");
  case 48:
    return QStringLiteral("48B");
  default:
    return QString::number(info.colours);
  }
}

void AppendPictureVariable(QString &output, VariableScan &scan, const QString &upperExtension,
                           const ReaderPath &path) {
  if (!IsPictureExtension(upperExtension))
    return;
  // A reader that failed leaves the record at zeros, which are shown as they are.
  const ImageHeaderInfo info = ReadPictureHeader(upperExtension, path).value;
  const std::optional<QChar> selector = scan.Take(QLatin1StringView("WHBCwhbc"));
  if (!selector) {
    output += QString::number(info.width) + QLatin1Char('x') + QString::number(info.height) +
              QLatin1Char('x') + AbbreviatedColours(info);
    return;
  }
  switch (selector->toUpper().unicode()) {
  case u'W':
    output += QString::number(info.width);
    break;
  case u'H':
    output += QString::number(info.height);
    break;
  case u'B':
    output += QString::number(info.bits);
    break;
  default: // "C": the count itself after a second "C", else the short form
    output += scan.Take(QLatin1StringView("Cc")) ? QString::number(info.colours) : AbbreviatedColours(info);
    break;
  }
}

void AppendMusicTagVariable(QString &output, VariableScan &scan, const QString &upperExtension,
                            const ReaderPath &path) {
  if (upperExtension == QLatin1String("MP3")) {
    const Mp3TagInfo tag = ReadMp3Tag(path).value;
    const std::optional<QChar> selector = scan.Take(QLatin1StringView("TALYCtalyc"));
    switch (selector ? selector->toUpper().unicode() : u'T') {
    case u'A':
      output += tag.artist;
      break;
    case u'L':
      output += tag.album;
      break;
    case u'Y':
      output += scan.Take(QLatin1StringView("2")) ? tag.year.mid(2, 2) : tag.year;
      break;
    case u'C':
      output += tag.comment;
      break;
    default:
      output += tag.title;
      break;
    }
    return;
  }
  if (IsOneOf(upperExtension, {"RA", "RAM", "RM"})) {
    const ReaderResult<RATag> result = ReadRealTag(path);
    if (result.ReaderFailed)
      return;
    const std::optional<QChar> selector = scan.Take(QLatin1StringView("TACtac"));
    switch (selector ? selector->toUpper().unicode() : u'T') {
    case u'A':
      output += result.value.author;
      break;
    case u'C':
      output += result.value.copyright;
      break;
    default:
      output += result.value.title;
      break;
    }
  }
}

QString PageTitleVariable(const QString &upperExtension, const ReaderPath &path) {
  if (!IsOneOf(upperExtension, {"HTM", "HTML"}))
    return QString();
  return ReplaceForbiddenChars(ReadHtmlTitle(path).value.title);
}

QString CartridgeTitleVariable(const QString &upperExtension, const ReaderPath &path) {
  if (!IsOneOf(upperExtension, {"V64", "Z64", "ROM"}))
    return QString();
  return ReadN64Title(path).value.title;
}
