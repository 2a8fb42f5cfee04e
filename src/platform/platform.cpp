#include "platform/platform.h"

#include "platform/linux_file_system.h"

Platform &DefaultPlatform() {
  static LinuxFileSystem files;
  static LinuxVolumeTable volumes;
  static MimeTypeNames types;
  static Platform platform{&files, &volumes, &types};
  return platform;
}
