#include "app/core/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace sa::core::pictures {

namespace {

QPixmap blank(int w, int h) {
  QPixmap pm(w, h);
  pm.fill(Qt::transparent);
  return pm;
}

void drawStar(QPainter& p, QPointF centre, double outer, double inner) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 ? inner : outer;
    const double a = -M_PI / 2 + i * M_PI / 5;
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  p.drawPath(path);
}

void drawBook(QPainter& p, const QRectF& r, const QColor& page, const QColor& edge) {
  p.setPen(QPen(edge, std::max(1.0, r.width() / 30)));
  p.setBrush(page);
  QPainterPath left, right;
  const double mid = r.center().x();
  left.moveTo(mid, r.top() + r.height() * 0.15);
  left.quadTo(r.left() + r.width() * 0.25, r.top(), r.left(), r.top() + r.height() * 0.1);
  left.lineTo(r.left(), r.bottom() - r.height() * 0.05);
  left.quadTo(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.15, mid, r.bottom());
  left.closeSubpath();
  right.moveTo(mid, r.top() + r.height() * 0.15);
  right.quadTo(r.right() - r.width() * 0.25, r.top(), r.right(), r.top() + r.height() * 0.1);
  right.lineTo(r.right(), r.bottom() - r.height() * 0.05);
  right.quadTo(r.right() - r.width() * 0.25, r.bottom() - r.height() * 0.15, mid, r.bottom());
  right.closeSubpath();
  p.drawPath(left);
  p.drawPath(right);
}

// The tile colours of the toolbar groups.
const QColor kGroupColors[] = {QColor(46, 125, 50),  QColor(21, 101, 192), QColor(96, 125, 139),
                               QColor(230, 81, 0),   QColor(106, 27, 154), QColor(0, 131, 143),
                               QColor(69, 90, 100),  QColor(183, 28, 28),  QColor(121, 85, 72)};

}  // namespace

QPixmap schoolEmblem(int size) {
  QPixmap pm = blank(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(size * 0.4, size * 0.35, size * 0.7);
  g.setColorAt(0, QColor(66, 165, 245));
  g.setColorAt(1, QColor(13, 71, 161));
  p.setPen(QPen(QColor(255, 213, 79), std::max(1.0, size / 24.0)));
  p.setBrush(g);
  p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 213, 79));
  drawStar(p, QPointF(size / 2.0, size * 0.3), size * 0.14, size * 0.06);
  drawBook(p, QRectF(size * 0.2, size * 0.45, size * 0.6, size * 0.32), Qt::white, QColor(13, 71, 161));
  return pm;
}

