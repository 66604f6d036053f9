#include "message_boxes.h"

#include "control/messages.h"
#include "core/interface_text.h"
#include "view/translated_text.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace kvor::ui {

// The detail goes under the text in the box's informative text, which the box lays out and wraps
// by itself; the text keeps its exact wording.
void QtMessageHost::info(std::string_view text, std::string_view detail) {
    if (beforeShow_) beforeShow_();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(messages::kTitle), QString::fromUtf8(text),
                    QMessageBox::Ok, parent_);
    if (!detail.empty()) box.setInformativeText(QString::fromUtf8(detail));
    box.exec();
}

bool QtMessageHost::askYesNo(std::string_view text) {
    if (beforeShow_) beforeShow_();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(messages::kTitle), QString::fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

// The buttons carry their own words, whatever Qt's translation calls them.
MessageHost::SaveAnswer QtMessageHost::askToSave(std::string_view text) {
    if (beforeShow_) beforeShow_();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(messages::kTitle), QString::fromUtf8(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.button(QMessageBox::Save)->setText(Translated(Tr("Kvor3m", "Сохранить")));
    box.button(QMessageBox::Discard)->setText(Translated(Tr("Kvor3m", "Не сохранять")));
    box.button(QMessageBox::Cancel)->setText(Translated(Tr("Kvor3m", "Отмена")));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace kvor::ui
