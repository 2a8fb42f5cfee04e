// The commands of the application core that work on files: rename, undo, in-place rename, the
// save commands and the options files.
#include "app/app_core.h"
#include "app/app_core_hold.h"
#include "engine/batch_scripts.h"
#include "engine/option_rules.h"
#include "explorer/explorer_helpers.h"
#include "explorer/typed_folder.h"
#include "settings/options_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

QString WithIniExtension(const QString &path) {
  return path.right(4).toUpper() == QLatin1String(".INI") ? path : path + QStringLiteral(".ini");
}

// The scripts are batch files unless the shell script filter is chosen.
QString ScriptFilters() {
  return QStringLiteral("*.bat;;") + QLatin1String(kShellScriptFilter);
}

bool ShellFilterChosen(const DialogHook &dialogs) {
  return dialogs.ChosenFilter() == QLatin1String(kShellScriptFilter);
}

} // namespace

void AppCore::btnRenameClick() {
  if (IsDrivesFolder(m_list->Directory()))
    return;
  RefreshHold hold(*this);
  // New names from a refresh that stopped part way are not used: the error is shown again instead.
  if (!PreviewValid() || !m_session->LastRefreshError().isEmpty()) {
    Refresh();
    if (!m_session->LastRefreshError().isEmpty()) {
      hold.Discard();
      return;
    }
  }
  QElapsedTimer clock;
  clock.start();
  qint64 lastReport = -1;
  const RunProgress progress = [&](qsizetype done, qsizetype total) {
    const qint64 now = clock.elapsed();
    if (now < m_progressDelayMs || (lastReport >= 0 && now - lastReport < m_progressIntervalMs))
      return true;
    lastReport = now;
    return m_dialogs.RenameProgress(done, total);
  };
  // The failures are shown while the list still holds the entries of the run, before the folder
  // is read again and the options are reset.
  (void)m_session->RenameAll(progress, [&](const RenameErrorRecord &errors) {
    if (lastReport >= 0) {
      m_dialogs.RenameProgressEnded();
      lastReport = -1;
    }
    emit ErrorsToShow(errors);
  });
  if (lastReport >= 0)
    m_dialogs.RenameProgressEnded();
  hold.Discard(); // the session has refreshed
  SyncPreview();
  emit OptionsReset();
  emit WorkWithFoldersEnabledChanged(m_options.cViewFolders);
  SetUndoAvailable(m_session->UndoAvailable());
  SetRunResult({RunResult::Renamed, m_session->LastRunRenamed(), m_session->LastRunNotRenamed()});
}

void AppCore::btnUndoClick() {
  if (!m_undoAvailable)
    return;
  RefreshHold hold(*this);
  // Files that cannot be put back keep their new names; the result line counts them.
  const RenameErrorRecord failures = m_session->Undo();
  hold.Discard();
  SyncPreview();
  SetUndoAvailable(false);
  SetRunResult({RunResult::PutBack, m_session->LastUndoPutBack(), failures.size()});
}

void AppCore::SetRunResult(const RunResult &result) {
  m_runResult = result;
  emit RunResultChanged(RunResultText());
}

QString AppCore::RunResultText() const {
  return RunResultLine(m_runResult, m_texts);
}

bool AppCore::OpenTypedFolder(const QString &typed) {
  const QString folder = TypedFolderPath(typed, m_list->Directory());
  if (folder.isEmpty()) {
    m_dialogs.ShowError(m_texts.sFolderNotFound.arg(typed.trimmed()));
    return false;
  }
  m_list->SetDirectory(folder);
  return true;
}

bool AppCore::EditInPlace(int index, QString &text) {
  if (index < 0 || index >= m_list->Count())
    return false;
  if (m_list->Entry(index).SubItem(SubHidden) == QLatin1String("H") &&
      !m_dialogs.Confirm(m_texts.sHiddenFilePrompt)) {
    text = m_list->Entry(index).Caption;
    return false;
  }
  RefreshHold hold(*this);
  const FileListEntry &entry = m_list->Entry(index);
  const bool renamed = RenameInPlace(entry, text).ok();
  if (!renamed)
    text = entry.Caption;
  // The list shows the names on disk again: the renamed entry with all its columns.
  m_session->ReloadList();
  hold.Discard();
  Refresh();
  return renamed;
}

