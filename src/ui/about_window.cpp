#include "about_window.h"

#include "application.h"
#include "caption_fit.h"
#include "child_object.h"
#include "help_text.h"
#include "layout_table.h"
#include "pixel_geometry.h"
#include "view/translated_text.h"

#include <QEvent>
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
    setFixedSize(kAboutWidthTwips / kTwipsPerPixel, kAboutHeightTwips / kTwipsPerPixel);

    for (const ControlRow& row : AboutWindowControls()) {
        QWidget* control = nullptr;
        if (row.name == "Text1") {
            help_ = CreateChild<QPlainTextEdit>(this);
            help_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            help_->setFont(BoxFont());
            control = help_;
        } else if (row.kind == Kind::Button) {
            auto* close = CreateChild<QPushButton>(this);
            connect(close, &QPushButton::clicked, this, &QWidget::close);
            control = close;
        } else {
            auto* label = CreateChild<QLabel>(this);
            label->setWordWrap(row.name == "Label1");
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            control = label;
        }
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(PixelRect(row));
    }
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
        if (control != help_) {
            control->setFont(CaptionFont());
            FitCaption(*control);
        }
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
