#include "engine/journal_records.h"

#include <array>
#include <cerrno>
#include <unistd.h>

namespace {

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
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
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char b : bytes)
    c = kCrcTable[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void AppendJournalLine(QByteArray &out, char kind, std::initializer_list<QByteArrayView> fields) {
  const qsizetype start = out.size();
  qsizetype most = 16;
  for (const QByteArrayView field : fields)
    most += 1 + 3 * field.size();
  out.reserve(start + most);
  out += kind;
  for (const QByteArrayView field : fields) {
    out += ' ';
    for (const char b : field) {
      const auto c = static_cast<unsigned char>(b);
      if (kPlain[c]) {
        out += b;
      } else {
        const char escaped[3] = {'%', kHex[c >> 4], kHex[c & 15]};
        out.append(escaped, 3);
      }
    }
  }
  const std::uint32_t sum = JournalChecksum(QByteArrayView(out).sliced(start));
  char tail[11] = {' ', '#'};
  for (int k = 0; k < 8; ++k)
    tail[2 + k] = kHex[(sum >> (28 - 4 * k)) & 15];
  tail[10] = '\n';
  out.append(tail, 11);
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
    : device(JournalNumber(id.device)), inode(JournalNumber(id.inode)), birth(JournalNumber(id.birth)) {}

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
