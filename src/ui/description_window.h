#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kvor::ui {

// "Описание опыта": the title and the notes of the open experiment, what to watch and the
// questions, in a window of their own beside the main window, which it does not block, as the
// About window. "Закрыть" closes and discards it; the main window makes a new one when it is
// asked for again, and shows in the one that is open what each experiment it opens says.
class DescriptionWindow final : public QWidget {
public:
    explicit DescriptionWindow(QWidget* owner);

    // The notes one a line, an empty note an empty line.
    void showText(const QString& title, const QStringList& notes);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* title_;
    QPlainTextEdit* notes_;
    QPushButton* close_ = nullptr;
};

} // namespace kvor::ui
