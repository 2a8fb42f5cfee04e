// The main window: the file list beside the preview, the option tabs, the buttons and the menus,
// each bound to the application core, which decides what every action does.
#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class TfZelvoRename;
}
class QAbstractItemView;
class QMenu;
class QWidget;
class TfErrors;
class TOptionBinder;

class TfZelvoRename : public QMainWindow {
  Q_OBJECT
public:
  explicit TfZelvoRename(QWidget *parent = nullptr);
  ~TfZelvoRename() override;

  static QString BaseCaption() { return QStringLiteral("Zelvo Rename 2000 v4.2b"); }

  QMenu *OptionsMenu() const { return m_optionsMenu; }
  TfErrors *ErrorsDialog() const { return m_errors; }

protected:
  void contextMenuEvent(QContextMenuEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void CreateListViews();

  std::unique_ptr<Ui::TfZelvoRename> ui;
  QAbstractItemView *m_dirView = nullptr; // DirView1
  QWidget *m_driveView = nullptr;         // DriveView1
  QMenu *m_optionsMenu = nullptr;
  TfErrors *m_errors = nullptr;
  TOptionBinder *m_binder = nullptr;
};
