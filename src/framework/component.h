#pragma once
// Components with owners: an owner destroys what it owns, last created first, and every
// component can ask to hear about the destruction of another one it merely refers to, so that
// no reference outlives its target.

#include <string>
#include <vector>

namespace vl {

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  // The owner, when given, takes ownership: it destroys this component with itself.
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(const std::string& name) const;

  // Asks to be told (through Notification) when `target` is destroyed.
  void FreeNotification(TComponent* target);
  void RemoveFreeNotification(TComponent* target);

  // Set while the owner is destroying its components; controls use it to skip work that only
  // matters for a component that lives on.
  bool Destroying() const { return destroying_; }

 protected:
  // Told about components that join or leave this one's owner list, and about the destruction
  // of every component this one asked to hear about.
  virtual void Notification(TComponent* component, TOperation operation);
  // Destroys owned components now (last created first); derived destructors call it when owned
  // components must go before the derived part does.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void NotifyOwnedOfRemoval(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;     // owned
  std::vector<TComponent*> free_notifies_;  // both directions: they watch us, we watch them
  bool destroying_ = false;
};

}  // namespace vl
