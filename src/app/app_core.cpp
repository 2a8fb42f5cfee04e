#include "app/app_core.h"

#include "app/caption_table.h"
#include "engine/option_fields.h"
#include "engine/option_rules.h"
#include "explorer/explorer_helpers.h"
#include "settings/options_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>

// While any hold lives, refreshes asked for are noted; the last hold to end runs one.
class AppCore::RefreshHold {
public:
  explicit RefreshHold(AppCore &core) : m_core(core) { ++m_core.m_holds; }
  ~RefreshHold() {
    if (--m_core.m_holds == 0 && m_core.m_refreshPending) {
      m_core.m_refreshPending = false;
      m_core.RunOptionChanged();
    }
  }
  // The operation ends with its own refresh: what was asked for meanwhile is covered by it.
  void Discard() { m_core.m_refreshPending = false; }
  RefreshHold(const RefreshHold &) = delete;
  RefreshHold &operator=(const RefreshHold &) = delete;

private:
  AppCore &m_core;
};

namespace {

constexpr const char *kVariableTargets[] = {"tChangeFilename", "tReplaceTextNew",   "tInsertBefore",
                                            "tInsertAfter",    "tChangeFileNameEx", "tReplaceTextNewEx",
                                            "tInsertBeforeEx", "tInsertAfterEx"};

bool IsNumberField(QStringView name) {
  static const QStringList fields = {"tLeftCutChars", "tRightCutChars", "tLeftCutCharsEx", "tRightCutCharsEx",
                                     "tStartAt",      "tIncrement",     "tZeroFill"};
  return fields.contains(name);
}

bool *PreferenceFlag(WindowPreferences &p, QStringView name) {
  if (name == u"cStartMaximized" || name == u"mStartMaximized")
    return &p.cStartMaximized;
  if (name == u"cRememberLastPath" || name == u"mRememberLastPath")
    return &p.cRememberLastPath;
  if (name == u"cRemWinProPos" || name == u"mRemWinProPos")
    return &p.cRemWinProPos;
  return nullptr;
}

QString WithIniExtension(const QString &path) {
  return path.right(4).toUpper() == QLatin1String(".INI") ? path : path + QStringLiteral(".ini");
}

} // namespace

AppCore::AppCore(DialogHook &dialogs, const Platform *platform, QObject *parent)
    : QObject(parent), m_dialogs(dialogs),
      m_list(std::make_unique<TZelvoRenameFileListView>(nullptr, platform)),
      m_preview(std::make_unique<PreviewModel>(*m_list)),
      m_session(std::make_unique<RenameSession>(m_options, *m_list, &m_expander)) {
  m_formCaption = BaseFormCaption();
  m_session->SetPreviewTexts(&m_previewTexts);
  ConnectList();
  ApplyTexts();
}

AppCore::~AppCore() = default;

// ---- State

bool AppCore::PreviewValid() const {
  return m_session->CurrentPreview().PreviewValid;
}
bool AppCore::UndoAvailable() const {
  return m_undoAvailable;
}
int AppCore::RefreshCount() const {
  return m_session->RefreshCount();
}

QHash<QString, QString> AppCore::Captions() const {
  return WindowCaptions(m_texts, {m_list->Directory(), m_shellEntryInstalled});
}

void AppCore::FieldPressed(QStringView objectName) {
  if (const int target = VariableTargetOf(objectName))
    m_variableTarget = target;
}

int AppCore::VariableTargetOf(QStringView objectName) {
  for (int i = 0; i < int(std::size(kVariableTargets)); ++i)
    if (objectName == QLatin1String(kVariableTargets[i]))
      return i + 1;
  return 0;
}

// ---- Refreshing

void AppCore::ConnectList() {
  connect(m_list.get(), &TZelvoRenameFileListView::ReloadStarted, this, &AppCore::OnReloadStarted);
  connect(m_list.get(), &TZelvoRenameFileListView::OnRecienOrdenado, this, &AppCore::OnListSorted);
  connect(m_list.get(), &TZelvoRenameFileListView::OnAddFiles, this, &AppCore::OnListFilled);
}

