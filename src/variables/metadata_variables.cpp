#include "variables/metadata_variables.h"

#include "engine/string_functions.h"

const PhotoInfo &MetadataVariables::Photo() {
  if (!m_photo)
    m_photo = m_cache.Photo(m_path);
  return *m_photo;
}

const MusicTagInfo &MetadataVariables::Music() {
  if (!m_music)
    m_music = m_cache.Music(m_path);
  return *m_music;
}

void MetadataVariables::AppendDateTaken(QString &output, VariableScan &scan) {
  const std::optional<QChar> selector = scan.Take(QLatin1StringView("DMYHSdmyhs"));
  const char16_t s = selector ? selector->toUpper().unicode() : u'\0';
  // The selectors that follow are taken even when there is no date to show.
  const bool twoDigitYear = s == u'Y' && scan.Take(QLatin1StringView("2"));
  const std::optional<QChar> part = s == u'H' ? scan.Take(QLatin1StringView("HMShms")) : std::nullopt;
  const QString &digits = Photo().dateTaken; // yyyymmddhhnnss
  if (digits.isEmpty())
    return;
  switch (s) {
  case u'\0':
    output += digits.first(8) + QLatin1Char(' ') + digits.sliced(8);
    break;
  case u'D':
    output += digits.mid(6, 2);
    break;
  case u'M':
    output += digits.mid(4, 2);
    break;
  case u'Y':
    output += twoDigitYear ? digits.mid(2, 2) : digits.first(4);
    break;
  case u'H':
    if (!part)
      output += digits.sliced(8);
    else if (part->toUpper() == QLatin1Char('H'))
      output += digits.mid(8, 2);
    else if (part->toUpper() == QLatin1Char('M'))
      output += digits.mid(10, 2);
    else
      output += digits.mid(12, 2);
    break;
  default: // "S" alone gives nothing
    break;
  }
}

void MetadataVariables::AppendCamera(QString &output, VariableScan &scan) {
  const std::optional<QChar> selector = scan.Take(QLatin1StringView("MOmo"));
  const PhotoInfo &photo = Photo();
  QString value;
  if (!selector) {
    // Most models repeat the maker's name ("Canon EOS 5D", "NIKON D750"): then the model alone.
    const QString firstWord = photo.make.section(QLatin1Char(' '), 0, 0);
    if (photo.make.isEmpty() || photo.model.startsWith(firstWord, Qt::CaseInsensitive))
      value = photo.model;
    else if (photo.model.isEmpty())
      value = photo.make;
    else
      value = photo.make + QLatin1Char(' ') + photo.model;
  } else {
    value = selector->toUpper() == QLatin1Char('M') ? photo.make : photo.model;
  }
  output += ReplaceForbiddenChars(value);
}

void MetadataVariables::AppendPictureSize(QString &output, VariableScan &scan) {
  const std::optional<QChar> selector = scan.Take(QLatin1StringView("WHwh"));
  const PhotoInfo &photo = Photo();
  if (photo.width <= 0 || photo.height <= 0)
    return;
  if (!selector)
    output += QString::number(photo.width) + QLatin1Char('x') + QString::number(photo.height);
  else if (selector->toUpper() == QLatin1Char('W'))
    output += QString::number(photo.width);
  else
    output += QString::number(photo.height);
}

void MetadataVariables::AppendMusicTag(QString &output, VariableScan &scan) {
  const std::optional<QChar> selector = scan.Take(QLatin1StringView("TALYNZGtalynzg"));
  const char16_t s = selector ? selector->toUpper().unicode() : u'T';
  const bool twoDigitYear = s == u'Y' && scan.Take(QLatin1StringView("2"));
  const MusicTagInfo &tag = Music();
  switch (s) {
  case u'A':
    output += ReplaceForbiddenChars(tag.artist);
    break;
  case u'L':
    output += ReplaceForbiddenChars(tag.album);
    break;
  case u'G':
    output += ReplaceForbiddenChars(tag.genre);
    break;
  case u'Y':
    if (tag.year > 0) {
      const QString year = QString::number(tag.year);
      output += twoDigitYear ? year.right(2) : year;
    }
    break;
  case u'N':
    if (tag.track > 0)
      output += QString::number(tag.track);
    break;
  case u'Z':
    if (tag.track > 0)
      output += QStringLiteral("%1").arg(tag.track, 2, 10, QLatin1Char('0'));
    break;
  default:
    output += ReplaceForbiddenChars(tag.title);
    break;
  }
}
