#include "ui/widget_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

const QString kSaveTitle = QStringLiteral("Save Preview Window");

// Title of the message boxes: the application's name.
QString BoxTitle() {
  return QApplication::applicationName();
}

QFileDialog::Options DialogOptions() {
  // The core asks before replacing a file, in the current language.
  return QFileDialog::DontConfirmOverwrite | QFileDialog::ReadOnly;
}

QString Start(const DialogHook::FileChoice &choice) {
  if (choice.fileName.isEmpty())
    return choice.directory;
  return QDir(choice.directory).filePath(choice.fileName);
}

} // namespace

TWidgetDialogs::~TWidgetDialogs() {
  delete m_progress;
}

bool TWidgetDialogs::Confirm(const QString &message) {
  return QMessageBox::question(m_parent, BoxTitle(), message, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void TWidgetDialogs::ShowError(const QString &message) {
  QMessageBox::critical(m_parent, BoxTitle(), message);
}

void TWidgetDialogs::ShowInformation(const QString &message) {
  QMessageBox::information(m_parent, BoxTitle(), message);
}

std::optional<QString> TWidgetDialogs::ChooseSaveFile(const FileChoice &choice) {
  QString filter;
  const QString path =
      QFileDialog::getSaveFileName(m_parent, choice.title.isEmpty() ? kSaveTitle : choice.title,
                                   Start(choice), choice.filter, &filter, DialogOptions());
  if (path.isEmpty())
    return std::nullopt;
  m_chosenFilter = filter;
  return path;
}

QString TWidgetDialogs::ChosenFilter() const {
  return m_chosenFilter;
}

std::optional<QString> TWidgetDialogs::ChooseOpenFile(const FileChoice &choice) {
  const QString path = QFileDialog::getOpenFileName(m_parent, choice.title, Start(choice), choice.filter,
                                                    nullptr, DialogOptions());
  if (path.isEmpty())
    return std::nullopt;
  return path;
}

bool TWidgetDialogs::RenameProgress(qsizetype done, qsizetype total) {
  if (!m_progress) {
    m_progress = new QProgressDialog(m_parent);
    m_progress->setObjectName(QStringLiteral("RenameProgress"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
  }
  m_progress->setMaximum(int(qMin<qsizetype>(total, INT_MAX)));
  m_progress->setValue(int(qMin<qsizetype>(done, INT_MAX)));
  QApplication::processEvents();
  return !m_progress->wasCanceled();
}

void TWidgetDialogs::RenameProgressEnded() {
  delete m_progress;
  m_progress = nullptr;
}

void TWidgetDialogs::RunModal(QDialog &dialog) {
  dialog.exec();
}
