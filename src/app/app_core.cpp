#include "app/app_core.h"

#include "app/app_core_hold.h"
#include "app/caption_table.h"
#include "engine/option_fields.h"
#include "engine/option_rules.h"
#include "engine/rename_conflicts.h"
#include "explorer/explorer_helpers.h"

#include <QCoreApplication>

#include <iterator>
#include <utility>

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

} // namespace

AppCore::AppCore(DialogHook &dialogs, const Platform *platform, QObject *parent)
    : QObject(parent), m_dialogs(dialogs),
      m_list(std::make_unique<TZelvoRenameFileListView>(nullptr, platform)),
      m_preview(std::make_unique<PreviewModel>(*m_list)),
      m_session(std::make_unique<RenameSession>(m_options, *m_list, &m_expander)),
      m_programPath(QCoreApplication::applicationFilePath()) {
  m_formCaption = BaseFormCaption();
  m_session->SetPreviewTexts(&m_previewTexts);
  m_session->SetFolderNames(&m_folderNames);
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

QString AppCore::VariableTargetName(int target) {
  if (target < 1 || target > int(std::size(kVariableTargets)))
    return {};
  return QLatin1String(kVariableTargets[target - 1]);
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
  (void)m_session->OptionChanged(); // its error is reported with the new lines
  SyncPreview();
}

void AppCore::Refresh() {
  (void)m_session->UpdateAll(); // its error is reported with the new lines
  SyncPreview();
}

void AppCore::UpdateAll() {
  RefreshHold hold(*this);
  hold.Discard();
  Refresh();
}

void AppCore::SyncPreview() {
  const Preview &preview = m_session->CurrentPreview();
  if (!m_preview->Shows(preview.lZelvoList, preview.PreviewValid)) {
    // What a run would do with every line, known with every refresh (the one place it is asked).
    // The check knows the folders the list read, so that it does not read them again.
    std::vector<LineConflict> conflicts;
    m_folderNames.Offer(m_list->TakeFolderSnapshots());
    if (preview.PreviewValid)
      conflicts = CheckConflicts(m_options, m_list->Entries(), preview.lZelvoList, m_folderNames).lines;
    (void)m_preview->SetLines(preview.lZelvoList, preview.PreviewValid, std::move(conflicts));
    emit PreviewChanged();
  }
  // A refresh stopped by a number that cannot be read is told once, whoever ran it.
  if (m_session->RefreshCount() != m_reportedRefresh) {
    m_reportedRefresh = m_session->RefreshCount();
    // A field in error is told by its colour and the preview's line, not by a box on every key.
    if (!m_session->LastRefreshError().isEmpty() && preview.FieldInError.isEmpty())
      m_dialogs.ShowError(m_session->LastRefreshError());
  }
  if (preview.FieldInError != m_fieldInError) {
    const QString before = std::exchange(m_fieldInError, preview.FieldInError);
    emit FieldInErrorChanged(before, m_fieldInError);
  }
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
  if (objectName == u"cWorkWithFolders" && !WorkWithFoldersEnabled())
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
  o.opRegularExpression = o.opRegularExpressionEx = false;
  o.cMakeNamesUnique = false;
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
  if (m_runResult.kind != RunResult::None)
    emit RunResultChanged(RunResultText());
  WriteFormCaption();
  if (m_shellEntryInstalled) {
    // The entry follows the language; a failed rewrite leaves it in the old one.
    emit ShellEntryCaptionChanged(m_texts.sShellEntryCaption);
    (void)ShowShellEntryFailure(
        m_shellExtension.WriteShellExtension(m_texts.sShellEntryCaption, m_programPath));
  }
  hold.Discard();
  (void)m_session->LanguageChanged();
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

// ---- The two lists

PreviewFollow AppCore::FileListClicked(int firstVisibleRow) {
  PreviewFollow follow;
  const std::vector<int> selected = m_list->SelectedIndexes();
  if (selected.empty() || !PreviewValid())
    return follow;
  if (!IsDrivesFolder(m_list->Directory())) {
    follow.follow = true;
    follow.topRow = firstVisibleRow;
    follow.currentRow = selected.front();
  }
  if (::FileListClicked(m_options, true, true) == RefreshReaction::UpdateAll)
    UpdateAll();
  return follow;
}

ListFollow AppCore::PreviewClicked(int row) {
  if (row < 0 || !PreviewValid() || IsDrivesFolder(m_list->Directory()) || row >= m_list->Count())
    return {};
  m_list->ClearSelection();
  m_list->SetSelected(row, true);
  m_list->SetFocused(row);
  return {true, row};
}

void AppCore::FormShow(const QString &rememberedPath) {
  if (!m_firstShow)
    return;
  m_firstShow = false;
  RefreshHold hold(*this);
  if (m_preferences.cRememberLastPath && !rememberedPath.isEmpty())
    m_list->SetDirectory(rememberedPath);
  // A list still on its first directory (the drives) has not read it yet.
  if (!m_list->EverListed())
    m_list->Reload();
  hold.Discard();
  Refresh();
}

int AppCore::NextTab(int current, bool backward) {
  constexpr int cycled = 4;
  if (current < 0 || current >= cycled)
    return backward ? cycled - 1 : 0;
  return backward ? (current + cycled - 1) % cycled : (current + 1) % cycled;
}
