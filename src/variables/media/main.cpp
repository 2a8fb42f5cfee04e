// Entry of the module zelvo-rename-media: the table of readers the programs load at run time.
#include "variables/media/music_metadata.h"
#include "variables/media/photo_metadata.h"
#include "variables/media_readers.h"

extern "C" __attribute__((visibility("default"))) const MediaReaders *zelvo_media_readers() {
  static constexpr MediaReaders readers{kMediaReadersVersion, &ReadPhotoMetadata, &ReadMusicTags};
  return &readers;
}
