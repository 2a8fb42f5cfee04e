#include "ui/errors_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { PathColumn, NewNameColumn, ReasonColumn };

} // namespace

TfErrors::TfErrors(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fErrors"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("Errors While Renaming Files"));
  auto *layout = new QVBoxLayout(this);
  m_heading = new QLabel(QStringLiteral("These Files have not been Renamed:"), this);
  m_heading->setObjectName(QStringLiteral("Label1"));
  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("lFileNames"));
  m_list->setColumnCount(3);
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setIconSize(QSize(16, 16));
  m_list->setTextElideMode(Qt::ElideMiddle);
  m_list->header()->setStretchLastSection(true);
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("OKButton"));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(m_heading);
  layout->addWidget(m_list, 1);
  layout->addWidget(m_ok, 0, Qt::AlignRight);
  resize(620, 300);
}

void TfErrors::SetUp(const Captions &captions, const QList<Failure> &failures) {
  setWindowTitle(captions.title);
  m_heading->setText(captions.heading);
  m_list->clear();
  m_list->setHeaderLabels({captions.file, captions.newName, captions.reason});
  const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
  for (const Failure &failure : failures) {
    auto *item = new QTreeWidgetItem(m_list, {failure.path, failure.newName, failure.reason});
    item->setIcon(PathColumn, failure.icon);
    item->setData(PathColumn, Qt::UserRole, failure.index);
    for (int column : {PathColumn, NewNameColumn, ReasonColumn}) {
      item->setToolTip(column, item->text(column));
      if (failure.hidden)
        item->setForeground(column, grey);
    }
  }
  // The old paths get most of the width; the new names and reasons what they need.
  const int width = this->width() - 40;
  m_list->resizeColumnToContents(NewNameColumn);
  m_list->setColumnWidth(NewNameColumn, qMin(m_list->columnWidth(NewNameColumn), width / 4));
  m_list->setColumnWidth(PathColumn, width / 2);
}

int TfErrors::Count() const {
  return m_list->topLevelItemCount();
}

QString TfErrors::PathAt(int row) const {
  return m_list->topLevelItem(row)->text(PathColumn);
}

int TfErrors::IndexAt(int row) const {
  return m_list->topLevelItem(row)->data(PathColumn, Qt::UserRole).toInt();
}

QString TfErrors::NewNameAt(int row) const {
  return m_list->topLevelItem(row)->text(NewNameColumn);
}

QString TfErrors::ReasonAt(int row) const {
  return m_list->topLevelItem(row)->text(ReasonColumn);
}
