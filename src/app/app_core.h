// The application core of the main window: the options, the file list, the preview and the
// language it shows, what each command does and when the preview is refreshed. QtCore only; the
// window binds its widgets to it and shows what it announces.
#pragma once

#include "app/dialog_hook.h"
#include "app/preview_model.h"
#include "app/run_result.h"
#include "engine/folder_names.h"
#include "engine/rename_options.h"
#include "engine/rename_run.h"
#include "engine/rename_session.h"
#include "explorer/file_list_view.h"
#include "lang/language_texts.h"
#include "settings/shell_extension.h"
#include "variables/text_list.h"
#include "variables/variable_expander.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

struct Platform;

// The window preferences of the More Options tab and their menu twins.
struct WindowPreferences {
  bool cStartMaximized = false;
  bool cRememberLastPath = true;
  bool cRemWinProPos = false;
};

// What the preview should do after a click or key release in the file list.
struct PreviewFollow {
  bool follow = false; // false: leave the preview as it is
  int topRow = -1;     // make this the first visible preview line
  int currentRow = -1; // select this preview line
};

// What the file list should do after a click in the preview: select one entry alone, or nothing.
struct ListFollow {
  bool follow = false;
  int selectRow = -1;
};

class AppCore : public QObject {
  Q_OBJECT
public:
  // dialogs must outlive the core. platform: the file list's services (nullptr: the system's).
  explicit AppCore(DialogHook &dialogs, const Platform *platform = nullptr, QObject *parent = nullptr);
  ~AppCore() override;

  // ---- What the window shows.
  const RenameOptions &Options() const { return m_options; }
  const WindowPreferences &Preferences() const { return m_preferences; }
  TZelvoRenameFileListView &FileList() { return *m_list; }
  const TZelvoRenameFileListView &FileList() const { return *m_list; }
  PreviewModel &PreviewList() { return *m_preview; }
  VariableExpander &Expander() { return m_expander; }
  const TextList &TextListLines() const { return m_textList; }
  RenameSession &Session() { return *m_session; }
  const LanguageTexts &Texts() const { return m_texts; }
  int CurrentLanguage() const { return m_currentLanguage; }
  bool PreviewValid() const;
  // The text field whose content stopped the last refresh (a pattern that does not compile, a
  // replacement naming a group the pattern lacks), shown in the error colour; empty when none.
  const QString &FieldInError() const { return m_fieldInError; }
  bool UndoAvailable() const;
  bool Active() const { return m_active; }
  // cWorkWithFolders can be changed only while folders are shown.
  bool WorkWithFoldersEnabled() const { return m_options.cViewFolders; }
  QString FormCaption() const { return m_formCaption; }
  QString FormHint() const { return m_formHint; }
  // Every caption of the window in the current language, by object name (see caption_table.h).
  QHash<QString, QString> Captions() const;
  // The number of refreshes of the preview so far.
  int RefreshCount() const;

  // The text field the variables menu writes into: 1 to 8, or 0 before any was chosen.
  int VariableTarget() const { return m_variableTarget; }
  // A mouse button pressed in a field: the eight variable-capable fields become the target.
  void FieldPressed(QStringView objectName);
  // The target number of a variable-capable field, or 0.
  static int VariableTargetOf(QStringView objectName);
  // The field a target number stands for (empty for 0 or an unknown number).
  static QString VariableTargetName(int target);
  // An item of the variables menu: the tag goes to the end of the target field's text, which counts
  // as a change of that field. Returns the field changed, or empty when there is no target.
  QString HelpWithVariables(const QString &tag);

  // ---- The text list editor. Its lines reach "\T" at the next refresh.
  // Runs the editor (showModal shows it and returns when it is closed), then puts the working folder
  // back to the file list's folder: a file dialog may have moved it.
  void btnEditorClick(const std::function<void()> &showModal);
  // The editor's load button: a text file chosen in the file list's folder replaces the lines.
  // False when the lines stayed as they were.
  bool btnLoadTXTClick();
  // The editor's new button: no lines, no caption.
  void btnNewClick();
  // The editor's text, one line of the list per line.
  void SetTextListText(const QString &text);

