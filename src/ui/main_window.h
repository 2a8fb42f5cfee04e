// The main window: the file list beside the preview, the option tabs, the buttons and the menus,
// each bound to the application core, which decides what every action does.
#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class TfZelvoRename;
}
class AppCore;
class QAbstractItemView;
class QLabel;
class QLineEdit;
class QMenu;
class TfAbout;
class TfErrors;
class TfTextList;
class TZelvoRenameDirTreeCombo;
class TZelvoRenameFileListWidget;
class TOptionBinder;
class TWidgetDialogs;
class TWindowKeeper;
class TWindowLayout;
struct Platform;

class TfZelvoRename : public QMainWindow {
  Q_OBJECT
public:
  // dialogs: who answers questions and runs modal dialogs (nullptr: real message boxes); it must
  // outlive the window. platform: the file list's services (nullptr: the running system's).
  explicit TfZelvoRename(TWidgetDialogs *dialogs = nullptr, const Platform *platform = nullptr,
                         QWidget *parent = nullptr);
  ~TfZelvoRename() override;

  static QString BaseCaption() { return QStringLiteral("Zelvo Rename 2000 v4.2b"); }

  AppCore &Core() { return *m_core; }
  QMenu *OptionsMenu() const { return m_optionsMenu; }
  TfErrors &ErrorsDialog();
  // The rename error list is its own window; the program creates it after the main window.
  void SetErrorsDialog(TfErrors *dialog);

  // Once the window shows (the program asks for it at start): a rename run cut short is told
  // about, with the offer to put its files back (AppCore::OfferRecovery).
  void OfferRecovery();
  // Shows a folder (or "Drives") in the file list; it is also the folder the first showing opens.
  void OpenFolder(const QString &folder);
  // The folder the first showing opens when the last path is remembered.
  void SetRememberedPath(const QString &folder) { m_rememberedPath = folder; }
  // The variables menu becomes the context menu of the eight fields that take variables.
  void SetVariablesMenu(QMenu *menu);
  QMenu *VariablesMenu() const { return m_variablesMenu; }
  // The information box and the text list editor are windows of their own, which the program
  // creates after the main window; without them the window makes its own when first needed.
  TfAbout &AboutDialog();
  void SetAboutDialog(TfAbout *dialog);
  TfTextList &TextListDialog();
  void SetTextListDialog(TfTextList *dialog);

protected:
  void contextMenuEvent(QContextMenuEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void showEvent(QShowEvent *event) override;

private:
  void CreateListViews(const Platform *platform);
  void CreateStatusBar();
  void BindOptions();
  void BindPreferences();
  void BindCommands();
  void BindCore();
  void BindLists();
  void InstallVariableFields();
  void PushPreferences();
  void PushAll();
  void PushValue(const QString &objectName);
  void ApplyActive(bool on);
  void ApplyLanguage();
  void ShowErrors();
  void SelectTab(int index);
  void CentreDefaultGeometry();

  // List synchronisation.
  void DirView1Click();
  void lZelvoListClick();

  void btnInfoClick();
  void btnEditorClick();
  void btnPathUpClick();

  std::unique_ptr<Ui::TfZelvoRename> ui;
  std::unique_ptr<TWidgetDialogs> m_ownDialogs;
  TWidgetDialogs *m_dialogs;
  std::unique_ptr<AppCore> m_core;
  TZelvoRenameFileListWidget *m_dirView = nullptr; // DirView1
  TZelvoRenameDirTreeCombo *m_driveView = nullptr; // DriveView1
  QMenu *m_optionsMenu = nullptr;
  QMenu *m_variablesMenu = nullptr;
  QLabel *m_runResult = nullptr; // the result line of the last rename or undo
  std::unique_ptr<TfErrors> m_ownErrors;
  TfErrors *m_errors = nullptr;
  std::unique_ptr<TfAbout> m_ownAbout;
  TfAbout *m_about = nullptr;
  std::unique_ptr<TfTextList> m_ownTextList;
  TfTextList *m_textList = nullptr;
  TOptionBinder *m_binder = nullptr;
  TWindowKeeper *m_keeper = nullptr;       // the stored preferences, geometry and column widths
  std::unique_ptr<TWindowLayout> m_layout; // the option tabs' rows for the window's width
  QString m_rememberedPath;
};
