#include "engine/rename_session.h"

#include "engine/batch_scripts.h"
#include "engine/folder_names.h"
#include "engine/journalled_run.h"
#include "engine/option_rules.h"
#include "engine/undo.h"
#include "explorer/explorer_helpers.h"
#include "explorer/file_list_view.h"
#include "platform/native_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A mask no file matches: setting it and then the real mask makes the list read the folder again.
const QString kNothingMask = QStringLiteral("ZelvoRenameemaneRovleZ");

} // namespace

RenameSession::RenameSession(RenameOptions &options, TZelvoRenameFileListView &list, TextExpansion *expansion)
    : m_options(options), m_list(list), m_expansion(expansion) {}

QString RenameSession::UpdateAll() {
  ++m_refreshCount;
  RefreshSources sources{m_options, m_list.Entries(), m_list.Directory(), m_expansion, m_previewTexts};
  if (m_folderNames && m_options.cMakeNamesUnique) {
    m_folderNames->Offer(m_list.TakeFolderSnapshots());
    sources.folderNames = m_folderNames;
  }
  m_lastRefreshError = ::UpdateAll(sources, m_preview, m_state);
  return m_lastRefreshError;
}

QString RenameSession::OptionChanged() {
  if (::OptionChanged(m_options) == RefreshReaction::UpdateAll)
    return UpdateAll();
  PutMessage(m_preview, m_previewTexts);
  return {};
}

QString RenameSession::LanguageChanged() {
  m_preview.PreviewValid = true;
  return OptionChanged();
}

void RenameSession::ReloadList() {
  m_list.SetMask(kNothingMask);
  m_list.SetMask(m_options.tMask.isEmpty() ? QStringLiteral("*.*") : m_options.tMask);
}

void RenameSession::EnsurePreview() {
  if (!m_preview.PreviewValid)
    UpdateAll();
}

RenameErrorRecord
RenameSession::RenameAll(const RunProgress &progress,
                         const std::function<void(const RenameErrorRecord &)> &failuresFound) {
  if (IsDrivesFolder(m_list.Directory()))
    return {};
  EnsurePreview();
  if (!m_preview.PreviewValid) // the preview holds a message (a pattern that cannot be used), no names
    return {};
  RenameRunControl control;
  control.progress = progress;
  const RenameRunResult run = RunJournalled(m_options, m_list.Entries(), m_preview.lZelvoList, control);
  m_undo = run.undo;
  m_lastRenamed = run.renamed;
  m_lastNotRenamed = run.errors.size() + run.notTaken;
  if (failuresFound && !run.errors.isEmpty())
    failuresFound(run.errors);
  const QString maskBefore = m_options.tMask;
  m_options.ResetAfterRename();
  if (m_options.tMask != maskBefore) {
    ListSwitches switches{m_list.RecurseDirs(), m_list.ShowFolders()};
    MaskChanged(m_options, switches);
    m_list.SetRecurseDirs(switches.recurse);
    m_list.SetShowFolders(switches.showFolders);
  }
  ReloadList();
  UpdateAll();
  m_undoAvailable = run.renamed > 0;
  return run.errors;
}

RenameErrorRecord RenameSession::Undo() {
  RenameErrorRecord failures = UndoRenames(m_undo);
  m_lastPutBack = NamesPutBack(m_undo, failures);
  ReloadList();
  m_undoAvailable = false;
  UpdateAll();
  return failures;
}

bool RenameSession::EditInPlace(int index, QString &text) {
  if (index < 0 || index >= m_list.Count())
    return false;
  const FileListEntry &entry = m_list.Entry(index);
  if (!RenameInPlace(entry, text).ok()) {
    text = entry.Caption;
    return false;
  }
  if (index < m_preview.lZelvoList.size())
    m_preview.lZelvoList[index] = text;
  UpdateAll();
  return true;
}

SaveOutcome RenameSession::Save(const QString &path, const QByteArray &bytes, bool scriptNotice,
                                FileMode mode, const Confirm &confirmOverwrite) {
  SaveOutcome outcome;
  outcome.path = path;
  const QString folder = QDir::currentPath();
  if (NativeExists(outcome.path)) {
    const QString question = m_texts.sSelectedFile + QStringLiteral(" \"") + outcome.path +
                             QStringLiteral("\" ") + m_texts.sAlreadyExists;
    if (!confirmOverwrite || !confirmOverwrite(question)) {
      outcome.kind = SaveOutcome::Declined;
      return outcome;
    }
  }
  const QString error = WriteWholeFile(outcome.path, bytes, mode);
  if (!error.isEmpty()) {
    outcome.kind = SaveOutcome::Failed;
    outcome.message = error;
    return outcome;
  }
  outcome.message = scriptNotice ? m_texts.sFile + QStringLiteral(": \"") + outcome.path +
                                       QStringLiteral("\" ") + m_texts.sSaved + QLatin1Char('.')
                                 : QStringLiteral("File: \"") + outcome.path + QStringLiteral("\" Saved");
  // A file written into the listed folder shows up in the list.
  QDir::setCurrent(folder);
  ReloadList();
  UpdateAll();
  return outcome;
}

SaveOutcome RenameSession::SavePreviewText(const QString &chosenPath, const Confirm &confirmOverwrite) {
  EnsurePreview();
  return Save(WithRequiredExtension(chosenPath, kPreviewTextTarget),
              MakePreviewText(m_preview.lZelvoList,
                              m_preview.PreviewValid ? m_list.Entries() : std::span<const FileListEntry>()),
              false, FileMode::Plain, confirmOverwrite);
}

SaveOutcome RenameSession::SaveRenameScript(const QString &chosenPath, const Confirm &confirmOverwrite,
                                            bool shellFilterChosen) {
  EnsurePreview();
  const ScriptFile file = ChooseScriptFile(chosenPath, kRenameScriptTarget, shellFilterChosen);
  // The drives view pairs no entry with a line, nor does a preview that holds a message: the script
  // renames nothing.
  const ScriptText script =
      IsDrivesFolder(m_list.Directory()) || !m_preview.PreviewValid
          ? MakeRenameScript(m_options, {}, {}, file.format)
          : MakeRenameScript(m_options, m_list.Entries(), m_preview.lZelvoList, file.format);
  return Save(file.path, script.text, true, RunMode(file.format), confirmOverwrite);
}

SaveOutcome RenameSession::SaveUndoScript(const QString &chosenPath, const Confirm &confirmOverwrite,
                                          bool shellFilterChosen) {
  EnsurePreview();
  const ScriptFile file = ChooseScriptFile(chosenPath, kUndoScriptTarget, shellFilterChosen);
  return Save(file.path, MakeUndoScript(m_undo, file.format).text, true, RunMode(file.format),
              confirmOverwrite);
}