void AppCore::OnReloadStarted() {
  m_inReload = true;
}

void AppCore::OnListSorted() {
  // The sort that ends a reload is followed by the notice of the filled list.
  if (!m_inReload)
    RequestOptionChanged();
}

void AppCore::OnListFilled() {
  m_inReload = false;
  WriteFormCaption();
  RequestOptionChanged();
}

void AppCore::RequestOptionChanged() {
  if (m_holds > 0) {
    m_refreshPending = true;
    return;
  }
  RunOptionChanged();
}

void AppCore::RunOptionChanged() {
  ReportRefreshError(m_session->OptionChanged());
  SyncPreview();
}

void AppCore::Refresh() {
  ReportRefreshError(m_session->UpdateAll());
  SyncPreview();
}

void AppCore::UpdateAll() {
  RefreshHold hold(*this);
  hold.Discard();
  Refresh();
}

void AppCore::SyncPreview() {
  const Preview &preview = m_session->CurrentPreview();
  m_preview->SetLines(preview.lZelvoList, preview.PreviewValid);
  emit PreviewChanged();
}

void AppCore::ReportRefreshError(const QString &error) {
  if (!error.isEmpty())
    m_dialogs.ShowError(error);
}

void AppCore::WriteFormCaption() {
  const QString caption = ::FormCaption(m_list->Directory());
  const QString hint = ::FormHint(m_texts, m_list->NumFiles(), m_list->NumFolders());
  if (caption != m_formCaption) {
    m_formCaption = caption;
    emit CaptionChanged(caption);
  }
  if (hint != m_formHint) {
    m_formHint = hint;
    emit HintChanged(hint);
  }
}

void AppCore::ApplyListSwitches(bool recurse, bool showFolders) {
  RefreshHold hold(*this);
  // Recursion off first, so that showing folders does not list every subfolder once more.
  if (!recurse)
    m_list->SetRecurseDirs(false);
  m_list->SetShowFolders(showFolders);
  if (recurse)
    m_list->SetRecurseDirs(true);
}

void AppCore::ApplyMaskChange() {
  RefreshHold hold(*this);
  const bool viewFoldersBefore = m_options.cViewFolders;
  ListSwitches switches{m_list->RecurseDirs(), m_list->ShowFolders()};
  const QString mask = MaskChanged(m_options, switches);
  ApplyListSwitches(switches.recurse, switches.showFolders);
  m_list->SetMask(mask);
  if (m_options.cViewFolders != viewFoldersBefore) {
    emit OptionValueChanged(QStringLiteral("cViewFolders"));
    emit WorkWithFoldersEnabledChanged(m_options.cViewFolders);
  }
}

void AppCore::ReloadAndRefresh() {
  RefreshHold hold(*this);
  m_session->ReloadList();
  hold.Discard();
  Refresh();
}

void AppCore::SetUndoAvailable(bool available) {
  if (available == m_undoAvailable)
    return;
  m_undoAvailable = available;
  emit UndoAvailableChanged(available);
}

// ---- Option fields

bool AppCore::SetText(QStringView objectName, const QString &text) {
  const OptionField *field = FindOptionField(objectName);
  if (!field || field->kind != OptionField::Text)
    return false;
  QString &value = m_options.*(field->text);
  if (value == text)
    return true;
  value = text;
  RefreshHold hold(*this);
  if (objectName == u"tMask" || objectName == u"tManualNumber")
    ApplyMaskChange();
  RequestOptionChanged();
  return true;
}

