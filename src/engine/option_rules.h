// How the numeric and text option fields filter keys, repair themselves when left, are read,
// and how a change of an option leads to a refresh.
#pragma once

#include "engine/rename_options.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// Whether a typed character reaches the field (control characters always pass). Fields without a
// filter accept everything.
bool AcceptKey(QStringView fieldName, QChar key);

// The field's text after the user leaves it: empty or malformed numbers repaired.
QString RepairOnLeave(QStringView fieldName, const QString &text);

// The message of a number that cannot be read: "'abc' is not a valid integer value".
QString InvalidIntegerMessage(const QString &text);

// A whole number in the signed 32-bit range, or nothing.
std::optional<int> ParseWholeNumber(const QString &text);

// The numbers a refresh reads, converted: crops and zero fill stop the refresh when malformed,
// start and increment fall back to 1.
struct NumericOptions {
  int leftCut = 0, rightCut = 0, leftCutEx = 0, rightCutEx = 0;
  int startAt = 1, increment = 1, zeroFill = 1;
};
struct NumericRead {
  NumericOptions values;
  QString error; // empty when every field was read
};
NumericRead ReadNumericOptions(const RenameOptions &options);

// What the window does after a change of an option.
enum class RefreshReaction { None, UpdateAll, PutMessage };

// The common reaction to a change of any rename option.
RefreshReaction OptionChanged(const RenameOptions &options);
// opInstantRefresh switched: on refreshes, off does nothing.
RefreshReaction InstantRefreshChanged(const RenameOptions &options);
// bCheckOnlySelectedFiles switched: refreshes only when switched on with instant preview on.
RefreshReaction OnlySelectedChanged(const RenameOptions &options);
// A click or key release in the file list.
RefreshReaction FileListClicked(const RenameOptions &options, bool anySelected, bool previewValid);

// rgTypeNumber set: choosing "Excel" while tStartAt reads "0" makes it "1" (0 has no letters).
// Returns true when tStartAt changed.
bool TypeNumberChanged(RenameOptions &options);

// Recursion and the folder display exclude each other; these keep options and list state in step.
struct ListSwitches {
  bool recurse = false;    // the file list lists subfolders recursively
  bool showFolders = true; // the file list shows folders
};
// cViewFolders changed: folders shown as the box says; showing them ends recursion.
void ViewFoldersChanged(const RenameOptions &options, ListSwitches &list);
// The recursion command: toggles recursion. Returns true when the user must be told that recursion
// needs "View Folders" off (it is switched off for them).
bool ToggleRecursion(RenameOptions &options, ListSwitches &list);
// tMask or tManualNumber changed: recursion ends and folders are shown again; returns the list's mask.
QString MaskChanged(RenameOptions &options, ListSwitches &list);
