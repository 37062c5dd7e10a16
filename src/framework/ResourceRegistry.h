// Resources by id, as the program provides them at start-up: menus,
// accelerator tables, toolbars and dialog templates. Frames, toolbars and
// dialogs load theirs by id from here, as they would from a resource file.
#pragma once

#include "framework/Accelerators.h"
#include "framework/DialogTemplate.h"
#include "framework/Menu.h"

#include <vector>

// Toolbar buttons: command ids in order, 0 for a separator; the bitmap is a
// strip of images cx by cy, one per button (light grey 192,192,192 is
// transparent). The bitmap may be null: the buttons then show no image.
// The registry owns the bitmap: it is deleted when the resource is replaced
// or removed.
struct ToolBarResource {
    int cx = 16;
    int cy = 15;
    std::vector<UINT> ids;
    HBITMAP bitmap = nullptr;
};

void RegisterMenuResource(UINT id, std::vector<MenuItemDesc> menu);
const std::vector<MenuItemDesc>* FindMenuResource(UINT id);

void RegisterAcceleratorResource(UINT id, std::vector<ACCEL> table);
const std::vector<ACCEL>* FindAcceleratorResource(UINT id);

void RegisterToolBarResource(UINT id, ToolBarResource toolbar);
const ToolBarResource* FindToolBarResource(UINT id);
void RemoveToolBarResource(UINT id);

void RegisterDialogResource(UINT id, DialogTemplate dialog);
const DialogTemplate* FindDialogResource(UINT id);
