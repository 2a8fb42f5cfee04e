// The main window of the program.
#pragma once

#include <QMainWindow>

class TfZelvoRename : public QMainWindow {
  Q_OBJECT
public:
  explicit TfZelvoRename(QWidget *parent = nullptr);

  static QString BaseCaption() { return QStringLiteral("Zelvo Rename 2000 v4.2b"); }
};
