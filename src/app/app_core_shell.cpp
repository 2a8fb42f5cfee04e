// The application core's file manager entry: added, removed and rewritten in a new language.
#include "app/app_core.h"

#include <QCoreApplication>

void AppCore::SetShellExtension(const ShellExtension &extension, const QString &programPath) {
  m_shellExtension = extension;
  m_programPath = programPath;
}

void AppCore::ReadShellEntryState() {
  m_shellEntryInstalled = m_shellExtension.Installed();
  emit ShellEntryInstalledChanged(m_shellEntryInstalled);
}

bool AppCore::ShowShellEntryFailure(const ShellEntryStatus &status) {
  if (status.ok())
    return false;
  m_dialogs.ShowError(m_texts.sFileError + QStringLiteral(" \"") + status.path + QStringLiteral("\"\n") +
                      status.reason);
  return true;
}

void AppCore::btnShellOptionsClick() {
  const bool installed = !m_shellEntryInstalled;
  if (ShowShellEntryFailure(
          installed ? m_shellExtension.WriteShellExtension(m_texts.sShellEntryCaption, m_programPath)
                    : m_shellExtension.RemoveShellExtension()))
    return;
  m_shellEntryInstalled = installed;
  emit ShellEntryInstalledChanged(installed);
}
