#pragma once

namespace Module1 {

// Puts the main window's folder text into the settings store ("Zandrift", group "Settings",
// key "Map"): every later read of the store finds it, and so does the store's file on disk
// once this returns. A store that cannot be written is passed over: the folder text still
// applies.
void SaveFolderSetting();

// Reads the stored folder (the empty text when there is none or the store cannot be read)
// and assigns it to the main window's folder text.
void LoadFolderSetting();

} // namespace Module1
