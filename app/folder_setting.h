#pragma once

#include <QString>

namespace Module1 {

// Writes the main window's folder text to the settings store ("Zandrift", group "Settings",
// key "Map"). A store that cannot be written is passed over: the folder text still applies.
void SaveFolderSetting();

// Reads the stored folder (the empty text when there is none or the store cannot be read)
// and assigns it to the main window's folder text.
void LoadFolderSetting();

// The stored folder itself.
QString StoredFolder();

} // namespace Module1
