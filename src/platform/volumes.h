// The mounted volumes a user would recognise (the "drives"), with their kind, label and readiness.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Kinds of drive, numbered as the drive type names of the explorer texts.
enum class DriveType : int {
  Unknown = 0,
  NoRoot = 1,
  Removable = 2,
  Fixed = 3,
  Network = 4,
  CdRom = 5,
  Ram = 6
};

// One line of the kernel's mount table.
struct MountEntry {
  QByteArray Root;       // the part of the file system mounted (not "/" for a bind mount of a folder)
  QByteArray MountPoint; // where it is mounted
  QByteArray FsType;     // e.g. "ext4", "nfs4", "fuse.sshfs"
  QByteArray Source;     // e.g. "/dev/sda1", "server:/export"
};

struct Volume {
  QByteArray MountPoint; // without a trailing "/" (except the root "/")
  QString Label;         // the volume's label, or for a network share its source; may be empty
  DriveType Type = DriveType::Fixed;
  QByteArray Source;
};

// The entries of /proc/self/mountinfo text, in order, with their escapes (\040 and the like) decoded.
std::vector<MountEntry> ParseMountInfo(const QByteArray &text);

// Whether a mount is a volume a user would recognise: not a pseudo file system, not a system area.
bool IsUserVolume(const MountEntry &mount);

// The drive type of a mount, given whether its device is removable.
DriveType DriveTypeOf(const MountEntry &mount, bool removableDevice);

// The user volumes of a mount table: one per mount point (the last mount of a point wins), sorted by
// mount point. isRemovable and labelOf answer for a device source; folderExists filters out mounts of
// single files.
template <typename Removable, typename LabelOf, typename FolderCheck>
std::vector<Volume> SelectVolumes(const std::vector<MountEntry> &mounts, Removable isRemovable,
                                  LabelOf labelOf, FolderCheck folderExists);

class VolumeTable {
public:
  virtual ~VolumeTable() = default;
  virtual std::vector<Volume> Volumes() = 0;
  // The type of the volume mounted exactly at root; NoRoot when nothing is mounted there.
  virtual DriveType TypeOf(const QByteArray &root) = 0;
  // Whether the volume at root answers (its size can be read).
  virtual bool Ready(const QByteArray &root) = 0;
};

class LinuxVolumeTable final : public VolumeTable {
public:
  std::vector<Volume> Volumes() override;
  DriveType TypeOf(const QByteArray &root) override;
  bool Ready(const QByteArray &root) override;
};

// ---- template implementation

#include <algorithm>
#include <map>

template <typename Removable, typename LabelOf, typename FolderCheck>
std::vector<Volume> SelectVolumes(const std::vector<MountEntry> &mounts, Removable isRemovable,
                                  LabelOf labelOf, FolderCheck folderExists) {
  std::map<QByteArray, MountEntry> lastAtPoint;
  for (const MountEntry &m : mounts)
    lastAtPoint[m.MountPoint] = m;
  std::vector<Volume> volumes;
  for (const auto &[point, m] : lastAtPoint) {
    if (!IsUserVolume(m) || !folderExists(point))
      continue;
    Volume v;
    v.MountPoint = point;
    v.Source = m.Source;
    v.Type = DriveTypeOf(m, isRemovable(m));
    v.Label = v.Type == DriveType::Network ? QString::fromUtf8(m.Source) : labelOf(m);
    volumes.push_back(std::move(v));
  }
  return volumes; // std::map keeps them sorted by mount point
}
