// The option tabs arranged for a width: rows of a tab whose parts do not fit side by side in the
// current language are put one under the other, the widest first, until the window fits.
#pragma once

#include "ui/row_arranger.h"

#include <memory>
#include <vector>

class QGroupBox;

class TWindowLayout {
public:
  // window must outlive this; its tabs are found by their names.
  explicit TWindowLayout(QWidget &window);
  ~TWindowLayout();

  // Arranges the rows so that the window's options need no more than width, as far as stacking
  // rows can; then the window's own minimum size is up to date.
  void FitWidth(int width);

private:
  struct Tab {
    QGroupBox *box;
    std::unique_ptr<TRowArranger> rows;
  };

  QWidget &m_window;
  std::vector<Tab> m_tabs;
  QList<QGroupBox *> m_boxes; // every tab's group box
};

// Makes the window's size hints current: hidden tabs and changed captions included.
void RefreshSizeHints(QWidget &window);
