#pragma once
// The four built-in interface styles (0..3) and applying the saved look of
// config.ini ([Interface] Skin and Style) to every window of the process.
#include <QString>
#include <QStringList>

#include "app/core/app_state.h"

namespace sa::core {

// The captions of the four style buttons; the first is "默认界面".
QStringList interfaceStyleCaptions();

// Applies style 0..3 (anything else is 0) to the whole application.
void applyInterfaceStyle(int style);
// The style applied last.
int currentInterfaceStyle();

// At login: attaches the skin named in config.ini when there is one.
void applySavedSkin(AppState& state);
// When the style dialog closes: an empty skin detaches any skin and applies
// the saved style; a named skin is attached.
void applySavedAppearance(AppState& state);

}  // namespace sa::core