void AppCore::RunSave(const QString &fileName, const QString &filter, const SaveCommand &save) {
  RefreshHold hold(*this);
  if (!PreviewValid())
    Refresh();
  const QString folder = m_list->Directory();
  const auto chosen = m_dialogs.ChooseSaveFile({IsDrivesFolder(folder) ? QDir::currentPath() : folder,
                                                fileName, filter, QStringLiteral("Save Preview Window")});
  if (!chosen) {
    if (!IsDrivesFolder(folder))
      QDir::setCurrent(folder);
    hold.Discard();
    ReloadAndRefresh();
    return;
  }
  const SaveOutcome outcome =
      save(*chosen, [this](const QString &question) { return m_dialogs.Confirm(question); });
  hold.Discard();
  SyncPreview();
  if (outcome.kind == SaveOutcome::Saved)
    m_dialogs.ShowInformation(outcome.message);
  else if (outcome.kind == SaveOutcome::Failed)
    m_dialogs.ShowError(outcome.message);
}

void AppCore::mSaveToFileClick() {
  RunSave(QStringLiteral("Preview.txt"), QStringLiteral("*.txt"),
          [this](const QString &path, const RenameSession::Confirm &confirm) {
            return m_session->SavePreviewText(path, confirm);
          });
}

void AppCore::mMakeBATClick() {
  RunSave(QStringLiteral("RenameIt.bat"), ScriptFilters(),
          [this](const QString &path, const RenameSession::Confirm &confirm) {
            return m_session->SaveRenameScript(path, confirm, ShellFilterChosen(m_dialogs));
          });
}

void AppCore::MakeUndoBATClick() {
  RunSave(QStringLiteral("Undo.bat"), ScriptFilters(),
          [this](const QString &path, const RenameSession::Confirm &confirm) {
            return m_session->SaveUndoScript(path, confirm, ShellFilterChosen(m_dialogs));
          });
}

void AppCore::mSaveZROptionsClick() {
  const QString folder = m_list->Directory();
  const auto chosen = m_dialogs.ChooseSaveFile({IsDrivesFolder(folder) ? QDir::currentPath() : folder,
                                                QStringLiteral("MyOptions.INI"), QStringLiteral("*.ini"),
                                                QStringLiteral("Save Preview Window")});
  if (!chosen)
    return;
  const QString path = WithIniExtension(*chosen);
  if (QFileInfo::exists(path) && !m_dialogs.Confirm(m_texts.sSelectedFile + QStringLiteral(" \"") + path +
                                                    QStringLiteral("\" ") + m_texts.sAlreadyExists))
    return;
  if (const QString error = SaveOptionsFile(path, m_options); !error.isEmpty()) {
    m_dialogs.ShowError(error);
    return;
  }
  if (!IsDrivesFolder(folder))
    QDir::setCurrent(folder);
  ReloadAndRefresh();
}

void AppCore::mOpenZROptionsClick() {
  const QString folder = m_list->Directory();
  const auto chosen = m_dialogs.ChooseOpenFile({IsDrivesFolder(folder) ? QDir::currentPath() : folder,
                                                QString(), QStringLiteral("Ini Files (*.ini)"), QString()});
  if (!chosen)
    return;
  if (!QFileInfo::exists(*chosen)) {
    m_dialogs.ShowError(m_texts.sFileError + QStringLiteral(" \"") + *chosen + QLatin1Char('"'));
    return;
  }
  RefreshHold hold(*this);
  SetActive(false);
  const QString maskBefore = m_options.tMask;
  const QString error = LoadOptionsFile(*chosen, m_options);
  // The fields react as when set by hand, in the file's order: the numbering type comes after the
  // start value (Excel has no number 0), the mask reaches the list.
  TypeNumberChanged(m_options);
  if (m_options.tMask != maskBefore)
    ApplyMaskChange();
  if (!IsDrivesFolder(folder))
    QDir::setCurrent(folder);
  emit OptionsReset();
  SetActive(true);
  if (!error.isEmpty())
    m_dialogs.ShowError(error);
  hold.Discard();
  Refresh();
}
