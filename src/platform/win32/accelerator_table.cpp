#include "platform/win32/accelerator_table.h"

namespace win32 {

UniqueAccelerators BuildAcceleratorTable(const std::vector<ui::Accelerator>& accelerators) {
  std::vector<ACCEL> entries;
  entries.reserve(accelerators.size());
  for (const ui::Accelerator& a : accelerators) {
    ACCEL entry{};
    entry.fVirt = static_cast<BYTE>(FVIRTKEY | (a.ctrl ? FCONTROL : 0) | (a.shift ? FSHIFT : 0) | (a.alt ? FALT : 0));
    entry.key = static_cast<WORD>(a.key);
    entry.cmd = static_cast<WORD>(a.commandId);
    entries.push_back(entry);
  }
  if (entries.empty()) return {};
  return UniqueAccelerators(::CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size())));
}

}  // namespace win32
