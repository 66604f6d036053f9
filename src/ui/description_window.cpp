#include "description_window.h"

#include "application.h"
#include "child_object.h"
#include "core/interface_text.h"
#include "view/translated_text.h"

#include <QEvent>
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
    close_ = CreateChild<QPushButton>(this);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = CreateChild<QVBoxLayout>(this);
    layout->addWidget(title_);
    layout->addWidget(notes_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    retranslate();

    // Beside the main window, so that it hides nothing there, as far as the screen allows.
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        const QPoint beside = owner->frameGeometry().topRight() + QPoint(1, 0);
        move(std::max(room.left(), std::min(beside.x(), room.right() - width())),
             std::max(room.top(), beside.y()));
    }
}

// Its caption and button in the language installed now; the main window shows the experiment's
// lines of that language.
void DescriptionWindow::retranslate() {
    setWindowTitle(Translated(Tr("Kvor3m", "Описание опыта")));
    close_->setText(Translated(Tr("Kvor3m", "Закрыть")));
}

void DescriptionWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

void DescriptionWindow::showText(const QString& title, const QStringList& notes) {
    title_->setText(title);
    notes_->setPlainText(notes.join(QLatin1Char('\n')));
}

} // namespace kvor::ui
