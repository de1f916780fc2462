#pragma once
// The four values the calendar keeps per user, under application "Nanakshahi",
// section "Tarnvel".

#include <optional>
#include <string_view>

#include "platform/program.h"
#include "platform/settings_store.h"
#include "platform/world.h"

namespace tarnvel {

inline constexpr std::string_view SettingsApplication = "Nanakshahi";
inline constexpr std::string_view SettingsSection = "Tarnvel";
inline constexpr std::string_view ProgramTitle = "Tarnvel 1.0";

// The stored "UpdateRegistry", carried unchanged from start to exit.
inline bool UpdateRegistryFlag = false;

// "True" and "False" in any case; a number is True unless it is zero; anything else is empty.
std::optional<bool> TextToBoolean(std::string_view text);

// A text read as a number, as a stored setting is compared with one; empty when it is not a number.
std::optional<double> TextToNumber(std::string_view text);

// Reads "UpdateRegistry" into UpdateRegistryFlag; a value that is no boolean counts as False.
void LoadSettings(platform::SettingsStore& store);

// Whether the calendar is to start at log-on: the stored "Run_Startup" equals 1 as
// a number. Missing, or not a number, counts as the default "1".
bool RunAtStartupWanted(platform::SettingsStore& store);

// Writes "Version", "UpdateRegistry", "Application Path" and "Run_Startup" in this
// order. Every write is tried; if any fails, one message names the first failure
// and its cause, and false is returned. What was stored before stays whole.
bool SaveSettings(platform::SettingsStore& store, const platform::ProgramIdentity& program,
                  platform::MessageDialog& message_box);

}  // namespace tarnvel
