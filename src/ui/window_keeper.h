// The main window's stored preferences on screen: its place and size at start and at the end, the
// smallest size its options need, the preview's share of the upper area, and the column widths.
#pragma once

#include "app/app_preferences.h"

#include <QObject>
#include <QRect>

#include <functional>

class AppCore;
class QSplitter;
class QWidget;

class TWindowKeeper : public QObject {
  Q_OBJECT
public:
  // window, core and upper (the splitter between the file list and the preview) must outlive this.
  TWindowKeeper(QWidget &window, AppCore &core, QSplitter &upper, PreferenceStore store = PreferenceStore());

  AppPreferences &Preferences() { return m_preferences; }

  // Reads the stored preferences and places the window; call once while the window is created.
  void ReadMyRegistryValues(const AppPreferences::ShellEntryCheck &shellEntry = {});
  // Writes every preference; call when the window goes.
  void WriteMyRegDefault();
  // The end of a showing of the window.
  void FormShow();
  // Around a rename run: the widths the user set are noted before, and put back after.
  void BeforeRename() { m_preferences.NoteColumnWidths(); }
  void AfterRename() { m_preferences.ApplyColumnWidths(); }
  // The window's geometry when not maximised.
  QRect NormalGeometry() const;
  // What arranges the window's options for a width before each measuring.
  void SetArrange(std::function<void(int width)> arrange) { m_arrange = std::move(arrange); }
  // Recomputes the smallest size the window accepts: the width its options need, 300 pixels high
  // (never more than the screen's area).
  void Measure();
  // The first size, in the middle of the window's screen (start, Set Default Values).
  static void PlaceAtDefault(QWidget &window);
  // Puts the window at wanted, brought onto a screen (see FitToScreens).
  static void PlaceFitted(QWidget &window, const QRect &wanted);

  static constexpr int kMinimumHeight = 300;
  static constexpr int kDefaultWidth = 640;
  static constexpr int kDefaultHeight = 480;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void FormClose();
  void KeepPreviewShare(int oldPreview, int oldWidth, int newWidth);

  QWidget &m_window;
  QSplitter &m_upper;
  AppPreferences m_preferences;
  QRect m_closedGeometry; // noted when the window closes
  bool m_closed = false;
  std::function<void(int)> m_arrange;
  bool m_shown = false; // the window has been shown once: its frame is known
};
