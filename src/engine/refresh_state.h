// The counters one refresh of the preview shares with the numbering and the variable expansion.
#pragma once

struct RefreshRunState {
  int AutoNumberCounter = 1;       // number of the entry being processed; may be negative
  int AutoNumberZeroFill = 1;      // zero fill in force; 0 or less pads nothing
  int AutoNumberTypeOverride = -1; // number type used instead of rgTypeNumber; -1 for none
  int SkippedEntries = 0;          // entries of this refresh passed through unchanged
};