bool AppCore::SetFlag(QStringView objectName, bool on) {
  if (bool *preference = PreferenceFlag(m_preferences, objectName)) {
    *preference = on;
    return true;
  }
  const OptionField *field = FindOptionField(objectName);
  if (!field || (field->kind != OptionField::Flag && field->kind != OptionField::Radio))
    return false;
  if (m_options.*(field->flag) == on)
    return true;
  SetOptionFlag(m_options, *field, on);
  RefreshHold hold(*this);
  if (objectName == u"opInstantRefresh") {
    if (InstantRefreshChanged(m_options) == RefreshReaction::UpdateAll)
      RequestOptionChanged();
  } else if (objectName == u"bCheckOnlySelectedFiles") {
    if (OnlySelectedChanged(m_options) == RefreshReaction::UpdateAll)
      RequestOptionChanged();
  } else if (objectName == u"cViewFolders") {
    ListSwitches switches{m_list->RecurseDirs(), m_list->ShowFolders()};
    ViewFoldersChanged(m_options, switches);
    ApplyListSwitches(switches.recurse, switches.showFolders);
    emit WorkWithFoldersEnabledChanged(on);
    RequestOptionChanged();
  } else if (objectName == u"cWorkWithFolders") {
    m_list->SetWorkWithFolders(on);
    RequestOptionChanged();
  } else if (objectName == u"cViewFiles") {
    m_list->SetShowFilenames(on);
    RequestOptionChanged();
  } else {
    RequestOptionChanged();
  }
  return true;
}

void AppCore::SetTypeNumber(int index) {
  if (m_options.rgTypeNumber == index)
    return;
  m_options.rgTypeNumber = index;
  if (TypeNumberChanged(m_options))
    emit OptionValueChanged(QStringLiteral("tStartAt"));
  RequestOptionChanged();
}

bool AppCore::AcceptKey(QStringView objectName, QChar key) {
  return ::AcceptKey(objectName, key);
}

QString AppCore::LeaveField(QStringView objectName) {
  const OptionField *field = FindOptionField(objectName);
  if (!field || field->kind != OptionField::Text)
    return {};
  QString &value = m_options.*(field->text);
  if (!IsNumberField(objectName))
    return value;
  const QString repaired = RepairOnLeave(objectName, value);
  if (repaired != value) {
    value = repaired;
    emit OptionValueChanged(objectName.toString());
  }
  RequestOptionChanged();
  return value;
}

QString AppCore::Text(QStringView objectName) const {
  const OptionField *field = FindOptionField(objectName);
  return field && field->kind == OptionField::Text ? m_options.*(field->text) : QString();
}

bool AppCore::Flag(QStringView objectName) const {
  if (bool *preference = PreferenceFlag(const_cast<WindowPreferences &>(m_preferences), objectName))
    return *preference;
  const OptionField *field = FindOptionField(objectName);
  return field && field->flag ? m_options.*(field->flag) : false;
}

// ---- Commands

const QStringList &AppCore::ActiveControlNames() {
  static const QStringList names = {
      "tMask",           "opReplace",         "opMatchCase",     "opLeftCutChars",
      "opRightCutChars", "opInsertBefore",    "opInsertAfter",   "opNoCaseChanges",
      "opUpperCase",     "opLowerCase",       "opFirstLetter",   "opfirstLetterLow",
      "opReplaceEx",     "opInsertBeforeEx",  "opInsertAfterEx", "opNoCaseChangesEx",
      "opUpperCaseEx",   "opLowerCaseEx",     "opFirstLetterEx", "opFirstLetterLowEx",
      "opANoChanges",    "opABeforeFilename", "opAAfterFilename"};
  return names;
}

void AppCore::SetActive(bool on) {
  if (on == m_active)
    return;
  m_active = on;
  emit ActiveChanged(on);
}

