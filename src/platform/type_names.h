// Type names and icon names of files, as the desktop's file manager shows them.
#pragma once

#include "platform/file_system.h"

#include <QString>

struct TypeInfo {
  QString Name;    // readable description, e.g. "plain text document"
  QString IconKey; // icon theme name, e.g. "text-plain"
};

class TypeNames {
public:
  virtual ~TypeNames() = default;
  // The type of a regular file with this extension (without the dot; empty for none).
  virtual TypeInfo ForExtension(const QString &extension) = 0;
  // The type of a folder, a device, a pipe or a socket.
  virtual TypeInfo ForKind(ItemKind kind) = 0;
};

// From the shared MIME database, by file name only (no file is opened).
class MimeTypeNames final : public TypeNames {
public:
  TypeInfo ForExtension(const QString &extension) override;
  TypeInfo ForKind(ItemKind kind) override;
};
