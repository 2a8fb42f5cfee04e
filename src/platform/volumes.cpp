#include "platform/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <set>

namespace {

// Undoes the octal escapes of the mount table ("\040" for a blank).
QByteArray Unescape(const QByteArray &field) {
  if (!field.contains('\\'))
    return field;
  QByteArray out;
  out.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (c == '\\' && i + 3 < field.size()) {
      const QByteArray digits = field.mid(i + 1, 3);
      bool ok = digits.size() == 3;
      for (char d : digits)
        ok = ok && d >= '0' && d <= '7';
      if (ok) {
        out.append(char(digits.toInt(nullptr, 8)));
        i += 3;
        continue;
      }
    }
    out.append(c);
  }
  return out;
}

// Undoes the "\x20" escapes of the names in /dev/disk/by-label.
QString UnescapeLabel(const QString &name) {
  QByteArray out;
  const QByteArray in = name.toUtf8();
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == '\\' && i + 3 < in.size() && in[i + 1] == 'x') {
      bool ok = false;
      const int value = in.mid(i + 2, 2).toInt(&ok, 16);
      if (ok) {
        out.append(char(value));
        i += 3;
        continue;
      }
    }
    out.append(in[i]);
  }
  return QString::fromUtf8(out);
}

bool Under(const QByteArray &path, const char *folder) {
  const QByteArray f(folder);
  return path == f || path.startsWith(f + '/');
}

const std::set<QByteArray> &PseudoFileSystems() {
  static const std::set<QByteArray> types = {
      "proc",      "sysfs",    "cgroup",      "cgroup2",         "devpts",      "devtmpfs",   "mqueue",
      "debugfs",   "tracefs",  "securityfs",  "pstore",          "bpf",         "configfs",   "fusectl",
      "hugetlbfs", "autofs",   "binfmt_misc", "efivarfs",        "rpc_pipefs",  "nsfs",       "selinuxfs",
      "overlay",   "squashfs", "nfsd",        "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "rootfs",
  };
  return types;
}

bool IsNetwork(const QByteArray &type) {
  static const std::set<QByteArray> types = {"nfs",   "nfs4",       "cifs",  "smb3", "smbfs",
                                             "sshfs", "fuse.sshfs", "ncpfs", "afs"};
  return types.count(type) > 0;
}

bool IsRam(const QByteArray &type) {
  return type == "tmpfs" || type == "ramfs";
}

// The sysfs folder of a block device source such as /dev/sdb1, or empty.
QString SysBlockFolder(const QByteArray &source) {
  if (!source.startsWith("/dev/"))
    return QString();
  const QString device = QFileInfo(QFile::decodeName(source)).canonicalFilePath();
  if (device.isEmpty())
    return QString();
  const QString sys =
      QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(device).fileName()).canonicalFilePath();
  return sys;
}

bool IsRemovableDevice(const MountEntry &m) {
  if (Under(m.MountPoint, "/media") || Under(m.MountPoint, "/run/media"))
    return true;
  const QString sys = SysBlockFolder(m.Source);
  if (sys.isEmpty())
    return false;
  if (sys.contains(QLatin1String("/usb")))
    return true;
  for (const QString &folder : {sys, QFileInfo(sys).path()}) {
    QFile flag(folder + QStringLiteral("/removable"));
    if (flag.open(QIODevice::ReadOnly))
      return flag.readAll().trimmed() == "1";
  }
  return false;
}

QString LabelOfDevice(const MountEntry &m) {
  if (!m.Source.startsWith("/dev/"))
    return QString();
  const QString device = QFileInfo(QFile::decodeName(m.Source)).canonicalFilePath();
  const QDir labels(QStringLiteral("/dev/disk/by-label"));
  const QStringList names = labels.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
  for (const QString &name : names)
    if (QFileInfo(labels.filePath(name)).canonicalFilePath() == device)
      return UnescapeLabel(name);
  return QString();
}

std::vector<MountEntry> ReadMountTable() {
  QFile file(QStringLiteral("/proc/self/mountinfo"));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return ParseMountInfo(file.readAll());
}

QByteArray WithoutTrailingSlash(const QByteArray &path) {
  QByteArray p = path;
  while (p.size() > 1 && p.endsWith('/'))
    p.chop(1);
  return p;
}

} // namespace

std::vector<MountEntry> ParseMountInfo(const QByteArray &text) {
  std::vector<MountEntry> mounts;
  for (const QByteArray &line : text.split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    // id parent major:minor root mount-point options [optional...] - type source super-options
    const qsizetype dash = fields.indexOf("-");
    if (fields.size() < 6 || dash < 6 || dash + 2 >= fields.size())
      continue;
    MountEntry m;
    m.Root = Unescape(fields[3]);
    m.MountPoint = Unescape(fields[4]);
    m.FsType = Unescape(fields[dash + 1]);
    m.Source = Unescape(fields[dash + 2]);
    mounts.push_back(std::move(m));
  }
  return mounts;
}

bool IsUserVolume(const MountEntry &m) {
  const QByteArray &point = m.MountPoint;
  if (point == "/")
    return true;
  if (!point.startsWith('/') || PseudoFileSystems().count(m.FsType) > 0 || m.FsType.startsWith("fuse.portal"))
    return false;
  for (const char *system : {"/proc", "/sys", "/dev", "/boot", "/efi", "/snap", "/var/lib/docker",
                             "/var/lib/containers", "/var/snap"})
    if (Under(point, system))
      return false;
  if (Under(point, "/run") && !Under(point, "/run/media"))
    return false;
  if (point.contains("/."))
    return false; // hidden helper mounts, such as those of self-mounting programs
  if (IsRam(m.FsType))
    return point == "/tmp" || point == "/var/tmp" || Under(point, "/media") || Under(point, "/run/media");
  return true;
}

DriveType DriveTypeOf(const MountEntry &m, bool removableDevice) {
  if (IsNetwork(m.FsType))
    return DriveType::Network;
  if (m.FsType == "iso9660" || m.FsType == "udf")
    return DriveType::CdRom;
  if (IsRam(m.FsType))
    return DriveType::Ram;
  if (removableDevice)
    return DriveType::Removable;
  return DriveType::Fixed;
}

std::vector<Volume> LinuxVolumeTable::Volumes() {
  return SelectVolumes(ReadMountTable(), IsRemovableDevice, LabelOfDevice, [](const QByteArray &point) {
    struct stat st;
    return ::stat(point.constData(), &st) == 0 && S_ISDIR(st.st_mode);
  });
}

DriveType LinuxVolumeTable::TypeOf(const QByteArray &root) {
  const QByteArray point = WithoutTrailingSlash(root);
  const std::vector<MountEntry> mounts = ReadMountTable();
  for (auto it = mounts.rbegin(); it != mounts.rend(); ++it)
    if (it->MountPoint == point)
      return DriveTypeOf(*it, IsRemovableDevice(*it));
  return DriveType::NoRoot;
}

bool LinuxVolumeTable::Ready(const QByteArray &root) {
  struct statvfs info;
  return !root.isEmpty() && ::statvfs(root.constData(), &info) == 0;
}
