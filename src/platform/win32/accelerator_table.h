// Accelerator tables from the layer's accelerator descriptions.
#pragma once

#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/window.h"

namespace win32 {

UniqueAccelerators BuildAcceleratorTable(const std::vector<ui::Accelerator>& accelerators);

}  // namespace win32
