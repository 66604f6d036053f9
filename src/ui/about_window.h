#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kvor::ui {

// The About window: the help text in a scrollable, editable box, two lines about the program and
// "Закрыть", which closes and discards the window. Each new window assembles the text afresh, so
// edits made in the box are lost when it closes, or when the language changes. It does not block the main
// window.
class AboutWindow final : public QWidget {
public:
    explicit AboutWindow(QWidget* owner);

    QPlainTextEdit& helpBox() { return *help_; }

protected:
    // A change of language shows the texts again in the language installed now, the help text
    // from its beginning.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QPlainTextEdit* help_;
};

} // namespace kvor::ui
