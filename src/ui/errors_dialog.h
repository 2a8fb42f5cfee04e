// The list of the files a rename run could not rename: each with its icon, the new name it should
// have had and the reason.
#pragma once

#include <QDialog>
#include <QIcon>

#include <functional>

class QLabel;
class QTreeWidget;
class QPushButton;

class TfErrors : public QDialog {
  Q_OBJECT
public:
  explicit TfErrors(QWidget *parent = nullptr);

  // One failed entry: its full old path, its index in the file list, the new name it should have
  // had and why it failed.
  struct Failure {
    QString path;
    int index = -1;
    QString newName;
    QString reason;
    QIcon icon;
    bool hidden = false;
  };
  // The captions of the dialog and of its three columns.
  struct Captions {
    QString title;
    QString heading;
    QString file;
    QString newName;
    QString reason;
  };
  // Fills the dialog for one run: captions and the failures in order.
  void SetUp(const Captions &captions, const QList<Failure> &failures);

  int Count() const;
  QString PathAt(int row) const;
  int IndexAt(int row) const; // the entry's index in the file list
  QString NewNameAt(int row) const;
  QString ReasonAt(int row) const;

private:
  QLabel *m_heading;
  QTreeWidget *m_list;
  QPushButton *m_ok;
};
