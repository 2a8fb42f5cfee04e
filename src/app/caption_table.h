// Every caption of the main window and its menus, from the language texts: one table of
// {object name, text slot} plus the captions composed of several texts.
#pragma once

#include "lang/language_texts.h"

#include <QHash>
#include <QString>

#include <span>

// Object names address widgets, actions and menus by their objectName. Items that have no object
// of their own are addressed as "<owner>#<index>": the tabs of the tab strip as "TabControl1#0" to
// "TabControl1#4", the items of the numbering type group as "rgTypeNumber#0" to "rgTypeNumber#5".
// The window caption is addressed as "TfZelvoRename".
struct CaptionSlot {
  const char *objectName;
  const char *slot; // a slot name of LanguageTexts
};

// The captions that are one slot's text, in the order the window writes them.
std::span<const CaptionSlot> CaptionSlots();

// What the captions depend on besides the language.
struct CaptionContext {
  QString directory;                // the file list's folder, for the window caption
  bool shellEntryInstalled = false; // decides the text of btnShellOptions
};

// The program's name and version, the window caption until a folder is shown.
QString BaseFormCaption();
// "Zelvo Rename 2000 v4.2b  [" + directory + "]".
QString FormCaption(const QString &directory);
// The window's hint: the file and folder counts, or empty when the list holds neither.
QString FormHint(const LanguageTexts &texts, int files, int folders);

// Every caption the language decides, by object name: the slot captions, btnShellOptions, the
// composed captions of the variables menu, and the window caption ("TfZelvoRename").
QHash<QString, QString> WindowCaptions(const LanguageTexts &texts, const CaptionContext &context);
