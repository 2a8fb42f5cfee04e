// The variables of photo and music metadata: date taken "\P", camera "\K", picture size "\W", music "\M".
#pragma once

#include "variables/metadata_cache.h"
#include "variables/variable_scan.h"

#include <QString>

#include <optional>

// The metadata variables of one entry within one expansion. The file is looked up at the first
// variable that needs it and only once per expansion, photo and music apart, in the cache that the
// expander keeps between refreshes (read again when its size or modification time changed). Every code takes
// its selectors whatever the file holds, and a value the file does not hold gives nothing. Texts pass through
// ReplaceForbiddenChars, so no tag puts a "/" in a name.
class MetadataVariables {
public:
  MetadataVariables(ReaderPath path, MetadataCache &cache) : m_path(std::move(path)), m_cache(cache) {}

  // "\P": the date taken, with the selectors of the current date: none "yyyymmdd hhnnss"; "D" day,
  // "M" month, "Y" year ("Y2" two digits), "H" "hhnnss" ("HH" hour, "HM" minute, "HS" second);
  // "S" alone nothing.
  void AppendDateTaken(QString &output, VariableScan &scan);
  // "\K": none the camera make and model ("Canon Canon EOS 5D" shows as "Canon EOS 5D"); "M" the
  // make, "O" the model.
  void AppendCamera(QString &output, VariableScan &scan);
  // "\W": none "<width>x<height>"; "W" the width, "H" the height; nothing for an unknown size.
  void AppendPictureSize(QString &output, VariableScan &scan);
  // "\M": none or "T" title, "A" artist, "L" album, "Y" year ("Y2" two digits), "N" track number,
  // "Z" track number of at least two digits, "G" genre.
  void AppendMusicTag(QString &output, VariableScan &scan);

private:
  const PhotoInfo &Photo();
  const MusicTagInfo &Music();

  ReaderPath m_path;
  MetadataCache &m_cache;
  std::optional<PhotoInfo> m_photo;
  std::optional<MusicTagInfo> m_music;
};
