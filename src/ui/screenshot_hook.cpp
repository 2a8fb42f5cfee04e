#include "ui/screenshot_hook.h"

#include "app/about_texts.h"
#include "app/app_core.h"
#include "engine/run_journal.h"
#include "ui/about_dialog.h"
#include "ui/main_window.h"
#include "ui/screenshot_runs.h"
#include "ui/text_list_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

QString Folder() {
  return qEnvironmentVariable("ZELVO_SCREENSHOT_DIR");
}

void Settle() {
  for (int i = 0; i < 5; ++i)
    QApplication::processEvents();
}

bool Save(const QPixmap &picture, const QString &path) {
  if (!picture.save(path))
    return false;
  QTextStream(stdout) << path << '\n';
  return true;
}

// The variables menu open on the extension's Insert After field, with the column data submenu and
// its size submenu open: the window and the menus as the screen shows them.
bool SaveVariablesMenu(TfZelvoRename &window, QTabWidget &tabs, const QString &path) {
  tabs.setCurrentIndex(1);
  auto *field = window.findChild<QLineEdit *>(QStringLiteral("tInsertAfterEx"));
  QMenu *menu = window.VariablesMenu();
  if (!field || !menu)
    return false;
  Settle();
  menu->popup(field->mapToGlobal(QPoint(0, field->height())));
  Settle();
  for (const char *name : {"ColumnData1", "Size1"}) {
    auto *action = window.findChild<QAction *>(QLatin1String(name));
    if (!action || !action->menu())
      return false;
    auto *owner = qobject_cast<QMenu *>(action->menu()->parentWidget());
    owner->setActiveAction(action);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(owner, &right);
    Settle();
  }
  QRect area = window.frameGeometry();
  for (QMenu *open : {menu, window.findChild<QMenu *>(QStringLiteral("ColumnData1Menu")),
                      window.findChild<QMenu *>(QStringLiteral("Size1Menu"))})
    area |= open->geometry();
  const QPixmap picture = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  menu->close();
  Settle();
  tabs.setCurrentIndex(0);
  return Save(picture, path);
}

bool SaveDialog(QDialog &dialog, const QString &path) {
  dialog.show();
  Settle();
  const bool saved = Save(dialog.grab(), path);
  dialog.hide();
  return saved;
}

// The preview with a line the rename run would fail on: two names that become one.
bool SaveConflicts(TfZelvoRename &window, QTabWidget &tabs, const QString &path) {
  auto *crop = window.findChild<QLineEdit *>(QStringLiteral("tRightCutChars"));
  if (!crop)
    return false;
  crop->setText(QStringLiteral("3"));
  for (const char *name : {"opRightCutChars", "opLowerCase", "opLowerCaseEx"})
    if (auto *button = window.findChild<QAbstractButton *>(QLatin1String(name)))
      button->setChecked(true);
  tabs.setCurrentIndex(0);
  Settle();
  return Save(window.grab(), path);
}

// The question about a run cut short, and the one that follows a No; both answered No.
bool SaveRecoveryQuestions(TfZelvoRename &window, const QString &first, const QString &second) {
  QTemporaryDir state;
  {
    RunJournal journal; // closed without its end: cut short
    if (!journal.Open(state.path()).isEmpty())
      return false;
    const QByteArray from("/nowhere/a"), to("/nowhere/b");
    journal.Planned({PlannedMove(from, to)});
    journal.Trying(0);
  }
  window.Core().SetJournalFolder(state.path());
  QStringList paths{first, second};
  bool saved = true;
  QTimer answer;
  answer.setInterval(50);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || paths.isEmpty())
      return;
    saved = Save(box->grab(), paths.takeFirst()) && saved;
    box->button(QMessageBox::No)->click();
  });
  answer.start();
  window.OfferRecovery();
  return saved && paths.isEmpty();
}

} // namespace

bool ScreenshotsRequested() {
  return !Folder().isEmpty();
}

int TakeScreenshots(TfZelvoRename &window) {
  const QDir folder(Folder());
  if (!folder.mkpath(QStringLiteral(".")))
    return 1;
  QString languages = qEnvironmentVariable("ZELVO_SCREENSHOT_LANGUAGES");
  if (languages.isEmpty())
    languages = QStringLiteral("0,5");
  auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("TabControl1"));
  Settle();
  int failures = 0;
  for (const QString &language : languages.split(u',', Qt::SkipEmptyParts)) {
    window.Core().ChangeLanguage(language.toInt());
    for (int tab = 0; tab < tabs->count(); ++tab) {
      tabs->setCurrentIndex(tab);
      Settle();
      const QString path =
          folder.filePath(QStringLiteral("window-%1-tab%2.png").arg(language.trimmed()).arg(tab));
      if (!Save(window.grab(), path))
        ++failures;
    }
    if (!SaveVariablesMenu(window, *tabs,
                           folder.filePath(QStringLiteral("menu-%1.png").arg(language.trimmed()))))
      ++failures;
  }
  TfAbout &about = window.AboutDialog();
  about.SetUp(AboutBoxTexts());
  if (!SaveDialog(about, folder.filePath(QStringLiteral("about.png"))))
    ++failures;
  TfTextList &editor = window.TextListDialog();
  window.Core().SetTextListText(QStringLiteral("Summer\nAutumn\nWinter: a line long enough to wrap at the "
                                               "width of the editor, still one line of the list\nSpring"));
  editor.Bind(window.Core());
  if (!SaveDialog(editor, folder.filePath(QStringLiteral("text-list.png"))))
    ++failures;
  if (!SaveRecoveryQuestions(window, folder.filePath(QStringLiteral("recovery-question.png")),
                             folder.filePath(QStringLiteral("recovery-forget.png"))))
    ++failures;
  if (!SaveConflicts(window, *tabs, folder.filePath(QStringLiteral("conflicts.png"))))
    ++failures;
  failures += TakeRunScreenshots(window, folder);
  return failures == 0 ? 0 : 1;
}
