#include "ui/wrap_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

TWrapCheckBox::TWrapCheckBox(QWidget *parent) : QCheckBox(parent) {
  QSizePolicy policy = sizePolicy();
  policy.setHorizontalPolicy(QSizePolicy::Preferred); // narrower than the caption: it wraps
  policy.setVerticalPolicy(QSizePolicy::Minimum);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

int TWrapCheckBox::IndicatorRoom() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
         style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
}

// The caption's size when it may take width pixels (0: one line).
QSize TWrapCheckBox::CaptionSize(int width) const {
  const QRect bounds(0, 0, width > 0 ? width : QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return fontMetrics().boundingRect(bounds, kFlags, text()).size();
}

QSize TWrapCheckBox::sizeHint() const {
  return QCheckBox::sizeHint();
}

QSize TWrapCheckBox::minimumSizeHint() const {
  // As narrow as the longest word.
  int longest = 0;
  for (const QString &word : text().split(u' ', Qt::SkipEmptyParts))
    longest = std::max(longest, fontMetrics().horizontalAdvance(QString(word).remove(u'&')));
  return {IndicatorRoom() + longest + 2, QCheckBox::minimumSizeHint().height()};
}

int TWrapCheckBox::heightForWidth(int width) const {
  const int caption = CaptionSize(std::max(1, width - IndicatorRoom() - 2)).height();
  return std::max(QCheckBox::sizeHint().height(), caption + 4);
}

void TWrapCheckBox::paintEvent(QPaintEvent *) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  // The box, centred on the caption's height.
  QStyleOptionButton box = option;
  const int side = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
  box.rect =
      QRect(0, (height() - side) / 2, style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this), side);
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);
  const QRect textRect = rect().adjusted(IndicatorRoom(), 0, 0, 0);
  painter.drawItemText(textRect, kFlags, palette(), isEnabled(), caption, QPalette::WindowText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = fontMetrics().boundingRect(textRect, kFlags, caption).adjusted(-1, 0, 1, 0);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
