// The pointer over the skinned frame: which object is hovered (found again on every poll of the
// pointer host while the pointer is over the frame), a press captured by one object until its
// release, the objects' morph and animation steps, a double click on the caption, and the
// frame's answer to the platform's hit test.
#include "skin/form/skin_form_win.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/paint/effect_steps.h"

namespace vl {
namespace {

constexpr unsigned kMorphInterval = 25;

}  // namespace

// The effects of the objects under the pointer: morphs and animations step on the pointer
// host's timers, the glow frame shows around a hovered caption button.

bool TskSkinForm::GlowFramesAllowed() const {
  return skin_loaded_ && skin_data_->ShowCaptionButtonGlowFrames && TskLayerManager::Available();
}

void TskSkinForm::HideGlowFrames() {
  caption_button_glow_.HideLayer();
}

bool TskSkinForm::SkinEffects() const {
  return skin_loaded_ && skin_data_->EnableSkinEffects;
}

void TskSkinForm::StartAnimation() {
  pointer_.StartEffect(TskEffectTimer::kAnimation, TskObjectAnimation::kTick);
}

bool TskSkinForm::Morphs(const TskActiveSkinObject& object) const {
  return object.morphing && skin_loaded_ && skin_data_->EnableSkinEffects;
}

void TskSkinForm::StartMorph() {
  pointer_.StartEffect(TskEffectTimer::kMorph, kMorphInterval);
}

void TskSkinForm::ObjectEnter(int index) {
  objects_[std::size_t(index)]->MouseEnter();
}

void TskSkinForm::ObjectLeave(int index) {
  objects_[std::size_t(index)]->MouseLeave();
}

void TskSkinForm::ObjectPress(int index, TskMouseButton button) {
  objects_[std::size_t(index)]->MouseDown(button);
}

void TskSkinForm::ObjectRelease(int index, TskMouseButton button) {
  objects_[std::size_t(index)]->MouseUp(button);
}

void TskSkinForm::RepaintObject(int index) {
  RepaintObject(*objects_[std::size_t(index)]);
}

// A morph steps towards the hot look while the object is active; an animation steps forwards
// over the object and back after it, repainted only when its frame changed.
TskEffectStep TskSkinForm::StepObject(TskEffectTimer timer, int index) {
  TskActiveSkinObject& object = *objects_[std::size_t(index)];
  if (timer == TskEffectTimer::kMorph) {
    if (!Morphs(object) || !object.MorphPending()) return {};
    object.morph.Step(object.Hot());
    return {true, true};
  }
  TskObjectAnimation* animation = object.Animation();
  if (!animation || !object.visible || !AnimationPending(*animation, object.Hot())) return {};
  return {true, StepAnimation(*animation, object.Hot())};
}

bool TskSkinForm::Hovers(const TskActiveSkinObject& object) const {
  const int hovered = pointer_.Hovered();
  return hovered >= 0 && std::size_t(hovered) < objects_.size() &&
         objects_[std::size_t(hovered)].get() == &object;
}

void TskSkinForm::ClearHover() {
  pointer_.Hover(-1);
}

void TskSkinForm::TestHover(TPoint p) {
  if (!form_active_ || in_size_move_ || form_.BorderStyle() == TFormBorderStyle::bsNone) return;
  int found = -1;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const auto& o = *objects_[i];
    if (!o.enabled || !o.visible || !o.rect.Contains(p)) continue;
    if (!o.PointTest(p.x - o.rect.left, p.y - o.rect.top)) continue;
    found = int(i);
    break;
  }
  if (pointer_.Captured() >= 0 && found != pointer_.Captured()) found = -1;
  pointer_.Hover(found);
}

