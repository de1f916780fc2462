#pragma once
// Settings kept as one INI file per application in the user's configuration
// folder ($XDG_CONFIG_HOME, else ~/.config): <application>.ini, one [section] each.
//
// Nothing in the file is ever lost by a save: every other section, key, comment and line the
// reader does not understand is written back as it was (see IniFile), and a save that changes
// nothing writes nothing. A link to the file is followed, so the file stays where it is kept.
// A file the store will not read (larger than 1 MiB, unreadable, not a regular file) is not
// replaced: the first save moves it aside to <application>.ini.unread (or .unread-2, ...) and
// writes a new file, and its result says so (see SaveSetting). A folder in the file's place,
// or a file that is read-only, is left alone and the save fails.

#include <string>

#include "platform/os/file_layer.h"
#include "platform/settings_store.h"

namespace tarnvel::platform::os {

class IniStore : public SettingsStore {
public:
    // `folder` empty: the user's configuration folder, looked up at each call.
    explicit IniStore(std::string folder = {}, FileLayer& fs = FileLayer::Real()) : folder_(std::move(folder)), fs_(fs) {}

    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    // When the old file had to be moved aside, the value is stored and the result still carries
    // the read error with a message naming both files: the store's one way to tell the user.
    StoreError SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) override;

    // Where the application's values live; empty when no folder is known.
    std::string PathOf(std::string_view application) const;

    // The largest file the store reads.
    static constexpr std::size_t kLimit = std::size_t{1} << 20;

private:
    std::string folder_;
    FileLayer& fs_;
};

}  // namespace tarnvel::platform::os
