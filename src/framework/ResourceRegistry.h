// Resources by id, as the program provides them at start-up: menus,
// accelerator tables, toolbars, icons and dialog templates. Frames, toolbars and
// dialogs load theirs by id from here, as they would from a resource file.
#pragma once

#include "framework/Accelerators.h"
#include "framework/DialogTemplate.h"
#include "framework/Menu.h"

#include <vector>

// Toolbar buttons: command ids in order, 0 for a separator; an image per
// button that is no separator, in order, drawn cx by cy logical pixels at
// the screen's own resolution. Without images the buttons show none. The
// registry owns the images: they are destroyed when the resource is
// replaced or removed.
struct ToolBarResource {
    int cx = 16;
    int cy = 15;
    std::vector<UINT> ids;
    std::vector<HICON> images;
};

void RegisterMenuResource(UINT id, std::vector<MenuItemDesc> menu);
const std::vector<MenuItemDesc>* FindMenuResource(UINT id);

void RegisterAcceleratorResource(UINT id, std::vector<ACCEL> table);
const std::vector<ACCEL>* FindAcceleratorResource(UINT id);

void RegisterToolBarResource(UINT id, ToolBarResource toolbar);
const ToolBarResource* FindToolBarResource(UINT id);
void RemoveToolBarResource(UINT id);

// Icons, owned by the registry from here on (a replaced one is destroyed).
void RegisterIconResource(UINT id, HICON icon);
HICON FindIconResource(UINT id);
// Destroys the icon registered under id, if any.
void RemoveIconResource(UINT id);

void RegisterDialogResource(UINT id, DialogTemplate dialog);
const DialogTemplate* FindDialogResource(UINT id);
