#pragma once
// The pointer and the effects of a skinned widget made of objects (the caption buttons of a
// frame, the items of a menu bar or of a popup, a button's one face). The widget keeps its
// objects and their looks; the host keeps which object the pointer is over (hovered), the one
// before it, and the one a press went down on and that holds the pointer until its release
// (captured). It tells the objects when the pointer enters or leaves them and when a press goes
// down or comes up on them, polls the pointer where the platform reports no leaving, and runs the
// effect timers that step the objects' morphs and animations and repaint the ones that changed.
//
// Indices are the widget's own object numbers; -1 means none.

#include <windows.h>

#include <optional>

#include "framework/geometry.h"
#include "framework/timer_win.h"

namespace vl {

// The mouse buttons, numbered as the frame's object events report them to the application.
enum class TskMouseButton { kLeft = 1, kRight = 2, kMiddle = 3 };

// The two effect timers. A widget that steps morph and animation on one timer runs it as the
// morph timer.
enum class TskEffectTimer { kMorph, kAnimation };

// One effect tick of one object.
struct TskEffectStep {
  // The object had something to do: the timer keeps running while any object has.
  bool working = false;
  // Its look changed: it is repainted.
  bool changed = false;
};

// What a widget gives its host.
class TskPointerObjects {
 public:
  virtual ~TskPointerObjects() = default;
  virtual int ObjectCount() const = 0;
  virtual void ObjectEnter(int index) = 0;
  virtual void ObjectLeave(int index) = 0;
  // A press of `button` went down on the object, or came up after going down on it.
  virtual void ObjectPress(int index, TskMouseButton button) { (void)index, (void)button; }
  virtual void ObjectRelease(int index, TskMouseButton button) { (void)index, (void)button; }
  // One poll of the pointer timer: the widget looks where the pointer is and hovers (or stops
  // polling) by its own rules.
  virtual void PollPointer() {}
  virtual TskEffectStep StepObject(TskEffectTimer timer, int index) = 0;
  virtual void RepaintObject(int index) = 0;
  // The timer ran out of work by itself.
  virtual void EffectStopped(TskEffectTimer timer) { (void)timer; }
};

class TskPointerHost {
 public:
  // Every skinned widget polls the pointer this often.
  static constexpr unsigned kPollMilliseconds = 50;

  explicit TskPointerHost(TskPointerObjects& objects);
  TskPointerHost(const TskPointerHost&) = delete;
  TskPointerHost& operator=(const TskPointerHost&) = delete;

  int Hovered() const { return hovered_; }
  int PreviousHovered() const { return previous_; }
  int Captured() const { return captured_; }

  // The pointer is over `index` now: the object it left is told first, then the one it entered.
  void Hover(int index);
  // A press of `button` went down on `index`: the pointer is over it (hovered from now on,
  // without an enter: the press is what the object is told), the object captures the pointer
  // (as Capture says) and is told.
  void Press(int index, TskMouseButton button, HWND window = nullptr);
  // The press came up: the capture ends and the object that had it is told. Returns that object,
  // or -1 when no press was held.
  int Release(TskMouseButton button);
  // `index` holds the pointer until EndCapture, and with a window the platform sends that window
  // the pointer's messages meanwhile.
  void Capture(int index, HWND window = nullptr);
  // The press is over: the platform's capture goes back when this host took it. Returns the
  // object that was captured, or -1.
  int EndCapture();
  // The press is gone without a release (a double click on the caption, a size loop): nothing
  // is given back to the platform.
  void DropCapture();
  // EndCapture is handing the platform's capture back: the capture-changed message that comes
  // of it is not a loss of the capture.
  bool EndingCapture() const { return ending_capture_; }
  // The objects were made again or are gone: nothing is hovered or captured, and nobody is told.
  void Forget();
  // The hovered object took its untouched look by other means: nothing is hovered, and nobody
  // is told.
  void ForgetHover();

  // The pointer was seen at `point`: true when that is not where it was seen last. A widget's
  // poll acts only when the pointer has moved, so that a pointer resting on an item leaves the
  // keys' highlight alone.
  bool PointerMoved(TPoint point);
  // The next PointerMoved counts as a move wherever the pointer is.
  void ForgetPointer() { last_pointer_.reset(); }
  // While kept (a keyboard selection), the pointer leaving every object leaves the hovered one
  // hovered; the widget's hover test asks.
  void KeepHover(bool keep) { hover_kept_ = keep; }
  bool HoverKept() const { return hover_kept_; }

  void StartPolling();
  void StopPolling();
  bool Polling() const { return poll_timer_.Enabled(); }

  // Starts the effect timer, or keeps it running at the new pace.
  void StartEffect(TskEffectTimer timer, unsigned milliseconds);
  void StopEffect(TskEffectTimer timer);
  void StopEffects();
  bool EffectRunning(TskEffectTimer timer) const { return Timer(timer).Enabled(); }
  // One tick of the effect timer, as the timer runs it: every object steps, the changed ones are
  // repainted, and the timer stops on a tick on which no object had anything left to do.
  void EffectTick(TskEffectTimer timer);

 private:
  TTimer& Timer(TskEffectTimer timer) {
    return timer == TskEffectTimer::kMorph ? morph_timer_ : animation_timer_;
  }
  const TTimer& Timer(TskEffectTimer timer) const {
    return timer == TskEffectTimer::kMorph ? morph_timer_ : animation_timer_;
  }

  TskPointerObjects& objects_;
  int hovered_ = -1;
  int previous_ = -1;
  int captured_ = -1;
  HWND capture_window_ = nullptr;
  bool ending_capture_ = false;
  bool hover_kept_ = false;
  std::optional<TPoint> last_pointer_;
  TTimer poll_timer_;
  TTimer morph_timer_;
  TTimer animation_timer_;
};

}  // namespace vl
