#pragma once

// A main window whose message boxes are answered by a script, and ways to act on it as a user
// would: find a control by its name, click it, press a button at a chosen screen update of a run.

#include "test_doubles.h"
#include "ui/canvas_widget.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kvor::test {

// What a file holds, byte for byte; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
}

// Clicks a command of `window` that begins a run and returns once the run has ended.
inline void ClickAndRun(ui::MainWindow& window, const char* button) {
    QSignalSpy ended(&window, &ui::MainWindow::runEnded);
    window.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    EXPECT_TRUE(ended.wait(60000)) << button << ": the run did not end";
}

class WindowTest : public testing::Test {
protected:
    WindowTest() {
        window.experiment().setDataFile(dataFile());
        window.setPace(ui::Pace::Max);
        window.show();
    }

    template <typename Widget = QWidget> Widget* control(const char* name) {
        auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(const char* name) { control<QAbstractButton>(name)->click(); }
    void clickAndRun(const char* name) { ClickAndRun(window, name); }

    std::string box(const char* name) { return control<QLineEdit>(name)->text().toStdString(); }
    // Types a new text and finishes the edit with Enter.
    void type(const char* name, const char* text) {
        auto* box = control<QLineEdit>(name);
        box->setText(QString::fromUtf8(text));
        QTest::keyClick(box, Qt::Key_Return);
    }

    // While a run goes on, clicks `button` at the first event processing at which at least
    // `points` track points are stored.
    void clickWhenTrackHas(int points, const char* button) {
        auto timer = std::make_shared<QTimer>();
        timer->setInterval(0);
        // The fixture owns the timer (a copy of the pointer in its own slot would keep it alive).
        QObject::connect(timer.get(), &QTimer::timeout, [this, t = timer.get(), points, button] {
            if (window.record().NT < points) return;
            t->stop();
            click(button);
        });
        timer->start();
        timers_.push_back(timer);
    }

    std::filesystem::path dataFile() const {
        return (dir_.path() + QStringLiteral("/kvor.dat")).toStdString();
    }
    const ImageCanvas& picture1() { return window.picture1().canvas(); }
    const ImageCanvas& picture2() { return window.picture2().canvas(); }

    QTemporaryDir dir_;
    ScriptedMessages messages;
    ui::MainWindow window{&messages};

private:
    std::vector<std::shared_ptr<QTimer>> timers_;
};

} // namespace kvor::test
