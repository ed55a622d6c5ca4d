// How much a crafted package can make the reader allocate. The program's allocations are counted
// by replacing the global operator new and delete (for every test of this program, which only
// adds a counter), so the peak of the bytes held at once is measured, not estimated.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "framework/errors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"

namespace {

std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

// Each block carries its size in a header that keeps the block aligned as malloc aligns.
constexpr std::size_t kHeader = 16;

void* CountedAlloc(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (!block) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  std::size_t live = g_live.fetch_add(size) + size;
  std::size_t peak = g_peak.load();
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void CountedFree(void* p) {
  if (!p) return;
  void* block = static_cast<char*>(p) - kHeader;
  g_live.fetch_sub(*static_cast<std::size_t*>(block));
  std::free(block);
}

void* ThrowingAlloc(std::size_t size) {
  void* p = CountedAlloc(size);
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace

void* operator new(std::size_t size) {
  return ThrowingAlloc(size);
}
void* operator new[](std::size_t size) {
  return ThrowingAlloc(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return CountedAlloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return CountedAlloc(size);
}
void operator delete(void* p) noexcept {
  CountedFree(p);
}
void operator delete[](void* p) noexcept {
  CountedFree(p);
}
void operator delete(void* p, std::size_t) noexcept {
  CountedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  CountedFree(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  CountedFree(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  CountedFree(p);
}

namespace vl {
namespace {

class Quiet : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

void PutU16(Bytes& out, std::uint16_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
void PutU32(Bytes& out, std::uint32_t v) {
  PutU16(out, std::uint16_t(v));
  PutU16(out, std::uint16_t(v >> 16));
}

// A black 24-bit bitmap file whose pixel part is pixel_bytes long (at least its rows): the
// bytes past the rows belong to the picture by the extent rule and are stepped over.
void PutBitmap(Bytes& out, int width, int height, std::uint32_t pixel_bytes) {
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, std::uint32_t(width));
  PutU32(out, std::uint32_t(height));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, pixel_bytes);
  for (int i = 0; i < 4; ++i) PutU32(out, 0);
  out.resize(out.size() + pixel_bytes);
}

// Distinct names as short as they come: one byte, then two, then three, from the bytes that
// are neither blanks nor capitals (names match without regard to case) nor "[" and ";".
std::string Name(std::size_t i) {
  static const std::string alphabet = [] {
    std::string a;
    for (int b = 0x21; b < 0x100; ++b) {
      if ((b >= 'A' && b <= 'Z') || b == '[' || b == ';' || b == '=') continue;
      a += char(b);
    }
    return a;
  }();
  const std::size_t n = alphabet.size();
  if (i < n) return std::string(1, alphabet[i]);
  i -= n;
  if (i < n * n) return {alphabet[i / n], alphabet[i % n]};
  i -= n * n;
  return {alphabet[i / (n * n) % n], alphabet[i / n % n], alphabet[i % n]};
}

// A definition text of exactly size bytes: the VERSION section, then as many distinct sections
// (or keys of one section) as fit, one a line, LF alone between them.
std::string WorstText(std::size_t size, bool keys) {
  std::string text = "[VERSION]\nskinname=worst\n";
  if (keys) text += "[k]\n";
  for (std::size_t i = 0;; ++i) {
    std::string line = keys ? "" : "[";
    line += Name(i);
    line += keys ? "=\n" : "]\n";
    if (text.size() + line.size() > size) break;
    text += line;
  }
  text.resize(size, ' ');
  return text;
}

// The inner level: a picture of every pixel a package may hold, stored with as many bytes as
// leave room for the text within the inflate limit, then the text.
Bytes WorstInner(const std::string& text) {
  Bytes inner;
  PutU32(inner, 3);
  inner.push_back(0);
  std::size_t room = kInflateLimit - text.size() - 128;
  PutBitmap(inner, 4096, 4096, std::uint32_t(room));
  inner.push_back(1);
  inner.push_back(1);
  PutU32(inner, 0);
  inner.insert(inner.end(), text.begin(), text.end());
  return inner;
}

struct Outcome {
  std::string error;  // empty when the package loaded
  std::size_t peak;   // bytes held at once above what was held before
};

Outcome Load(const Bytes& compressed) {
  TskCompressedStoredSkin stored;
  stored.SetCompressedData(compressed);
  Quiet quiet;
  Outcome outcome;
  std::size_t before = g_live.load();
  g_peak.store(before);
  {
    TskSkinData data(nullptr, quiet);
    try {
      data.LoadPackage(stored);
    } catch (const Error& e) {
      outcome.error = e.what();
    }
  }
  outcome.peak = g_peak.load() - before;
  return outcome;
}

TEST(PackageLimits, TheWorstPackagesStayWithinTheStatedBound) {
  for (bool keys : {false, true}) {
    std::string text = WorstText(kMaxDefinitionText, keys);
    Bytes compressed = DeflateZlib(WorstInner(text));
    Outcome outcome = Load(compressed);
    EXPECT_EQ(outcome.error, "") << "keys " << keys;
    EXPECT_LE(outcome.peak, kMaxPackageReadBytes) << "keys " << keys;
    std::printf("worst package (%s): %zu compressed bytes, peak %.1f MiB\n",
                keys ? "distinct keys" : "distinct sections", compressed.size(),
                double(outcome.peak) / (1 << 20));
  }
}

TEST(PackageLimits, ALongerTextOrMorePicturesFailBeforeTheyAreRead) {
  auto with_count = [](std::int32_t count) {
    Bytes inner;
    PutU32(inner, 3);
    for (int i = 0; i < 3; ++i) inner.push_back(1);
    PutU32(inner, std::uint32_t(count));
    for (std::int32_t i = 0; i < std::min(count, kMaxActivePictures); ++i) {
      PutBitmap(inner, 1, 1, 4);
    }
    return inner;
  };
  auto with_text = [](std::size_t size) {
    Bytes inner;
    PutU32(inner, 3);
    for (int i = 0; i < 3; ++i) inner.push_back(1);
    PutU32(inner, 0);
    std::string text = WorstText(size, true);
    inner.insert(inner.end(), text.begin(), text.end());
    return inner;
  };
  const std::pair<Bytes, std::string> cases[] = {
      {with_text(kMaxDefinitionText), ""},
      {with_text(kMaxDefinitionText + 1), "Stream read error"},
      {with_count(kMaxActivePictures), ""},
      {with_count(kMaxActivePictures + 1), "Stream read error"},
  };
  for (const auto& [inner, error] : cases) {
    Outcome outcome = Load(DeflateZlib(inner));
    EXPECT_EQ(outcome.error, error) << inner.size();
    if (error.empty()) {
      EXPECT_LT(outcome.peak, kMaxPackageReadBytes);
    }
  }
}

}  // namespace
}  // namespace vl
