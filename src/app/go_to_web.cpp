#include "app/go_to_web.h"

#include "explorer/shell_calls.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

BrowserCommand SplitBrowserCommand(const QString &command) {
  const QString c = command.trimmed();
  BrowserCommand out;
  qsizetype rest = 0;
  if (c.startsWith(QLatin1Char('"'))) {
    // A quoted program may hold blanks; a backslash keeps a quote, "`", "$" or backslash after it.
    qsizetype i = 1;
    for (; i < c.size() && c.at(i) != QLatin1Char('"'); ++i) {
      if (c.at(i) == QLatin1Char('\\') && i + 1 < c.size() && QStringLiteral("\"`$\\").contains(c.at(i + 1)))
        ++i;
      out.path += c.at(i);
    }
    rest = i + 1;
  } else {
    rest = c.indexOf(QLatin1Char(' '));
    if (rest < 0)
      rest = c.size();
    out.path = c.left(rest);
  }
  QString arguments = c.mid(rest).trimmed();
  arguments.remove(QLatin1Char('"'));
  QStringList words;
  for (const QString &word : arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    if (!word.startsWith(QLatin1Char('%')))
      words << word;
  out.extraArguments = words.join(QLatin1Char(' ')).trimmed();
  return out;
}

BrowserSearch BrowserSearch::System() {
  return {QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation),
          QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
          {}};
}

TGoToWeb::TGoToWeb(QObject *parent, ShellCalls *shell)
    : QObject(parent), m_shell(shell ? shell : &DesktopShell()), m_search(BrowserSearch::System()) {}

void TGoToWeb::SetShell(ShellCalls *shell) {
  m_shell = shell ? shell : &DesktopShell();
}

QString TGoToWeb::FindBrowser() {
  QString command;
  for (const QString &mimeType : {QStringLiteral("x-scheme-handler/https"), QStringLiteral("text/html")}) {
    const QString id = DefaultApplicationFor(mimeType, m_search.configDirs, m_search.dataDirs);
    if (id.isEmpty())
      continue;
    command = DesktopEntryExec(DesktopFilePath(id, m_search.dataDirs));
    if (!command.isEmpty())
      break;
  }
  if (command.isEmpty()) {
    // xdg-open hands the page to whatever the desktop opens it with.
    m_extraArguments.clear();
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"), m_search.executablePaths);
  }
  BrowserCommand browser = SplitBrowserCommand(command);
  m_extraArguments = browser.extraArguments;
  if (!browser.path.isEmpty() && !browser.path.contains(QLatin1Char('/')))
    browser.path = QStandardPaths::findExecutable(browser.path, m_search.executablePaths);
  return browser.path;
}

bool TGoToWeb::BrowserAvailable() {
  const QString path = FindBrowser();
  return !path.isEmpty() && QFileInfo(path).isFile();
}

bool TGoToWeb::OpenUrl() {
  const QString path = FindBrowser();
  if (path.isEmpty())
    return false;
  return m_shell->Run(path, QProcess::splitCommand(m_extraArguments) << m_url, QString());
}
