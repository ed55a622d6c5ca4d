#pragma once
// The platform's watches of the roots: one overlapped ReadDirectoryChangesW of the whole subtree
// per root, for names of files and folders. Nothing waits on a thread: the window's message loop
// waits on Events() with the input, and Collect takes what the finished reads brought and starts
// the next ones.

#include <windows.h>

#include <memory>
#include <vector>

#include "search/live_index.h"

namespace vl {

class SystemChangeSource : public ChangeSource {
 public:
  SystemChangeSource();
  ~SystemChangeSource() override;
  SystemChangeSource(const SystemChangeSource&) = delete;
  SystemChangeSource& operator=(const SystemChangeSource&) = delete;

  void Watch(const TextList& roots) override;
  void Stop() override;
  void Collect(ChangeSet& changes) override;

  // One event a root: set when its watch has something to collect.
  std::vector<HANDLE> Events() const;

 private:
  struct RootWatch;
  std::vector<std::unique_ptr<RootWatch>> watches_;
};

}  // namespace vl
