#include "ui/options_menu.h"

#include "lang/language_texts.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace {

struct MenuItem {
  const char *name; // nullptr: a separator
  const char *caption;
  QKeyCombination shortcut = {};
  bool checkable = false;
};

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

const MenuItem kUpperItems[] = {
    {"MakeUndoBAT", "Make a UNDO .bat File"},
    {"mSavetoTXTFile", "&Save Preview to .TXT File", kCtrl | Qt::Key_P},
    {"MakeaBAT", "Make a  .BAT File", kCtrl | Qt::Key_B},
    {nullptr, nullptr},
    {"mOpenZROptions", "&Open ZR Options from .INI", kCtrl | Qt::Key_O},
    {"mSaveZROptions", "&Save ZR Options to .INI", kCtrl | Qt::Key_S},
    {"mDefaultOptions", "&Set Default Values", kCtrl | Qt::Key_D},
    {nullptr, nullptr},
};

const MenuItem kOptionsItems[] = {
    {"mStartMaximized", "&Start Maximized", {}, true},
    {"mRememberLastPath", "Remem&ber Last Path", {}, true},
    {"mRemWinProPos", "Remember Progra&m Position && Size", {}, true},
};

const MenuItem kLowerItems[] = {
    {nullptr, nullptr}, {"mRecurseDirectories", "&Recursive Directories", kCtrl | Qt::Key_R},
    {nullptr, nullptr}, {"mRefresh", "&Refresh", QKeyCombination(Qt::Key_F5)},
    {nullptr, nullptr},
};

// In the order of the language index.
const MenuItem kLanguageItems[LanguageCount] = {
    {"mLanguageEnglish", "&English", kCtrlShift | Qt::Key_F1},
    {"mLanguageEspanol", "Español", kCtrlShift | Qt::Key_F2},
    {"mCatala", "&Català", kCtrlShift | Qt::Key_F9},
    {"mLanguageFrench", "&Français", kCtrlShift | Qt::Key_F3},
    {"mLanguageDutch", "&Dutch", kCtrlShift | Qt::Key_F5},
    {"mLanguageGerman", "&German", kCtrlShift | Qt::Key_F4},
    {"Portuguese", "&Português", kCtrlShift | Qt::Key_F6},
    {"mLanguageItalian", "&Italiano", kCtrlShift | Qt::Key_F7},
    {"mLanguagePolski", "P&olski", kCtrlShift | Qt::Key_F8},
};

QAction *AddItem(QMenu *menu, QWidget *owner, const MenuItem &item) {
  if (!item.name)
    return menu->addSeparator();
  QAction *action = menu->addAction(QString::fromUtf8(item.caption));
  action->setObjectName(QString::fromLatin1(item.name));
  action->setParent(owner);
  action->setCheckable(item.checkable);
  if (item.shortcut != QKeyCombination()) {
    action->setShortcut(QKeySequence(item.shortcut));
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
  }
  return action;
}

QMenu *AddSubMenu(QMenu *menu, const char *name, const char *caption) {
  QMenu *sub = menu->addMenu(QString::fromUtf8(caption));
  sub->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menu"));
  sub->menuAction()->setObjectName(QString::fromLatin1(name));
  return sub;
}

} // namespace

QMenu *BuildOptionsMenu(QWidget *owner) {
  auto *menu = new QMenu(owner);
  menu->setObjectName(QStringLiteral("popMenuOptions"));
  for (const MenuItem &item : kUpperItems)
    AddItem(menu, owner, item);
  QMenu *options = AddSubMenu(menu, "mOptions", "&Options");
  for (const MenuItem &item : kOptionsItems)
    AddItem(options, owner, item);
  for (const MenuItem &item : kLowerItems)
    AddItem(menu, owner, item);
  QMenu *languages = AddSubMenu(menu, "mLanguage", "&Language");
  for (int index = 0; index < LanguageCount; ++index)
    AddItem(languages, owner, kLanguageItems[index])->setData(index);
  owner->findChild<QAction *>(QStringLiteral("MakeUndoBAT"))->setVisible(false);
  return menu;
}
