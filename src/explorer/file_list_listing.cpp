// Listing a folder, its subfolders and the drives into file list entries.
#include "explorer/file_list_listing.h"

#include "explorer/date_time_formats.h"
#include "explorer/explorer_helpers.h"
#include "platform/name_codec.h"
#include "platform/name_mask.h"

#include <algorithm>

namespace {

const QString &KindText(bool folder) {
  static const QString dir = QStringLiteral("dir");
  static const QString file = QStringLiteral("file");
  return folder ? dir : file;
}

// Attribute letters of every combination, shared by all entries.
const QString &LettersFor(std::uint32_t attributes) {
  static const std::array<QString, 16> table = [] {
    std::array<QString, 16> t;
    for (int i = 0; i < 16; ++i)
      t[i] = AttributeLetters(((i & 1) ? AttrArchive : 0) | ((i & 2) ? AttrReadOnly : 0) |
                              ((i & 4) ? AttrHidden : 0) | ((i & 8) ? AttrSystem : 0));
    return t;
  }();
  const int index = ((attributes & AttrArchive) ? 1 : 0) | ((attributes & AttrReadOnly) ? 2 : 0) |
                    ((attributes & AttrHidden) ? 4 : 0) | ((attributes & AttrSystem) ? 8 : 0);
  return table[index];
}

const QString &HiddenText(std::uint32_t attributes) {
  static const QString hidden = QStringLiteral("H");
  static const QString none;
  return (attributes & AttrHidden) ? hidden : none;
}

// The test an item must pass to be listed with an attribute mask.
bool PassesMask(std::uint32_t attributes, std::uint32_t mask) {
  if ((attributes & AttrDirectory) != (mask & AttrDirectory))
    return false;
  for (std::uint32_t bit : {AttrReadOnly, AttrHidden, AttrSystem})
    if ((attributes & bit) && !(mask & bit))
      return false;
  return true;
}

} // namespace

FolderListing *TZelvoRenameFileListView::Listing::ListingFor(const QByteArray &folder) {
  if (!cached || cachedFolder != folder) {
    cached = platform.Files->ReadFolder(folder);
    cachedFolder = folder;
    if (cached)
      snapshots.push_back(SnapshotOf(*cached));
  }
  return cached.get();
}

TZelvoRenameFileListView::Listing::Listing(const Platform &platform, const DateTimeFormats &formats,
                                           const ExplorerTexts &texts, FolderSnapshots &snapshots)
    : platform(platform), formats(formats), texts(texts), snapshots(snapshots),
      datesToTheMinute(!formats.HasSeconds()) {}

const TypeInfo &TZelvoRenameFileListView::Listing::TypeFor(ItemKind kind, QStringView extension,
                                                           QString &sharedExtension) {
  if (kind != ItemKind::File) {
    sharedExtension = extension.toString();
    auto &slot = byKind[size_t(kind)];
    if (!slot)
      slot = platform.Types->ForKind(kind);
    return *slot;
  }
  // Files of one folder mostly share a few extensions: the last one is checked first.
  if (!lastType || extension != lastExtension) {
    const QString key = extension.toString();
    auto it = byExtension.find(key);
    if (it == byExtension.end())
      it = byExtension.insert(key, platform.Types->ForExtension(key));
    lastExtension = it.key();
    lastType = &it.value();
  }
  sharedExtension = lastExtension;
  return *lastType;
}

QString TZelvoRenameFileListView::Listing::DateText(const FileTime &time) {
  if (!time.Valid)
    return QString();
  // Within one minute the text is the same unless the formats show seconds.
  const std::int64_t key = datesToTheMinute
                               ? (time.Seconds >= 0 ? time.Seconds / 60 : (time.Seconds - 59) / 60)
                               : time.Seconds * 1000 + time.Nanoseconds / 1000000;
  DateSlot &slot = dates[size_t(key) % dates.size()];
  if (slot.key != key) {
    slot.key = key;
    slot.text = FileTimeToText(time, formats);
  }
  return slot.text;
}

