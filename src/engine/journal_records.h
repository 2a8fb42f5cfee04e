// The lines a run journal is made of: fields percent-encoded, each line ending with its own checksum.
#pragma once

#include "platform/file_identity.h"
#include "platform/native_file.h"

#include <QByteArray>
#include <QByteArrayList>

#include <cstdint>
#include <initializer_list>

// The first line of every journal.
inline constexpr char kJournalHeader[] = "zelvo-rename journal 2\n";

// The kinds of lines after the header.
namespace JournalKind {
inline constexpr char Start = 'S';  // moves planned, time the run began
inline constexpr char Folder = 'D'; // the folder of the N lines that follow
// An identity is three fields: device, inode, birth time.
inline constexpr char InFolder = 'N';    // from, to (names in the folder), identity of the file
inline constexpr char Move = 'M';        // from, to (whole paths), identity of the file
inline constexpr char Reserving = 'P';   // path, time in nanoseconds: a placeholder is about to be made
inline constexpr char Reserved = 'H';    // path, identity: the placeholder made
inline constexpr char CaseTemp = 'C';    // from, temporary, identity: a change of case goes through it
inline constexpr char PuttingBack = 'R'; // identity: recovery is putting this file back
// number: the plan's moves written so far, after each piece of a plan written in pieces; the run
// makes none of the moves after them until the next piece is on disk.
inline constexpr char PlanSoFar = 'E';
} // namespace JournalKind

// CRC-32 (as zlib computes it) of bytes.
std::uint32_t JournalChecksum(QByteArrayView bytes);

// Appends one line: the kind, then each field percent-encoded after a blank, then " #" and the
// checksum of everything before it in eight hex digits, and a line break.
void AppendJournalLine(QByteArray &out, char kind, std::initializer_list<QByteArrayView> fields);

// A number as a field, in hex, made without allocating.
class HexField {
public:
  explicit HexField(std::uint64_t value);
  operator QByteArrayView() const { return QByteArrayView(m_text + m_start, 16 - m_start); }

private:
  char m_text[16];
  int m_start = 16;
};

// An identity as its three fields, and read back from the three fields from at.
struct IdentityFields {
  HexField device, inode, birth;
  explicit IdentityFields(const FileIdentity &id);
};
bool ReadIdentity(const QByteArrayList &fields, qsizetype at, FileIdentity &id);

// A number as a field, in hex.
QByteArray JournalNumber(std::uint64_t value);
bool ReadJournalNumber(QByteArrayView field, std::uint64_t &value);

// Reads one line (without its line break): false when its checksum does not match or it is not
// made as AppendJournalLine makes lines.
bool ReadJournalLine(QByteArrayView line, char &kind, QByteArrayList &fields);
