#include "ui/main_window.h"

#include "app/about_texts.h"
#include "app/app_core.h"
#include "explorer/explorer_texts.h"
#include "explorer/file_list_commands.h"
#include "explorer/folder_tree_model.h"
#include "lang/tooltips.h"
#include "ui/about_dialog.h"
#include "ui/caption_apply.h"
#include "ui/dir_tree_combo.h"
#include "ui/entry_icons.h"
#include "ui/errors_dialog.h"
#include "ui/file_list_widget.h"
#include "ui/list_aligner.h"
#include "ui/option_binder.h"
#include "ui/options_menu.h"
#include "ui/preview_delegate.h"
#include "ui/program_icon.h"
#include "ui/text_list_dialog.h"
#include "ui/variables_menu.h"
#include "ui/widget_dialogs.h"
#include "ui/window_keeper.h"
#include "ui/window_layout.h"
#include "ui_main_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>

namespace {

// The three window preferences and their menu twins.
struct PreferencePair {
  const char *box;
  const char *menuItem;
};
const PreferencePair kPreferences[] = {
    {"cStartMaximized", "mStartMaximized"},
    {"cRememberLastPath", "mRememberLastPath"},
    {"cRemWinProPos", "mRemWinProPos"},
};

// Language buttons of the Language tab, in the order of the language index.
const char *const kLanguageButtons[] = {"BitBtn2",   "btnEspanol",  "btnCatala",   "btnFrench", "btnDutch",
                                        "btnGerman", "mPortuguese", "btnItaliano", "btnPolski"};

// Commands of the options menu.
struct MenuCommand {
  const char *action;
  void (AppCore::*command)();
};
const MenuCommand kMenuCommands[] = {
    {"MakeUndoBAT", &AppCore::MakeUndoBATClick},
    {"mSavetoTXTFile", &AppCore::mSaveToFileClick},
    {"MakeaBAT", &AppCore::mMakeBATClick},
    {"mOpenZROptions", &AppCore::mOpenZROptionsClick},
    {"mSaveZROptions", &AppCore::mSaveZROptionsClick},
    {"mRecurseDirectories", &AppCore::mRecurseDirectoriesClick},
    {"mRefresh", &AppCore::mRefreshClick},
};

} // namespace

TfZelvoRename::TfZelvoRename(TWidgetDialogs *dialogs, const Platform *platform, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfZelvoRename>()) {
  if (!dialogs) {
    m_ownDialogs = std::make_unique<TWidgetDialogs>(this);
    dialogs = m_ownDialogs.get();
  }
  m_dialogs = dialogs;
  m_core = std::make_unique<AppCore>(*m_dialogs, platform);
  ui->setupUi(this);
  setObjectName(QStringLiteral("fZelvoRename"));
  ui->Splitter2->setStretchFactor(0, 1);
  ui->Splitter2->setStretchFactor(1, 0);
  setWindowIcon(ProgramIcon());
  ui->ProgramIcon->setIcon(windowIcon());
  CreateListViews(platform);
  CreateStatusBar();
  m_optionsMenu = BuildOptionsMenu(this);
  BindOptions();
  BindPreferences();
  BindCommands();
  BindLists();
  InstallVariableFields();
  SetVariablesMenu(BuildVariablesMenu(
      this, [this](const QString &tag) { m_core->HelpWithVariables(tag); }, [this] { btnEditorClick(); }));
  BindCore();
  ui->TabControl1->installEventFilter(this);
  ui->TabControl1->tabBar()->installEventFilter(this);

  setWindowTitle(BaseCaption());
  m_core->InitAll();
  CentreDefaultGeometry();
  m_layout = std::make_unique<TWindowLayout>(*this);
  m_keeper = new TWindowKeeper(*this, *m_core, *ui->Splitter2);
  m_keeper->SetArrange([this](int width) { m_layout->FitWidth(width); });
  m_keeper->ReadMyRegistryValues([this] {
    m_core->ReadShellEntryState();
    return m_core->ShellEntryInstalled();
  });
  m_rememberedPath = m_keeper->Preferences().RememberedPath();
  ApplyLanguage();
  PushAll();
}

TfZelvoRename::~TfZelvoRename() {
  // A field that loses the focus as the window goes still reaches the core.
  hide();
  m_keeper->WriteMyRegDefault();
  // The views go before the models they show.
  delete m_dirView;
  delete m_driveView;
  ui->lZelvoList->setModel(nullptr);
}

