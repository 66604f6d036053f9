#include "qt_services.h"

#include "control/messages.h"

#include <QMessageBox>
#include <QString>

namespace kvor::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// The detail goes under the text in the box's informative text, which the box lays out and wraps
// by itself; the text keeps its exact wording.
void QtMessageHost::info(std::string_view text, std::string_view detail) {
    if (beforeShow_) beforeShow_();
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(messages::kTitle), fromUtf8(text), QMessageBox::Ok,
                    parent_);
    if (!detail.empty()) box.setInformativeText(fromUtf8(detail));
    box.exec();
}

bool QtMessageHost::askYesNo(std::string_view text) {
    if (beforeShow_) beforeShow_();
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(messages::kTitle), fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace kvor::ui
