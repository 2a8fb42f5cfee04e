// Rows of an options grid whose parts stand side by side while the window has room for them, and
// one under the other when a language's captions need more room than the window's width.
#pragma once

#include <QList>

class QGridLayout;
class QWidget;

// A caption (a label or a check box) and the field it names; a part without a field is a caption
// that takes both columns.
struct GridPart {
  QWidget *caption = nullptr;
  QWidget *field = nullptr;
};

class TRowArranger {
public:
  // How rows are stacked: one at a time, each keeping its place; or all at once into one column
  // that lists the first column's parts, then the second's (a group of choices in two columns).
  enum Stacking { ByRow, IntoOneColumn };

  // grid must outlive this; each row is a list of parts, at most two.
  TRowArranger(QGridLayout &grid, QList<QList<GridPart>> rows, Stacking stacking = ByRow);

  // Every row side by side again.
  void AllSideBySide();
  // Puts the parts of the row that needs the most room one under the other; false when no row
  // has two parts side by side any more.
  bool StackWidest();
  int StackedRows() const;

private:
  void Place();

  QGridLayout &m_grid;
  QList<QList<GridPart>> m_rows;
  QList<bool> m_stacked;
  Stacking m_stacking;
};
