// The window's answers to the core's questions: message boxes, file dialogs and the progress of a
// long rename run; also how the window runs its own modal dialogs, so tests can answer them all.
#pragma once

#include "app/dialog_hook.h"

#include <QPointer>

class QDialog;
class QProgressDialog;
class QWidget;

class TWidgetDialogs : public DialogHook {
public:
  explicit TWidgetDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
  ~TWidgetDialogs() override;
  void SetParent(QWidget *parent) { m_parent = parent; }

  bool Confirm(const QString &message) override;
  void ShowError(const QString &message) override;
  void ShowInformation(const QString &message) override;
  std::optional<QString> ChooseSaveFile(const FileChoice &choice) override;
  QString ChosenFilter() const override;
  std::optional<QString> ChooseOpenFile(const FileChoice &choice) override;
  bool RenameProgress(qsizetype done, qsizetype total) override;
  void RenameProgressEnded() override;

  // Shows one of the window's own dialogs (the rename error list) and waits until it is closed.
  virtual void RunModal(QDialog &dialog);

private:
  QPointer<QWidget> m_parent;
  QProgressDialog *m_progress = nullptr;
  QString m_chosenFilter;
};
