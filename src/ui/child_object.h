#pragma once

#include <memory>
#include <utility>

namespace kvor::ui {

// Qt parents own their children and delete them with themselves: an object made here is made
// with its parent, the last argument of its constructor, and handed over to it at once. This is
// the one way the window's objects are owned.
template <typename Child, typename Parent, typename... Args>
Child* CreateChild(Parent* parent, Args&&... args) {
    return std::make_unique<Child>(std::forward<Args>(args)..., parent).release();
}

} // namespace kvor::ui
