// What the file list needs from the file system: folder listings with sizes, times and attributes.
#pragma once

#include <QByteArray>

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <vector>

// Attribute bits of a listed item, in the layout the file list's attribute filter uses.
constexpr std::uint32_t AttrReadOnly = 0x01; // the owner may not write
constexpr std::uint32_t AttrHidden = 0x02;   // the name begins with "."
constexpr std::uint32_t AttrSystem = 0x04;   // neither a regular file nor a folder (device, pipe, socket)
constexpr std::uint32_t AttrDirectory = 0x10;
constexpr std::uint32_t AttrArchive = 0x20; // a regular file
constexpr std::uint32_t AttrNormal = 0x80;

// A point in time as the file system keeps it (UTC); not Valid when the file system keeps none.
struct FileTime {
  std::int64_t Seconds = 0;
  std::uint32_t Nanoseconds = 0;
  bool Valid = false;
};

// What kind of object a name stands for; for a symbolic link, the kind of its target.
enum class ItemKind : std::uint8_t { Unknown, Folder, File, Fifo, CharDevice, BlockDevice, Socket, Other };

// One name of a folder. The details are filled by FileSystem::Stat, on demand.
struct FolderItem {
  QByteArray Name;                      // the name exactly as on disk
  ItemKind Kind = ItemKind::Unknown;    // known from the listing when the file system says it
  bool IsSymlink = false;               // the name is a symbolic link (Kind is then its target's)
  bool Statted = false;                 // the fields below are filled
  bool StatFailed = false;              // the details could not be read
  std::uint32_t Attributes = 0;         // Attr... bits
  std::uint64_t Size = 0;               // bytes
  FileTime Created, Modified, Accessed; // birth, last write, last access
};

// Which folder was read and how it stood just before: a later read finding the same identity and
// times (and the read not within a tick of the last change) finds the same names.
struct FolderStamp {
  bool Known = false; // the fields below are filled
  dev_t Device = 0;
  ino_t Inode = 0;
  timespec Modified{}, Changed{};
  timespec ReadAt{}; // the clock when the folder was read
};

// The names of one folder, in the order the file system gives them ("." and ".." left out).
class FolderListing {
public:
  virtual ~FolderListing() = default;
  QByteArray Folder; // the folder as given, ending with "/"
  FolderStamp Stamp;
  std::vector<FolderItem> Items;
};

class FileSystem {
public:
  virtual ~FileSystem() = default;
  // Lists a folder; null when it cannot be read.
  virtual std::unique_ptr<FolderListing> ReadFolder(const QByteArray &folder) = 0;
  // Fills the details of one item of the listing (kind, attributes, size, times); false on failure.
  virtual bool Stat(FolderListing &listing, FolderItem &item) = 0;
  virtual bool FolderExists(const QByteArray &path) = 0;
  virtual bool SetCurrentFolder(const QByteArray &path) = 0;
  virtual QByteArray CurrentFolder() = 0;
};

// Attribute bits for an item of the given kind and name, with the owner's write permission.
std::uint32_t AttributesFor(ItemKind kind, const QByteArray &name, bool ownerMayWrite);
