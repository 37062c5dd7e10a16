// The main window's resources under id 128: the menu, the keyboard
// accelerators, the toolbar (buttons and their images) and the program's
// icon. Frames and bars
// load them by id, so they are registered before the main frame is made.
#pragma once

void RegisterMainResources();
// Deletes what the registration made that the registry does not free by
// itself at exit: the toolbar's images and the program's icon.
void ReleaseMainResources();
