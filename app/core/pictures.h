#pragma once
// The pictures of the main window, the floating window and the tray, drawn at
// run time so the program carries no image files.
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace sa::core::pictures {

// A round school emblem: an open book under a star.
QPixmap schoolEmblem(int size);
// The main screen's banner: sky, sun, school building and playground.
void paintBanner(QPainter& painter, const QRect& area);
// The exit picture of the main screen.
QPixmap exitPicture(int size);
// The picture of the floating window.
QPixmap floatingPicture(int size);
// Tray icons: frame 0..5 of the animation; -1 is the still icon.
QIcon trayIcon(int frame);
// A toolbar icon: a rounded tile with a short text.
QIcon toolIcon(const QString& glyph, int group);

}  // namespace sa::core::pictures
