// The file-system calls of a run or of a recovery, which write into its journal the placeholders and
// temporary names the moves are about to make, so that a later recovery can clear them.
#pragma once

#include "engine/journal_records.h"
#include "platform/safe_rename.h"

#include <initializer_list>

class JournalledCalls final : public FileSystemCalls {
public:
  // Appends its lines to the journal open as *fd (nothing once it is -1); goes through inner for
  // every call.
  JournalledCalls(FileSystemCalls &inner, const int *fd) : m_inner(inner), m_fd(fd) {}

  int RenameNoReplace(const char *from, const char *to) override;
  int RenameNoReplaceIn(const OpenFolder &folder, const char *fromName, const char *toName) override;
  int Rename(const char *from, const char *to) override { return m_inner.Rename(from, to); }
  int Link(const char *from, const char *to) override { return m_inner.Link(from, to); }
  int Unlink(const char *path) override { return m_inner.Unlink(path); }
  int LStat(const char *path, struct stat &st) override { return m_inner.LStat(path, st); }
  int Stat(const char *path, struct stat &st) override { return m_inner.Stat(path, st); }
  bool FolderListsName(const char *folder, const QByteArray &name) override {
    return m_inner.FolderListsName(folder, name);
  }
  int ReadFolderTypes(const char *folder,
                      const std::function<void(QByteArrayView name, unsigned char type)> &found) override {
    return m_inner.ReadFolderTypes(folder, found);
  }
  int CreateExclusive(const char *path, struct stat &st) override;
  int MakeFolder(const char *path) override;
  int RemoveFolder(const char *path) override { return m_inner.RemoveFolder(path); }
  int FolderNames(const char *folder, QByteArrayList &names) override {
    return m_inner.FolderNames(folder, names);
  }

  // Appends one line to the journal.
  void Note(char kind, std::initializer_list<QByteArrayView> fields);

private:
  void NoteCaseTemporary(const QByteArray &from, const QByteArray &to);
  void NoteReserved(const char *path);
  FileSystemCalls &m_inner;
  const int *m_fd;
};
