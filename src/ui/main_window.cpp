#include "ui/main_window.h"

#include "ui/errors_dialog.h"
#include "ui/options_menu.h"
#include "ui/preview_delegate.h"
#include "ui_main_window.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>

TfZelvoRename::TfZelvoRename(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfZelvoRename>()) {
  setObjectName(QStringLiteral("fZelvoRename"));
  ui->setupUi(this);
  setWindowTitle(BaseCaption());
  CreateListViews();
  m_optionsMenu = BuildOptionsMenu(this);
  m_errors = new TfErrors(this);
  ui->Splitter2->setStretchFactor(0, 1);
  ui->Splitter2->setStretchFactor(1, 0);
  resize(640, 480);
}

TfZelvoRename::~TfZelvoRename() = default;

// The folder drop-down and the file list.
void TfZelvoRename::CreateListViews() {
  auto *drive = new QLineEdit(ui->DriveViewSlot);
  drive->setReadOnly(true);
  drive->setObjectName(QStringLiteral("DriveView1"));
  ui->DriveViewSlot->layout()->addWidget(drive);
  m_driveView = drive;
  auto *list = new QTreeView(ui->DirViewSlot);
  list->setObjectName(QStringLiteral("DirView1"));
  list->setRootIsDecorated(false);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  ui->DirViewSlot->layout()->addWidget(list);
  m_dirView = list;
}

void TfZelvoRename::contextMenuEvent(QContextMenuEvent *event) {
  m_optionsMenu->popup(event->globalPos());
}

bool TfZelvoRename::eventFilter(QObject *watched, QEvent *event) {
  return QMainWindow::eventFilter(watched, event);
}
