#include "ui/dir_tree_combo.h"

#include "explorer/explorer_helpers.h"
#include "explorer/file_list_view.h"
#include "explorer/typed_folder.h"
#include "ui/explorer_dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QPainter>
#include <QStringListModel>
#include <QToolButton>

namespace {

constexpr int kImageLeft = 5;
constexpr int kTextLeftWithImage = 23;

// Two folder texts name the same choice ("Drives" in any case, a folder with or without its final "/").
bool SameChoice(const QString &a, const QString &b) {
  if (IsDrivesFolder(a) || IsDrivesFolder(b))
    return IsDrivesFolder(a) && IsDrivesFolder(b);
  return WithTrailingBackslash(a) == WithTrailingBackslash(b);
}

} // namespace

// ---- The drop-down tree

TKpDirTreeView::TKpDirTreeView(TZelvoRenameDirTreeCombo *combo, const Platform *platform)
    : TZelvoRenameFolderTreeView(combo, platform), m_combo(combo) {
  setWindowFlags(Qt::Popup);
  // The click that closes the drop-down does nothing else (a click on the drop button only closes it).
  setAttribute(Qt::WA_NoMouseReplay);
  setObjectName(QStringLiteral("DropDownTree"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFrameShape(QFrame::Box);
  setMouseTracking(true);
}

void TKpDirTreeView::keyPressEvent(QKeyEvent *event) {
  if (!m_combo->HandleKey(event))
    TZelvoRenameFolderTreeView::keyPressEvent(event);
}

void TKpDirTreeView::mousePressEvent(QMouseEvent *event) {
  if (!rect().contains(event->position().toPoint())) {
    hide();
    return;
  }
  TZelvoRenameFolderTreeView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton)
    return;
  const QModelIndex node = NodeAt(viewport()->mapFrom(this, event->position().toPoint()));
  if (node.isValid())
    m_combo->ChooseNode(node);
}

void TKpDirTreeView::mouseMoveEvent(QMouseEvent *event) {
  // The node under the mouse is the one Enter or a click would choose.
  const QModelIndex node = NodeAt(event->position().toPoint());
  if (node.isValid() && event->buttons() == Qt::NoButton && node != currentIndex())
    setCurrentIndex(node);
  TZelvoRenameFolderTreeView::mouseMoveEvent(event);
}

// ---- The combo

TZelvoRenameDirTreeCombo::TZelvoRenameDirTreeCombo(QWidget *parent, const Platform *platform)
    : QLineEdit(parent), m_tree(new TKpDirTreeView(this, platform)), m_button(new QToolButton(this)),
      m_completer(new QCompleter(this)), m_completions(new QStringListModel(this)),
      m_dialogs(&MessageBoxDialogs()) {
  setFocusPolicy(Qt::StrongFocus);
  m_completer->setModel(m_completions);
  m_completer->setCaseSensitivity(Qt::CaseSensitive);
  m_completer->setCompletionMode(QCompleter::PopupCompletion);
  setCompleter(m_completer);
  connect(this, &QLineEdit::textEdited, this, &TZelvoRenameDirTreeCombo::Typed);
  m_button->setObjectName(QStringLiteral("DropButton"));
  m_button->setArrowType(Qt::DownArrow);
  m_button->setFocusPolicy(Qt::NoFocus);
  m_button->setCursor(Qt::ArrowCursor);
  connect(m_button, &QToolButton::clicked, this, &TZelvoRenameDirTreeCombo::ToggleDropDown);
  resize(216, std::max(21, sizeHint().height()));
  m_tree->FillDrives();
  ShowNode(m_tree->Model()->RootIndex());
  m_tree->setCurrentIndex(m_tree->Model()->RootIndex());
}

TZelvoRenameDirTreeCombo::~TZelvoRenameDirTreeCombo() = default;

bool TZelvoRenameDirTreeCombo::IsDroppedDown() const {
  return m_tree->isVisible();
}

void TZelvoRenameDirTreeCombo::SetSelectedPath(const QString &path) {
  if (!SameChoice(path, m_selectedPath))
    m_selectedPath = path;
  if (m_fileList)
    m_fileList->SetDirectory(m_selectedPath);
}

void TZelvoRenameDirTreeCombo::SetFileList(TZelvoRenameFileListView *list) {
  if (list == m_fileList)
    return;
  if (m_fileList)
    disconnect(m_fileList, nullptr, this, nullptr);
  m_fileList = list;
  if (!list)
    return;
  connect(list, &TZelvoRenameFileListView::OnAddFiles, this, &TZelvoRenameDirTreeCombo::FollowFileList);
  if (m_selectedPath.isEmpty()) {
    FollowFileList();
    return;
  }
  const QString before = list->Directory();
  list->SetDirectory(m_selectedPath);
  if (list->Directory() == before)
    list->Reload();
}

void TZelvoRenameDirTreeCombo::SetExpandRoot(bool on) {
  m_expandRoot = on;
  if (on)
    m_tree->expand(m_tree->Model()->RootIndex());
}

void TZelvoRenameDirTreeCombo::FollowFileList() {
  if (m_fileList && !SameChoice(m_fileList->Directory(), m_selectedPath))
    SelectPath(m_fileList->Directory());
}

void TZelvoRenameDirTreeCombo::SelectPath(const QString &path) {
  const QModelIndex node = m_tree->ShowPath(path);
  if (m_expandRoot)
    m_tree->expand(m_tree->Model()->RootIndex());
  if (!node.isValid())
    return;
  ShowNode(node);
  if (!SameChoice(path, m_selectedPath))
    m_selectedPath = IsDrivesFolder(path) ? path : WithTrailingBackslash(path);
}

void TZelvoRenameDirTreeCombo::FillDrives() {
  m_tree->FillDrives();
  if (!m_selectedPath.isEmpty())
    m_tree->ShowPath(m_selectedPath);
}

void TZelvoRenameDirTreeCombo::ShowNode(const QModelIndex &index) {
  setText(index.data().toString());
  setCursorPosition(0);
  m_image = m_tree->NodeIcon(index);
  setTextMargins(m_image.isNull() ? 0 : kTextLeftWithImage, 0, 0, 0);
  PlaceButton();
  update();
}

void TZelvoRenameDirTreeCombo::ChooseNode(const QModelIndex &index) {
  if (!index.isValid())
    return;
  CloseDropDown();
  const QString path = m_tree->ChoicePath(index);
  SetSelectedPath(path);
  if (m_tree->NeedsMediumCheck(index, false)) {
    QString message;
    if (!DiskReady(m_tree->NodePath(index), true, &message)) {
      m_dialogs->ShowError(this, message);
      return;
    }
  }
  ShowNode(index);
  emit PathChosen(path);
}

void TZelvoRenameDirTreeCombo::ToggleDropDown() {
  if (IsDroppedDown()) {
    CloseDropDown();
    return;
  }
  EndTyping();
  FillDrives();
  m_tree->setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(width(), m_treeHeight)));
  m_tree->show();
  m_tree->setFocus();
  if (m_tree->currentIndex().isValid())
    m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TZelvoRenameDirTreeCombo::CloseDropDown() {
  if (m_tree->isVisible())
    m_tree->hide();
}

