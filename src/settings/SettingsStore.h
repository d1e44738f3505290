// Reading and writing the settings record through the registry port.
#pragma once

#include <string_view>

#include "common/Platform.h"
#include "settings/Settings.h"

namespace lumbrix {

// The key under the current user's root that holds one value per field.
inline constexpr std::string_view kSettingsKey = "Software\\Orvane\\lmbx\\";

// Takes every value that exists in the key into the record, in table order. A missing key is a
// first run and leaves the record alone. A value that cannot be read, or has the other kind,
// ends the load there with a message; the fields from it on keep what they held.
void LoadSettings(Settings& settings, Registry& registry, Dialogs& dialogs);

// Writes all fields in table order, creating the key when needed. A failure ends the save with
// a message; values written before it stay stored. The record itself never changes.
void SaveSettings(const Settings& settings, Registry& registry, Dialogs& dialogs);

}  // namespace lumbrix
