#include "main_window.h"

#include "about_window.h"
#include "application.h"
#include "canvas_widget.h"
#include "control_geometry.h"
#include "data_file_setting.h"
#include "layout_table.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <charconv>

namespace kvor::ui {

namespace {

// The number in a control name such as "Text29" or "Command10".
int controlNumber(std::string_view name) {
    const auto digits = name.find_first_of("0123456789");
    int number = 0;
    if (digits != std::string_view::npos)
        std::from_chars(name.data() + digits, name.data() + name.size(), number);
    return number;
}

// The user's decimal separator when it is one the number texts know; '.' otherwise.
char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

// Flat one-pixel borders and no padding leave the narrow input boxes room for their numbers.
constexpr auto kBoxStyle = "QLineEdit { border: 1px solid #7a7a7a; padding: 0px; background: white; }";

} // namespace

MainWindow::MainWindow(MessageHost* messages) : messageBoxes_(this, [this] { showPictureChanges(); }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kvor3m"));
    setWindowIcon(QIcon(QStringLiteral(":/kvor3m.svg")));
    setFixedSize(kMainWidthTwips / kTwipsPerPixel, kMainHeightTwips / kTwipsPerPixel);
    setStyleSheet(QString::fromLatin1(kBoxStyle));

    createControls();
    setInitialState();
    experiment_ = std::make_unique<Experiment>(
        record_, track_, *this, Experiment::Surfaces{picture1_->canvas(), picture2_->canvas()},
        Experiment::Platform{messages ? *messages : messageBoxes_, *this, clock_},
        ExperimentSettings{localeDecimalSeparator(), {}});
    useDataFileForThisRun(StartingDataFile());
    experiment_->Form_Load();
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    QGroupBox* frame = nullptr;
    const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    for (const ControlRow& row : MainWindowControls()) {
        QWidget* const parent = row.inFrame && frame ? static_cast<QWidget*>(frame) : this;
        const int number = controlNumber(row.name);
        QWidget* control = nullptr;
        switch (row.kind) {
        case Kind::Label: {
            auto* label = CreateChild<QLabel>(parent);
            label->setText(FromUtf8(row.caption));
            if (row.name == "Label86") rodLengthLabel_ = label;
            control = label;
            break;
        }
        case Kind::TextBox: {
            auto* box = CreateChild<QLineEdit>(parent);
            box->setFont(BoxFont());
            connect(box, &QLineEdit::textChanged, this,
                    [this, number](const QString& text) { texts_[number] = text.toStdString(); });
            boxes_[number] = box;
            control = box;
            break;
        }
        case Kind::CheckBox: {
            auto* box = CreateChild<QCheckBox>(parent);
            box->setText(FromUtf8(row.caption));
            checks_[number] = box;
            control = box;
            break;
        }
        case Kind::OptionButton: {
            auto* option = CreateChild<QRadioButton>(parent);
            option->setText(FromUtf8(row.caption));
            (row.name == "Option1" ? option1_ : option2_) = option;
            control = option;
            break;
        }
        case Kind::Frame:
            frame = CreateChild<QGroupBox>(parent);
            frame->setTitle(FromUtf8(row.caption));
            control = frame;
            break;
        case Kind::Button: {
            auto* button = CreateChild<QPushButton>(parent);
            button->setText(FromUtf8(row.caption));
            button->setAutoDefault(false);
            commands_.at(number) = button;
            control = button;
            break;
        }
        case Kind::Picture: {
            auto picture = std::make_unique<CanvasWidget>(PixelRect(row).size(), ratio, parent);
            picture->canvas().setFont(BoxFont());
            (row.name == "Picture1" ? picture1_ : picture2_) = picture.get();
            control = picture.release(); // owned by its parent from here on
            break;
        }
        }
        control->setObjectName(FromUtf8(row.name));
        control->setGeometry(PixelRect(row));
        FitCaption(*control);
    }
}

// Option1 selected, "исходные данные" ticked, the rod length and its caption hidden.
void MainWindow::setInitialState() {
    option1_->setChecked(true);
    checks_[Check12]->setChecked(true);
    boxes_[Text16]->setHidden(true);
    rodLengthLabel_->setHidden(true);
}

void MainWindow::connectCommands() {
    // After a command the pictures show what it drew.
    const auto wire = [this](int number, void (Experiment::*click)()) {
        connect(commands_.at(number), &QPushButton::clicked, this, [this, click] {
            ((*experiment_).*click)();
            showPictureChanges();
        });
    };
    wire(1, &Experiment::Command1_Click);
    wire(2, &Experiment::Command2_Click);
    wire(3, &Experiment::Command3_Click);
    wire(5, &Experiment::Command5_Click);
    wire(7, &Experiment::Command7_Click);
    wire(10, &Experiment::Command10_Click);
    wire(11, &Experiment::Command11_Click);
    connect(commands_.at(4), &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(commands_.at(6), &QPushButton::clicked, this, &MainWindow::showAbout);

    // The option handlers run when a button becomes selected, not when it is cleared.
    connect(option1_, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) experiment_->Option1_Click();
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) experiment_->Option2_Click();
    });
}

void MainWindow::setText(TextBox box, std::string_view text) {
    if (texts_[box] == text) return;
    QLineEdit* const edit = boxes_[box];
    edit->setText(FromUtf8(text));
    // Long numbers show from their first digit, as typed numbers do.
    edit->setCursorPosition(0);
}

bool MainWindow::isChecked(CheckBox box) const {
    return checks_[box]->checkState() == Qt::Checked;
}

bool MainWindow::isSelected(OptionButton option) const {
    return (option == OptionButton::Option1 ? option1_ : option2_)->isChecked();
}

void MainWindow::setTextVisible(TextBox box, bool visible) {
    boxes_[box]->setHidden(!visible);
}

void MainWindow::setRodLengthLabelVisible(bool visible) {
    rodLengthLabel_->setHidden(!visible);
}

void MainWindow::chooseDataFile(const QString& file) {
    useDataFileForThisRun(file);
    RememberDataFile(dataFile());
}

void MainWindow::useDataFileForThisRun(const QString& file) {
    const QString absolute = QFileInfo(file).absoluteFilePath();
    experiment_->setDataFile(ToPath(absolute));
    checks_[Check2]->setToolTip(DataFileToolTip(absolute));
}

QString MainWindow::dataFile() const {
    return FromPath(experiment_->settings().dataFile);
}

void MainWindow::showPictureChanges() {
    picture1_->showChanges();
    picture2_->showChanges();
}

// The run loop's pause at every screen update: the pictures are repainted, clicks and edits are
// handled, and the run ends when the window has been closed meanwhile.
bool MainWindow::processEvents() {
    showPictureChanges();
    QCoreApplication::processEvents();
    return !closed_;
}

void MainWindow::showAbout() {
    if (!about_) about_ = std::make_unique<AboutWindow>(this).release(); // owned by this window
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::exitProgram() {
    close();
}

// Closing by "Выход" or by the frame closes the About window too, so that no window is left and
// the program ends; a run in progress ends at its next event processing, without a message.
void MainWindow::closeEvent(QCloseEvent* event) {
    closed_ = true;
    if (about_) about_->close();
    event->accept();
}

} // namespace kvor::ui
