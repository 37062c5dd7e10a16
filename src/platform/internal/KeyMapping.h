// Virtual-key codes of Qt keys and back.
#pragma once

#include <Qt>

// 0 for keys without a virtual-key code.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
// Qt::Key_unknown for codes without a Qt key.
int QtKeyOf(int virtKey);
