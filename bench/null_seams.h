#pragma once
// A result view and a clock that do nothing, for benchmarks that run the program's queries
// without a window: what is timed is the query, not the list or the label.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/clock.h"
#include "search/queries.h"

namespace vl::bench {

class NoView : public vl::ResultView {
 public:
  void SetRowCount(std::size_t) override {}
  void SetResultLabel(std::string_view) override {}
};

class NoClock : public vl::Clock {
 public:
  std::uint32_t TickCount() const override { return 0; }
  vl::TLocalTime Now() const override { return {}; }
};

}  // namespace vl::bench
