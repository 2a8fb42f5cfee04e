// The variables menu: its items in menu order, their nesting, design captions and the tags they append.
#pragma once

#include <span>

struct VariablesMenuItem {
  enum Kind {
    Submenu,    // opens the items that follow it one level deeper
    Tag,        // appends its tag to the target field
    OpenEditor, // opens the text list editor
  };
  const char *name; // object name
  int depth;        // 0 for the items of the menu itself
  Kind kind;
  const char *caption; // design caption ("&" marks the access key); languages replace most of them
  const char *tag;     // the variable appended; empty for a submenu or a command
};

// Every item in menu order: an item belongs to the nearest submenu above it one level up.
std::span<const VariablesMenuItem> VariablesMenuItems();
