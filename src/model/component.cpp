#include "model/component.h"

#include <algorithm>

#include "data/dataset.h"

namespace qr {

Component::Component(Component* owner) : owner_(owner) {
  if (owner_) owner_->InsertComponent(this);
}

Component::~Component() {
  BeginDestruction();
  // Tell those that refer to this component first, while it still exists.
  const std::vector<Component*> listeners = notifyOnFree_;
  for (Component* listener : listeners) {
    std::erase(listener->notifyOnFree_, this);
    listener->Notification(this);
  }
  while (!components_.empty()) delete components_.back();
  if (owner_) owner_->RemoveComponent(this);
}

void Component::BeginDestruction() {
  if (destroying_) return;
  destroying_ = true;
  for (Component* component : components_) component->BeginDestruction();
}

Component* Component::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (Component* component : components_)
    if (data::SameTextIgnoringAsciiCase(component->Name(), name)) return component;
  return nullptr;
}

void Component::FreeNotification(Component* target) {
  if (target == nullptr || target == this) return;
  auto& listeners = target->notifyOnFree_;
  if (std::find(listeners.begin(), listeners.end(), this) == listeners.end())
    listeners.push_back(this);
  // Both sides know each other, so whichever goes first unhooks the other.
  if (std::find(notifyOnFree_.begin(), notifyOnFree_.end(), target) == notifyOnFree_.end())
    notifyOnFree_.push_back(target);
}

void Component::InsertComponent(Component* component) {
  components_.push_back(component);
}

void Component::RemoveComponent(Component* component) {
  std::erase(components_, component);
  component->owner_ = nullptr;
}

std::string UniqueComponentName(const Component* owner, std::string_view prefix) {
  for (int n = 1;; ++n) {
    std::string name = std::string(prefix) + std::to_string(n);
    if (owner == nullptr || owner->FindComponent(name) == nullptr) return name;
  }
}

}  // namespace qr