// The folder drop-down and the file list.
void TfZelvoRename::CreateListViews(const Platform *platform) {
  m_driveView = new TZelvoRenameDirTreeCombo(ui->DriveViewSlot, platform);
  m_driveView->setObjectName(QStringLiteral("DriveView1"));
  m_driveView->SetTreeHeight(240);
  m_driveView->SetFileList(&m_core->FileList());
  ui->DriveViewSlot->layout()->addWidget(m_driveView);
  m_dirView = new TZelvoRenameFileListWidget(m_core->FileList(), ui->DirViewSlot);
  m_dirView->setObjectName(QStringLiteral("DirView1"));
  ui->DirViewSlot->layout()->addWidget(m_dirView);
  connect(m_dirView, &TZelvoRenameFileListWidget::DropDownRequested, m_driveView,
          &TZelvoRenameDirTreeCombo::ToggleDropDown);
  connect(m_dirView, &TZelvoRenameFileListWidget::DropDownCloseRequested, this, [this] {
    if (m_driveView->IsDroppedDown())
      m_driveView->ToggleDropDown();
  });
  connect(m_dirView, &TZelvoRenameFileListWidget::DirectoryChosen, m_driveView,
          &TZelvoRenameDirTreeCombo::SelectPath);
  connect(m_dirView, &TZelvoRenameFileListWidget::FoldersRenamed, m_driveView,
          &TZelvoRenameDirTreeCombo::FillDrives);
  connect(m_dirView, &TZelvoRenameFileListWidget::MessageRequested, this,
          [this](const QString &message) { m_dialogs->ShowError(message); });
  connect(m_dirView, &TZelvoRenameFileListWidget::OnEdited, this,
          [this](int row, QString &text) { m_core->EditInPlace(row, text); });
  connect(m_driveView, &TZelvoRenameDirTreeCombo::PathTyped, this, [this](const QString &typed) {
    m_driveView->EndTyping();
    if (m_core->OpenTypedFolder(typed))
      m_dirView->setFocus();
  });
  auto *typePath = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
  typePath->setObjectName(QStringLiteral("TypePathShortcut"));
  connect(typePath, &QShortcut::activated, m_driveView, &TZelvoRenameDirTreeCombo::BeginTyping);
}

// The line under the window that tells what the last rename or undo did.
void TfZelvoRename::CreateStatusBar() {
  m_runResult = new QLabel(statusBar());
  m_runResult->setObjectName(QStringLiteral("lRunResult"));
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(m_runResult, 1);
  // Shown from the first result on: until then the window keeps all its height for the lists.
  statusBar()->hide();
}

void TfZelvoRename::btnPathUpClick() {
  m_dirView->GoUp();
}

void TfZelvoRename::OpenFolder(const QString &folder) {
  m_rememberedPath = folder;
  m_core->FileList().SetDirectory(folder);
}

void TfZelvoRename::BindOptions() {
  TOptionBinder::Notices notices;
  notices.textChanged = [this](const OptionField &field, const QString &text) {
    m_core->SetText(QString::fromLatin1(field.name), text);
  };
  notices.flagChanged = [this](const OptionField &field, bool on) {
    m_core->SetFlag(QString::fromLatin1(field.name), on);
  };
  notices.typeNumberChanged = [this](int index) { m_core->SetTypeNumber(index); };
  notices.fieldLeft = [this](const OptionField &field) {
    m_core->LeaveField(QString::fromLatin1(field.name));
    PushValue(QString::fromLatin1(field.name));
  };
  m_binder = new TOptionBinder(ui->centralWidget, std::move(notices), this);
  Q_ASSERT_X(m_binder->Unbound().isEmpty(), "TfZelvoRename", qPrintable(m_binder->Unbound().join(u' ')));
  ui->tMask->addItems(
      {QStringLiteral("*.*"), QStringLiteral("*.mp3;*.ra;*.ram;*.rm"),
       QStringLiteral("*.txt;*.doc;*.pas;*.c;*.bas"), QStringLiteral("*.jpg;*.jpeg;*.gif;*.tif;*.bmp;*.png"),
       QStringLiteral("*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.bmp;*.png;*.lbm;*.ilbm;*.tga;*.targa;*"
                      ".pcx;*.pcc;*.jfif;*.jif"),
       QStringLiteral("*.htm;*.html"), QStringLiteral("*.v64;*.z64;*.rom"), QStringLiteral("*.wav")});
  ui->tManualNumber->addItems(
      {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), QStringLiteral("abcdefghijklmnopqrstuvwxyz")});
  for (QComboBox *combo : {ui->tMask, ui->tManualNumber})
    combo->setInsertPolicy(QComboBox::NoInsert);
}

