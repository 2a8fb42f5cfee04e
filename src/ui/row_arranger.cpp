#include "ui/row_arranger.h"

#include <QGridLayout>
#include <QWidget>

#include <algorithm>

namespace {

int Needed(const GridPart &part) {
  int width = part.caption->sizeHint().width();
  if (part.field)
    width += part.field->minimumSizeHint().width();
  return width;
}

} // namespace

TRowArranger::TRowArranger(QGridLayout &grid, QList<QList<GridPart>> rows, Stacking stacking)
    : m_grid(grid), m_rows(std::move(rows)), m_stacked(m_rows.size(), false), m_stacking(stacking) {
  m_grid.setColumnStretch(1, 1);
  m_grid.setColumnStretch(3, 1);
  Place();
}

void TRowArranger::AllSideBySide() {
  std::fill(m_stacked.begin(), m_stacked.end(), false);
  Place();
}

bool TRowArranger::StackWidest() {
  qsizetype widest = -1;
  int most = 0;
  for (qsizetype r = 0; r < m_rows.size(); ++r) {
    if (m_stacked[r] || m_rows[r].size() < 2)
      continue;
    int width = 0;
    for (const GridPart &part : m_rows[r])
      width += Needed(part);
    if (width > most) {
      most = width;
      widest = r;
    }
  }
  if (widest < 0)
    return false;
  if (m_stacking == IntoOneColumn)
    std::fill(m_stacked.begin(), m_stacked.end(), true);
  else
    m_stacked[widest] = true;
  Place();
  return true;
}

int TRowArranger::StackedRows() const {
  return int(std::count(m_stacked.begin(), m_stacked.end(), true));
}

// Side by side, the parts take columns 0-1 and 2-3 (a lone part's field reaches to the end); stacked,
// every part is a row of its own with its field from column 1 to the end.
void TRowArranger::Place() {
  for (const QList<GridPart> &row : m_rows)
    for (const GridPart &part : row)
      for (QWidget *w : {part.caption, part.field})
        if (w)
          m_grid.removeWidget(w);
  int line = 0;
  if (m_stacking == IntoOneColumn && StackedRows() > 0) {
    for (qsizetype p = 0; p < 2; ++p)
      for (const QList<GridPart> &row : m_rows)
        if (p < row.size())
          m_grid.addWidget(row[p].caption, line++, 0, 1, 4);
    return;
  }
  for (qsizetype r = 0; r < m_rows.size(); ++r) {
    const QList<GridPart> &row = m_rows[r];
    for (qsizetype p = 0; p < row.size(); ++p) {
      const GridPart &part = row[p];
      const bool sideBySide = !m_stacked[r];
      const int column = sideBySide ? int(2 * p) : 0;
      const bool last = p + 1 == row.size();
      const int fieldSpan = sideBySide && !last ? 1 : 4 - column - 1;
      if (part.field) {
        m_grid.addWidget(part.caption, line, column);
        // A field of limited width keeps to the left of its cell.
        const bool limited = part.field->maximumWidth() < QWIDGETSIZE_MAX;
        m_grid.addWidget(part.field, line, column + 1, 1, fieldSpan,
                         limited ? Qt::AlignLeft : Qt::Alignment());
      } else {
        m_grid.addWidget(part.caption, line, column, 1, fieldSpan + 1);
      }
      if (!sideBySide || last)
        ++line;
    }
  }
}
