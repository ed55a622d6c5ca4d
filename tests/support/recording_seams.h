#pragma once
// Fakes of the program's seams for tests: a message-box stand-in that answers questions from a
// queue and records every text, a shell that records what it would have been handed, and a
// clock that stands still unless told to move.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "framework/clock.h"
#include "framework/dialogs.h"
#include "framework/shell.h"

namespace vl::testing {

class RecordingDialogs : public Dialogs {
 public:
  struct Question {
    NativeWindow owner;
    std::string text;
    unsigned flags;
  };

  // Answers given to the next questions, in order; once they run out every question gets OK.
  std::deque<int> answers;
  std::vector<Question> questions;
  std::vector<std::string> informs;
  std::vector<std::string> errors;

  int Ask(NativeWindow owner, std::string_view text, unsigned flags) override {
    questions.push_back({owner, std::string(text), flags});
    if (answers.empty()) return mb::kIdOk;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Inform(std::string_view text) override { informs.emplace_back(text); }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
};

class RecordingShell : public Shell {
 public:
  struct Call {
    NativeWindow owner;
    std::string verb;
    std::string file;
    std::string parameters;
    int show;
  };

  // The clipboard part stays real unless `clipboard` is set, so tests see the real sequence.
  explicit RecordingShell(Shell* clipboard = nullptr) : clipboard_(clipboard) {}

  std::vector<Call> calls;
  std::vector<std::string> copied;

  // What Execute answers: whether the shell took the file.
  bool opens = true;
  bool Execute(NativeWindow owner, std::string_view verb, std::string_view file,
               std::string_view parameters, int show) override {
    calls.push_back({owner, std::string(verb), std::string(file), std::string(parameters), show});
    return opens;
  }
  void CopyText(NativeWindow owner, std::string_view text) override {
    copied.emplace_back(text);
    if (clipboard_) clipboard_->CopyText(owner, text);
  }

 private:
  Shell* clipboard_;
};

// The one clock of the tests: a tick count that moves by `step` after every reading, and a
// local time that changes only when a test sets it.
class FakeClock : public Clock {
 public:
  mutable std::uint32_t ticks = 0;
  std::uint32_t step = 0;
  TLocalTime now{2026, 12, 9, 3, 10, 0, 0, 0};
  std::uint32_t TickCount() const override {
    const std::uint32_t t = ticks;
    ticks += step;
    return t;
  }
  TLocalTime Now() const override { return now; }
};

}  // namespace vl::testing
