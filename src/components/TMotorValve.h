#pragma once
// The motor-driven valves TLargeKran and TSmallKran: five states, each with its colour, and a
// fail overlay over the actuator windows shown when both Fail and ShowFail are set.

#include <span>

#include "components/TIndicator.h"

namespace zel {

class VENTRUM_EXPORT TMotorValve : public TIndicator {
  Q_OBJECT
  Q_PROPERTY(bool Fail READ Fail WRITE SetFail)
  Q_PROPERTY(bool ShowFail READ ShowFail WRITE SetShowFail)
  Q_PROPERTY(QColor RGB_contour READ RGB_contour WRITE SetRGB_contour)
  Q_PROPERTY(QColor RGB_none READ RGB_none WRITE SetRGB_none)
  Q_PROPERTY(QColor RGB_open READ RGB_open WRITE SetRGB_open)
  Q_PROPERTY(QColor RGB_temp READ RGB_temp WRITE SetRGB_temp)
  Q_PROPERTY(QColor RGB_close READ RGB_close WRITE SetRGB_close)
  Q_PROPERTY(QColor RGB_avar READ RGB_avar WRITE SetRGB_avar)
  Q_PROPERTY(QColor RGB_fail READ RGB_fail WRITE SetRGB_fail)

 public:
  bool Fail() const { return fail_; }
  bool ShowFail() const { return showFail_; }
  // Repaint only when the value changes.
  void SetFail(bool fail);
  void SetShowFail(bool show);

  QColor RGB_open() const { return open_; }
  QColor RGB_temp() const { return temp_; }
  QColor RGB_close() const { return close_; }
  QColor RGB_avar() const { return avar_; }
  QColor RGB_fail() const { return failColour_; }
  void SetRGB_open(const QColor& colour) { StoreColour(open_, colour); }
  void SetRGB_temp(const QColor& colour) { StoreColour(temp_, colour); }
  void SetRGB_close(const QColor& colour) { StoreColour(close_, colour); }
  void SetRGB_avar(const QColor& colour) { StoreColour(avar_, colour); }
  void SetRGB_fail(const QColor& colour) { StoreColour(failColour_, colour); }

  // 0 none, 1 open, 2 temp, 3 close, 4 avar.
  QColor StateColour() const override;

 protected:
  TMotorValve(QSize size, QWidget* parent);
  // The actuator windows take the fail colour only when both flags are set.
  bool FailShown() const { return fail_ && showFail_; }
  QRgb FailPixel() const { return OpaquePixel(failColour_); }
  // Half-intensity shading of the body's stepped edges: the `inside` points in the state
  // colour, the `outside` points in the background colour, each with its mirror image about
  // the valve's vertical centre line (`width` pixels wide).
  void ShadeMirrored(PixelCanvas& canvas, int width, std::span<const QPoint> inside,
                     std::span<const QPoint> outside, QRgb state) const;

 private:
  bool fail_ = false;
  bool showFail_ = false;
  QColor open_ = QColor(0, 255, 0);
  QColor temp_ = QColor(255, 255, 0);
  QColor close_ = QColor(0, 0, 255);
  QColor avar_ = QColor(255, 0, 0);
  QColor failColour_ = QColor(255, 255, 255);
};

}  // namespace zel
