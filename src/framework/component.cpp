#include "framework/component.h"

#include <algorithm>

namespace vl {
namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  DestroyComponents();
  // Copy first: each notified component removes itself from our list.
  auto watchers = free_notifies_;
  for (TComponent* other : watchers) {
    Erase(other->free_notifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    NotifyOwnedOfRemoval(last);
    last->destroying_ = true;
    delete last;
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_) {
    if (c->name_ == name) return c;
  }
  return nullptr;
}

void TComponent::FreeNotification(TComponent* target) {
  if (!target || target == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), target) == free_notifies_.end()) {
    free_notifies_.push_back(target);
  }
  if (std::find(target->free_notifies_.begin(), target->free_notifies_.end(), this) ==
      target->free_notifies_.end()) {
    target->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* target) {
  if (!target) return;
  Erase(free_notifies_, target);
  Erase(target->free_notifies_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) {
  component->owner_ = this;
  components_.push_back(component);
  Notification(component, TOperation::opInsert);
  for (TComponent* c : components_) {
    if (c != component) c->Notification(component, TOperation::opInsert);
  }
}

void TComponent::RemoveComponent(TComponent* component) {
  Erase(components_, component);
  component->owner_ = nullptr;
  NotifyOwnedOfRemoval(component);
}

void TComponent::NotifyOwnedOfRemoval(TComponent* component) {
  Notification(component, TOperation::opRemove);
  for (TComponent* c : components_) c->Notification(component, TOperation::opRemove);
}

}  // namespace vl
