// Pictures of a rename run for people without a display: the two lists aligned after a folder
// change, the failure list of a run, and the line that tells what the run did.
#pragma once

class QDir;
class TfZelvoRename;

// Saves aligned-lists.png, failure-list.png and result-line.png into folder, working on folders of
// its own; returns the number of pictures that could not be made.
int TakeRunScreenshots(TfZelvoRename &window, const QDir &folder);
