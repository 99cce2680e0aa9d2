#pragma once

#include <vector>

#include "model/component.h"
#include "model/font.h"

namespace qr {

// A component with a place: a parent control, child controls, and bounds in
// screen pixels. Destroying a control destroys its children first.
class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  Control* Parent() const { return parent_; }
  // Moves the control to another parent (or none).
  virtual void SetParent(Control* parent);
  const std::vector<Control*>& Controls() const { return children_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

  Color GetColor() const { return color_; }
  void SetColor(Color color) { color_ = color; }
  const ReportFont& Font() const { return font_; }
  virtual void SetFont(const ReportFont& font) { font_ = font; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont) { parentFont_ = parentFont; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

 protected:
  // Stores the bounds without any of the reactions of SetBounds.
  void StoreBounds(int left, int top, int width, int height);
  // Deletes the child controls while this control is still whole.
  void DestroyChildren();
  // Called on the old and new parent when a child leaves or arrives.
  virtual void ChildRemoved(Control* child) { (void)child; }
  virtual void ChildInserted(Control* child) { (void)child; }

 private:
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Color color_ = kWhite;
  ReportFont font_;
  bool parentFont_ = true;
  bool visible_ = true;
};

}  // namespace qr