void TfZelvoRename::BindPreferences() {
  for (const PreferencePair &pair : kPreferences) {
    const QString box = QLatin1String(pair.box);
    connect(findChild<QAbstractButton *>(box), &QAbstractButton::toggled, this, [this, box](bool on) {
      m_core->SetFlag(box, on);
      PushPreferences();
    });
    connect(findChild<QAction *>(QLatin1String(pair.menuItem)), &QAction::toggled, this,
            [this, box](bool on) {
              m_core->SetFlag(box, on);
              PushPreferences();
            });
  }
}

void TfZelvoRename::BindCommands() {
  for (const MenuCommand &item : kMenuCommands) {
    auto command = item.command;
    connect(findChild<QAction *>(QLatin1String(item.action)), &QAction::triggered, this,
            [this, command] { (m_core.get()->*command)(); });
  }
  const auto initAll = [this] {
    m_core->InitAll();
    CentreDefaultGeometry();
    m_keeper->Measure();
  };
  connect(findChild<QAction *>(QStringLiteral("mDefaultOptions")), &QAction::triggered, this, initAll);
  // F5 reads the folder again and shows the folders made since in the drop-down's tree.
  connect(findChild<QAction *>(QStringLiteral("mRefresh")), &QAction::triggered, m_driveView,
          &TZelvoRenameDirTreeCombo::FillDrives);
  connect(ui->btnSetDefaultValue, &QPushButton::clicked, this, initAll);
  for (QAction *action : findChild<QMenu *>(QStringLiteral("mLanguageMenu"))->actions())
    connect(action, &QAction::triggered, this,
            [this, action] { m_core->ChangeLanguage(action->data().toInt()); });
  for (int index = 0; index < int(std::size(kLanguageButtons)); ++index)
    connect(findChild<QPushButton *>(QLatin1String(kLanguageButtons[index])), &QPushButton::clicked, this,
            [this, index] { m_core->ChangeLanguage(index); });

  connect(ui->btnRename, &QPushButton::clicked, this, [this] {
    m_keeper->BeforeRename();
    m_core->btnRenameClick();
    m_keeper->AfterRename();
    SelectTab(0);
  });
  connect(ui->btnUndo, &QPushButton::clicked, this, [this] { m_core->btnUndoClick(); });
  connect(ui->btnInfo, &QPushButton::clicked, this, [this] { btnInfoClick(); });
  connect(ui->ProgramIcon, &QToolButton::clicked, this, [this] { btnInfoClick(); });
  connect(ui->btnEditor, &QPushButton::clicked, this, [this] { btnEditorClick(); });
  connect(ui->btnShellOptions, &QPushButton::clicked, this, [this] { m_core->btnShellOptionsClick(); });
  connect(ui->btnPathUp, &QToolButton::clicked, this, [this] { btnPathUpClick(); });
}

void TfZelvoRename::BindLists() {
  ui->lZelvoList->setModel(&m_core->PreviewList());
  auto *previewDelegate = new TPreviewDelegate(ui->lZelvoList);
  ui->lZelvoList->setItemDelegate(previewDelegate);
  new TListAligner(*m_dirView, *ui->lZelvoList, *previewDelegate, this);
  ui->lZelvoList->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(ui->lZelvoList, &QListView::clicked, this, [this] { lZelvoListClick(); });
  connect(ui->lZelvoList, &QListView::doubleClicked, this, [this] { m_core->lZelvoListDblClick(); });
  connect(m_dirView, &TZelvoRenameFileListWidget::OnClick, this, [this] { DirView1Click(); });
  connect(m_dirView, &TZelvoRenameFileListWidget::OnKeyUp, this, [this] { DirView1Click(); });
}

// The eight fields the variables menu writes into note which was pressed last.
void TfZelvoRename::InstallVariableFields() {
  for (QLineEdit *edit : ui->centralWidget->findChildren<QLineEdit *>()) {
    if (AppCore::VariableTargetOf(edit->objectName()) == 0)
      continue;
    edit->installEventFilter(this);
    connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint &pos) {
      FieldContextMenu(edit, m_variablesMenu)->popup(edit->mapToGlobal(pos));
    });
  }
}