  // ---- Option fields, as the user changes them. Each runs the field's reaction.
  // A text field (tMask, tInsertBefore...); false for an unknown name.
  bool SetText(QStringView objectName, const QString &text);
  // A check box or radio button (a radio set to true clears the others of its group), including
  // the preferences and the view switches; false for an unknown name, and for cWorkWithFolders
  // while folders are not shown. The window passes a radio
  // button only when it becomes checked, so that one click is one change.
  bool SetFlag(QStringView objectName, bool on);
  // rgTypeNumber: 0 Dec, 1 Hex, 2 Oct, 3 Bin, 4 Excel, 5 Manual.
  void SetTypeNumber(int index);
  void SetInstantRefresh(bool on) { SetFlag(u"opInstantRefresh", on); }
  void SetOnlySelected(bool on) { SetFlag(u"bCheckOnlySelectedFiles", on); }
  // Whether a typed character reaches the field.
  static bool AcceptKey(QStringView objectName, QChar key);
  // The field was left: repairs an empty or malformed number and reacts; returns the field's text.
  QString LeaveField(QStringView objectName);
  // The current text of a text field (empty for an unknown name).
  QString Text(QStringView objectName) const;
  // The current state of a check box or radio button (false for an unknown name).
  bool Flag(QStringView objectName) const;

  // ---- Commands.
  // Set Default Values: the options of the first three tabs and the view switches back to their
  // defaults, one refresh at the end. Keeps accents, path numbering, the numbering type, the
  // manual characters, instant preview, only-selected and the language.
  void InitAll();
  // Enables or disables the option controls named by ActiveControlNames().
  void SetActive(bool on);
  static const QStringList &ActiveControlNames();
  // Switches every text to a language (0 to 8; any other index shows English and is kept).
  void ChangeLanguage(int index);
  // Recomputes the preview now, whatever instant preview says.
  void UpdateAll();
  // A double click in the preview: refreshes when instant preview is off.
  void lZelvoListDblClick();
  // F5: the folder read again, then one refresh.
  void mRefreshClick();
  // The recursive listing switched (Ctrl+R).
  void mRecurseDirectoriesClick();
  // The rename and its undo.
  void btnRenameClick();
  void btnUndoClick();
  // What the last rename or undo did, as the line under the window says it in the current
  // language (empty before the first).
  const RunResult &LastRunResult() const { return m_runResult; }
  QString RunResultText() const;
  // A folder typed or pasted into the folder drop-down (absolute, "~", or relative to the folder
  // shown): the list shows it. A folder that does not exist is told about and nothing changes.
  bool OpenTypedFolder(const QString &typed);
  // The three save commands and the two options-file commands.
  void mSaveToFileClick();
  void mMakeBATClick();
  void MakeUndoBATClick();
  void mSaveZROptionsClick();
  void mOpenZROptionsClick();
  // The file list's in-place rename of entry index to text (a hidden entry is asked about first);
  // text becomes what the entry shows. The list is read again here, then refreshed once: the list
  // widget does not reload it again.
  bool EditInPlace(int index, QString &text);

  // ---- The two lists following each other.
  // A click or key release in the file list: what the preview shows next (refreshes when only
  // selected files are renamed with instant preview on). firstVisibleRow: the file list's top row.
  PreviewFollow FileListClicked(int firstVisibleRow);
  // A click in the preview on row (-1: none selected): the entry of that index becomes the file
  // list's only selected and focused entry; the window shows it.
  ListFollow PreviewClicked(int row);

  // The window's first showing: the remembered folder (when it is to be remembered), then a
  // refresh whatever instant preview says. Later showings do nothing.
  void FormShow(const QString &rememberedPath);

  // Ctrl+Tab and Ctrl+Shift+Tab on the tab strip: the tab to show next. The cycle covers the first
  // four tabs; from the fifth, forward goes to the first and backward to the fourth.
  static int NextTab(int current, bool backward);

  // ---- A rename run cut short (a crash, a kill, a power cut).
  // Where the journals of runs are looked for (empty: the user's state folder).
  void SetJournalFolder(const QString &folder) { m_journalFolder = folder; }
  // Once the window shows: when a run was cut short, says so and offers to put back the files it
  // renamed. Yes puts them back, reloads and tells what was done (an error lists what could not be
  // put back, whose journal stays); No asks whether to forget the run, else it is asked about again
  // at the next start. A run still going on in another window or command is left alone.
  void OfferRecovery();

