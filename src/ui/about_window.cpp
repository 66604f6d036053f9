#include "about_window.h"

#include "application.h"
#include "child_object.h"
#include "help_text.h"
#include "layout_table.h"
#include "pixel_geometry.h"
#include "view/translated_text.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace kvor::ui {

AboutWindow::AboutWindow(QWidget* owner) : QWidget(owner, Qt::Window), help_(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About    Kvor3m"));

    // The help box takes what the window gains when the user makes it larger, and its text is
    // wrapped anew at every width; the lines about the program and "Закрыть" stay under it.
    auto* grid = CreateChild<QGridLayout>(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    for (const ControlRow& row : AboutWindowControls()) {
        QWidget* control = nullptr;
        if (row.name == "Text1") {
            help_ = CreateChild<QPlainTextEdit>(this);
            help_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            help_->setFont(BoxFont());
            grid->addWidget(help_, 0, 0, 1, 2);
            control = help_;
        } else if (row.kind == Kind::Button) {
            auto* close = CreateChild<QPushButton>(this);
            close->setFixedSize(PixelRect(row).size());
            connect(close, &QPushButton::clicked, this, &QWidget::close);
            grid->addWidget(close, 2, 1, Qt::AlignRight | Qt::AlignTop);
            control = close;
        } else {
            auto* label = CreateChild<QLabel>(this);
            const bool title = row.name == "Label2";
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setContentsMargins(PixelRect(row).left(), 0, 0, 0);
            grid->addWidget(label, title ? 1 : 2, 0, 1, title ? 2 : 1);
            control = label;
        }
        control->setObjectName(QString::fromUtf8(row.name));
    }
    resize(kAboutWidthTwips / kTwipsPerPixel, kAboutHeightTwips / kTwipsPerPixel);
    retranslate();

    // A fixed place on the screen rather than one chosen by the system.
    QPoint origin;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) origin = screen->geometry().topLeft();
    move(origin + QPoint(kAboutLeftTwips / kTwipsPerPixel, kAboutTopTwips / kTwipsPerPixel));
}

void AboutWindow::retranslate() {
    for (const ControlRow& row : AboutWindowControls()) {
        QWidget* const control = findChild<QWidget*>(QString::fromUtf8(row.name), Qt::FindDirectChildrenOnly);
        if (auto* close = qobject_cast<QPushButton*>(control)) close->setText(Translated(row.caption));
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(Translated(row.name == "Label2" ? kAboutTitleLine : kAboutPurposeLine));
    }
    // The box shows the text from its beginning; its line breaks are CR LF pairs.
    help_->setPlainText(
        QString::fromStdString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void AboutWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

} // namespace kvor::ui
