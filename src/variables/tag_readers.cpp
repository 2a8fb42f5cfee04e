#include "variables/tag_readers.h"

#include "variables/reader_file.h"

namespace {

// Reads from the start of a buffer onwards; bytes past the end count as zero and strings end
// where the bytes end.
class Cursor {
public:
  Cursor(QByteArrayView bytes, qint64 position) : m_bytes(bytes), m_position(position) {}

  // The last of the next count bytes (0 where the bytes end).
  quint8 lastOf(qint64 count) {
    m_position += count;
    return ByteAt(m_bytes, m_position - 1);
  }
  QByteArrayView take(qint64 length) {
    const qint64 start = qMin<qint64>(m_position, m_bytes.size());
    const qint64 end = qMin<qint64>(m_position + length, m_bytes.size());
    m_position += length;
    return m_bytes.sliced(start, end - start);
  }

private:
  QByteArrayView m_bytes;
  qint64 m_position;
};

bool IsLetterPair(quint8 byte, char upper) {
  return byte == static_cast<quint8>(upper) || byte == (upper | 0x20);
}

// Whether the bytes at i are the word, letters in either case, other bytes as they are.
bool WordAt(QByteArrayView bytes, qint64 i, const char *word) {
  for (qint64 k = 0; word[k] != '\0'; ++k) {
    const char c = word[k];
    const quint8 b = ByteAt(bytes, i + k);
    if (c >= 'A' && c <= 'Z' ? !IsLetterPair(b, c) : b != static_cast<quint8>(c)) {
      return false;
    }
  }
  return true;
}

} // namespace

MarkerHit FindMarker(QByteArrayView bytes, QByteArrayView marker) {
  for (qint64 start = 0; start < 4; ++start) {
    const qint64 end = qMin<qint64>(bytes.size(), start + 4 * kMarkerReads);
    for (qint64 group = start; group + 4 <= end; group += 4) {
      if (bytes.sliced(group, 4) == marker) {
        return {true, group + 4};
      }
    }
  }
  return {};
}

ReaderResult<Mp3TagInfo> ParseMp3Tag(QByteArrayView fileEnd) {
  ReaderResult<Mp3TagInfo> result;
  if (fileEnd.size() < kMp3TagSize) {
    return result;
  }
  const QByteArrayView tag = fileEnd.last(kMp3TagSize);
  if (!tag.startsWith("TAG")) {
    return result;
  }
  const auto field = [&tag](qsizetype from, qsizetype length) {
    return ReaderText(TrimTrailingControl(tag.sliced(from, length)));
  };
  result.value.title = field(3, 30);
  result.value.artist = field(33, 30);
  result.value.album = field(63, 30);
  result.value.year = field(93, 4);
  result.value.comment = field(97, 30);
  result.ReaderFailed = false;
  return result;
}

ReaderResult<RATag> ParseRealTag(QByteArrayView head) {
  ReaderResult<RATag> result;
  const QByteArrayView bytes = head.first(qMin<qsizetype>(head.size(), kRealTagReadSize));
  RATag &tag = result.value;
  if (const MarkerHit content = FindMarker(bytes, "CONT"); content.found) {
    // Chunk size, object version, then three strings each after a 16-bit length of which the
    // low byte counts.
    Cursor cursor(bytes, content.position);
    cursor.lastOf(4);
    tag.title = ReaderText(cursor.take(cursor.lastOf(4)));
    tag.author = ReaderText(cursor.take(cursor.lastOf(2)));
    tag.copyright = ReaderText(cursor.take(cursor.lastOf(2)));
    result.ReaderFailed = false;
  } else if (const MarkerHit codec = FindMarker(bytes, "dnet"); codec.found) {
    Cursor cursor(bytes, codec.position);
    tag.title = ReaderText(cursor.take(cursor.lastOf(4)));
    tag.author = ReaderText(cursor.take(cursor.lastOf(1)));
    tag.copyright = ReaderText(cursor.take(cursor.lastOf(1)));
    result.ReaderFailed = false;
  }
  return result;
}

ReaderResult<TStandardHTMLFormat> ParseHtmlTitle(QByteArrayView head) {
  ReaderResult<TStandardHTMLFormat> result;
  const QByteArrayView bytes = head.first(qMin<qsizetype>(head.size(), kHtmlScanSize));
  const qint64 n = bytes.size();
  // The first "<TITLE>" with at least 16 bytes after its "<"; only that one counts.
  qint64 open = -1;
  for (qint64 i = 0; i + 16 < n; ++i) {
    if (WordAt(bytes, i, "<TITLE>")) {
      open = i;
      break;
    }
  }
  if (open < 0) {
    return result;
  }
  // A "</TITLE>" with more than seven bytes after its "<".
  for (qint64 j = open + 7; j + 8 < n; ++j) {
    if (WordAt(bytes, j, "</TITLE>")) {
      result.value.title = ReaderText(bytes.sliced(open + 7, j - open - 7));
      result.ReaderFailed = false;
      break;
    }
  }
  return result;
}

ReaderResult<TStandardNintendo> ParseN64Title(QByteArrayView head) {
  ReaderResult<TStandardNintendo> result;
  QByteArray title(20, '\0');
  if (ByteAt(head, 0) == 128 && ByteAt(head, 1) == 55) {
    for (int k = 0; k < 20; ++k) {
      title[k] = static_cast<char>(ByteAt(head, 32 + k));
    }
  } else if (ByteAt(head, 0) == 55 && ByteAt(head, 1) == 128) {
    // Each 16-bit pair is stored with its bytes exchanged.
    for (int k = 0; k < 20; ++k) {
      title[k] = static_cast<char>(ByteAt(head, 32 + (k ^ 1)));
    }
  } else {
    return result;
  }
  result.value.title = ReaderText(TrimTrailingControl(title));
  result.ReaderFailed = false;
  return result;
}

ReaderResult<Mp3TagInfo> ReadMp3Tag(const ReaderPath &path) {
  ReaderFile file(path);
  if (file.size() < kMp3TagSize) {
    return {};
  }
  return ParseMp3Tag(file.readAt(file.size() - kMp3TagSize, kMp3TagSize));
}

ReaderResult<RATag> ReadRealTag(const ReaderPath &path) {
  return ParseRealTag(ReadFileHead(path, kRealTagReadSize));
}

ReaderResult<TStandardHTMLFormat> ReadHtmlTitle(const ReaderPath &path) {
  return ParseHtmlTitle(ReadFileHead(path, kHtmlScanSize));
}

ReaderResult<TStandardNintendo> ReadN64Title(const ReaderPath &path) {
  return ParseN64Title(ReadFileHead(path, kN64HeaderSize));
}
