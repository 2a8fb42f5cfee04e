#include "ui/explorer_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class MessageBoxes final : public ExplorerDialogs {
public:
  void ShowError(QWidget *parent, const QString &text) override {
    QMessageBox::critical(parent, QApplication::applicationName(), text, QMessageBox::Ok);
  }
  bool Confirm(QWidget *parent, const QString &text) override {
    return QMessageBox::question(parent, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
  void Beep() override { QApplication::beep(); }
};

} // namespace

ExplorerDialogs &MessageBoxDialogs() {
  static MessageBoxes boxes; // holds no state
  return boxes;
}
