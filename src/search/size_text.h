#pragma once
// The size column: a size looked up on disk and its text in KB, MB or GB with two decimals.

#include <cstdint>
#include <string>
#include <string_view>

namespace vl {

// "%.2f" of size / 1024 (KB), / 1024^2 (MB, above 2^20 bytes) or / 1024^3 (GB, above 2^30
// bytes), rounded half away from zero on the exact value, with the given decimal separator
// and the unit after a space. A value that rounds to zero has no sign: -1 gives "0.00 KB".
std::string FormatFileSize(std::int64_t size, char decimal_separator);

// The same with the decimal separator of the user's regional settings (Windows build only).
std::string FormatFileSize(std::int64_t size);

// The decimal separator of the regional settings, read at the first use (Windows build only).
char DecimalSeparator();
// Reads it again; the main window calls this when the system announces a settings change.
void RefreshDecimalSeparator();

// The size that the directory listing reports for exactly this entry, folders included;
// -1 when there is no such entry (Windows build only).
std::int64_t FileSizeOf(const std::string& path);

}  // namespace vl
