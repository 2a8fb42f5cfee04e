// The window's options menu, built from one table: items, shortcuts and the two sub-menus.
#pragma once

class QMenu;
class QWidget;

// Builds popMenuOptions as owner's child. Every action is also added to owner so that its shortcut
// works while the menu is closed; find them by object name ("mRefresh", "mLanguageGerman"). The
// language items carry their language index as data; the three items of mOptions are checkable.
QMenu *BuildOptionsMenu(QWidget *owner);