void AppCore::InitAll() {
  RefreshHold hold(*this);
  SetActive(false);
  RenameOptions &o = m_options;
  const RenameOptions defaults;
  const QString maskBefore = o.tMask;
  o.opANoChanges = true;
  o.opABeforeFilename = o.opAAfterFilename = false;
  o.opNoCaseChanges = true;
  o.opUpperCase = o.opLowerCase = o.opFirstLetter = o.opfirstLetterLow = false;
  o.opNoCaseChangesEx = true;
  o.opUpperCaseEx = o.opLowerCaseEx = o.opFirstLetterEx = o.opFirstLetterLowEx = false;
  o.opReplace = o.opReplaceEx = o.opReplaceText = o.opReplaceTextEx = false;
  o.opInsertBefore = o.opInsertBeforeEx = o.opInsertAfter = o.opInsertAfterEx = false;
  o.opLeftCutChars = o.opLeftCutCharsEx = o.opRightCutChars = o.opRightCutCharsEx = false;
  o.opMatchCase = o.opMatchCaseEx = false;
  o.tMask = defaults.tMask;
  o.tChangeFilename = o.tChangeFileNameEx = QString();
  o.tReplaceText = o.tReplaceTextEx = o.tReplaceTextNew = o.tReplaceTextNewEx = QString();
  o.tLeftCutChars = o.tRightCutChars = o.tLeftCutCharsEx = o.tRightCutCharsEx = QStringLiteral("0");
  o.tInsertBefore = o.tInsertBeforeEx = o.tInsertAfter = o.tInsertAfterEx = QString();
  o.tStartAt = o.tIncrement = o.tZeroFill = QStringLiteral("1");
  m_preferences = WindowPreferences();
  if (o.tMask != maskBefore)
    ApplyMaskChange();
  o.cViewFolders = true;
  o.cWorkWithFolders = false;
  o.cViewFiles = true;
  ApplyListSwitches(false, true);
  m_list->SetWorkWithFolders(false);
  m_list->SetShowFilenames(true);
  emit WorkWithFoldersEnabledChanged(true);
  emit OptionsReset();
  SetActive(true);
  hold.Discard();
  Refresh();
}

void AppCore::ApplyTexts() {
  m_texts = LanguageTable(m_currentLanguage);
  PreviewTexts &p = m_previewTexts;
  const LanguageTexts &t = m_texts;
  p.sPreviewHelp1 = t.sPreviewHelp1;
  p.sPreviewHelp2 = t.sPreviewHelp2;
  p.sPreviewHelp3 = t.sPreviewHelp3;
  p.sPreviewHelp4 = t.sPreviewHelp4;
  p.sPreviewHelp5 = t.sPreviewHelp5;
  p.sPreviewHelp6 = t.sPreviewHelp6;
  p.sPreviewHelp7 = t.sPreviewHelp7;
  p.sPreviewHelp8 = t.sPreviewHelp8;
  p.sPreviewHelp9 = t.sPreviewHelp9;
  p.sRefreshHint1 = t.sRefreshHint1;
  p.sRefreshHint2 = t.sRefreshHint2;
  p.sRefreshHint3 = t.sRefreshHint3;
  p.sRefreshHint4 = t.sRefreshHint4;
  m_session->SetSessionTexts({t.sSelectedFile, t.sAlreadyExists, t.sFile, t.sSaved});
}

void AppCore::ChangeLanguage(int index) {
  RefreshHold hold(*this);
  m_currentLanguage = index;
  m_list->SetLanguage(index);
  ApplyTexts();
  emit LanguageChanged(index);
  WriteFormCaption();
  if (m_shellEntryInstalled)
    emit ShellEntryCaptionChanged(m_texts.sShellEntryCaption);
  hold.Discard();
  ReportRefreshError(m_session->LanguageChanged());
  SyncPreview();
}

void AppCore::lZelvoListDblClick() {
  if (!m_options.opInstantRefresh)
    UpdateAll();
}

void AppCore::mRefreshClick() {
  ReloadAndRefresh();
}

void AppCore::mRecurseDirectoriesClick() {
  RefreshHold hold(*this);
  ListSwitches switches{m_list->RecurseDirs(), m_list->ShowFolders()};
  const bool tell = ToggleRecursion(m_options, switches);
  if (tell)
    m_dialogs.ShowInformation(m_texts.sRecurseNeedsNoFolders);
  ApplyListSwitches(switches.recurse, switches.showFolders);
  emit OptionValueChanged(QStringLiteral("cViewFolders"));
  emit WorkWithFoldersEnabledChanged(m_options.cViewFolders);
  RequestOptionChanged();
}

