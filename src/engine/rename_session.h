// One user's work on the file list: the preview, the rename run with its reload and reset, undo,
// the in-place rename and the save commands. The window asks and shows; this does the rest.
#pragma once

#include "engine/batch_scripts.h"
#include "engine/preview.h"
#include "engine/rename_run.h"

#include <QString>

#include <functional>

class TZelvoRenameFileListView;

// The texts of the save commands' question and notice, in the current language.
struct SessionTexts {
  QString sSelectedFile = QStringLiteral("The selected file");
  QString sAlreadyExists = QStringLiteral("already exist. OverWrite?");
  QString sFile = QStringLiteral("File");
  QString sSaved = QStringLiteral("Saved");
};

// What a save command did.
struct SaveOutcome {
  enum Kind { Saved, Declined, Failed } kind = Saved;
  QString path;    // the file name used, with its required extension
  QString message; // Saved: the notice to show; Failed: the error
};

class RenameSession {
public:
  RenameSession(RenameOptions &options, TZelvoRenameFileListView &list, TextExpansion *expansion = nullptr);

  RenameOptions &Options() { return m_options; }
  const Preview &CurrentPreview() const { return m_preview; }
  const RefreshRunState &RunState() const { return m_state; }
  void SetPreviewTexts(const PreviewTexts *texts) { m_previewTexts = texts; }
  void SetSessionTexts(const SessionTexts &texts) { m_texts = texts; }
  // Where a refresh finds the names of the folders the list read (for names made unique), handed
  // the list's reads before every refresh; nullptr: the refresh reads the folders it needs.
  void SetFolderNames(FolderNameCache *folderNames) { m_folderNames = folderNames; }

  // Rebuilds the preview from the list and the options; returns the error that stopped it, if any.
  QString UpdateAll();
  // How many times the preview has been rebuilt, and the error that stopped the last rebuild.
  int RefreshCount() const { return m_refreshCount; }
  const QString &LastRefreshError() const { return m_lastRefreshError; }
  // The common reaction to an option change: a refresh, or the refresh hint written once.
  QString OptionChanged();
  // A change of language: the preview counts as valid again, then reacts like an option change.
  QString LanguageChanged();

  // Lists the folder again with the current mask (through a mask that matches nothing).
  void ReloadList();

  // Renames every entry to its preview line, then resets the one-shot options, reloads, refreshes
  // and makes undo available. The mask going back to "*.*" acts as a typed mask change: recursion
  // ends and folders are shown again. progress may stop the run between two entries; what was
  // renamed up to then is kept for undo. Returns the entries that were not renamed (for the error
  // list). failuresFound hears of them before anything else happens, while the list still holds
  // the entries of the run. Undo becomes available only when at least one entry got a new name.
  RenameErrorRecord RenameAll(const RunProgress &progress = {},
                              const std::function<void(const RenameErrorRecord &)> &failuresFound = {});
  const UndoRecord &LastRun() const { return m_undo; }
  bool UndoAvailable() const { return m_undoAvailable; }
  // What the last rename run did: entries that have a new name now, and entries left with their
  // old one (failures, and entries a stopped run did not reach).
  qsizetype LastRunRenamed() const { return m_lastRenamed; }
  qsizetype LastRunNotRenamed() const { return m_lastNotRenamed; }
  // Renames the last run back, newest first, then reloads and refreshes; undo is then no longer
  // available. Returns the files that could not be restored.
  RenameErrorRecord Undo();
  // How many files the last undo gave their old names back.
  qsizetype LastUndoPutBack() const { return m_lastPutBack; }

  // The in-place rename of entry index to text (the hidden-file question is the caller's). On
  // success the preview line becomes the text and the preview is refreshed; on failure text is set
  // back to the entry's caption. The caller reloads the list afterwards, as the list view does.
  bool EditInPlace(int index, QString &text);

  // The save commands. The question about an existing file goes to confirmOverwrite, which gets
  // the message and answers true only for Yes.
  using Confirm = std::function<bool(const QString &message)>;
  SaveOutcome SavePreviewText(const QString &chosenPath, const Confirm &confirmOverwrite);
  // The scripts: a name ending in ".sh", or any name but "*.bat" ones while the dialog's filter
  // kShellScriptFilter was chosen, writes a runnable shell script; else REN lines in a ".bat" file.
  SaveOutcome SaveRenameScript(const QString &chosenPath, const Confirm &confirmOverwrite,
                               bool shellFilterChosen = false);
  SaveOutcome SaveUndoScript(const QString &chosenPath, const Confirm &confirmOverwrite,
                             bool shellFilterChosen = false);

private:
  SaveOutcome Save(const QString &path, const QByteArray &bytes, bool scriptNotice, FileMode mode,
                   const Confirm &confirmOverwrite);
  void EnsurePreview();

  RenameOptions &m_options;
  TZelvoRenameFileListView &m_list;
  TextExpansion *m_expansion;
  const PreviewTexts *m_previewTexts = nullptr;
  FolderNameCache *m_folderNames = nullptr;
  SessionTexts m_texts;
  Preview m_preview;
  RefreshRunState m_state;
  UndoRecord m_undo;
  bool m_undoAvailable = false;
  qsizetype m_lastRenamed = 0;
  qsizetype m_lastNotRenamed = 0;
  qsizetype m_lastPutBack = 0;
  int m_refreshCount = 0;
  QString m_lastRefreshError;
};
