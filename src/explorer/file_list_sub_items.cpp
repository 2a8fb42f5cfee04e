// The text sub-items of a file list entry, laid out for lists of a hundred thousand entries.
#include "explorer/file_list_sub_items.h"

namespace {

constexpr int kIconSlot = 7;

// Where each sub-item lives in the block; -1 for those held inline.
constexpr std::array<int, SubItemCount> kBlockSlot = {-1, 0, 1, -1, 2, 3, 4, 5, 6, -1, -1};

const QString &EmptyText() {
  static const QString empty;
  return empty;
}

// The texts of the kinds, by code.
const std::array<QString, 4> &KindTexts() {
  static const std::array<QString, 4> texts = {QString(), QStringLiteral("file"), QStringLiteral("dir"),
                                               QStringLiteral("drv")};
  return texts;
}

const QString &HiddenMark() {
  static const QString mark = QStringLiteral("H");
  return mark;
}

} // namespace

FileListSubItems::FileListSubItems(const FileListSubItems &other)
    : m_folder(other.m_folder), m_extension(other.m_extension),
      m_block(other.m_block ? std::make_unique<Block>(*other.m_block) : nullptr), m_kind(other.m_kind),
      m_hidden(other.m_hidden) {}

FileListSubItems &FileListSubItems::operator=(const FileListSubItems &other) {
  if (this != &other)
    *this = FileListSubItems(other);
  return *this;
}

const QString &FileListSubItems::Other(size_t index) const {
  if (index == SubKind)
    return KindTexts()[m_kind];
  if (index == SubHidden)
    return m_hidden ? HiddenMark() : EmptyText();
  if (index >= size_t(SubItemCount) || !m_block)
    return EmptyText();
  return m_block->texts[size_t(kBlockSlot[index])];
}

QString &FileListSubItems::Slot(size_t slot) {
  if (!m_block)
    m_block = std::make_unique<Block>();
  return m_block->texts[slot];
}

void FileListSubItems::Set(size_t index, QString text) {
  switch (index) {
  case SubFolder:
    m_folder = std::move(text);
    return;
  case SubExtension:
    m_extension = std::move(text);
    return;
  case SubKind: {
    const auto &texts = KindTexts();
    m_kind = KindNone;
    for (std::uint8_t code = KindFile; code <= KindDrive; ++code)
      if (text == texts[code])
        m_kind = Kind(code);
    return;
  }
  case SubHidden:
    m_hidden = !text.isEmpty();
    return;
  default:
    if (index >= size_t(SubItemCount) || (!m_block && text.isEmpty()))
      return;
    Slot(size_t(kBlockSlot[index])) = std::move(text);
  }
}

const QString &FileListSubItems::IconKey() const {
  return m_block ? m_block->texts[kIconSlot] : EmptyText();
}

void FileListSubItems::SetIconKey(QString key) {
  if (m_block || !key.isEmpty())
    Slot(kIconSlot) = std::move(key);
}
