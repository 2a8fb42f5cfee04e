// Opens web pages in the desktop's default web browser; links do nothing when there is none.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class ShellCalls;

// A browser command taken apart: the program and the arguments it is always given.
struct BrowserCommand {
  QString path;           // without quotes
  QString extraArguments; // without quotes and without the "%" words that stand for the page
};

// The program ends at the closing quote of a quoted command, otherwise at the first blank. The rest,
// trimmed, loses every double quote and every word that starts with "%", and is trimmed again.
BrowserCommand SplitBrowserCommand(const QString &command);

enum class TBrowserState { gwMaximized, gwNormal };

// Where the browser is looked for.
struct BrowserSearch {
  QStringList configDirs;      // folders of mimeapps.list, in order of precedence
  QStringList dataDirs;        // folders whose "applications" subfolder holds desktop entries
  QStringList executablePaths; // where a program without a folder is looked for; empty: PATH
  // The running desktop's folders.
  static BrowserSearch System();
};

class TGoToWeb : public QObject {
  Q_OBJECT
public:
  // shell starts the browser (nullptr: the desktop's); it must outlive this object.
  explicit TGoToWeb(QObject *parent = nullptr, ShellCalls *shell = nullptr);

  QString Url() const { return m_url; }
  void SetUrl(const QString &url) { m_url = url; }
  QString EMail() const { return m_email; }
  void SetEMail(const QString &email) { m_email = email; }
  QString EMailSubject() const { return m_emailSubject; }
  void SetEMailSubject(const QString &subject) { m_emailSubject = subject; }
  // Kept for the caller: the desktop's window manager decides how a started browser shows.
  TBrowserState BrowserState() const { return m_browserState; }
  void SetBrowserState(TBrowserState state) { m_browserState = state; }

  void SetShell(ShellCalls *shell);
  void SetSearch(const BrowserSearch &search) { m_search = search; }

  // The browser's program: the desktop entry that handles https pages (or else HTML files), or
  // xdg-open when none does. Empty when there is none, or when the entry's program is not installed.
  // Notes the arguments the browser is always given (ExtraArguments).
  QString FindBrowser();
  QString ExtraArguments() const { return m_extraArguments; }
  // Whether a browser program exists.
  bool BrowserAvailable();
  // Starts the browser on Url, not waiting for it; whether it started.
  bool OpenUrl();

private:
  QString m_url;
  QString m_email;
  QString m_emailSubject;
  TBrowserState m_browserState = TBrowserState::gwMaximized;
  QString m_extraArguments;
  ShellCalls *m_shell;
  BrowserSearch m_search;
};
