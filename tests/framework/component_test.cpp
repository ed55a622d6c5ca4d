#include "framework/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vl {
namespace {

std::vector<std::string> g_log;

class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
  ~Probe() override { g_log.push_back("~" + Name()); }
  TComponent* watched = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove && component == watched) {
      g_log.push_back(Name() + " forgets " + component->Name());
      watched = nullptr;
    }
  }
};

TEST(Component, AnOwnerDestroysWhatItOwnsLastCreatedFirst) {
  g_log.clear();
  {
    Probe owner(nullptr, "owner");
    new Probe(&owner, "a");
    new Probe(&owner, "b");
    EXPECT_EQ(owner.Components().size(), 2u);
    EXPECT_EQ(owner.FindComponent("a")->Owner(), &owner);
  }
  EXPECT_EQ(g_log, (std::vector<std::string>{"~owner", "~b", "~a"}));
}

TEST(Component, AComponentDestroyedAloneLeavesItsOwnerAndTellsItsWatchers) {
  g_log.clear();
  Probe owner(nullptr, "owner");
  auto* skin = new Probe(&owner, "skin");
  Probe stranger(nullptr, "stranger");
  auto* sibling = new Probe(&owner, "sibling");
  stranger.watched = skin;
  stranger.FreeNotification(skin);
  sibling->watched = skin;

  delete skin;
  EXPECT_EQ(stranger.watched, nullptr);
  EXPECT_EQ(sibling->watched, nullptr);
  EXPECT_EQ(owner.Components().size(), 1u);
  EXPECT_EQ(owner.FindComponent("skin"), nullptr);
}

TEST(Component, AWatcherThatGoesFirstIsNotToldLater) {
  g_log.clear();
  auto* target = new Probe(nullptr, "target");
  {
    Probe watcher(nullptr, "watcher");
    watcher.watched = target;
    watcher.FreeNotification(target);
  }
  delete target;  // must not reach the destroyed watcher
  EXPECT_EQ(g_log, (std::vector<std::string>{"~watcher", "~target"}));
}

}  // namespace
}  // namespace vl
