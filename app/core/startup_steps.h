#pragma once
// The steps of start-up that touch files, names and the network, kept apart
// from the windows so each can be tested on its own.
#include <QString>

#include "app/core/app_state.h"
#include "settings/settings_block.h"

namespace sa::core {

// Copies the settings block's values into the shared state.
void takeSettings(AppState& state, const settings::Settings& s);

// The first IPv4 address of the host, in dotted form. A dotted address comes
// back as it is; a name that does not resolve comes back unchanged, so the
// connection fails with the usual message.
QString resolveToIPv4(const QString& host);

// The folder "skn" beside the executable and "校务管理软件" in the menu folder.
void createFolders(const QString& appDir);

// Writes Banner.dat from the built-in banner unless it exists. False when the
// file could not be written.
bool writeBannerOnce(const QString& appDir);

// Shortcuts named after the main window title on the desktop and in the menu
// folder "校务管理软件", pointing at the executable.
void createShortcuts(const QString& title, const QString& appDir, const QString& exeName);

// Opens the connection with the shared state's parameters; false on failure.
bool connectToServer(AppState& state);

}  // namespace sa::core
