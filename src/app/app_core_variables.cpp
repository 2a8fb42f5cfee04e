// The commands of the application core around variables: the variables menu appending a tag to
// its target field, and the text list editor whose lines "\T" hands out.
#include "app/app_core.h"
#include "explorer/explorer_helpers.h"

#include <QDir>

QString AppCore::HelpWithVariables(const QString &tag) {
  const QString field = VariableTargetName(m_variableTarget);
  if (field.isEmpty())
    return {};
  // The field reacts here; the widget then shows the text, which matches the option and changes nothing.
  const QString text = Text(field) + tag;
  if (SetText(field, text))
    emit OptionValueChanged(field);
  return field;
}

void AppCore::btnEditorClick(const std::function<void()> &showModal) {
  const QString folder = m_list->Directory();
  showModal();
  // The drives list has no folder to go back to.
  if (!IsDrivesFolder(folder))
    QDir::setCurrent(folder);
}

bool AppCore::btnLoadTXTClick() {
  const QString folder = m_list->Directory();
  const auto chosen = m_dialogs.ChooseOpenFile({IsDrivesFolder(folder) ? QDir::currentPath() : folder,
                                                QString(), QStringLiteral("Text Files (*.txt)"), QString()});
  if (!chosen)
    return false;
  const TextList::LoadResult result = m_textList.Load(*chosen);
  switch (result.outcome) {
  case TextList::LoadOutcome::Missing:
    m_dialogs.ShowError(m_texts.sFileError + QStringLiteral(" \"") + *chosen + QLatin1Char('"'));
    return false;
  case TextList::LoadOutcome::ReadError:
    // The lines read before the error stay; the user is told the list is incomplete.
    m_dialogs.ShowError(m_texts.sFileError + QStringLiteral(" \"") + *chosen + QLatin1Char('"'));
    break;
  case TextList::LoadOutcome::Loaded:
  case TextList::LoadOutcome::Unreadable: // an empty list, no message
    break;
  }
  m_expander.SetTextListLines(m_textList.Lines());
  return true;
}

void AppCore::btnNewClick() {
  m_textList.New();
  m_expander.SetTextListLines({});
}

void AppCore::SetTextListText(const QString &text) {
  m_textList.SetText(text);
  m_expander.SetTextListLines(m_textList.Lines());
}
