// The variables menu of the eight fields that take variables, built from its item table.
#pragma once

#include <functional>

class QLineEdit;
class QMenu;
class QString;
class QWidget;

// Builds PopupMenuVariables as owner's child. Items are actions named after their table entry
// ("Width1", "OpenEditor1"); a submenu is the menu "<name>Menu" whose menu action is named <name>.
// A leaf passes its tag to appendTag; "Open Editor" calls openEditor. The top-level items carry a
// picture from the icon theme. The menu and its submenus scroll where they are taller than the
// screen.
QMenu *BuildVariablesMenu(QWidget *owner, std::function<void(const QString &tag)> appendTag,
                          std::function<void()> openEditor);

// The context menu of a field that takes variables: the field's own edit actions (Undo, Cut,
// Copy, Paste, Delete, Select All) first, then the items of the variables menu. It deletes itself
// when closed and scrolls where it is taller than the screen.
QMenu *FieldContextMenu(QLineEdit *field, QMenu *variables);

// Makes a menu and its submenus scroll where they are taller than the screen (instead of running
// off it or breaking into columns).
void MakeMenuScrollable(QMenu *menu);
