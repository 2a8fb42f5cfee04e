#include "ui/screenshot_runs.h"

#include "app/app_core.h"
#include "ui/errors_dialog.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i)
    QApplication::processEvents();
}

bool Save(const QPixmap &picture, const QString &path) {
  if (!picture.save(path))
    return false;
  QTextStream(stdout) << path << '\n';
  return true;
}

bool MakeFiles(const QString &folder, const QStringList &names) {
  if (!QDir().mkpath(folder))
    return false;
  for (const QString &name : names) {
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
      return false;
  }
  return true;
}

QStringList Numbered(const QString &pattern, int count) {
  QStringList names;
  for (int i = 1; i <= count; ++i)
    names << pattern.arg(i, 3, 10, QLatin1Char('0'));
  return names;
}

void Check(TfZelvoRename &window, const char *name, bool on) {
  if (auto *button = window.findChild<QAbstractButton *>(QLatin1String(name)))
    button->setChecked(on);
}

void Type(TfZelvoRename &window, const char *name, const QString &text) {
  if (auto *field = window.findChild<QLineEdit *>(QLatin1String(name)))
    field->setText(text);
}

} // namespace

int TakeRunScreenshots(TfZelvoRename &window, const QDir &folder) {
  QTemporaryDir work;
  const QString first = QDir(work.path()).filePath(QStringLiteral("Holidays 2023"));
  const QString second = QDir(work.path()).filePath(QStringLiteral("Holidays 2024"));
  QStringList secondNames = Numbered(QStringLiteral("IMG_%1.jpg"), 80);
  secondNames << Numbered(QStringLiteral("img_%1.JPG"), 40) << Numbered(QStringLiteral("img_%1.jpg"), 3);
  if (!MakeFiles(first, Numbered(QStringLiteral("DSC_%1.jpg"), 150)) || !MakeFiles(second, secondNames))
    return 3;
  int failures = 0;
  auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("TabControl1"));
  auto *list = window.findChild<QTreeView *>(QStringLiteral("DirView1"));
  if (tabs)
    tabs->setCurrentIndex(0);
  window.Core().ChangeLanguage(0);
  window.Core().InitAll(); // none of the options the earlier pictures set

  // Scrolled down in one folder, then another folder: the lines stay beside their files.
  window.OpenFolder(first);
  Settle();
  list->verticalScrollBar()->setValue(60);
  Settle();
  window.OpenFolder(second);
  Settle();
  Type(window, "tReplaceText", QStringLiteral("img_"));
  Type(window, "tReplaceTextNew", QStringLiteral("Photo "));
  Check(window, "opMatchCase", true);
  Check(window, "opReplaceText", true);
  Settle();
  list->verticalScrollBar()->setValue(72);
  Settle();
  if (!Save(window.grab(), folder.filePath(QStringLiteral("aligned-lists.png"))))
    ++failures;

  // A run in which some names are taken: the failure list, then the result line.
  Type(window, "tReplaceTextNew", QStringLiteral("IMG_"));
  Settle();
  bool listSaved = false;
  QTimer answer;
  answer.setInterval(50);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto *errors = qobject_cast<TfErrors *>(QApplication::activeModalWidget());
    if (!errors)
      return;
    Settle();
    listSaved = Save(errors->grab(), folder.filePath(QStringLiteral("failure-list.png")));
    errors->accept();
  });
  answer.start();
  if (auto *rename = window.findChild<QPushButton *>(QStringLiteral("btnRename")))
    rename->click();
  answer.stop();
  Settle();
  if (!listSaved)
    ++failures;
  if (!Save(window.grab(), folder.filePath(QStringLiteral("result-line.png"))))
    ++failures;
  return failures;
}