void TfZelvoRename::SetVariablesMenu(QMenu *menu) {
  m_variablesMenu = menu;
  for (QLineEdit *edit : ui->centralWidget->findChildren<QLineEdit *>())
    if (AppCore::VariableTargetOf(edit->objectName()) > 0)
      edit->setContextMenuPolicy(menu ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
}

void TfZelvoRename::BindCore() {
  AppCore &core = *m_core;
  connect(&core, &AppCore::OptionsReset, this, &TfZelvoRename::PushAll);
  connect(&core, &AppCore::OptionValueChanged, this, &TfZelvoRename::PushValue);
  connect(&core, &AppCore::ActiveChanged, this, &TfZelvoRename::ApplyActive);
  connect(&core, &AppCore::UndoAvailableChanged, this, [this](bool available) {
    ui->btnUndo->setEnabled(available);
    findChild<QAction *>(QStringLiteral("MakeUndoBAT"))->setVisible(available);
  });
  connect(&core, &AppCore::WorkWithFoldersEnabledChanged, ui->cWorkWithFolders, &QWidget::setEnabled);
  connect(&core, &AppCore::CaptionChanged, this, &QWidget::setWindowTitle);
  connect(&core, &AppCore::HintChanged, this, &QWidget::setToolTip);
  connect(&core, &AppCore::FieldInErrorChanged, this, [this](const QString &before, const QString &now) {
    if (auto *edit = findChild<QLineEdit *>(before))
      edit->setPalette(QPalette());
    if (auto *edit = findChild<QLineEdit *>(now)) {
      QPalette palette = edit->palette();
      palette.setColor(QPalette::Base, QColor(0xff, 0xd0, 0xd0));
      palette.setColor(QPalette::Text, Qt::black);
      edit->setPalette(palette);
    }
  });
  connect(&core, &AppCore::LanguageChanged, this, &TfZelvoRename::ApplyLanguage);
  connect(&core, &AppCore::ShellEntryInstalledChanged, this, &TfZelvoRename::ApplyLanguage);
  connect(&core, &AppCore::RunResultChanged, this, [this](const QString &text) {
    m_runResult->setText(text);
    statusBar()->setVisible(!text.isEmpty());
  });
  connect(&core, &AppCore::ErrorsToShow, this, [this](const RenameErrorRecord &errors) {
    QList<TfErrors::Failure> failures;
    const TZelvoRenameFileListView &list = m_core->FileList();
    for (qsizetype i = 0; i < errors.size(); ++i) {
      TfErrors::Failure failure;
      failure.path = errors.lFileNames[i];
      failure.index = errors.lidItems[i].toInt();
      failure.reason = errors.reasons.value(i);
      failure.newName = errors.newNames.value(i);
      if (failure.index >= 0 && failure.index < list.Count()) {
        failure.icon = EntryIcon(list.Entry(failure.index).IconKey());
        failure.hidden = !list.Entry(failure.index).SubItems[SubHidden].isEmpty();
      }
      failures << failure;
    }
    TfErrors &dialog = ErrorsDialog();
    const LanguageTexts &texts = m_core->Texts();
    dialog.SetUp(
        {texts.sErrorsTitle, texts.sErrorsHeader, texts.sFile, texts.sErrorsNewName, texts.sErrorsReason},
        failures);
    m_dialogs->RunModal(dialog);
  });
}

void TfZelvoRename::PushAll() {
  m_binder->Push(m_core->Options());
  PushPreferences();
  ui->cWorkWithFolders->setEnabled(m_core->WorkWithFoldersEnabled());
}

void TfZelvoRename::PushPreferences() {
  for (const PreferencePair &pair : kPreferences) {
    const bool on = m_core->Flag(QString::fromLatin1(pair.box));
    for (QObject *object : {static_cast<QObject *>(findChild<QAbstractButton *>(QLatin1String(pair.box))),
                            static_cast<QObject *>(findChild<QAction *>(QLatin1String(pair.menuItem)))}) {
      const QSignalBlocker block(object);
      if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setChecked(on);
      else if (auto *action = qobject_cast<QAction *>(object))
        action->setChecked(on);
    }
  }
}

void TfZelvoRename::PushValue(const QString &objectName) {
  if (const OptionField *field = FindOptionField(objectName)) {
    m_binder->PushField(m_core->Options(), *field);
    // A radio button switched on switches its group's others off.
    if (field->kind == OptionField::Radio)
      m_binder->Push(m_core->Options());
  } else {
    PushPreferences();
  }
  ui->cWorkWithFolders->setEnabled(m_core->WorkWithFoldersEnabled());
}

void TfZelvoRename::ApplyActive(bool on) {
  for (const QString &name : AppCore::ActiveControlNames())
    if (QWidget *control = findChild<QWidget *>(name))
      control->setEnabled(on);
}

void TfZelvoRename::ApplyLanguage() {
  ApplyCaptions(this, m_core->Captions());
  const QHash<QString, QString> tips = ToolTips(m_core->CurrentLanguage());
  for (auto it = tips.cbegin(); it != tips.cend(); ++it)
    if (QWidget *control = findChild<QWidget *>(it.key()))
      control->setToolTip(it.value());
  m_driveView->Tree()->Model()->SetRootCaption(ExplorerTextsOf(m_core->CurrentLanguage()).sComputer);
}

TfErrors &TfZelvoRename::ErrorsDialog() {
  if (!m_errors) {
    m_ownErrors = std::make_unique<TfErrors>();
    m_errors = m_ownErrors.get();
  }
  return *m_errors;
}

void TfZelvoRename::SetErrorsDialog(TfErrors *dialog) {
  m_ownErrors.reset();
  m_errors = dialog;
}

TfAbout &TfZelvoRename::AboutDialog() {
  if (!m_about) {
    m_ownAbout = std::make_unique<TfAbout>();
    m_about = m_ownAbout.get();
  }
  return *m_about;
}

void TfZelvoRename::SetAboutDialog(TfAbout *dialog) {
  m_ownAbout.reset();
  m_about = dialog;
}

TfTextList &TfZelvoRename::TextListDialog() {
  if (!m_textList) {
    m_ownTextList = std::make_unique<TfTextList>();
    m_textList = m_ownTextList.get();
  }
  return *m_textList;
}

void TfZelvoRename::SetTextListDialog(TfTextList *dialog) {
  m_ownTextList.reset();
  m_textList = dialog;
}

void TfZelvoRename::btnInfoClick() {
  TfAbout &about = AboutDialog();
  about.SetUp(AboutBoxTexts());
  m_dialogs->RunModal(about);
}

// The lines typed reach the list when the editor closes; the next refresh uses them.
void TfZelvoRename::btnEditorClick() {
  TfTextList &editor = TextListDialog();
  editor.Bind(*m_core);
  m_core->btnEditorClick([this, &editor] {
    m_dialogs->RunModal(editor);
    m_core->SetTextListText(editor.Text());
  });
}

void TfZelvoRename::SelectTab(int index) {
  ui->TabControl1->setCurrentIndex(index);
}

// Set Default Values puts the window back to its first size, in the middle of the screen.
void TfZelvoRename::CentreDefaultGeometry() {
  TWindowKeeper::PlaceAtDefault(*this);
  SelectTab(0);
}

void TfZelvoRename::DirView1Click() {
  const PreviewFollow follow = m_core->FileListClicked(m_dirView->indexAt(QPoint(0, 0)).row());
  if (!follow.follow)
    return;
  QAbstractItemModel *preview = ui->lZelvoList->model();
  if (follow.topRow >= 0 && follow.topRow < preview->rowCount())
    ui->lZelvoList->scrollTo(preview->index(follow.topRow, 0), QAbstractItemView::PositionAtTop);
  if (follow.currentRow >= 0 && follow.currentRow < preview->rowCount())
    ui->lZelvoList->setCurrentIndex(preview->index(follow.currentRow, 0));
}

void TfZelvoRename::lZelvoListClick() {
  const QModelIndex current = ui->lZelvoList->currentIndex();
  const ListFollow follow = m_core->PreviewClicked(current.isValid() ? current.row() : -1);
  if (!follow.follow)
    return;
  m_dirView->clearSelection();
  const QModelIndex row = m_core->FileList().index(follow.selectRow, 0);
  m_dirView->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
  m_dirView->scrollTo(row);
}

void TfZelvoRename::contextMenuEvent(QContextMenuEvent *event) {
  m_optionsMenu->popup(event->globalPos() - QPoint(m_optionsMenu->sizeHint().width() / 2, 0));
}

bool TfZelvoRename::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == ui->TabControl1 || watched == ui->TabControl1->tabBar())) {
    // Keys typed in a field of a tab reach the tab control too: only the tab strip's own turn tabs.
    auto *key = static_cast<QKeyEvent *>(event);
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
      const QWidget *focus = QApplication::focusWidget();
      if (focus == ui->TabControl1 || focus == ui->TabControl1->tabBar()) {
        const bool backward = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        SelectTab(AppCore::NextTab(ui->TabControl1->currentIndex(), backward));
      }
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonPress) {
    if (auto *edit = qobject_cast<QLineEdit *>(watched))
      m_core->FieldPressed(edit->objectName());
  }
  return QMainWindow::eventFilter(watched, event);
}

void TfZelvoRename::OfferRecovery() {
  if (isVisible())
    m_core->OfferRecovery();
}

void TfZelvoRename::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  m_core->FormShow(m_rememberedPath);
  m_keeper->FormShow();
}
