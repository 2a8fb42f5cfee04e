// The questions, messages, file choices and progress that the application core asks of its window.
#pragma once

#include <QString>

#include <optional>

// The window answers these with message boxes and file dialogs; tests answer them with a fake.
// The core is given one at construction and keeps it for its whole life.
class DialogHook {
public:
  // What a file dialog is opened with. Filters are in the form of a file dialog's name filters,
  // e.g. "*.txt", "Ini Files (*.ini)", or several joined by ";;".
  struct FileChoice {
    QString directory; // the folder the dialog opens in
    QString fileName;  // the proposed name ("Preview.txt"); empty for none
    QString filter;
    QString title; // empty: the dialog's own title
  };

  virtual ~DialogHook() = default;

  // A question with Yes and No; true only for Yes.
  [[nodiscard]] virtual bool Confirm(const QString &message) = 0;
  // The general error message, with an OK button.
  virtual void ShowError(const QString &message) = 0;
  // A notice with an OK button.
  virtual void ShowInformation(const QString &message) = 0;

  // The save dialog: the chosen path, or nothing when cancelled.
  [[nodiscard]] virtual std::optional<QString> ChooseSaveFile(const FileChoice &choice) = 0;
  // The filter the user had chosen when the last save dialog was accepted (empty: the first).
  virtual QString ChosenFilter() const { return {}; }
  // The open dialog: the chosen path, or nothing when cancelled.
  [[nodiscard]] virtual std::optional<QString> ChooseOpenFile(const FileChoice &choice) = 0;

  // A rename run that takes a while reports how far it got, between two files; false stops it
  // there. The first report comes once the run has lasted a moment, never for a quick run. The
  // run reads the file list as it was when it started: the display must be modal, so that nothing
  // the user does reaches the window (and reloads the list) before the run ends.
  [[nodiscard]] virtual bool RenameProgress(qsizetype done, qsizetype total) {
    Q_UNUSED(done);
    Q_UNUSED(total);
    return true;
  }
  // The run that reported progress has ended (the progress display can go).
  virtual void RenameProgressEnded() {}
};
