#pragma once

#include <QString>

#include <optional>

namespace Module1 {

// Puts the main window's folder text into the settings store ("Zandrift", group "Settings",
// key "Map"), where every later read of the store finds it at once; the store's file on disk
// follows within half a second, and when the main window goes. A store that cannot be
// written is passed over: the folder text still applies.
void SaveFolderSetting();

// Reads the stored folder (the empty text when there is none or the store cannot be read)
// and assigns it to the main window's folder text.
void LoadFolderSetting();

// The stored folder as the program sees it: the one saved last, also while its file is not
// yet written; none when no folder was ever stored.
std::optional<QString> StoredFolder();

} // namespace Module1
