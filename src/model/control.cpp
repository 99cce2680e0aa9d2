#include "model/control.h"

#include <algorithm>

namespace qr {

Control::Control(Component* owner) : Component(owner) {}

Control::~Control() {
  BeginDestruction();
  DestroyChildren();
  if (parent_) {
    std::erase(parent_->children_, this);
    parent_ = nullptr;
  }
}

void Control::DestroyChildren() {
  while (!children_.empty()) delete children_.back();
}

void Control::SetParent(Control* parent) {
  if (parent == parent_ || parent == this) return;
  if (parent_) {
    std::erase(parent_->children_, this);
    parent_->ChildRemoved(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->children_.push_back(this);
    parent_->ChildInserted(this);
  }
}

void Control::SetBounds(int left, int top, int width, int height) {
  StoreBounds(left, top, width, height);
}

void Control::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

}  // namespace qr
