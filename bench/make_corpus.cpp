// Writes an index file of the real tree's copies (real_tree.h) for the benchmarks that start the
// program itself (scripts/window-bench).
//
//   make_corpus FILE LINES
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/real_tree.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_corpus FILE LINES\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::size_t lines = std::size_t(std::strtoull(argv[2], nullptr, 10));
  std::printf("writing %zu paths of the real tree's copies into %s\n", lines, path.c_str());
  const vl::bench::RealTreeCorpus corpus(vl::bench::ReadTreeListing(), lines);
  const std::string partial = path + ".partial";
  std::FILE* f = std::fopen(partial.c_str(), "wb");
  if (!f) return 1;
  bool ok = std::fwrite(corpus.Text().data(), 1, corpus.Text().size(), f) == corpus.Text().size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) return 1;
  std::filesystem::rename(partial, path);
  return 0;
}
