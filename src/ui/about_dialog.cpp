#include "ui/about_dialog.h"

#include "app/about_texts.h"
#include "app/go_to_web.h"
#include "ui/program_icon.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The donation picture: a small golden badge.
QPixmap DonationPicture() {
  QPixmap picture(88, 26);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(0x9a, 0x6b, 0x00));
  painter.setBrush(QColor(0xff, 0xc4, 0x39));
  painter.drawRoundedRect(QRectF(0.5, 0.5, 87, 25), 12, 12);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x10, 0x2a, 0x60));
  painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Donate"));
  return picture;
}

} // namespace

TfAbout::TfAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("TfAbout"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(305, 370);

  m_panel = new QFrame(this);
  m_panel->setObjectName(QStringLiteral("Panel1"));
  m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto *panelLayout = new QVBoxLayout(m_panel);
  panelLayout->setSpacing(6);

  auto *icon = new QLabel(m_panel);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setPixmap(ProgramIcon().pixmap(48, 48));
  panelLayout->addWidget(icon, 0, Qt::AlignHCenter);
  m_productName = AddLabel("lProductName", true);
  m_date = AddLabel("lDate", false);
  m_copyright = AddLabel("lCopyright", false);
  m_copyright->setWordWrap(true);
  panelLayout->addSpacing(8);
  m_webPage = AddLink("lWebPage");
  m_email = AddLink("lEmail");
  panelLayout->addSpacing(8);
  m_freeware = AddLabel("lfreeware", true);
  m_donation = new QLabel(m_panel);
  m_donation->setObjectName(QStringLiteral("bmpDonation"));
  m_donation->setPixmap(DonationPicture());
  m_donation->setCursor(Qt::PointingHandCursor);
  m_donation->installEventFilter(this);
  panelLayout->addWidget(m_donation, 0, Qt::AlignHCenter);
  panelLayout->addStretch();

  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("OKButton"));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(m_panel, 1);
  layout->addWidget(m_ok, 0, Qt::AlignHCenter);

  m_goToWeb = new TGoToWeb(this);
  m_goToWeb->setObjectName(QStringLiteral("GoToWeb"));
  m_goToWeb->SetEMailSubject(QStringLiteral("Zelvo Rename"));
  m_goToWeb->SetBrowserState(TBrowserState::gwMaximized);
}

QLabel *TfAbout::AddLabel(const char *name, bool bold) {
  auto *label = new QLabel(m_panel);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignHCenter);
  label->setTextFormat(Qt::PlainText);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  m_panel->layout()->addWidget(label);
  return label;
}

QLabel *TfAbout::AddLink(const char *name) {
  QLabel *label = AddLabel(name, false);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
  label->installEventFilter(this);
  return label;
}

void TfAbout::SetUp(const AboutTexts &texts) {
  m_productName->setText(texts.productName);
  m_copyright->setText(texts.copyright);
  m_webPage->setText(texts.webPage);
  m_email->setText(texts.email);
  m_freeware->setText(texts.freeware);
  m_date->setText(texts.date);
  m_requestPage = texts.requestPage;
  m_donationPage = texts.donationPage;
  m_goToWeb->SetUrl(texts.webPage);
  m_goToWeb->SetEMail(texts.contact);
  m_goToWeb->SetEMailSubject(texts.productName);
}

// With no browser a link does nothing, and tells nothing.
void TfAbout::Open(const QString &url) {
  if (!m_goToWeb->BrowserAvailable())
    return;
  m_goToWeb->SetUrl(url);
  (void)m_goToWeb->OpenUrl();
}

bool TfAbout::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
    if (watched == m_webPage)
      Open(m_webPage->text());
    else if (watched == m_email)
      Open(m_requestPage);
    else if (watched == m_donation)
      Open(m_donationPage);
  }
  return QDialog::eventFilter(watched, event);
}
