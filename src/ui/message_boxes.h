#pragma once

#include "host/message_host.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace kvor::ui {

// The program's message boxes: modal over the main window, titled "Kvor3", with OK or Yes and No.
class QtMessageHost final : public MessageHost {
public:
    // `beforeShow` runs before a box appears, so that the window behind it shows the latest state.
    QtMessageHost(QWidget* parent, std::function<void()> beforeShow)
        : parent_(parent), beforeShow_(std::move(beforeShow)) {}

    void info(std::string_view text, std::string_view detail = {}) override;
    bool askYesNo(std::string_view text) override;
    SaveAnswer askToSave(std::string_view text) override;

private:
    QPointer<QWidget> parent_;
    std::function<void()> beforeShow_;
};

} // namespace kvor::ui
