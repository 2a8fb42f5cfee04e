// The text sub-items of a file list entry, laid out for lists of a hundred thousand entries.
#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// Positions of the eleven text sub-items of an entry.
enum FileListSubItem : int {
  SubFolder = 0,     // folder holding the item, ending with "/" (for a drive: its type name)
  SubSize = 1,       // size in bytes, decimal digits ("0" for a folder)
  SubType = 2,       // the type name of the item
  SubExtension = 3,  // extension without the dot
  SubCreated = 4,    // creation time as date, blank, time
  SubModified = 5,   // last write time
  SubAccessed = 6,   // last access time
  SubAttributes = 7, // attribute letters
  SubFullPath = 8,   // folder followed by the caption (for a drive: its mount point)
  SubKind = 9,       // "dir", "file", "drv" or empty; any other text is taken as empty
  SubHidden = 10,    // "H" for a hidden item, else empty; any other text is taken as "H"
  SubItemCount = 11
};

// The folder and the extension are held inline (entries of one folder share them), the kind and the
// hidden mark as codes of shared texts; the size, type, dates, attributes, full path and the icon key
// live in one block made when one of them is first set to a text that is not empty. A listing that
// reads neither details nor view texts thus costs no allocation per entry here. Copies copy the block.
class FileListSubItems {
public:
  // A sub-item of a list one may change: reads as the text, takes a text.
  class Ref {
  public:
    Ref(FileListSubItems &items, size_t index) : m_items(items), m_index(index) {}
    operator const QString &() const { return m_items.Get(m_index); }
    const QString &Text() const { return m_items.Get(m_index); }
    Ref &operator=(QString text) {
      m_items.Set(m_index, std::move(text));
      return *this;
    }
    Ref &operator=(const Ref &other) { return *this = QString(other.Text()); }
    bool isEmpty() const { return Text().isEmpty(); }
    friend bool operator==(const Ref &a, const QString &b) { return a.Text() == b; }
    friend bool operator==(const Ref &a, QLatin1String b) { return a.Text() == b; }
    friend bool operator!=(const Ref &a, const QString &b) { return a.Text() != b; }
    friend bool operator!=(const Ref &a, QLatin1String b) { return a.Text() != b; }

  private:
    FileListSubItems &m_items;
    size_t m_index;
  };

  FileListSubItems() = default;
  FileListSubItems(const FileListSubItems &other);
  FileListSubItems &operator=(const FileListSubItems &other);
  FileListSubItems(FileListSubItems &&) noexcept = default;
  FileListSubItems &operator=(FileListSubItems &&) noexcept = default;

  // The text of a sub-item; an empty text for one never set (or out of range).
  const QString &Get(size_t index) const {
    if (index == SubFolder)
      return m_folder;
    if (index == SubExtension)
      return m_extension;
    return Other(index);
  }
  void Set(size_t index, QString text);
  const QString &operator[](size_t index) const { return Get(index); }
  Ref operator[](size_t index) { return Ref(*this, index); }

  bool IsFolder() const { return m_kind == KindDir; }
  // The icon theme name of the item's icon.
  const QString &IconKey() const;
  void SetIconKey(QString key);

private:
  enum Kind : std::uint8_t { KindNone, KindFile, KindDir, KindDrive };
  // Size, type, the three dates, attributes, full path, then the icon key.
  struct Block {
    std::array<QString, 8> texts;
  };
  const QString &Other(size_t index) const;
  QString &Slot(size_t slot); // a slot of the block, made when missing

  QString m_folder;
  QString m_extension;
  std::unique_ptr<Block> m_block;
  Kind m_kind = KindNone;
  bool m_hidden = false;
};
