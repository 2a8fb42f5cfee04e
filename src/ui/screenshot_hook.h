// Pictures of the window for people without a display: with ZELVO_SCREENSHOT_DIR set, the program
// saves the window on each tab and with its variables menu open in each language of
// ZELVO_SCREENSHOT_LANGUAGES (default "0,5"), the information box and the text list editor, the
// questions about a run cut short, a preview with a line the run would fail on, and a rename run
// (screenshot_runs.h), and ends.
#pragma once

class TfZelvoRename;

// Whether the environment asks for pictures.
bool ScreenshotsRequested();
// Saves window-<language>-tab<index>.png files; returns the program's exit code.
int TakeScreenshots(TfZelvoRename &window);
