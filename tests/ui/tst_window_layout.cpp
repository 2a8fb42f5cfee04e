#include "app/app_core.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

class QuietDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &) override {}
  void ShowInformation(const QString &) override {}
  void RunModal(QDialog &) override {}
};

// The controls a user reads or types into; the parts inside a list or a combo box are its own.
bool IsControl(const QWidget *w) {
  for (const QWidget *up = w->parentWidget(); up; up = up->parentWidget())
    if (qobject_cast<const QAbstractItemView *>(up) || qobject_cast<const QComboBox *>(up) ||
        qobject_cast<const QLineEdit *>(up) || qobject_cast<const QTabBar *>(up))
      return false;
  return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w) ||
         qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
         qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTabBar *>(w);
}

// The part of w that its parents leave visible, in window coordinates.
QRect VisiblePart(const QWidget *w) {
  QRect rect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
  for (const QWidget *up = w->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
    rect &= QRect(up->mapTo(up->window(), QPoint(0, 0)), up->size());
  return rect & w->window()->rect();
}

// Everything that is wrong with the window as shown: a caption with less room than it needs, a
// control cut by the edge of what holds it, two controls on top of each other.
QStringList Faults(QWidget &window) {
  QStringList faults;
  QList<QWidget *> controls;
  for (QWidget *w : window.findChildren<QWidget *>())
    if (w->isVisible() && IsControl(w))
      controls << w;
  for (QWidget *w : controls) {
    const QString name =
        w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    const QRect whole(w->mapTo(&window, QPoint(0, 0)), w->size());
    if (VisiblePart(w) != whole)
      faults << QStringLiteral("%1 cut: %2 of %3").arg(name).arg(VisiblePart(w).width()).arg(w->width());
    const bool caption = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w);
    if (caption) {
      // A caption that wraps needs room for its longest word, and the height of its lines.
      const bool wraps = w->hasHeightForWidth();
      if (w->width() < (wraps ? w->minimumSizeHint() : w->sizeHint()).width())
        faults << QStringLiteral("%1 narrower than its caption: %2 < %3")
                      .arg(name)
                      .arg(w->width())
                      .arg(w->sizeHint().width());
      const int height =
          w->hasHeightForWidth() ? w->heightForWidth(w->width()) : w->minimumSizeHint().height();
      if (w->height() < height)
        faults << QStringLiteral("%1 lower than its caption: %2 < %3").arg(name).arg(w->height()).arg(height);
    }
    if (auto *bar = qobject_cast<QTabBar *>(w); bar && bar->sizeHint().width() > bar->width())
      faults << QStringLiteral("tabs cut: %1 < %2").arg(bar->width()).arg(bar->sizeHint().width());
    if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->objectName() == u"DirView1") {
      auto *tree = static_cast<QTreeView *>(view);
      for (int c = 0; c < tree->header()->count(); ++c)
        if (tree->header()->sectionSize(c) < tree->header()->sectionSizeHint(c))
          faults
              << QStringLiteral("column %1 cut").arg(tree->model()->headerData(c, Qt::Horizontal).toString());
    }
  }
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j) {
      QWidget *a = controls[i];
      QWidget *b = controls[j];
      if (a->isAncestorOf(b) || b->isAncestorOf(a))
        continue;
      if (VisiblePart(a).intersects(VisiblePart(b)))
        faults << QStringLiteral("%1 over %2").arg(a->objectName(), b->objectName());
    }
  return faults;
}

} // namespace

// Every tab in every language, at the default size and at the smallest the window accepts.
class TestWindowLayout : public QObject {
  Q_OBJECT
  QTemporaryDir m_home;
  QTemporaryDir m_folder;
  QuietDialogs m_dialogs;
  std::unique_ptr<TfZelvoRename> m_window;

  // Walks the tabs: none may change the window's size, and none may show a fault.
  void WalkTabs(const QSize &size) {
    auto *tabs = m_window->findChild<QTabWidget *>(QStringLiteral("TabControl1"));
    QStringList faults;
    for (int tab = 0; tab < tabs->count(); ++tab) {
      tabs->setCurrentIndex(tab);
      QCoreApplication::processEvents();
      if (m_window->size() != size)
        faults << QStringLiteral("tab %1 resized the window to %2x%3")
                      .arg(tab)
                      .arg(m_window->width())
                      .arg(m_window->height());
      for (const QString &fault : Faults(*m_window))
        faults << QStringLiteral("tab %1: %2").arg(tab).arg(fault);
    }
    if (!faults.isEmpty())
      QFAIL(qPrintable(faults.join(u'\n')));
  }

private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    QFile file(m_folder.filePath("photo.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  void cleanup() { m_window.reset(); }

  void everyTab_fits_data() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < 9; ++language)
      QTest::addRow("language %d", language) << language;
  }
  void everyTab_fits() {
    QFETCH(int, language);
    m_window = std::make_unique<TfZelvoRename>(&m_dialogs);
    m_window->Core().ChangeLanguage(language);
    m_window->OpenFolder(m_folder.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The window starts at its default size, which holds every language.
    const QSize started = m_window->size();
    WalkTabs(started);
    QCOMPARE(started, QSize(640, 480));
    // Made as small as it goes: as narrow as its options allow, and 300 pixels high unless the
    // language's captions took more rows.
    m_window->resize(100, 100);
    QTRY_COMPARE(m_window->size(), m_window->minimumSize());
    QVERIFY(m_window->minimumHeight() >= 300);
    if (language == 0)
      QCOMPARE(m_window->minimumHeight(), 300);
    WalkTabs(m_window->minimumSize());
  }

  // The language can change while the window is at its smallest: the smallest size follows.
  void languageSwitch_atSmallest_keepsEveryCaption() {
    m_window = std::make_unique<TfZelvoRename>(&m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->resize(100, 100);
    QTRY_COMPARE(m_window->size(), m_window->minimumSize());
    for (int language : {5, 8, 3}) {
      m_window->Core().ChangeLanguage(language);
      m_window->resize(100, 100);
      QTRY_COMPARE(m_window->size(), m_window->minimumSize());
      WalkTabs(m_window->size());
    }
  }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
