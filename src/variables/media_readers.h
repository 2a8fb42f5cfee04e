// The photo and music readers: they live in a module the programs load on the first read of such a file.
#pragma once

#include "variables/reader_records.h"

#include <QByteArray>

// The table the module hands out: one reader per kind of file. Its layout changes together with
// kMediaReadersVersion, so a module of another build is refused rather than called.
struct MediaReaders {
  int version = 0;
  ReaderResult<PhotoInfo> (*readPhoto)(const ReaderPath &path) = nullptr;
  ReaderResult<MusicTagInfo> (*readMusic)(const ReaderPath &path) = nullptr;
};
inline constexpr int kMediaReadersVersion = 1;

// The module's one exported function: extern "C" const MediaReaders *zelvo_media_readers().
inline constexpr char kMediaReadersEntry[] = "zelvo_media_readers";

// One attempt at loading the module from a file: its table, or nullptr and the loader's message.
// A module that loaded stays loaded.
struct MediaModule {
  const MediaReaders *readers = nullptr;
  QByteArray error;
};
MediaModule LoadMediaModule(const QByteArray &path);

// The readers every metadata lookup goes through. The first call loads the module, once for the
// process and safe from any thread: from the library folder beside the program's folder as installed
// (bin/../lib/zelvo-rename/), or, for a program inside the build tree, from where the build put it.
// When it cannot be loaded, the readers give empty records and one line on stderr says why.
const MediaReaders &LoadedMediaReaders();

// Tests: the module file to load instead of searching; only before the first LoadedMediaReaders().
void SetMediaModulePath(const QByteArray &path);
