// The preview list as an item model: one row per preview line, with the icon and hidden mark of the
// file list entry of the same index, whether the line changes the entry's name, whether a rename run would
// fail on the line and why, and whether the lines are new names or a plain text.
#pragma once

#include "engine/rename_conflicts.h"

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

class TZelvoRenameFileListView;

class PreviewModel : public QAbstractListModel {
  Q_OBJECT
public:
  enum Role {
    IconKeyRole = Qt::UserRole + 1, // QString: the icon theme name of the entry of the same index
    HiddenRole,                     // bool: that entry carries the hidden mark "H"
    HasEntryRole,                   // bool: the row belongs to an entry (false past the entries)
    PlainTextRole,                  // bool: the lines are the hint or the drives help, drawn as text
    ConflictRole,                   // int: the LineConflict of the row (None without one)
    FailsRole,                      // bool: a rename run would not rename the row's entry
    ChangedRole,                    // bool: the line gives the entry a name other than its own
  };
  // Qt::ToolTipRole: why the run would fail on the row, for the rows it would fail on.

  // The entries' icons and hidden marks are read from list; it must outlive the model.
  explicit PreviewModel(const TZelvoRenameFileListView &list, QObject *parent = nullptr);

  // Replaces every line at once (one reset, whatever the number of lines). valid: the lines are
  // the result of a refresh; otherwise they are plain text. conflicts: one per entry, or none. The
  // very lines shown already change nothing (the view keeps its place); returns whether the model
  // was reset.
  bool SetLines(const QStringList &lines, bool valid, std::vector<LineConflict> conflicts = {});
  // Whether these lines are the ones shown.
  bool Shows(const QStringList &lines, bool valid) const {
    return valid == m_valid && lines.isSharedWith(m_lines);
  }
  const QStringList &Lines() const { return m_lines; }
  bool Valid() const { return m_valid; }
  LineConflict Conflict(int row) const;
  // The number of lines a run would fail on.
  qsizetype Failing() const { return m_failing; }

  // Whether a row is drawn at all: every row of a plain text, only rows below the number of file
  // list entries while the lines are new names.
  bool RowDrawn(int row) const;

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
  const TZelvoRenameFileListView &m_list;
  QStringList m_lines;
  bool m_valid = false;
  std::vector<LineConflict> m_conflicts;
  qsizetype m_failing = 0;
};
