// The no-overwrite rename behind every rename and undo: never replaces an existing file.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <functional>

#include <sys/stat.h>

// A folder held open while many of its items are renamed, so that each rename looks up two names in
// it instead of walking the whole path twice. Closed when destroyed.
class OpenFolder {
public:
  // path ends with "/". A folder not opened (or that cannot be) still works, through full paths.
  explicit OpenFolder(const QByteArray &path, bool open = true);
  OpenFolder(OpenFolder &&other) noexcept;
  OpenFolder(const OpenFolder &) = delete;
  OpenFolder &operator=(const OpenFolder &) = delete;
  ~OpenFolder();
  const QByteArray &Path() const { return m_path; }
  int Fd() const { return m_fd; }

private:
  QByteArray m_path;
  int m_fd = -1;
};

// The system calls the rename is made of. Every call returns 0 on success or an errno value.
// Tests derive from it to make a call fail (a file system that refuses a flag, a full disk).
class FileSystemCalls {
public:
  virtual ~FileSystemCalls() = default;
  // renameat2 with RENAME_NOREPLACE.
  virtual int RenameNoReplace(const char *from, const char *to);
  // RenameNoReplace of two names of one open folder. Here it goes through RenameNoReplace with the
  // full paths, so that a derived class sees every rename there; the running system's calls use the
  // folder's descriptor.
  virtual int RenameNoReplaceIn(const OpenFolder &folder, const char *fromName, const char *toName);
  // Plain rename(2): replaces a target, so only called after checking that there is none.
  virtual int Rename(const char *from, const char *to);
  virtual int Link(const char *from, const char *to);
  virtual int Unlink(const char *path);
  virtual int LStat(const char *path, struct stat &st);
  // stat(2), following a symbolic link.
  virtual int Stat(const char *path, struct stat &st);
  // Whether the folder lists an entry spelt exactly as name (byte for byte).
  virtual bool FolderListsName(const char *folder, const QByteArray &name);
  // Calls found with the name and the directory entry type (DT_DIR, DT_REG, DT_LNK, DT_UNKNOWN, ...)
  // of every entry of the folder, in one read of it.
  virtual int ReadFolderTypes(const char *folder,
                              const std::function<void(QByteArrayView name, unsigned char type)> &found);
  // Creates an empty file that did not exist (O_CREAT|O_EXCL) and returns what it is in st.
  virtual int CreateExclusive(const char *path, struct stat &st);
  // mkdir(2): fails with EEXIST when anything answers to the name.
  virtual int MakeFolder(const char *path);
  // rmdir(2): removes an empty folder only.
  virtual int RemoveFolder(const char *path);
  // Every name the folder lists (without "." and ".."), spelt as stored.
  virtual int FolderNames(const char *folder, QByteArrayList &names);
};

// The calls of the running system.
FileSystemCalls &SystemFileSystemCalls();

// Outcome of one rename: errno value 0 on success, with a readable text on failure.
struct RenameStatus {
  int error = 0;
  QString message; // set for failures the system has no text for; else the errno text is used

  bool ok() const { return error == 0; }
  QString Text() const;
  static RenameStatus Success() { return {}; }
  static RenameStatus Failure(int error, const QString &message = {}) { return {error, message}; }
};

// Renames from to to (both full native paths) without ever replacing an existing file:
// - the same path succeeds without touching the file (it must exist);
// - where the file system refuses RENAME_NOREPLACE, the new name is first reserved by creating an
//   empty file (or an empty folder, for a folder) that cannot exist before, and the item is then
//   renamed onto that reservation, which replaces nothing but our own placeholder;
// - a change of letter case only, on a file system that ignores case (FAT, exFAT), goes through a
//   temporary name in the same folder and so neither fails as "name taken" nor loses the file.
RenameStatus SafeRename(const QByteArray &from, const QByteArray &to,
                        FileSystemCalls &calls = SystemFileSystemCalls());
// The same for two paths of one open folder (both start with folder.Path()).
RenameStatus SafeRename(const OpenFolder &folder, const QByteArray &from, const QByteArray &to,
                        FileSystemCalls &calls = SystemFileSystemCalls());

// Everything after the last "/" of a path, or the whole path when it has none.
QByteArray NativeFileName(const QByteArray &path);
// The folder of a path up to and including its last "/"; empty when it has none.
QByteArray NativeFolder(const QByteArray &path);
