// The platform services the program uses, chosen in one place for the system it runs on.
#pragma once

#include "platform/file_system.h"
#include "platform/type_names.h"
#include "platform/volumes.h"

struct Platform {
  FileSystem *Files = nullptr;
  VolumeTable *Volumes = nullptr;
  TypeNames *Types = nullptr;
};

// The services of this system; they live until the program ends.
Platform &DefaultPlatform();
