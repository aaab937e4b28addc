#include "app/core/main_screen_layout.h"

namespace sa::core {

MainScreenLayout layoutMainScreen(QSize client, int toolbarHeight, int statusBarHeight, int bannerHeightBefore,
                                  QSize headingSize, QSize exitSize) {
  const int w = client.width();
  const int h = client.height();
  MainScreenLayout l;
  l.background = QRect(0, 0, w, h - toolbarHeight - statusBarHeight);

  const int bannerHeight = int(0.6 * h);
  const int bannerTop = (h - bannerHeightBefore) / 2 - 20;
  l.banner = QRect(2, bannerTop, w - 4, bannerHeight);
  const int bannerRight = l.banner.x() + l.banner.width();
  const int bannerBottom = l.banner.y() + l.banner.height();

  l.heading = QRect(bannerRight - 80 - headingSize.width(), bannerBottom - headingSize.height(), headingSize.width(),
                    headingSize.height());

  const int backgroundBottom = l.background.y() + l.background.height();
  const int exitTop = bannerBottom + (backgroundBottom - bannerBottom - exitSize.height()) / 2;
  l.exit = QRect(bannerRight - 50 - exitSize.width(), exitTop, exitSize.width(), exitSize.height());
  return l;
}

}  // namespace sa::core