  // ---- How long a rename run lasts before it reports progress, and how often it reports then.
  void SetProgressTiming(int delayMs, int intervalMs) {
    m_progressDelayMs = delayMs;
    m_progressIntervalMs = intervalMs;
  }

signals:
  // The preview lines were replaced (the model has been reset).
  void PreviewChanged();
  // Any number of option values changed at once: push every value into the widgets.
  void OptionsReset();
  // One option was changed by the core itself (a repair, a consequence): push that value.
  void OptionValueChanged(const QString &objectName);
  void ActiveChanged(bool on);
  void UndoAvailableChanged(bool available);
  void WorkWithFoldersEnabledChanged(bool enabled);
  void CaptionChanged(const QString &caption);
  void HintChanged(const QString &hint);
  // FieldInError() changed: the field named before (if any) and the one named now (if any).
  void FieldInErrorChanged(const QString &before, const QString &now);
  // After the texts changed: the window applies Captions().
  void LanguageChanged(int index);
  // The entries a rename run could not rename, for the error list.
  void ErrorsToShow(const RenameErrorRecord &errors);
  // The line telling what the last rename or undo did changed (also with the language).
  void RunResultChanged(const QString &text);
  // The file manager entry must be registered again with this text (the language changed).
  void ShellEntryCaptionChanged(const QString &caption);

  // The file manager entry was added or removed: btnShellOptions shows the other command now.
  void ShellEntryInstalledChanged(bool installed);

public:
  // ---- The file manager entry "Zelvo Rename from Here".
  // Whether the entry is installed, as last read or changed.
  bool ShellEntryInstalled() const { return m_shellEntryInstalled; }
  void SetShellEntryInstalled(bool on) { m_shellEntryInstalled = on; }
  // Where the entry goes and the program it starts (by default the user's folders and the
  // running program).
  void SetShellExtension(const ShellExtension &extension, const QString &programPath);
  // Reads whether the entry is installed from its "Drive" record.
  void ReadShellEntryState();
  // Removes the entry when it is installed, else adds it in the current language. A failure is
  // shown as an error and leaves the entry as it was.
  void btnShellOptionsClick();

private:
  class RefreshHold;
  friend class RefreshHold;

  void ConnectList();
  void OnReloadStarted();
  void OnListFilled();
  void OnListSorted();
  void RequestOptionChanged();
  void RunOptionChanged();
  void Refresh();
  void SyncPreview();
  void WriteFormCaption();
  void ApplyListSwitches(bool recurse, bool showFolders);
  void ApplyMaskChange();
  void SetUndoAvailable(bool available);
  void SetRunResult(const RunResult &result);
  void ReloadAndRefresh();
  using SaveCommand = std::function<SaveOutcome(const QString &path, const RenameSession::Confirm &confirm)>;
  void RunSave(const QString &fileName, const QString &filter, const SaveCommand &save);
  void ApplyTexts();
  QString JournalFolderUsed() const;
  [[nodiscard]] bool ShowShellEntryFailure(const ShellEntryStatus &status);

  DialogHook &m_dialogs;
  RenameOptions m_options;
  WindowPreferences m_preferences;
  std::unique_ptr<TZelvoRenameFileListView> m_list;
  std::unique_ptr<PreviewModel> m_preview;
  VariableExpander m_expander;
  TextList m_textList;
  std::unique_ptr<RenameSession> m_session;
  LanguageTexts m_texts;
  PreviewTexts m_previewTexts;
  int m_currentLanguage = 0;
  bool m_active = true;
  bool m_undoAvailable = false;
  RunResult m_runResult;
  bool m_shellEntryInstalled = false;
  ShellExtension m_shellExtension;
  QString m_programPath;
  QString m_journalFolder;
  FolderNameCache m_folderNames; // what the conflict check read, for the next refresh
  int m_variableTarget = 0;
  QString m_formCaption;
  QString m_formHint;
  int m_progressDelayMs = 500;
  int m_progressIntervalMs = 50;
  int m_reportedRefresh = 0;
  QString m_fieldInError;
  bool m_firstShow = true;
  // Refreshes asked for while held run once when the last hold ends.
  int m_holds = 0;
  bool m_refreshPending = false;
  bool m_inReload = false;
};
