// A list of paths read where the caller keeps them: in an array, or one in each record of a list.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <span>
#include <vector>

// The i-th path sits a fixed distance after the one before it: next to it in an array of paths, or
// in the same member of the next record. A run reads the old paths of its files in the list of
// entries this way, instead of holding a copy of each.
class PathList {
public:
  PathList(std::span<const QByteArray> paths)
      : m_first(reinterpret_cast<const std::byte *>(paths.data())), m_stride(sizeof(QByteArray)),
        m_size(paths.size()) {}
  PathList(const std::vector<QByteArray> &paths) : PathList(std::span<const QByteArray>(paths)) {}
  // The member path of every record.
  template <typename Record>
  PathList(std::span<const Record> records, QByteArray Record::*path)
      : m_first(records.empty() ? nullptr : reinterpret_cast<const std::byte *>(&(records.front().*path))),
        m_stride(sizeof(Record)), m_size(records.size()) {}

  const QByteArray &operator[](size_t i) const {
    return *reinterpret_cast<const QByteArray *>(m_first + i * m_stride);
  }
  size_t size() const { return m_size; }

private:
  const std::byte *m_first;
  size_t m_stride;
  size_t m_size;
};
