#include "variables/media_readers.h"

#include <QList>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

namespace {

QByteArray &ModulePathForTests() {
  static QByteArray path;
  return path;
}

// The program's own file with its links resolved; empty where /proc is not mounted.
QByteArray ProgramFile() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  return n > 0 && n < ssize_t(sizeof buffer) ? QByteArray(buffer, n) : QByteArray();
}

QByteArray RealPath(const char *path) {
  char *real = ::realpath(path, nullptr);
  const QByteArray result(real);
  std::free(real);
  return result;
}

// Where the module is looked for, in order. The build tree's module serves only programs inside the
// build tree: an installed program never loads code from a build folder that may since have changed.
QList<QByteArray> ModuleCandidates() {
  if (!ModulePathForTests().isEmpty())
    return {ModulePathForTests()};
  QList<QByteArray> candidates;
  const QByteArray program = ProgramFile();
  const qsizetype slash = program.lastIndexOf('/');
  if (slash >= 0)
    candidates << program.left(slash + 1) + ZELVO_MEDIA_MODULE_INSTALLED;
  const QByteArray buildTree = RealPath(ZELVO_BUILD_TREE);
  if (!buildTree.isEmpty() && program.startsWith(buildTree + '/'))
    candidates << QByteArray(ZELVO_MEDIA_MODULE_BUILT);
  return candidates;
}

ReaderResult<PhotoInfo> NoPhoto(const ReaderPath &) {
  return {};
}

ReaderResult<MusicTagInfo> NoMusic(const ReaderPath &) {
  return {};
}

constexpr MediaReaders kNoReaders{kMediaReadersVersion, &NoPhoto, &NoMusic};

const MediaReaders *LoadFirstModule() {
  QByteArray error;
  for (const QByteArray &path : ModuleCandidates()) {
    const MediaModule module = LoadMediaModule(path);
    if (module.readers)
      return module.readers;
    // A module that is there but does not load says more than one that is missing.
    if (error.isEmpty() || ::access(path.constData(), F_OK) == 0)
      error = module.error;
  }
  if (error.isEmpty())
    error = "the program's own path is unknown (no /proc)";
  std::fprintf(stderr, "%s: photo and music variables give nothing: %s\n", program_invocation_short_name,
               error.constData());
  return &kNoReaders;
}

QByteArray LoaderError(const QByteArray &fallback) {
  const char *error = ::dlerror();
  return error ? QByteArray(error) : fallback;
}

} // namespace

MediaModule LoadMediaModule(const QByteArray &path) {
  MediaModule module;
  void *handle = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    module.error = LoaderError(path + ": cannot be loaded");
    return module;
  }
  using Entry = const MediaReaders *(*)();
  const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kMediaReadersEntry));
  const MediaReaders *readers = entry ? entry() : nullptr;
  if (!entry)
    module.error = LoaderError(path + ": no " + kMediaReadersEntry);
  else if (!readers || readers->version != kMediaReadersVersion || !readers->readPhoto || !readers->readMusic)
    module.error = path + ": a module of another version";
  else
    module.readers = readers;
  if (!module.readers)
    ::dlclose(handle);
  return module;
}

const MediaReaders &LoadedMediaReaders() {
  static const MediaReaders *const readers = LoadFirstModule();
  return *readers;
}

void SetMediaModulePath(const QByteArray &path) {
  ModulePathForTests() = path;
}