QString TZelvoRenameFileListView::Listing::SizeText(std::uint64_t size) {
  if (size != lastSize) {
    lastSize = size;
    lastSizeText = QString::number(size);
  }
  return lastSizeText;
}

bool TZelvoRenameFileListView::AddEntriesIn(const QString &folder, const QByteArray &nativeFolder,
                                            const QString &pattern, std::uint32_t mask,
                                            std::vector<FileListEntry> &out) {
  FolderListing *listing = m_listing->ListingFor(nativeFolder);
  if (!listing || pattern.isEmpty())
    return false;
  const NamePattern namePattern(pattern);
  const bool everyName = pattern == QLatin1String("*") || pattern == QLatin1String("*.*");
  const bool wantFolders = mask & AttrDirectory;
  // Room for every item that may be added, so that the entries are not moved while they grow.
  size_t possible = 0;
  for (const FolderItem &item : listing->Items)
    if ((item.IsSymlink || item.Kind == ItemKind::Unknown ||
         (item.Kind == ItemKind::Folder) == wantFolders) &&
        (everyName || namePattern.Matches(DecodeName(item.Name))))
      ++possible;
  if (out.size() + possible > out.capacity())
    out.reserve(std::max(out.size() + possible, out.capacity() + out.capacity() / 2));
  bool added = false;
  for (FolderItem &item : listing->Items) {
    // The kind the listing gave settles most items without a stat.
    if (!item.IsSymlink && item.Kind != ItemKind::Unknown && (item.Kind == ItemKind::Folder) != wantFolders)
      continue;
    // Made among the names of the listing, but for the tests of a pattern: most would be dropped.
    QString caption = everyName ? m_listing->names.Decode(item.Name) : DecodeName(item.Name);
    if (!everyName && !namePattern.Matches(caption))
      continue;
    // An item that vanished since the folder was read is left out. Without details, the kind the
    // listing gave is taken as it is; links and items of unknown kind are always looked at.
    if (m_readDetails || item.IsSymlink || item.Kind == ItemKind::Unknown) {
      if (!m_platform->Files->Stat(*listing, item))
        continue;
    } else if (!item.Statted) {
      item.Attributes = AttributesFor(item.Kind, item.Name, true);
    }
    if (!PassesMask(item.Attributes, mask))
      continue;
    const bool details = item.Statted && !item.StatFailed;
    const bool isFolder = item.Attributes & AttrDirectory;
    (isFolder ? m_numFolders : m_numFiles)++;
    // The extension: everything after the last ".".
    const qsizetype dot = caption.lastIndexOf(QLatin1Char('.'));
    const QStringView extensionView = dot < 0 ? QStringView() : QStringView(caption).mid(dot + 1);
    QString extension;
    FileListEntry e;
    e.SubItems[SubFolder] = folder;
    if (m_viewTexts) {
      const TypeInfo &type = m_listing->TypeFor(item.Kind, extensionView, extension);
      e.SubItems[SubType] = type.Name;
      e.SubItems[SubFullPath] = m_listing->names.Joined(folder, caption);
      e.SetIconKey(type.IconKey);
    } else { // one copy of each extension in a row
      if (extensionView != m_listing->lastExtension)
        m_listing->lastExtension = extensionView.toString();
      extension = m_listing->lastExtension;
    }
    e.SubItems[SubExtension] = std::move(extension);
    if (details) {
      e.SubItems[SubSize] = m_listing->SizeText(item.Size);
      e.SubItems[SubCreated] = m_listing->DateText(item.Created);
      e.SubItems[SubModified] = m_listing->DateText(item.Modified);
      e.SubItems[SubAccessed] = m_listing->DateText(item.Accessed);
      e.SubItems[SubAttributes] = LettersFor(item.Attributes);
    }
    e.SubItems[SubKind] = KindText(isFolder);
    e.SubItems[SubHidden] = HiddenText(item.Attributes);
    e.Caption = everyName ? std::move(caption) : m_listing->names.Add(caption);
    e.NativePath = m_listing->names.Joined(nativeFolder, item.Name);
    out.push_back(std::move(e));
    added = true;
  }
  return added;
}

