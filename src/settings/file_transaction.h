// A group of file writes and removals that is undone as a whole when one of them fails.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QString>

// Each change first notes what the file held, so Rollback() can put every touched file back as it
// was (or remove it when it did not exist). Folders made on the way are left in place.
class FileTransaction {
public:
  // Writes bytes into path (making its folder), replacing the file whole; executable adds the
  // execute bits. False on failure, with ErrorPath() and ErrorText() telling why.
  [[nodiscard]] bool Write(const QString &path, const QByteArray &bytes, bool executable);
  // Removes path; a file that does not exist is no failure.
  [[nodiscard]] bool Remove(const QString &path);
  // Puts every file touched so far back as it was, newest change first.
  void Rollback();

  QString ErrorPath() const { return m_errorPath; }
  QString ErrorText() const { return m_errorText; }

private:
  struct Before {
    QString path;
    bool existed = false;
    QByteArray bytes;
    QFileDevice::Permissions permissions;
  };
  [[nodiscard]] bool Note(const QString &path);
  bool Fail(const QString &path, const QString &text);

  QList<Before> m_before;
  QString m_errorPath;
  QString m_errorText;
};
