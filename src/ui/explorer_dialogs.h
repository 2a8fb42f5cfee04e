// The messages the folder trees show, behind a small interface that tests replace.
#pragma once

#include <QString>

class QWidget;

class ExplorerDialogs {
public:
  virtual ~ExplorerDialogs() = default;
  // An error box with an OK button.
  virtual void ShowError(QWidget *parent, const QString &text) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool Confirm(QWidget *parent, const QString &text) = 0;
  // The error sound.
  virtual void Beep() = 0;
};

// Real message boxes and the desktop's beep.
ExplorerDialogs &MessageBoxDialogs();