void paintBanner(QPainter& p, const QRect& area) {
  if (area.width() <= 0 || area.height() <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double w = area.width(), h = area.height(), x0 = area.left(), y0 = area.top();
  // Sky.
  QLinearGradient sky(x0, y0, x0, y0 + h);
  sky.setColorAt(0, QColor(25, 118, 210));
  sky.setColorAt(0.7, QColor(144, 202, 249));
  sky.setColorAt(1, QColor(227, 242, 253));
  p.fillRect(area, sky);
  // Sun.
  QRadialGradient sun(x0 + w * 0.85, y0 + h * 0.22, h * 0.16);
  sun.setColorAt(0, QColor(255, 249, 196));
  sun.setColorAt(0.6, QColor(255, 213, 79));
  sun.setColorAt(1, QColor(255, 213, 79, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sun);
  p.drawEllipse(QPointF(x0 + w * 0.85, y0 + h * 0.22), h * 0.16, h * 0.16);
  // Clouds.
  p.setBrush(QColor(255, 255, 255, 200));
  for (const auto& c : {QPointF(0.12, 0.18), QPointF(0.45, 0.12), QPointF(0.66, 0.28)}) {
    const double cx = x0 + w * c.x(), cy = y0 + h * c.y(), r = h * 0.06;
    p.drawEllipse(QPointF(cx, cy), r * 1.6, r);
    p.drawEllipse(QPointF(cx + r * 1.2, cy + r * 0.2), r * 1.2, r * 0.8);
    p.drawEllipse(QPointF(cx - r * 1.2, cy + r * 0.3), r, r * 0.7);
  }
  // Playground.
  QLinearGradient grass(x0, y0 + h * 0.78, x0, y0 + h);
  grass.setColorAt(0, QColor(102, 187, 106));
  grass.setColorAt(1, QColor(46, 125, 50));
  p.setBrush(grass);
  p.drawRect(QRectF(x0, y0 + h * 0.78, w, h * 0.22));
  // School building on the left third.
  const double bw = w * 0.3, bh = h * 0.42, bx = x0 + w * 0.06, by = y0 + h * 0.78 - bh;
  p.setBrush(QColor(255, 243, 224));
  p.setPen(QPen(QColor(141, 110, 99), 1.5));
  p.drawRect(QRectF(bx, by, bw, bh));
  QPainterPath roof;
  roof.moveTo(bx - bw * 0.04, by);
  roof.lineTo(bx + bw / 2, by - bh * 0.35);
  roof.lineTo(bx + bw * 1.04, by);
  roof.closeSubpath();
  p.setBrush(QColor(198, 40, 40));
  p.drawPath(roof);
  p.setBrush(QColor(129, 212, 250));
  p.setPen(QPen(QColor(96, 125, 139), 1));
  const int cols = 6, rows = 3;
  const double ww = bw / (cols * 1.6), wh = bh / (rows * 2.2);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      if (r == rows - 1 && (c == 2 || c == 3)) continue;
      p.drawRect(QRectF(bx + bw * 0.08 + c * bw * 0.86 / cols, by + bh * 0.12 + r * bh * 0.3, ww, wh));
    }
  p.setBrush(QColor(121, 85, 72));
  p.drawRect(QRectF(bx + bw * 0.42, by + bh * 0.66, bw * 0.16, bh * 0.34));
  // Flag pole and flag.
  const double fx = bx + bw * 1.25;
  p.setPen(QPen(QColor(120, 120, 120), 2));
  p.drawLine(QPointF(fx, y0 + h * 0.78), QPointF(fx, y0 + h * 0.2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(229, 57, 53));
  p.drawRect(QRectF(fx, y0 + h * 0.2, h * 0.16, h * 0.1));
  p.setBrush(QColor(255, 235, 59));
  drawStar(p, QPointF(fx + h * 0.035, y0 + h * 0.235), h * 0.02, h * 0.008);
  // Trees.
  for (double tx : {0.02, 0.4, 0.95}) {
    const double cx = x0 + w * tx, base = y0 + h * 0.8;
    p.setBrush(QColor(121, 85, 72));
    p.drawRect(QRectF(cx - 3, base - h * 0.1, 6, h * 0.1));
    p.setBrush(QColor(56, 142, 60));
    p.drawEllipse(QPointF(cx, base - h * 0.15), h * 0.07, h * 0.09);
  }
  p.restore();
}

QPixmap exitPicture(int size) {
  QPixmap pm = blank(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(size * 0.35, size * 0.3, size * 0.75);
  g.setColorAt(0, QColor(239, 83, 80));
  g.setColorAt(1, QColor(183, 28, 28));
  p.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, size / 20.0)));
  p.setBrush(g);
  p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
  // A power symbol.
  QPen pen(Qt::white, size / 10.0, Qt::SolidLine, Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const QRectF arc(size * 0.28, size * 0.3, size * 0.44, size * 0.44);
  p.drawArc(arc, 120 * 16, 300 * 16);
  p.drawLine(QPointF(size / 2.0, size * 0.22), QPointF(size / 2.0, size * 0.5));
  return pm;
}

QPixmap floatingPicture(int size) {
  QPixmap pm = blank(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawPixmap(0, 0, schoolEmblem(size));
  return pm;
}

QIcon trayIcon(int frame) {
  const int size = 32;
  if (frame < 0 || frame > 5) return QIcon(schoolEmblem(size));
  // The emblem with a ring of light moving round it.
  QPixmap pm = schoolEmblem(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 235, 59), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(2, 2, size - 4, size - 4), -frame * 60 * 16, 90 * 16);
  return QIcon(pm);
}

QIcon toolIcon(const QString& glyph, int group) {
  const int size = 32;
  QPixmap pm = blank(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = kGroupColors[std::abs(group) % int(std::size(kGroupColors))];
  QLinearGradient g(0, 0, 0, size);
  g.setColorAt(0, c.lighter(135));
  g.setColorAt(1, c);
  p.setPen(QPen(c.darker(130), 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1.5, 1.5, size - 3, size - 3), 6, 6);
  QFont f;
  f.setPixelSize(glyph.size() > 1 ? 12 : 16);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
  return QIcon(pm);
}

}  // namespace sa::core::pictures
