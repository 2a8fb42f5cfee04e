#include "ui/variables_menu.h"

#include "variables/variables_menu.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QStyle>
#include <QWidget>

#include <vector>

namespace {

// The picture of each top-level item: a theme icon, and a style picture where the theme has none.
struct TopIcon {
  const char *item;
  const char *themeName;
  QStyle::StandardPixmap fallback;
};
const TopIcon kTopIcons[] = {
    {"Graphics1", "image-x-generic", QStyle::SP_FileIcon},
    {"Photo1", "camera-photo", QStyle::SP_FileIcon},
    {"MP31", "audio-x-generic", QStyle::SP_MediaVolume},
    {"RA1", "multimedia-player", QStyle::SP_MediaPlay},
    {"Music1", "audio-x-generic", QStyle::SP_MediaVolume},
    {"HTMLTitle1", "text-html", QStyle::SP_FileIcon},
    {"RomsN641", "input-gaming", QStyle::SP_DriveCDIcon},
    {"RandomNumbers1", "media-playlist-shuffle", QStyle::SP_BrowserReload},
    {"ManualNumber1", "accessories-calculator", QStyle::SP_FileDialogListView},
    {"CurrentDate1", "x-office-calendar", QStyle::SP_FileDialogInfoView},
    {"FileDate1", "document-open-recent", QStyle::SP_FileDialogDetailedView},
    {"ColumnData1", "x-office-spreadsheet", QStyle::SP_FileDialogDetailedView},
    {"DatafromExternalFile1", "text-x-generic", QStyle::SP_FileIcon},
    {"CDDisplayComicReader1", "media-optical", QStyle::SP_DriveCDIcon},
};

QIcon TopLevelIcon(const QWidget *owner, const char *name) {
  for (const TopIcon &icon : kTopIcons)
    if (qstrcmp(icon.item, name) == 0)
      return QIcon::fromTheme(QLatin1String(icon.themeName), owner->style()->standardIcon(icon.fallback));
  return {};
}

// The style of a menu that scrolls: the application's style, but for that one answer.
class ScrollingMenuStyle : public QProxyStyle {
public:
  ScrollingMenuStyle() : QProxyStyle(QApplication::style()->name()) {}
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *returnData) const override {
    if (hint == SH_Menu_Scrollable)
      return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

} // namespace

void MakeMenuScrollable(QMenu *menu) {
  // Made after the submenus, so that it is the menu's last child and goes last; a widget forgets
  // a style that is gone.
  auto *style = new ScrollingMenuStyle;
  style->setParent(menu);
  menu->setStyle(style);
  for (QMenu *sub : menu->findChildren<QMenu *>())
    sub->setStyle(style);
}

QMenu *FieldContextMenu(QLineEdit *field, QMenu *variables) {
  QMenu *menu = field->createStandardContextMenu();
  menu->setObjectName(QStringLiteral("FieldContextMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (variables) {
    menu->addSeparator();
    menu->addActions(variables->actions());
  }
  MakeMenuScrollable(menu);
  return menu;
}

QMenu *BuildVariablesMenu(QWidget *owner, std::function<void(const QString &tag)> appendTag,
                          std::function<void()> openEditor) {
  auto *menu = new QMenu(owner);
  menu->setObjectName(QStringLiteral("PopupMenuVariables"));
  // The menu each depth adds to: the menu itself, then the submenu opened last at each level.
  std::vector<QMenu *> levels{menu};
  for (const VariablesMenuItem &item : VariablesMenuItems()) {
    levels.resize(size_t(item.depth) + 1);
    QMenu *parent = levels.back();
    const QString name = QLatin1String(item.name);
    const QString caption = QString::fromUtf8(item.caption);
    QAction *action = nullptr;
    if (item.kind == VariablesMenuItem::Submenu) {
      QMenu *sub = parent->addMenu(caption);
      sub->setObjectName(name + QStringLiteral("Menu"));
      action = sub->menuAction();
      levels.push_back(sub);
    } else {
      action = parent->addAction(caption);
      action->setParent(owner);
      if (item.kind == VariablesMenuItem::OpenEditor) {
        QObject::connect(action, &QAction::triggered, owner, [openEditor] { openEditor(); });
      } else {
        const QString tag = QString::fromLatin1(item.tag);
        QObject::connect(action, &QAction::triggered, owner, [appendTag, tag] { appendTag(tag); });
      }
    }
    action->setObjectName(name);
    if (item.depth == 0)
      action->setIcon(TopLevelIcon(owner, item.name));
  }
  MakeMenuScrollable(menu);
  return menu;
}
