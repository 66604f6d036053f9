#pragma once

#include <QWidget>

#include <memory>

namespace kvor::ui {

// Qt parents own their children and delete them with themselves: a widget made here is handed
// over to its parent at once.
template <typename Widget> Widget* CreateChild(QWidget* parent) {
    auto widget = std::make_unique<Widget>();
    widget->setParent(parent);
    return widget.release();
}

} // namespace kvor::ui
