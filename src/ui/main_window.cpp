#include "ui/main_window.h"

TfZelvoRename::TfZelvoRename(QWidget *parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("fZelvoRename"));
  setWindowTitle(BaseCaption());
  resize(800, 560);
}
