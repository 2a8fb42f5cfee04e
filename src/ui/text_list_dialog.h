// The text list editor: the lines that "\T" gives, one to each transformed entry in turn.
#pragma once

#include <QDialog>

class AppCore;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class TfTextList : public QDialog {
  Q_OBJECT
public:
  explicit TfTextList(QWidget *parent = nullptr);

  // Shows the lines and caption of core's text list; the buttons act on it until the next call.
  void Bind(AppCore &core);
  // The lines as typed, one line of the list per line of text however it wraps.
  QString Text() const;

private:
  void ShowList();
  void btnNewClick();
  void btnLoadTXTClick();

  AppCore *m_core = nullptr;
  QPlainTextEdit *m_lines; // oListBox
  QToolButton *m_new;      // btnNew
  QToolButton *m_load;     // btnLoadTXT
  QPushButton *m_ok;       // btnOk
};
