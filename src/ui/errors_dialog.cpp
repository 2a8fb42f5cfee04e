#include "ui/errors_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfErrors::TfErrors(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fErrors"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("Errors While Renaming Files"));
  auto *layout = new QVBoxLayout(this);
  m_heading = new QLabel(QStringLiteral("These Files have not been Renamed:"), this);
  m_heading->setObjectName(QStringLiteral("Label1"));
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("lFileNames"));
  m_list->setUniformItemSizes(true);
  m_list->setIconSize(QSize(16, 16));
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("OKButton"));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(m_heading);
  layout->addWidget(m_list, 1);
  layout->addWidget(m_ok, 0, Qt::AlignRight);
  resize(520, 300);
}

void TfErrors::SetUp(const QString &title, const QString &heading, const QList<Failure> &failures) {
  setWindowTitle(title);
  m_heading->setText(heading);
  m_list->clear();
  const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
  for (const Failure &failure : failures) {
    auto *item = new QListWidgetItem(failure.icon, failure.path, m_list);
    item->setData(Qt::UserRole, failure.index);
    if (!failure.reason.isEmpty())
      item->setToolTip(failure.reason);
    if (failure.hidden)
      item->setForeground(grey);
  }
}

int TfErrors::Count() const {
  return m_list->count();
}

QString TfErrors::PathAt(int row) const {
  return m_list->item(row)->text();
}

int TfErrors::IndexAt(int row) const {
  return m_list->item(row)->data(Qt::UserRole).toInt();
}
