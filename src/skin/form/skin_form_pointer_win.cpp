// The pointer over the skinned frame: which object is hovered (found again every 50 ms while
// the pointer is over the frame), a press captured by one object until its release, a double
// click on the caption, and the frame's answer to the platform's hit test.
#include "skin/form/skin_form_win.h"

#include <windowsx.h>

#include <algorithm>

namespace vl {

void TskSkinForm::SetHovered(int index) {
  if (index == hovered_) return;
  const int old = hovered_;
  hovered_ = index;
  if (old >= 0 && std::size_t(old) < objects_.size()) objects_[std::size_t(old)]->MouseLeave();
  if (index >= 0) objects_[std::size_t(index)]->MouseEnter();
}

void TskSkinForm::ClearHover() {
  SetHovered(-1);
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
  if (captured_ >= 0 && found != captured_) found = -1;
  SetHovered(found);
}

void TskSkinForm::HoverTick() {
  if (!form_active_ || !IsWindowVisible(form_.Handle())) {
    // Nothing to track on a window the user is not working in.
    hover_timer_.SetEnabled(false);
    ClearHover();
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if (under != form_.Handle() &&
      !(captured_ >= 0 && GetCapture() == form_.Handle() && IsChild(form_.Handle(), under))) {
    hover_timer_.SetEnabled(false);
    ClearHover();
    return;
  }
  if (in_size_move_) {
    hover_timer_.SetEnabled(false);
    return;
  }
  const TRect b = WindowBounds();
  const TPoint p{cursor.x - b.left, cursor.y - b.top};
  if (!Geometry().points.client.Contains(p)) {
    TestHover(p);
  } else if (hovered_ >= 0) {
    ClearHover();
  }
}

void TskSkinForm::Press(int button, TPoint p) {
  TestHover(p);
  if (hovered_ < 0) return;
  TskActiveSkinObject& object = *objects_[std::size_t(hovered_)];
  if (!object.IsCaption()) SetCapture(form_.Handle());
  captured_ = hovered_;
  object.MouseDown(button);
}

void TskSkinForm::Release(int button) {
  if (captured_ < 0) return;
  TskActiveSkinObject* object = objects_[std::size_t(captured_)].get();
  captured_ = -1;
  if (!object->IsCaption() && GetCapture() == form_.Handle()) {
    releasing_ = true;
    ReleaseCapture();
    releasing_ = false;
  }
  object->MouseUp(button);
}

void TskSkinForm::CancelPress() {
  if (captured_ >= 0 && std::size_t(captured_) < objects_.size()) {
    objects_[std::size_t(captured_)]->ClearDown();
  }
  const int captured = captured_;
  captured_ = -1;
  if (captured >= 0 && captured == hovered_) {
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
      if (captured_ < 0) TestHover(p);
      const int target = captured_ >= 0 ? captured_ : hovered_;
      if (target >= 0 && std::size_t(target) < objects_.size()) {
        TskActiveSkinObject& object = *objects_[std::size_t(target)];
        object.MouseMove({p.x - object.rect.left, p.y - object.rect.top});
      }
      break;
    }
    case WM_MOUSEMOVE:
      // Only a press that holds the capture follows the pointer through the client area.
      if (captured_ >= 0 && GetCapture() == form_.Handle()) {
        const TPoint p = ClientToWindowPoint(lparam);
        if (Geometry().points.client.Contains(p)) {
          ClearHover();
        } else {
          TestHover(p);
        }
        if (!hover_timer_.Enabled()) hover_timer_.SetEnabled(true);
      }
      break;
    case WM_NCLBUTTONDOWN:
      if (wparam == HTCAPTION) break;
      Press(1, WindowPoint(lparam));
      break;
    case WM_NCLBUTTONDBLCLK:
      if (wparam == HTCAPTION) {
        captured_ = -1;
        CaptionDoubleClick();
        break;
      }
      Press(1, WindowPoint(lparam));
      if (hovered_ >= 0) objects_[std::size_t(hovered_)]->DoubleClick();
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      if (wparam == HTCAPTION && !DisableSystemMenu) {
        captured_ = -1;
        ShowSystemMenuAt({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      }
      break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      Release(1);
      break;
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
      Release(2);
      break;
    default:
      break;
  }
}

int TskSkinForm::HitTest(TPoint p) {
  const bool iconic = window_state_ == TskWindowState::wsMinimized || rolled_up_;
  TskHitTestState state{iconic, window_state_ == TskWindowState::wsMaximized, Resizable(),
                        in_size_move_, hovered_ >= 0};
  const TskFrameGeometry g = Geometry();
  if (!skin_loaded_) {
    TRect caption_area =
        LayoutDefaultFrame(g.width, DefaultCaptionHeight(), 17, 0, false).caption_area;
    for (const auto& object : objects_) {
      if (!object->visible) continue;
      if (static_cast<TskSkinStdButtonObject*>(object.get())->command == TStdCommand::cmSysMenu) {
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
