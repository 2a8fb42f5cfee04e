#include "ui/caption_apply.h"

#include "ui/option_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace {

bool SetCaption(QObject *object, const QString &text) {
  if (auto *button = qobject_cast<QAbstractButton *>(object))
    button->setText(text);
  else if (auto *label = qobject_cast<QLabel *>(object))
    label->setText(text);
  else if (auto *action = qobject_cast<QAction *>(object))
    action->setText(text);
  else if (auto *group = qobject_cast<QGroupBox *>(object))
    group->setTitle(text);
  else
    return false;
  return true;
}

} // namespace

int ApplyCaptions(QWidget *window, const QHash<QString, QString> &captions) {
  int written = 0;
  for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
    const QString &name = it.key();
    if (name == QLatin1String("TfZelvoRename")) {
      window->setWindowTitle(it.value());
      ++written;
      continue;
    }
    const qsizetype hash = name.indexOf(u'#');
    if (hash >= 0) {
      const QString owner = name.left(hash);
      const int index = name.mid(hash + 1).toInt();
      if (owner == QLatin1String("TabControl1")) {
        if (auto *tabs = window->findChild<QTabWidget *>(owner); tabs && index < tabs->count()) {
          tabs->setTabText(index, it.value());
          ++written;
        }
      } else if (owner == QLatin1String("rgTypeNumber") && index < TOptionBinder::TypeNumberNames().size()) {
        if (auto *button = window->findChild<QAbstractButton *>(TOptionBinder::TypeNumberNames()[index])) {
          button->setText(it.value());
          ++written;
        }
      }
      continue;
    }
    // Actions of sub-menus are the window's children too; one object of each name.
    if (QObject *object = window->findChild<QObject *>(name); object && SetCaption(object, it.value()))
      ++written;
  }
  return written;
}
