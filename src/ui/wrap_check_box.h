// A check box whose caption wraps onto more lines when its column is narrower than the caption.
#pragma once

#include <QCheckBox>

class TWrapCheckBox : public QCheckBox {
  Q_OBJECT
public:
  explicit TWrapCheckBox(QWidget *parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

protected:
  void paintEvent(QPaintEvent *event) override;
  bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
  int IndicatorRoom() const;
  QSize CaptionSize(int width) const;
};
