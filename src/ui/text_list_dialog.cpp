#include "ui/text_list_dialog.h"

#include "app/app_core.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *PictureButton(QWidget *parent, const char *name, const char *themeIcon,
                           QStyle::StandardPixmap fallback, const QString &tip) {
  auto *button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setIcon(QIcon::fromTheme(QLatin1String(themeIcon), parent->style()->standardIcon(fallback)));
  button->setIconSize(QSize(24, 24));
  button->setToolTip(tip);
  return button;
}

} // namespace

TfTextList::TfTextList(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("TfTextList"));
  setWindowTitle(QStringLiteral(" "));
  setFixedSize(335, 394);
  m_lines = new QPlainTextEdit(this);
  m_lines->setObjectName(QStringLiteral("oListBox"));
  m_lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  m_new = PictureButton(this, "btnNew", "document-new", QStyle::SP_FileIcon, QStringLiteral("New"));
  m_load = PictureButton(this, "btnLoadTXT", "document-open", QStyle::SP_DialogOpenButton,
                         QStringLiteral("Load a .TXT file"));
  m_ok = new QPushButton(QStringLiteral("&Ok"), this);
  m_ok->setObjectName(QStringLiteral("btnOk"));
  m_ok->setAutoDefault(false);

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(m_new);
  buttons->addWidget(m_load);
  buttons->addStretch();
  buttons->addWidget(m_ok);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(m_lines, 1);
  layout->addLayout(buttons);

  connect(m_new, &QToolButton::clicked, this, &TfTextList::btnNewClick);
  connect(m_load, &QToolButton::clicked, this, &TfTextList::btnLoadTXTClick);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfTextList::Bind(AppCore &core) {
  m_core = &core;
  ShowList();
}

QString TfTextList::Text() const {
  return m_lines->toPlainText();
}

void TfTextList::ShowList() {
  const TextList &list = m_core->TextListLines();
  m_lines->setPlainText(list.Text());
  setWindowTitle(list.Caption());
}

void TfTextList::btnNewClick() {
  if (!m_core)
    return;
  m_core->btnNewClick();
  ShowList();
}

void TfTextList::btnLoadTXTClick() {
  if (m_core && m_core->btnLoadTXTClick())
    ShowList();
}