void AppCore::btnRenameClick() {
  if (IsDrivesFolder(m_list->Directory()))
    return;
  RefreshHold hold(*this);
  QElapsedTimer clock;
  clock.start();
  bool reported = false;
  const RunProgress progress = [&](qsizetype done, qsizetype total) {
    if (!reported && clock.elapsed() < m_progressDelayMs)
      return true;
    reported = true;
    return m_dialogs.RenameProgress(done, total);
  };
  const RenameErrorRecord errors = m_session->RenameAll(progress);
  if (reported)
    m_dialogs.RenameProgressEnded();
  hold.Discard(); // the session has refreshed
  SyncPreview();
  emit OptionsReset();
  emit WorkWithFoldersEnabledChanged(m_options.cViewFolders);
  SetUndoAvailable(true);
  if (!errors.isEmpty())
    emit ErrorsToShow(errors);
}

void AppCore::btnUndoClick() {
  if (!m_undoAvailable)
    return;
  RefreshHold hold(*this);
  (void)m_session->Undo(); // undo failures are silent: those files keep their new names
  hold.Discard();
  SyncPreview();
  SetUndoAvailable(false);
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
  const bool renamed = m_session->EditInPlace(index, text);
  hold.Discard();
  SyncPreview();
  return renamed;
}

void AppCore::RunSave(const QString &fileName, const QString &filter,
                      SaveOutcome (RenameSession::*save)(const QString &, const RenameSession::Confirm &)) {
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
  const SaveOutcome outcome = (m_session.get()->*save)(
      *chosen, [this](const QString &question) { return m_dialogs.Confirm(question); });
  hold.Discard();
  SyncPreview();
  if (outcome.kind == SaveOutcome::Saved)
    m_dialogs.ShowInformation(outcome.message);
  else if (outcome.kind == SaveOutcome::Failed)
    m_dialogs.ShowError(outcome.message);
}

void AppCore::mSaveToFileClick() {
  RunSave(QStringLiteral("Preview.txt"), QStringLiteral("*.txt"), &RenameSession::SavePreviewText);
}

void AppCore::mMakeBATClick() {
  RunSave(QStringLiteral("RenameIt.bat"), QStringLiteral("*.bat"), &RenameSession::SaveRenameScript);
}

void AppCore::MakeUndoBATClick() {
  RunSave(QStringLiteral("Undo.bat"), QStringLiteral("*.bat"), &RenameSession::SaveUndoScript);
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
  const RenameOptions before = m_options;
  const QString error = LoadOptionsFile(*chosen, m_options);
  // Each changed field reacts as when chosen by hand: the numbering type after the start value (the
  // file's order), the mask reaching the list.
  if (m_options.rgTypeNumber != before.rgTypeNumber)
    TypeNumberChanged(m_options);
  if (m_options.tMask != before.tMask)
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

// ---- The two lists

PreviewFollow AppCore::FileListClicked(int firstVisibleRow) {
  PreviewFollow follow;
  const std::vector<int> selected = m_list->SelectedIndexes();
  if (selected.empty() || !PreviewValid())
    return follow;
  if (!IsDrivesFolder(m_list->Directory())) {
    follow.follow = true;
    follow.topRow = firstVisibleRow;
    const int focused = m_list->FocusedIndex();
    follow.currentRow = focused >= 0 && m_list->Entry(focused).Selected ? focused : selected.front();
  }
  if (::FileListClicked(m_options, true, true) == RefreshReaction::UpdateAll)
    UpdateAll();
  return follow;
}

ListFollow AppCore::PreviewClicked(int row) const {
  if (row < 0 || !PreviewValid() || IsDrivesFolder(m_list->Directory()) || row >= m_list->Count())
    return {};
  return {true, row};
}

int AppCore::NextTab(int current, bool backward) {
  constexpr int cycled = 4;
  if (current < 0 || current >= cycled)
    return backward ? cycled - 1 : 0;
  return backward ? (current + cycled - 1) % cycled : (current + 1) % cycled;
}
