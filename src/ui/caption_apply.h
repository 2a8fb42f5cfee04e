// Writes captions into the widgets, actions and tabs named by a caption table.
#pragma once

#include <QHash>
#include <QString>

class QWidget;

// Sets each named object's caption: buttons, labels, group boxes, actions and sub-menus by object
// name; "TabControl1#i" the tab of that index; "rgTypeNumber#i" the numbering type's button i;
// "TfZelvoRename" the window caption. Names without an object in window are left out (menus that
// are not built yet). Returns the number of captions written.
int ApplyCaptions(QWidget *window, const QHash<QString, QString> &captions);
