#pragma once
// What the frame tests look into beyond the frame's public surface: its pointer host, effect
// timers, fade and objects, and the frame as its objects see it.

#include "skin/form/skin_form_win.h"

namespace vl {

class TskSkinFormProbe {
 public:
  explicit TskSkinFormProbe(const TskSkinForm& form) : form_(const_cast<TskSkinForm&>(form)) {}

  TskFrameHost& Host() const { return form_; }
  void ClearHover() const { form_.ClearHover(); }
  bool Skinning() const { return form_.skinning_; }
  int HoveredIndex() const { return form_.pointer_.Hovered(); }
  int CapturedIndex() const { return form_.pointer_.Captured(); }
  bool InSizeMoveLoop() const { return form_.in_size_move_; }
  bool HoverTimerRunning() const { return form_.pointer_.Polling(); }
  bool MorphRunning() const { return form_.pointer_.EffectRunning(TskEffectTimer::kMorph); }
  bool AnimationRunning() const { return form_.pointer_.EffectRunning(TskEffectTimer::kAnimation); }
  // One tick of the animation timer, as the timer runs it.
  void AnimationTick() const { form_.pointer_.EffectTick(TskEffectTimer::kAnimation); }
  bool FadeRunning() const { return form_.fade_timer_.Enabled(); }
  int FadeAlpha() const { return form_.fade_alpha_; }
  TskSkinCaptionObject* FindCaption() const {
    for (const auto& object : form_.objects_) {
      if (TskSkinCaptionObject* caption = object->AsCaption()) return caption;
    }
    return nullptr;
  }

 private:
  TskSkinForm& form_;
};

}  // namespace vl
