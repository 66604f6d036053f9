#include "description_window.h"

#include "application.h"
#include "child_object.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace kvor::ui {

DescriptionWindow::DescriptionWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), title_(CreateChild<QLabel>(this)),
      notes_(CreateChild<QPlainTextEdit>(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("DescriptionWindow"));
    setWindowTitle(QStringLiteral("Описание опыта"));
    resize(480, 360); // a lesson's title and notes without scrolling

    title_->setObjectName(QStringLiteral("DescriptionTitle"));
    title_->setWordWrap(true);
    QFont bold = CaptionFont();
    bold.setBold(true);
    bold.setPixelSize(bold.pixelSize() + 2);
    title_->setFont(bold);
    notes_->setObjectName(QStringLiteral("DescriptionNotes"));
    notes_->setReadOnly(true);
    notes_->setFont(CaptionFont());
    auto* close = CreateChild<QPushButton>(this, QStringLiteral("Закрыть"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = CreateChild<QVBoxLayout>(this);
    layout->addWidget(title_);
    layout->addWidget(notes_, 1);
    layout->addWidget(close, 0, Qt::AlignRight);

    // Beside the main window, so that it hides nothing there, as far as the screen allows.
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        const QPoint beside = owner->frameGeometry().topRight() + QPoint(1, 0);
        move(std::max(room.left(), std::min(beside.x(), room.right() - width())),
             std::max(room.top(), beside.y()));
    }
}

void DescriptionWindow::showText(const QString& title, const QStringList& notes) {
    title_->setText(title);
    notes_->setPlainText(notes.join(QLatin1Char('\n')));
}

} // namespace kvor::ui
