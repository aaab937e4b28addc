#pragma once
// The application's own settings block. Only the application executable links
// this (library sa_settings_area): it holds the placeholder areas the
// Configurator fills in the written copy.
#include "settings/settings_block.h"

namespace sa::settings {

// The settings as this very executable carries them, with the fall-backs.
Settings readOwnSettings();

// Writes the five settings (server, school, update URL, user, password) one per
// line as UTF-8 to standard output; returns the process exit code.
int printOwnSettings();

}  // namespace sa::settings
