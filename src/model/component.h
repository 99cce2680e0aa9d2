#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qr {

struct ClassInfo;

// A named object in an owner tree. The owner destroys what it owns, last
// created first; an owned component destroyed on its own leaves its owner's
// list. Components that refer to one another ask to be told when the other is
// destroyed (FreeNotification) and clear their reference in Notification.
class Component {
 public:
  explicit Component(Component* owner);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  virtual const ClassInfo& Class() const = 0;

  const std::string& Name() const { return name_; }
  virtual void SetName(std::string name) { name_ = std::move(name); }
  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Components() const { return components_; }
  // Case-insensitive, among the owned components; nullptr when absent.
  Component* FindComponent(std::string_view name) const;

  // `this` is told through Notification when `target` is destroyed (and
  // `target` when this is). Notifications are never withdrawn: a component
  // checks which of its references, if any, the removed one was.
  void FreeNotification(Component* target);

  bool IsLoading() const { return loading_; }
  bool IsDestroying() const { return destroying_; }
  void SetLoading(bool loading) { loading_ = loading; }
  // Called once a definition has been read into the component and its children.
  virtual void Loaded() { loading_ = false; }

 protected:
  // `removed` is being destroyed; clear every reference to it.
  virtual void Notification(Component* removed) { (void)removed; }
  // Marks the component and everything it owns as being destroyed; a
  // destructor of a subclass that needs to act early calls it first.
  void BeginDestruction();

 private:
  void InsertComponent(Component* component);
  void RemoveComponent(Component* component);

  std::string name_;
  Component* owner_ = nullptr;
  std::vector<Component*> components_;
  std::vector<Component*> notifyOnFree_;  // told when this is destroyed
  bool loading_ = false;
  bool destroying_ = false;
};

// Returns Prefix followed by the smallest n >= 1 for which `owner` has no
// component of that name ("TitleBand1", then "TitleBand2").
std::string UniqueComponentName(const Component* owner, std::string_view prefix);

}  // namespace qr
