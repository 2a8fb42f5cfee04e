// The texts the explorer components show by themselves (column captions, drive types, the no-disk
// message, the folder tree's root), in nine languages.
#pragma once

#include <QString>

struct ExplorerTexts {
  QString sDiskInvalid;
  QString sDiskNone;
  QString sDiskOr;
  QString sDiskNotReady;
  QString sColName;
  QString sColType;
  QString sColPath;
  QString sColExtension;
  QString sColSize;
  QString sColCreated;
  QString sColModified;
  QString sColAccessed;
  QString sColAttributes;
  QString sDriveUnknown;
  QString sDriveNoRoot;
  QString sDriveRemovable;
  QString sDriveFixed;
  QString sDriveNetwork;
  QString sDriveCdRom;
  QString sDriveRam;
  QString sComputer; // the folder tree's root, above the volumes
};

// The texts of a language: 0 English, 1 Spanish, 2 Catalan, 3 French, 4 Dutch, 5 German,
// 6 Portuguese, 7 Italian, 8 Polish; any other index gives English.
ExplorerTexts ExplorerTextsFor(int language);

// The same, built once and never changed: what a list or a tree keeps a reference to.
const ExplorerTexts &ExplorerTextsOf(int language);
