#include "engine/journal_calls.h"

#include <QByteArray>

#include <cstring>
#include <ctime>

namespace {

// How the temporary name of a change of letter case starts (see SafeRename).
constexpr char kCaseTemporaryPrefix[] = ".zr-case-";

bool IsCaseTemporary(const char *path) {
  const char *slash = std::strrchr(path, '/');
  return std::strncmp(slash ? slash + 1 : path, kCaseTemporaryPrefix, sizeof kCaseTemporaryPrefix - 1) == 0;
}

QByteArray Now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return JournalNumber(std::uint64_t(now.tv_sec) * 1000000000u + std::uint64_t(now.tv_nsec));
}

} // namespace

void JournalledCalls::Note(char kind, std::initializer_list<QByteArrayView> fields) {
  if (*m_fd < 0)
    return;
  QByteArray line;
  AppendJournalLine(line, kind, fields);
  (void)WriteAllTo(*m_fd, line);
}

void JournalledCalls::NoteCaseTemporary(const QByteArray &from, const QByteArray &to) {
  FileIdentity id;
  if (IdentifyPath(from.constData(), id) != 0)
    return; // nothing to move: the rename fails
  const IdentityFields f(id);
  Note(JournalKind::CaseTemp, {from, to, f.device, f.inode, f.birth});
}

void JournalledCalls::NoteReserved(const char *path) {
  FileIdentity id;
  if (IdentifyPath(path, id) != 0)
    return;
  const IdentityFields f(id);
  Note(JournalKind::Reserved, {QByteArrayView(path), f.device, f.inode, f.birth});
}

int JournalledCalls::RenameNoReplace(const char *from, const char *to) {
  if (IsCaseTemporary(to))
    NoteCaseTemporary(from, to);
  return m_inner.RenameNoReplace(from, to);
}

int JournalledCalls::RenameNoReplaceIn(const OpenFolder &folder, const char *fromName, const char *toName) {
  if (IsCaseTemporary(toName))
    NoteCaseTemporary(folder.Path() + fromName, folder.Path() + toName);
  return m_inner.RenameNoReplaceIn(folder, fromName, toName);
}

int JournalledCalls::CreateExclusive(const char *path, struct stat &st) {
  Note(JournalKind::Reserving, {QByteArrayView(path), Now()});
  const int error = m_inner.CreateExclusive(path, st);
  if (error == 0)
    NoteReserved(path);
  return error;
}

int JournalledCalls::MakeFolder(const char *path) {
  Note(JournalKind::Reserving, {QByteArrayView(path), Now()});
  const int error = m_inner.MakeFolder(path);
  if (error == 0)
    NoteReserved(path);
  return error;
}
