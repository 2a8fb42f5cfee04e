// The files a command-line job writes, claimed before anything is renamed.
#pragma once

#include "explorer/file_list_entry.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// Claims every output file of a job before the first rename, so that a path that cannot be written
// stops the job while every file still has its name: a new file is created empty at once, an
// existing one is refused unless forced, and a file that the run renames is always refused. Files
// created here and never written are removed again when the claim ends.
class OutputFiles {
public:
  OutputFiles() = default;
  OutputFiles(const OutputFiles &) = delete;
  OutputFiles &operator=(const OutputFiles &) = delete;
  ~OutputFiles();

  // Claims path (absolute). entries and newPaths are the run's items and the native paths they get.
  // Returns an empty text, or why the path cannot be used.
  QString Claim(const QString &path, bool force, std::span<const FileListEntry> entries,
                const std::vector<QByteArray> &newPaths);
  // The file at path has been written.
  void Written(const QString &path);

private:
  QStringList m_created;
};
