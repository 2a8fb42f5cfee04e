// The information box: the program's name, date and rights, and links to its web pages.
#pragma once

#include <QDialog>

struct AboutTexts;
class QFrame;
class QLabel;
class QPushButton;
class TGoToWeb;

class TfAbout : public QDialog {
  Q_OBJECT
public:
  explicit TfAbout(QWidget *parent = nullptr);

  // Fills the labels and the pages the links open.
  void SetUp(const AboutTexts &texts);
  // Opens the pages; tests give it a shell that starts nothing.
  TGoToWeb &GoToWeb() { return *m_goToWeb; }
  QString RequestPage() const { return m_requestPage; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QLabel *AddLabel(const char *name, bool bold);
  QLabel *AddLink(const char *name);
  void Open(const QString &url);

  QFrame *m_panel; // Panel1
  QLabel *m_productName;
  QLabel *m_date;
  QLabel *m_copyright;
  QLabel *m_webPage;
  QLabel *m_email;
  QLabel *m_freeware;
  QLabel *m_donation; // bmpDonation
  QPushButton *m_ok;  // OKButton
  TGoToWeb *m_goToWeb;
  QString m_requestPage;
  QString m_donationPage;
};