void TskSkinForm::PollPointer() {
  if (!form_active_ || !IsWindowVisible(form_.Handle())) {
    // Nothing to track on a window the user is not working in.
    pointer_.StopPolling();
    ClearHover();
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if (under != form_.Handle() && !(pointer_.Captured() >= 0 && GetCapture() == form_.Handle() &&
                                   IsChild(form_.Handle(), under))) {
    pointer_.StopPolling();
    ClearHover();
    return;
  }
  if (in_size_move_) {
    pointer_.StopPolling();
    return;
  }
  const TRect b = WindowBounds();
  const TPoint p{cursor.x - b.left, cursor.y - b.top};
  if (!Geometry().points.client.Contains(p)) {
    TestHover(p);
  } else if (pointer_.Hovered() >= 0) {
    ClearHover();
  }
}

void TskSkinForm::Press(TskMouseButton button, TPoint p) {
  TestHover(p);
  const int hovered = pointer_.Hovered();
  if (hovered < 0) return;
  // The caption keeps no capture: the platform's move loop takes the pointer over.
  const bool caption = objects_[std::size_t(hovered)]->IsCaption();
  pointer_.Press(hovered, button, caption ? nullptr : form_.Handle());
}

void TskSkinForm::CancelPress() {
  const int captured = pointer_.Captured();
  if (captured >= 0 && std::size_t(captured) < objects_.size()) {
    objects_[std::size_t(captured)]->ClearDown();
  }
  pointer_.DropCapture();
  if (captured >= 0 && captured == pointer_.Hovered()) {
    RepaintObject(*objects_[std::size_t(captured)]);
  }
  ClearHover();
}

void TskSkinForm::CaptionDoubleClick() {
  const bool resizable = Resizable();
  const bool maximized = window_state_ == TskWindowState::wsMaximized;
  if (resizable && window_state_ == TskWindowState::wsMinimized) {
    SetWindowState(TskWindowState::wsNormal);
  } else if (resizable && !maximized && !rolled_up_ && border_icons_.maximize) {
    SetWindowState(TskWindowState::wsMaximized);
  } else if (resizable && maximized && !rolled_up_while_maximized_) {
    SetWindowState(TskWindowState::wsNormal);
  } else {
    SetRolledUp(!rolled_up_);
  }
}

void TskSkinForm::HandlePointer(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_NCMOUSEMOVE: {
      const TPoint p = WindowPoint(lparam);
      if (pointer_.Captured() < 0) TestHover(p);
      const int target = pointer_.Captured() >= 0 ? pointer_.Captured() : pointer_.Hovered();
      if (target >= 0 && std::size_t(target) < objects_.size()) {
        TskActiveSkinObject& object = *objects_[std::size_t(target)];
        object.MouseMove({p.x - object.rect.left, p.y - object.rect.top});
      }
      break;
    }
    case WM_MOUSEMOVE:
      // Only a press that holds the capture follows the pointer through the client area.
      if (pointer_.Captured() >= 0 && GetCapture() == form_.Handle()) {
        const TPoint p = ClientToWindowPoint(lparam);
        if (Geometry().points.client.Contains(p)) {
          ClearHover();
        } else {
          TestHover(p);
        }
        if (!pointer_.Polling()) pointer_.StartPolling();
      }
      break;
    case WM_NCLBUTTONDOWN:
      if (wparam == HTCAPTION) break;
      Press(TskMouseButton::kLeft, WindowPoint(lparam));
      break;
    case WM_NCLBUTTONDBLCLK:
      if (wparam == HTCAPTION) {
        pointer_.DropCapture();
        CaptionDoubleClick();
        break;
      }
      Press(TskMouseButton::kLeft, WindowPoint(lparam));
      if (pointer_.Hovered() >= 0) objects_[std::size_t(pointer_.Hovered())]->DoubleClick();
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      if (wparam == HTCAPTION && !disable_system_menu_) {
        pointer_.DropCapture();
        ShowSystemMenuAt({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      }
      break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      pointer_.Release(TskMouseButton::kLeft);
      break;
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
      pointer_.Release(TskMouseButton::kRight);
      break;
    default:
      break;
  }
}

int TskSkinForm::HitTest(TPoint p) {
  const bool iconic = window_state_ == TskWindowState::wsMinimized || rolled_up_;
  TskHitTestState state{iconic, window_state_ == TskWindowState::wsMaximized, Resizable(),
                        in_size_move_, pointer_.Hovered() >= 0};
  const TskFrameGeometry g = Geometry();
  if (!skin_loaded_) {
    TRect caption_area =
        LayoutDefaultFrame(g.width, DefaultCaptionHeight(), 17, 0, false).caption_area;
    for (const auto& object : objects_) {
      if (!object->visible) continue;
      if (object->Command() == TStdCommand::cmSysMenu) {
        caption_area.left = std::max(caption_area.left, object->rect.right);
      } else {
        caption_area.right = std::min(caption_area.right, object->rect.left);
      }
    }
    return DefaultFrameHitTest(g.width, g.height, DefaultCaptionHeight(), caption_area, state, p);
  }
  std::function<bool(TPoint)> inside;
  if (region_shape_) inside = [this](TPoint q) { return region_shape_->Contains(q); };
  return SkinFrameHitTest(g, skin_data_->FormInfo(), CaptionRects(), state, inside, p);
}

}  // namespace vl
