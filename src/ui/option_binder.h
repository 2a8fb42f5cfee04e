// Binds the option controls of the window to the fields of RenameOptions by object name: key
// filters, radio groups, change and leave notices, and pushing values without echo.
#pragma once

#include "engine/option_fields.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QWidget;

class TOptionBinder : public QObject {
  Q_OBJECT
public:
  // What the user did to a field. Radio buttons report only the one switched on.
  struct Notices {
    std::function<void(const OptionField &, const QString &)> textChanged;
    std::function<void(const OptionField &, bool)> flagChanged;
    std::function<void(int)> typeNumberChanged;
    std::function<void(const OptionField &)> fieldLeft;
  };

  // Finds the control of every field below root: a line edit or an editable combo box for a text,
  // a check box or radio button for a flag, and radio buttons named rgTypeNumber<Type> (in the
  // order of the number types) for rgTypeNumber.
  TOptionBinder(QWidget *root, Notices notices, QObject *parent = nullptr);

  // Sets every control from options with their signals blocked.
  void Push(const RenameOptions &options);
  // Sets one field's control, signals blocked.
  void PushField(const RenameOptions &options, const OptionField &field);

  // The control of a field, or nullptr.
  QWidget *Control(const char *fieldName) const;
  // Names of fields without a control (to catch a misspelt object name).
  QStringList Unbound() const;

  static const QStringList &TypeNumberNames();

private:
  void BindText(const OptionField &field, QWidget *widget);
  void BindFlag(const OptionField &field, QAbstractButton *button);
  bool eventFilter(QObject *watched, QEvent *event) override;

  Notices m_notices;
  QHash<QString, QWidget *> m_controls;
  QHash<QObject *, const OptionField *> m_leaveWatch;
  QHash<int, QButtonGroup *> m_radioGroups;
  QButtonGroup *m_typeNumber = nullptr;
  QStringList m_unbound;
};
