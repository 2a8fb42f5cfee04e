// The variables menu of the eight fields that take variables, built from its item table.
#pragma once

#include <functional>

class QMenu;
class QString;
class QWidget;

// Builds PopupMenuVariables as owner's child. Items are actions named after their table entry
// ("Width1", "OpenEditor1"); a submenu is the menu "<name>Menu" whose menu action is named <name>.
// A leaf passes its tag to appendTag; "Open Editor" calls openEditor. The top-level items carry a
// picture from the icon theme.
QMenu *BuildVariablesMenu(QWidget *owner, std::function<void(const QString &tag)> appendTag,
                          std::function<void()> openEditor);
