// Small path, text and drive helpers of the file list and the folder tree.
#pragma once

#include "explorer/date_time_formats.h"
#include "explorer/explorer_texts.h"
#include "platform/file_system.h"
#include "platform/volumes.h"

#include <QString>

// Whether the path names an existing folder.
bool FolderExists(const QString &path);

// The path with one "/" at its end; an empty path stays empty.
QString WithTrailingBackslash(const QString &path);
// A non-empty path ending with "/" loses that one character.
QString WithoutTrailingBackslash(const QString &path);
// The text with one NUL character appended.
QString DoubleNullTerminate(const QString &text);
// Whether any character of the set occurs in the text.
bool ContainsAnyChar(const QString &set, const QString &text);

// Local date and time of a file time in the short date and long time formats, joined by a blank;
// empty when the file system keeps no such time or it cannot be converted.
QString FileTimeToText(const FileTime &time, const DateTimeFormats &formats = DateTimeFormats());

// "A" archive, "R" read-only, "H" hidden, "S" system, in this order; folders add nothing.
QString AttributeLetters(std::uint32_t attributes);
// "H" for a hidden item, else empty.
QString HiddenMark(std::uint32_t attributes);
// Everything after the last "." of the name; empty when there is none or it ends the name.
QString ExtensionOf(const QString &name);

// The drive type name, in the language of texts, of the volume mounted at root.
QString DriveTypeName(const QString &root, const ExplorerTexts &texts = ExplorerTextsOf(0));
QString DriveTypeText(DriveType type, const ExplorerTexts &texts = ExplorerTextsOf(0));

// The folder one level up, ending with "/"; for "/" it is "Drives", the drives view.
QString ParentFolder(const QString &folder);

// Whether the volume mounted at root answers. message receives the texts to show, one per line: the
// invalid-drive text for a root that is not an absolute path (the check still goes on), and the
// no-disk text for a volume that is not ready when showMessage.
bool DiskReady(const QString &root, bool showMessage, QString *message = nullptr,
               const ExplorerTexts &texts = ExplorerTextsOf(0));
bool DiskReady(VolumeTable &volumes, const QString &root, bool showMessage, QString *message = nullptr,
               const ExplorerTexts &texts = ExplorerTextsOf(0));

// Whether a folder text names the drives view ("Drives" in any letter case).
bool IsDrivesFolder(const QString &folder);

// The icon theme names of a path's icon, closed and open (folders open differently).
QString SmallIconKey(const QString &path);
QString OpenIconKey(const QString &path);
// The icon theme name of a volume of the given type.
QString DriveIconKey(DriveType type);
