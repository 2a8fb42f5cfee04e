#include "ui/window_layout.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace {

// The rows of each arranged tab, by the names of their parts: caption, field ("" for none).
struct PartNames {
  const char *caption;
  const char *field;
};
struct TabRows {
  const char *box;
  const char *grid;
  std::vector<std::vector<PartNames>> rows;
  TRowArranger::Stacking stacking = TRowArranger::ByRow;
};

const TabRows kTabs[] = {
    {"gbGrouChangeFilename",
     "layFieldsG",
     {{{"Label1", "tMask"}},
      {{"opReplace", "tChangeFilename"}},
      {{"opReplaceText", "tReplaceText"}, {"Label6", "tReplaceTextNew"}},
      {{"opMatchCase", ""}, {"opRegularExpression", ""}},
      {{"opInsertBefore", "tInsertBefore"}, {"opInsertAfter", "tInsertAfter"}},
      {{"opLeftCutChars", "tLeftCutChars"}, {"opRightCutChars", "tRightCutChars"}}}},
    {"gbGrouChangeExt",
     "layFieldsGEx",
     {{{"opReplaceEx", "tChangeFileNameEx"}},
      {{"opReplaceTextEx", "tReplaceTextEx"}, {"Label7", "tReplaceTextNewEx"}},
      {{"opMatchCaseEx", ""}, {"opRegularExpressionEx", ""}},
      {{"opInsertBeforeEx", "tInsertBeforeEx"}, {"opInsertAfterEx", "tInsertAfterEx"}},
      {{"opLeftCutCharsEx", "tLeftCutCharsEx"}, {"opRightCutCharsEx", "tRightCutCharsEx"}}}},
    {"gbAutoNumber",
     "layTypeNumber",
     {{{"rgTypeNumberDec", ""}, {"rgTypeNumberBin", ""}},
      {{"rgTypeNumberHex", ""}, {"rgTypeNumberExcel", ""}},
      {{"rgTypeNumberOct", ""}, {"rgTypeNumberManual", ""}}},
     TRowArranger::IntoOneColumn},
    {"gbMoreOptions",
     "layPreferences",
     {{{"cStartMaximized", ""}, {"cViewFolders", ""}},
      {{"cRememberLastPath", ""}, {"cWorkWithFolders", ""}},
      {{"cRemWinProPos", ""}, {"cViewFiles", ""}}}},
};

// Tabs with half the usual room beside their captions, so that the strip holds five of them.
class CompactTabs : public QProxyStyle {
public:
  int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? value / 2 : value;
  }
};

// The lists shrink to a few lines when the window is at its lowest.
constexpr int kListMinimumHeight = 40;

const char *const kBoxes[] = {"gbGrouChangeFilename", "gbGrouChangeExt", "gbAutoNumber", "gbMoreOptions",
                              "gbLanguage"};

} // namespace

void RefreshSizeHints(QWidget &window) {
  window.ensurePolished();
  // A hidden tab does not tell its tab control that its captions changed: every cache goes.
  for (QWidget *w : window.findChildren<QWidget *>())
    w->updateGeometry();
  for (QLayout *layout : window.findChildren<QLayout *>())
    layout->invalidate();
  if (window.layout())
    window.layout()->invalidate();
}

TWindowLayout::TWindowLayout(QWidget &window) : m_window(window) {
  for (const TabRows &tab : kTabs) {
    auto *grid = window.findChild<QGridLayout *>(QLatin1String(tab.grid));
    Q_ASSERT_X(grid, "TWindowLayout", tab.grid);
    QList<QList<GridPart>> rows;
    for (const auto &row : tab.rows) {
      QList<GridPart> parts;
      for (const PartNames &names : row) {
        GridPart part{window.findChild<QWidget *>(QLatin1String(names.caption)),
                      *names.field ? window.findChild<QWidget *>(QLatin1String(names.field)) : nullptr};
        Q_ASSERT_X(part.caption, "TWindowLayout", names.caption);
        parts << part;
      }
      rows << parts;
    }
    m_tabs.push_back({window.findChild<QGroupBox *>(QLatin1String(tab.box)),
                      std::make_unique<TRowArranger>(*grid, std::move(rows), tab.stacking)});
  }
  for (const char *name : kBoxes)
    m_boxes << window.findChild<QGroupBox *>(QLatin1String(name));
  if (auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("TabControl1"))) {
    auto *style = new CompactTabs;
    style->setParent(&window); // outlives the tab strip
    tabs->tabBar()->setStyle(style);
  }
  for (const char *name : {"DirView1", "lZelvoList"})
    if (auto *list = window.findChild<QAbstractItemView *>(QLatin1String(name)))
      list->setMinimumHeight(kListMinimumHeight);
}

TWindowLayout::~TWindowLayout() = default;

void TWindowLayout::FitWidth(int width) {
  for (Tab &tab : m_tabs)
    tab.rows->AllSideBySide();
  for (;;) {
    RefreshSizeHints(m_window);
    if (m_window.minimumSizeHint().width() <= width)
      return;
    // The widest tab sets the width of them all: its rows go first.
    QGroupBox *widest = nullptr;
    for (QGroupBox *box : m_boxes)
      if (!widest || box->minimumSizeHint().width() > widest->minimumSizeHint().width())
        widest = box;
    auto tab = std::find_if(m_tabs.begin(), m_tabs.end(), [widest](const Tab &t) { return t.box == widest; });
    if (tab == m_tabs.end() || !tab->rows->StackWidest())
      return;
  }
}