void TZelvoRenameFileListView::WalkSubfolders(const QString &folder, const QByteArray &nativeFolder,
                                              const QStringList &patterns, std::uint32_t fileMask,
                                              std::uint32_t folderMask, std::vector<FileListEntry> &out) {
  std::vector<QByteArray> subfolders;
  if (FolderListing *listing = m_listing->ListingFor(nativeFolder)) {
    for (FolderItem &item : listing->Items) {
      if (item.IsSymlink || (item.Kind != ItemKind::Unknown && item.Kind != ItemKind::Folder))
        continue;
      m_platform->Files->Stat(*listing, item);
      // A link to a folder is never entered: a loop of links must not trap the walk.
      if (item.IsSymlink || !PassesMask(item.Attributes, folderMask))
        continue;
      if (item.Name.compare("RECYCLED", Qt::CaseInsensitive) == 0)
        continue;
      subfolders.push_back(item.Name);
    }
  }
  for (const QByteArray &name : subfolders) {
    const QString subfolder = folder + DecodeName(name) + QLatin1Char('/');
    const QByteArray nativeSubfolder = nativeFolder + name + '/';
    for (const QString &pattern : patterns)
      AddEntriesIn(subfolder, nativeSubfolder, pattern, fileMask, out);
    WalkSubfolders(subfolder, nativeSubfolder, patterns, fileMask, folderMask, out);
  }
}

bool TZelvoRenameFileListView::AddEntries(const QString &pattern, std::uint32_t attributeMask) {
  // A pattern with a folder part lists that folder; a plain one the listed folder.
  const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'));
  QString folder = WithTrailingBackslash(m_directory);
  if (slash >= 0)
    folder = pattern.left(slash + 1);
  if (IsDrivesFolder(folder))
    return false;
  const bool ownListing = !m_listing;
  if (ownListing)
    m_listing.reset(new Listing(*m_platform, m_formats, *m_texts, m_snapshots));
  std::vector<FileListEntry> added;
  const bool any = AddEntriesIn(folder, EncodeName(folder), pattern.mid(slash + 1), attributeMask, added);
  AppendEntries(std::move(added));
  if (ownListing)
    m_listing.reset();
  return any;
}

void TZelvoRenameFileListView::AddSubfolderFiles(const QString &folder, const QString &mask,
                                                 std::uint32_t fileMask, std::uint32_t folderMask) {
  const bool ownListing = !m_listing;
  if (ownListing)
    m_listing.reset(new Listing(*m_platform, m_formats, *m_texts, m_snapshots));
  const QString start = WithTrailingBackslash(folder);
  std::vector<FileListEntry> added;
  WalkSubfolders(start, EncodeName(start), SplitMask(mask), fileMask, folderMask, added);
  AppendEntries(std::move(added));
  if (ownListing)
    m_listing.reset();
}

void TZelvoRenameFileListView::ListDrives() {
  std::vector<FileListEntry> added;
  for (const Volume &volume : m_platform->Volumes->Volumes()) {
    const QString point = DecodeName(volume.MountPoint);
    FileListEntry e;
    e.Caption = QStringLiteral(" (") + point + QStringLiteral(")  ") + volume.Label;
    e.SubItems[SubFolder] = DriveTypeText(volume.Type, *m_texts);
    e.SubItems[SubFullPath] = WithTrailingBackslash(point);
    e.SubItems[SubKind] = QStringLiteral("drv");
    e.SetIconKey(DriveIconKey(volume.Type));
    e.NativePath = volume.MountPoint.endsWith('/') ? volume.MountPoint : volume.MountPoint + '/';
    added.push_back(std::move(e));
  }
  AppendEntries(std::move(added));
}
