#pragma once
// The contact lines the main window's two text panes show.

namespace vl {

constexpr const char* kContactEmail = "support@vorlisk.example";
constexpr const char* kContactWeb = "www.vorlisk.example";

}  // namespace vl
