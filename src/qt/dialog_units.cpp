#include "qt/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace quelmo {
namespace {

// Rounds n / d to the nearest whole number, halves away from zero, as MulDiv.
int MulDivRounded(int n, int m, int d) {
  const long long product = static_cast<long long>(n) * m;
  const long long half = d / 2;
  return static_cast<int>(product >= 0 ? (product + half) / d : (product - half) / d);
}

}  // namespace

DialogUnits DialogUnits::ForFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters_width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogUnits(MulDivRounded(letters_width, 1, 52), metrics.height());
}

int DialogUnits::X(int dialog_units) const { return MulDivRounded(dialog_units, base_x_, 4); }

int DialogUnits::Y(int dialog_units) const { return MulDivRounded(dialog_units, base_y_, 8); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  // Each edge is mapped on its own, so that neighbouring controls that meet in
  // dialog units also meet in pixels.
  const int left = X(x);
  const int top = Y(y);
  return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

}  // namespace quelmo
