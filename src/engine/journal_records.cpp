#include "engine/journal_records.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <unistd.h>

namespace {

// Tables for taking four bytes at a time: table k gives the checksum of a byte followed by k zero bytes.
constexpr std::array<std::array<std::uint32_t, 256>, 4> kCrcTables = [] {
  std::array<std::array<std::uint32_t, 256>, 4> tables{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    tables[0][n] = c;
  }
  for (std::uint32_t n = 0; n < 256; ++n)
    for (size_t k = 1; k < 4; ++k)
      tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xFF];
  return tables;
}();

// Bytes left as they are in a field; every other byte is written as %XX. The blank and "#" are never
// left as they are, so they only ever separate fields and the checksum.
constexpr std::array<bool, 256> kPlain = [] {
  std::array<bool, 256> plain{};
  for (int c = 0; c < 256; ++c)
    plain[size_t(c)] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
  return plain;
}();

constexpr char kHex[] = "0123456789abcdef";

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

bool Decode(QByteArrayView field, QByteArray &out) {
  out.clear();
  out.reserve(field.size());
  for (qsizetype k = 0; k < field.size(); ++k) {
    const char c = field[k];
    if (c != '%') {
      if (!kPlain[static_cast<unsigned char>(c)])
        return false;
      out += c;
      continue;
    }
    if (k + 2 >= field.size())
      return false;
    const int high = HexValue(field[k + 1]), low = HexValue(field[k + 2]);
    if (high < 0 || low < 0)
      return false;
    out += char(high * 16 + low);
    k += 2;
  }
  return true;
}

} // namespace

std::uint32_t JournalChecksum(QByteArrayView bytes) {
  const auto &t = kCrcTables;
  std::uint32_t c = 0xFFFFFFFFu;
  const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
  qsizetype n = bytes.size();
  for (; n >= 4; n -= 4, p += 4) {
    c ^= std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
    c = t[3][c & 0xFF] ^ t[2][(c >> 8) & 0xFF] ^ t[1][(c >> 16) & 0xFF] ^ t[0][c >> 24];
  }
  for (; n > 0; --n, ++p)
    c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void AppendJournalLine(QByteArray &out, char kind, std::initializer_list<QByteArrayView> fields) {
  const qsizetype start = out.size();
  qsizetype most = 1 + 11;
  for (const QByteArrayView field : fields)
    most += 1 + 3 * field.size();
  if (out.capacity() < start + most)
    out.reserve(std::max(start + most, 2 * out.capacity()));
  out.resize(start + most);
  char *const begin = out.data() + start;
  char *at = begin;
  *at++ = kind;
  for (const QByteArrayView field : fields) {
    *at++ = ' ';
    for (const char b : field) {
      const auto c = static_cast<unsigned char>(b);
      if (kPlain[c]) {
        *at++ = b;
      } else {
        at[0] = '%';
        at[1] = kHex[c >> 4];
        at[2] = kHex[c & 15];
        at += 3;
      }
    }
  }
  const std::uint32_t sum = JournalChecksum(QByteArrayView(begin, at));
  *at++ = ' ';
  *at++ = '#';
  for (int k = 0; k < 8; ++k)
    *at++ = kHex[(sum >> (28 - 4 * k)) & 15];
  *at++ = '\n';
  out.truncate(at - out.constData());
}

HexField::HexField(std::uint64_t value) {
  do {
    m_text[--m_start] = kHex[value & 15];
    value >>= 4;
  } while (value != 0);
}

QByteArray JournalNumber(std::uint64_t value) {
  return QByteArray::number(qulonglong(value), 16);
}

bool ReadJournalNumber(QByteArrayView field, std::uint64_t &value) {
  if (field.isEmpty() || field.size() > 16)
    return false;
  value = 0;
  for (const char c : field) {
    const int digit = HexValue(c);
    if (digit < 0)
      return false;
    value = value * 16 + std::uint64_t(digit);
  }
  return true;
}

IdentityFields::IdentityFields(const FileIdentity &id)
    : device(id.device), inode(id.inode), birth(id.birth) {}

bool ReadIdentity(const QByteArrayList &fields, qsizetype at, FileIdentity &id) {
  return at + 3 <= fields.size() && ReadJournalNumber(fields[at], id.device) &&
         ReadJournalNumber(fields[at + 1], id.inode) && ReadJournalNumber(fields[at + 2], id.birth);
}

bool ReadJournalLine(QByteArrayView line, char &kind, QByteArrayList &fields) {
  fields.clear();
  if (line.size() < 11 || line[line.size() - 10] != ' ' || line[line.size() - 9] != '#')
    return false;
  const QByteArrayView body = line.first(line.size() - 10);
  std::uint64_t sum = 0;
  if (!ReadJournalNumber(line.last(8), sum) || sum != JournalChecksum(body))
    return false;
  kind = body[0];
  if (body.size() > 1 && body[1] != ' ')
    return false;
  qsizetype at = 2;
  while (at <= body.size() && body.size() > 1) {
    qsizetype end = body.indexOf(' ', at);
    if (end < 0)
      end = body.size();
    QByteArray field;
    if (!Decode(body.sliced(at, end - at), field))
      return false;
    fields.append(field);
    at = end + 1;
  }
  return true;
}
