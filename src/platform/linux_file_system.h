// The file system on Linux: readdir and statx.
#pragma once

#include "platform/file_system.h"

class LinuxFileSystem final : public FileSystem {
public:
  std::unique_ptr<FolderListing> ReadFolder(const QByteArray &folder) override;
  bool Stat(FolderListing &listing, FolderItem &item) override;
  bool FolderExists(const QByteArray &path) override;
  bool SetCurrentFolder(const QByteArray &path) override;
  QByteArray CurrentFolder() override;
};
