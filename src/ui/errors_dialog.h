// The list of the files a rename run could not rename, each with its icon and the reason.
#pragma once

#include <QDialog>
#include <QIcon>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

class TfErrors : public QDialog {
  Q_OBJECT
public:
  explicit TfErrors(QWidget *parent = nullptr);

  // One failed entry: its full old path, its index in the file list and why it failed.
  struct Failure {
    QString path;
    int index = -1;
    QString reason;
    QIcon icon;
    bool hidden = false;
  };
  // Fills the dialog for one run: caption, heading and the failures in order.
  void SetUp(const QString &title, const QString &heading, const QList<Failure> &failures);

  int Count() const;
  QString PathAt(int row) const;
  int IndexAt(int row) const; // the entry's index in the file list

private:
  QLabel *m_heading;
  QListWidget *m_list;
  QPushButton *m_ok;
};
