#include "ui/option_binder.h"

#include "engine/option_rules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

namespace {

// Refuses any text holding a character the field's key filter drops; control characters pass.
class KeyFilterValidator : public QValidator {
public:
  KeyFilterValidator(const QString &fieldName, QObject *parent) : QValidator(parent), m_name(fieldName) {}
  State validate(QString &input, int &) const override {
    for (QChar c : input)
      if (!AcceptKey(m_name, c))
        return Invalid;
    return Acceptable;
  }

private:
  QString m_name;
};

QLineEdit *LineEditOf(QWidget *widget) {
  if (auto *edit = qobject_cast<QLineEdit *>(widget))
    return edit;
  if (auto *combo = qobject_cast<QComboBox *>(widget))
    return combo->lineEdit();
  return nullptr;
}

// Whether the field's key filter refuses anything at all.
bool HasKeyFilter(const QString &name) {
  for (QChar c : QStringLiteral("a-?/"))
    if (!AcceptKey(name, c))
      return true;
  return false;
}

void SetCheckedQuietly(QAbstractButton *button, bool on) {
  const QSignalBlocker block(button);
  button->setChecked(on);
}

} // namespace

const QStringList &TOptionBinder::TypeNumberNames() {
  static const QStringList names = {
      QStringLiteral("rgTypeNumberDec"),   QStringLiteral("rgTypeNumberHex"),
      QStringLiteral("rgTypeNumberOct"),   QStringLiteral("rgTypeNumberBin"),
      QStringLiteral("rgTypeNumberExcel"), QStringLiteral("rgTypeNumberManual")};
  return names;
}

TOptionBinder::TOptionBinder(QWidget *root, Notices notices, QObject *parent)
    : QObject(parent), m_notices(std::move(notices)) {
  for (const OptionField &field : RenameOptionFields()) {
    const QString name = QString::fromLatin1(field.name);
    if (field.kind == OptionField::Index) {
      m_typeNumber = new QButtonGroup(this);
      m_typeNumber->setObjectName(QStringLiteral("rgTypeNumberGroup"));
      for (int id = 0; id < TypeNumberNames().size(); ++id) {
        auto *button = root->findChild<QAbstractButton *>(TypeNumberNames()[id]);
        if (!button) {
          m_unbound << TypeNumberNames()[id];
          continue;
        }
        m_typeNumber->addButton(button, id);
      }
      connect(m_typeNumber, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && m_notices.typeNumberChanged)
          m_notices.typeNumberChanged(id);
      });
      m_controls.insert(name, root->findChild<QWidget *>(name));
      continue;
    }
    QWidget *widget = root->findChild<QWidget *>(name);
    if (!widget) {
      m_unbound << name;
      continue;
    }
    m_controls.insert(name, widget);
    if (field.kind == OptionField::Text)
      BindText(field, widget);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
      BindFlag(field, button);
    else
      m_unbound << name;
  }
}

void TOptionBinder::BindText(const OptionField &field, QWidget *widget) {
  QLineEdit *edit = LineEditOf(widget);
  if (!edit) {
    m_unbound << QString::fromLatin1(field.name);
    return;
  }
  const QString name = QString::fromLatin1(field.name);
  if (HasKeyFilter(name))
    edit->setValidator(new KeyFilterValidator(name, edit));
  connect(edit, &QLineEdit::textChanged, this, [this, &field](const QString &text) {
    if (m_notices.textChanged)
      m_notices.textChanged(field, text);
  });
  edit->installEventFilter(this);
  m_leaveWatch.insert(edit, &field);
}

void TOptionBinder::BindFlag(const OptionField &field, QAbstractButton *button) {
  if (field.kind == OptionField::Radio) {
    QButtonGroup *&group = m_radioGroups[field.radioGroup];
    if (!group) {
      group = new QButtonGroup(this);
      group->setObjectName(QStringLiteral("radioGroup%1").arg(field.radioGroup));
    }
    group->addButton(button);
  }
  connect(button, &QAbstractButton::toggled, this, [this, &field](bool on) {
    if (field.kind == OptionField::Radio && !on)
      return;
    if (m_notices.flagChanged)
      m_notices.flagChanged(field, on);
  });
}

bool TOptionBinder::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::FocusOut) {
    if (const OptionField *field = m_leaveWatch.value(watched); field && m_notices.fieldLeft)
      m_notices.fieldLeft(*field);
  }
  return QObject::eventFilter(watched, event);
}

void TOptionBinder::Push(const RenameOptions &options) {
  for (const OptionField &field : RenameOptionFields())
    PushField(options, field);
}

void TOptionBinder::PushField(const RenameOptions &options, const OptionField &field) {
  QWidget *widget = m_controls.value(QString::fromLatin1(field.name));
  switch (field.kind) {
  case OptionField::Text:
    if (QLineEdit *edit = LineEditOf(widget); edit && edit->text() != options.*field.text) {
      const QSignalBlocker block(edit);
      edit->setText(options.*field.text);
    }
    break;
  case OptionField::Flag:
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
      SetCheckedQuietly(button, options.*field.flag);
    break;
  case OptionField::Radio:
    if (auto *button = qobject_cast<QAbstractButton *>(widget);
        button && button->isChecked() != options.*field.flag) {
      // An exclusive group cannot switch its checked button off; a group may end up with none.
      QButtonGroup *group = button->group();
      if (group)
        group->setExclusive(false);
      SetCheckedQuietly(button, options.*field.flag);
      if (group)
        group->setExclusive(true);
    }
    break;
  case OptionField::Index:
    if (m_typeNumber) {
      const int index = options.rgTypeNumber;
      m_typeNumber->setExclusive(false);
      for (QAbstractButton *button : m_typeNumber->buttons())
        SetCheckedQuietly(button, m_typeNumber->id(button) == index);
      m_typeNumber->setExclusive(true);
    }
    break;
  }
}

QWidget *TOptionBinder::Control(const char *fieldName) const {
  return m_controls.value(QString::fromLatin1(fieldName));
}

QStringList TOptionBinder::Unbound() const {
  return m_unbound;
}