bool TZelvoRenameDirTreeCombo::HandleKey(QKeyEvent *event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  if ((key == Qt::Key_F4 && mods == Qt::NoModifier) ||
      ((key == Qt::Key_Down || key == Qt::Key_Up) && mods == Qt::AltModifier)) {
    ToggleDropDown();
    return true;
  }
  if (mods != Qt::NoModifier)
    return false;
  // While a path is typed the keys edit it; Enter hands it over and Esc gives it up.
  if (m_typing && !IsDroppedDown()) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit PathTyped(text());
      return true;
    }
    if (key == Qt::Key_Escape) {
      EndTyping();
      return true;
    }
    return false;
  }
  const QModelIndex current = m_tree->currentIndex();
  const QModelIndex root = m_tree->Model()->RootIndex();
  switch (key) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    ChooseNode(current.isValid() ? current : root);
    return true;
  case Qt::Key_Escape:
    if (!IsDroppedDown())
      return false;
    CloseDropDown();
    return true;
  case Qt::Key_Left: {
    if (m_tree->isExpanded(current))
      m_tree->CollapseAll(current);
    const QModelIndex above = m_tree->indexAbove(current);
    if (current.isValid() && current != root && above != root)
      m_tree->setCurrentIndex(above);
    return true;
  }
  case Qt::Key_Up:
    if (current.isValid() && current != root && m_tree->indexAbove(current).isValid())
      m_tree->setCurrentIndex(m_tree->indexAbove(current));
    return true;
  case Qt::Key_Right:
    if (current.isValid())
      m_tree->ExpandNode(current);
    return true;
  case Qt::Key_Down: {
    const QModelIndex below = current.isValid() ? m_tree->indexBelow(current) : root;
    if (below.isValid())
      m_tree->setCurrentIndex(below);
    return true;
  }
  default:
    return false;
  }
}

void TZelvoRenameDirTreeCombo::BeginTyping() {
  CloseDropDown();
  m_typing = true;
  setText(m_selectedPath);
  setTextMargins(0, 0, textMargins().right(), 0);
  m_image = QIcon();
  selectAll();
  setFocus(Qt::ShortcutFocusReason);
  update();
}

void TZelvoRenameDirTreeCombo::EndTyping() {
  if (!m_typing)
    return;
  m_typing = false;
  if (m_completer->popup())
    m_completer->popup()->hide();
  const QModelIndex current = m_tree->currentIndex();
  ShowNode(current.isValid() ? current : m_tree->Model()->RootIndex());
}

void TZelvoRenameDirTreeCombo::Typed(const QString &text) {
  if (!m_typing) {
    m_typing = true;
    m_image = QIcon();
    setTextMargins(0, 0, textMargins().right(), 0);
  }
  m_completions->setStringList(FolderCompletions(text, m_fileList ? m_fileList->Directory() : QString()));
}

void TZelvoRenameDirTreeCombo::focusOutEvent(QFocusEvent *event) {
  QLineEdit::focusOutEvent(event);
  // The completion list takes the focus for a moment; any other way out gives the typing up.
  if (event->reason() != Qt::PopupFocusReason)
    EndTyping();
}

void TZelvoRenameDirTreeCombo::keyPressEvent(QKeyEvent *event) {
  if (!HandleKey(event))
    QLineEdit::keyPressEvent(event);
}

void TZelvoRenameDirTreeCombo::PlaceButton() {
  const int side = std::max(1, height() - 4);
  m_button->setGeometry(width() - 2 - side, 2, side, side);
  const QMargins margins = textMargins();
  setTextMargins(margins.left(), 0, side + 2, 0);
}

void TZelvoRenameDirTreeCombo::resizeEvent(QResizeEvent *event) {
  QLineEdit::resizeEvent(event);
  PlaceButton();
}

void TZelvoRenameDirTreeCombo::paintEvent(QPaintEvent *event) {
  QLineEdit::paintEvent(event);
  if (m_image.isNull())
    return;
  QPainter painter(this);
  m_image.paint(&painter, QRect(kImageLeft, height() / 2 - 8, 16, 16));
}
