#pragma once
// TGradient: a panel filled with a vertical colour gradient, with an optional one-line title and
// an optional 3-D frame. The program's dialogs put it under their labels and buttons as their
// background.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include "components/ventrum_export.h"

namespace zel {

// Everything the gradient picture depends on besides its size and font.
struct GradientLook {
  int titleX = 8;
  int titleY = 8;
  QString title;
  bool titleCentered = false;
  bool frame = false;
  QColor from = QColor(255, 255, 255);
  QColor to = QColor(0, 0, 0);
};

class VENTRUM_EXPORT TGradient : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int TITLE_x READ TITLE_x WRITE SetTITLE_x)
  Q_PROPERTY(int TITLE_y READ TITLE_y WRITE SetTITLE_y)
  Q_PROPERTY(QString TITLE READ TITLE WRITE SetTITLE)
  Q_PROPERTY(bool TITLE_centered READ TITLE_centered WRITE SetTITLE_centered)
  Q_PROPERTY(bool Control_3D READ Control_3D WRITE SetControl_3D)
  Q_PROPERTY(QColor RGB_From READ RGB_From WRITE SetRGB_From)
  Q_PROPERTY(QColor RGB_To READ RGB_To WRITE SetRGB_To)

 public:
  explicit TGradient(QWidget* parent = nullptr);

  int TITLE_x() const { return look_.titleX; }
  int TITLE_y() const { return look_.titleY; }
  QString TITLE() const { return look_.title; }
  bool TITLE_centered() const { return look_.titleCentered; }
  bool Control_3D() const { return look_.frame; }
  QColor RGB_From() const { return look_.from; }
  QColor RGB_To() const { return look_.to; }

  // The title and frame setters repaint only when the value changes.
  void SetTITLE_x(int x);
  void SetTITLE_y(int y);
  void SetTITLE(const QString& title);
  void SetTITLE_centered(bool centered);
  void SetControl_3D(bool on);
  // The colour setters repaint on every assignment.
  void SetRGB_From(const QColor& colour);
  void SetRGB_To(const QColor& colour);

  const GradientLook& look() const { return look_; }
  // The picture at the panel's current size, as a paint copies it to the screen.
  QImage Render() const;
  QSize sizeHint() const override;

  // Colour of row y of a panel `height` rows high: from - (from - to) * y / height per channel,
  // the division truncating toward zero, the result kept to its low 8 bits.
  static QRgb RowColour(const QColor& from, const QColor& to, int y, int height);
  // Top left of a centred title: ((W + 1 - text width) / 2, (H + 1 - text height) / 2),
  // truncating toward zero, so a title wider than the panel starts left of it.
  static QPoint CenteredTitleOrigin(QSize panel, QSize text);
  // The whole picture: gradient column stretched over the panel, title, frame.
  static QImage Compose(const GradientLook& look, QSize size, const QFont& font,
                        const QColor& textColour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GradientLook look_;
};

}  // namespace zel
