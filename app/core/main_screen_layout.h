#pragma once
// Where the pieces of the main screen (page 0) go for a window size.
#include <QRect>
#include <QSize>

namespace sa::core {

struct MainScreenLayout {
  QRect background;  // 首页底色标签
  QRect banner;      // 图片框5
  QRect heading;     // 首页校名标签
  QRect exit;        // 图片框4
};

// `client` is the main window's client area (menu bar excluded); the bars'
// heights come off the background. The banner's top depends on its height
// before this layout. Fractions are truncated.
MainScreenLayout layoutMainScreen(QSize client, int toolbarHeight, int statusBarHeight, int bannerHeightBefore,
                                  QSize headingSize, QSize exitSize);

}  // namespace sa::core
