#pragma once
// "关于": program version, build and the database version.
#include <QDialog>

#include "app/core/app_state.h"

namespace sa::core {

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  AboutWindow(AppState& state, QWidget* parent = nullptr);
};

}  // namespace sa::core
