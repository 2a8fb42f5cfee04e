// Numbers for the folders of a conflict check, given by the bytes of their paths.
#pragma once

#include <QByteArrayView>
#include <QHash>

#include <cstring>
#include <string.h>
#include <vector>

// Whether two byte strings of n bytes each are the same; paths of a folder mostly are.
inline bool SameBytes(const char *a, const char *b, size_t n) {
  if (n < 8)
    return std::memcmp(a, b, n) == 0;
  quint64 x, y;
  for (size_t k = 0; k + 8 < n; k += 8) {
    std::memcpy(&x, a + k, 8);
    std::memcpy(&y, b + k, 8);
    if (x != y)
      return false;
  }
  std::memcpy(&x, a + n - 8, 8);
  std::memcpy(&y, b + n - 8, 8);
  return x == y;
}

// Numbers the folders of a check, most often the same one entry after entry, and counts the new
// names in each.
class FolderNumbers {
public:
  // The number of the folder of a path; nameAt tells where the name starts.
  qint32 Of(QByteArrayView path, qsizetype &nameAt) {
    if (m_last >= 0) {
      const QByteArrayView last = m_paths[size_t(m_last)];
      if (path.size() > last.size() && SameBytes(last.data(), path.data(), size_t(last.size())) &&
          !std::memchr(path.data() + last.size(), '/', size_t(path.size() - last.size()))) {
        nameAt = last.size();
        return m_last;
      }
    }
    const char *slash = static_cast<const char *>(::memrchr(path.data(), '/', size_t(path.size())));
    nameAt = slash ? slash - path.data() + 1 : 0;
    return Of(path.first(nameAt));
  }
  qint32 Of(QByteArrayView folder) {
    if (m_last >= 0) {
      const QByteArrayView last = m_paths[size_t(m_last)];
      if (last.size() == folder.size() && SameBytes(last.data(), folder.data(), size_t(last.size())))
        return m_last;
    }
    const auto it = m_numbers.constFind(folder);
    if (it != m_numbers.cend())
      return m_last = it.value();
    m_last = qint32(m_paths.size());
    m_paths.push_back(folder);
    m_newNames.push_back(0);
    m_numbers.insert(folder, m_last);
    return m_last;
  }
  QByteArrayView Path(qint32 number) const { return m_paths[size_t(number)]; }
  qsizetype size() const { return qsizetype(m_paths.size()); }
  qsizetype &NewNames(qint32 number) { return m_newNames[size_t(number)]; }

private:
  std::vector<QByteArrayView> m_paths; // views of paths that outlive the check
  std::vector<qsizetype> m_newNames;
  QHash<QByteArrayView, qint32> m_numbers;
  qint32 m_last = -1;
};
