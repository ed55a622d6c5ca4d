#include "skin/controls/menu_host.h"

#include "framework/component.h"

namespace vl {
namespace {

TskMenuHost* HostAmong(TComponent* owner) {
  if (!owner) return nullptr;
  for (TComponent* component : owner->Components()) {
    if (auto* host = dynamic_cast<TskMenuHost*>(component)) return host;
  }
  return nullptr;
}

}  // namespace

TskMenuHost* TskMenuHost::Find(TComponent* owner) {
  if (TskMenuHost* host = HostAmong(owner)) return host;
  return owner ? HostAmong(owner->Owner()) : nullptr;
}

}  // namespace vl
