#include "main_window.h"

#include "about_window.h"
#include "application.h"
#include "canvas_widget.h"
#include "caption_fit.h"
#include "child_object.h"
#include "control/input_reader.h"
#include "core/interface_text.h"
#include "data_file_setting.h"
#include "file_path.h"
#include "host/box_table.h"
#include "layout_table.h"
#include "pixel_geometry.h"
#include "user_settings.h"
#include "view/translated_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>
#include <charconv>
#include <vector>

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

// What a box holds, its unit and the rule its value must keep.
QString boxToolTip(const BoxRow& row) {
    QString tip = Translated(row.description);
    if (!row.unit.empty()) tip += QStringLiteral(", ") + Translated(row.unit);
    if (!row.ruleText.empty()) tip += QStringLiteral("; ") + Translated(row.ruleText);
    return tip;
}

// A caption of the layout table on its control, in the language installed, fitted to the control
// from the caption font at the window's zoom down.
void showCaption(QWidget& control, const ControlRow& row) {
    const QString caption = Translated(row.caption);
    if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(&control))
        frame->setTitle(caption);
    QFont font = CaptionFont();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * ZoomOf(&control)))));
    control.setFont(font);
    FitCaption(control);
}

// The engine's texts as the window's language has them.
std::string translatedUtf8(std::string_view text) {
    return Translated(text).toStdString();
}

// Flat one-pixel borders and no padding leave the narrow input boxes room for their numbers.
constexpr auto kBoxStyle = "QLineEdit { border: 1px solid #7a7a7a; padding: 0px; background: white; }";

} // namespace

MainWindow::MainWindow(MessageHost* messages)
    : messageBoxes_(this, [this] { showPictureChanges(); }),
      translatedMessages_(messages ? *messages : messageBoxes_, translatedUtf8),
      runTimer_(translatedMessages_, record_, [this] { showPictureChanges(); }), messages_(runTimer_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/kvor3m.svg")));
    setStyleSheet(QString::fromLatin1(kBoxStyle));

    // The controls keep their places in the client area; the menu bar above it adds its height
    // to the window, which takes the size of the two together and cannot be resized. On a full
    // screen the client area stands in the middle of the stage around it.
    zoom_ = CreateChild<WindowZoom>(this);
    auto* stage = CreateChild<QWidget>(this);
    client_ = CreateChild<QWidget>(stage);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(ClientAreaSize());
    auto* centred = CreateChild<QGridLayout>(stage);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(client_, 0, 0, Qt::AlignCenter);
    setCentralWidget(stage);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createControls(client_);
    setInitialState();
    createStatusBar();
    experiment_ = std::make_unique<Experiment>(
        record_, track_, *this, Experiment::Surfaces{picture1_->picture(), picture2_->picture()},
        Experiment::Platform{messages_, clock_}, ExperimentSettings{localeDecimalSeparator(), {}});
    runTimer_.drive(*experiment_);
    connect(&runTimer_, &RunTimer::runEnded, this, &MainWindow::runEnded);
    useDataFileForThisRun(StartingDataFile());
    experiment_->Form_Load();
    energyGraph_ =
        CreateChild<EnergyGraphWindow>(this, experiment_->series(), qApp ? qApp->devicePixelRatio() : 1.0);
    impacts_ = CreateChild<ImpactsWindow>(this);
    showPictureChanges();
    actions_ = CreateChild<WindowActions>(this, *picture1_, *picture2_, *energyGraph_);
    connectActions();
    connectExperimentActions();
    connectUnitAxes();
    setTabOrder();
    connectCommands();
    setPace(UserSettings::pace());
    retranslate();
    savedSetup_ = setupText();
    zoom_->follow(*this);
    zoom_->follow(*energyGraph_);
    zoom_->follow(*impacts_);
    connect(zoom_, &WindowZoom::changed, actions_, &WindowActions::showZoom);
    zoom_->setPercent(UserSettings::zoom());
    actions_->showZoom(zoom_->percent());
}

// Every text of the window in the language installed now: the captions, the tooltips, the menus,
// the status bar and the caption of the window. The pictures draw theirs again by themselves.
void MainWindow::retranslate() {
    for (const auto& [control, row] : captioned_) showCaption(*control, *row);
    for (int n = 1; n <= kTextBoxCount; ++n)
        if (IsInputBox(static_cast<TextBox>(n)))
            boxes_[n]->setToolTip(boxToolTip(RowOf(static_cast<TextBox>(n))));
    for (int n = 1; n <= kCheckBoxCount; ++n)
        checks_[n]->setToolTip(Translated(RowOf(static_cast<CheckBox>(n)).description));
    showDataFile();
    greyUnusedControls();
    actions_->retranslate();
    actions_->showLanguage(CurrentLanguage());
    showPace();
    if (runStateText_) showRunState(runStateText_);
    if (shownName_.isEmpty())
        setWindowTitle(QStringLiteral("Kvor3m"));
    else
        showExperimentName(shownName_);
    showLessonTitles();
    refreshDescription();
    showImpacts();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && actions_) retranslate();
}

// "Вид" → "Язык": the language at once, and for the next sessions.
void MainWindow::chooseLanguage(Language language) {
    UserSettings::setLanguage(language);
    SetLanguage(language);
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls(QWidget* client) {
    QGroupBox* frame = nullptr;
    const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    for (const ControlRow& row : MainWindowControls()) {
        QWidget* const parent = row.inFrame && frame ? static_cast<QWidget*>(frame) : client;
        const int number = controlNumber(row.name);
        QWidget* control = nullptr;
        switch (row.kind) {
        case Kind::Label: {
            auto* label = CreateChild<QLabel>(parent);
            if (row.name == "Label86") rodLengthLabel_ = label;
            control = label;
            break;
        }
        case Kind::TextBox: {
            auto* box = CreateChild<QLineEdit>(parent);
            box->setFont(BoxFont());
            const auto textBox = static_cast<TextBox>(number);
            if (IsScaleBox(textBox)) {
                // Enter, Tab or the focus leaving the box.
                connect(box, &QLineEdit::editingFinished, this, [this, textBox] { takeScaleText(textBox); });
            } else {
                connect(box, &QLineEdit::textChanged, this,
                        [this, number](const QString& text) { texts_[number] = text.toStdString(); });
            }
            // The boxes the panel overwrites at every refresh can be read and copied, not typed
            // into, and Tab passes them by.
            if (!IsInputBox(textBox)) {
                box->setReadOnly(true);
                box->setFocusPolicy(Qt::ClickFocus);
            }
            boxes_[number] = box;
            control = box;
            break;
        }
        case Kind::CheckBox: {
            auto* box = CreateChild<QCheckBox>(parent);
            checks_[number] = box;
            control = box;
            break;
        }
        case Kind::OptionButton: {
            auto* option = CreateChild<QRadioButton>(parent);
            (row.name == "Option1" ? option1_ : option2_) = option;
            control = option;
            break;
        }
        case Kind::Frame:
            frame = CreateChild<QGroupBox>(parent);
            control = frame;
            break;
        case Kind::Button: {
            auto* button = CreateChild<QPushButton>(parent);
            button->setAutoDefault(false);
            button->installEventFilter(this); // Enter presses it
            commands_.at(number) = button;
            control = button;
            break;
        }
        case Kind::Picture: {
            auto* picture = CreateChild<CanvasWidget>(parent, PixelRect(row).size(), ratio);
            (row.name == "Picture1" ? picture1_ : picture2_) = picture;
            control = picture;
            break;
        }
        }
        control->setObjectName(QString::fromUtf8(row.name));
        Place(*control, PixelRect(row));
        if (!row.caption.empty()) captioned_.emplace_back(control, &row);
    }
}

// Option1 selected, "исходные данные" ticked, the rod length and its caption hidden.
void MainWindow::setInitialState() {
    option1_->setChecked(true);
    checks_[Check12]->setChecked(true);
    boxes_[Text16]->setHidden(true);
    rodLengthLabel_->setHidden(true);
    greyUnusedControls();
}

// Tab walks the input boxes in reading order, line by line from the top, then the command
// buttons, then the option buttons and check boxes, each in reading order too.
void MainWindow::setTabOrder() {
    const auto inReadingOrder = [this](std::vector<QWidget*> widgets) {
        const auto place = [this](const QWidget* w) { return w->mapTo(this, QPoint(0, 0)); };
        std::stable_sort(widgets.begin(), widgets.end(), [&](const QWidget* a, const QWidget* b) {
            const QPoint pa = place(a), pb = place(b);
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        return widgets;
    };
    std::vector<QWidget*> inputs, buttons, choices;
    for (int n = 1; n <= kTextBoxCount; ++n)
        if (IsInputBox(static_cast<TextBox>(n))) inputs.push_back(boxes_[n]);
    for (QPushButton* button : commands_)
        if (button) buttons.push_back(button);
    choices = {option1_, option2_};
    for (int n = 1; n <= kCheckBoxCount; ++n) choices.push_back(checks_[n]);

    std::vector<QWidget*> chain = inReadingOrder(inputs);
    for (const auto& group : {inReadingOrder(buttons), inReadingOrder(choices)})
        chain.insert(chain.end(), group.begin(), group.end());
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::connectCommands() {
    // After a command the pictures show what it drew, and a run it began or stopped is advanced.
    const auto wire = [this](int number, void (Experiment::*click)()) {
        connect(commands_.at(number), &QPushButton::clicked, this, [this, click] {
            ((*experiment_).*click)();
            showPictureChanges();
            runTimer_.commandDone();
        });
    };
    wire(1, &Experiment::Command1_Click);
    wire(2, &Experiment::Command2_Click);
    wire(3, &Experiment::Command3_Click);
    wire(5, &Experiment::Command5_Click);
    wire(7, &Experiment::Command7_Click);
    wire(10, &Experiment::Command10_Click);
    wire(11, &Experiment::Command11_Click);
    // The energy graph is cleared with the other pictures.
    connect(commands_.at(5), &QPushButton::clicked, this, [this] { energyGraph_->clearGraph(); });
    connect(commands_.at(4), &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(commands_.at(6), &QPushButton::clicked, this, &MainWindow::showAbout);

    // The option handlers run when a button becomes selected, not when it is cleared.
    connect(option1_, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) experiment_->Option1_Click();
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) experiment_->Option2_Click();
        greyUnusedControls();
    });
}

// What a variant does not use is greyed, and says so, where the variant does not hide it: in the
// rod variant the charge of the ball, its exponent, Ks and "+Fm", for two balls the rod-angle
// tick. Their values are kept and accepted as before.
void MainWindow::greyUnusedControls() {
    const bool ballRod = option2_->isChecked();
    const auto greyed = [ballRod](QWidget& control, Uses uses, const QString& toolTip) {
        const bool used = UsedBy(uses, ballRod);
        control.setEnabled(used);
        control.setToolTip(used ? toolTip
                           : ballRod
                               ? Translated(Tr("Kvor3m", "Не используется в варианте «1-шар 2-стержень»"))
                               : Translated(Tr("Kvor3m", "Не используется в варианте «1-шар 2-шар»")));
    };
    for (const BoxRow& row : box_table::kBoxes)
        if (row.uses != Uses::Both) greyed(*boxes_[row.box], row.uses, boxToolTip(row));
    for (const CheckRow& row : box_table::kChecks)
        if (row.uses != Uses::Both) greyed(*checks_[row.box], row.uses, Translated(row.description));
}

void MainWindow::setText(TextBox box, std::string_view text) {
    if (texts_[box] == text) return;
    QLineEdit* const edit = boxes_[box];
    edit->setText(QString::fromUtf8(text));
    // Long numbers show from their first digit, as typed numbers do.
    edit->setCursorPosition(0);
    if (IsScaleBox(box)) takeScaleText(box);
}

// The one place where the text of a scale box becomes the engine's: the user's finished edit, or
// the program's own write.
void MainWindow::takeScaleText(TextBox box) {
    texts_[box] = boxes_[box]->text().toStdString();
    followScale(box);
}

void MainWindow::selectText(TextBox box) {
    QLineEdit* const edit = boxes_[box];
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
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
    showDataFile();
}

// Where the records go, on "Запись" and in the status bar.
void MainWindow::showDataFile() {
    const QString tip = DataFileToolTip(dataFile());
    checks_[Check2]->setToolTip(tip);
    recordsState_->setText(tip);
    recordsState_->setToolTip(tip);
}

QString MainWindow::dataFile() const {
    return FromPath(experiment_->settings().dataFile);
}

void MainWindow::showPictureChanges() {
    experiment_->ShowLastUpdate();
    showUnitAxes();
    picture1_->showChanges();
    picture2_->showChanges();
    if (energyGraph_ && energyGraph_->isVisible()) energyGraph_->showChanges();
    showImpacts();
}

void MainWindow::showImpacts() {
    if (!impacts_) return;
    const char separator = experiment_->settings().decimalSeparator;
    // A contact under way is shown once the run has ended with it.
    const std::optional<Impact> unfinished =
        experiment_->running() ? std::nullopt : experiment_->unfinishedImpact();
    const QString last = LastImpactText(experiment_->impacts(), unfinished, separator);
    impactState_->setText(last);
    impactState_->setToolTip(last);
    if (impacts_->isVisible()) impacts_->showImpacts(experiment_->impacts(), unfinished, separator);
}

// Enter or Return on a focused command button presses it, as the space bar does.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showAbout() {
    if (!about_) {
        about_ = CreateChild<AboutWindow>(this);
        zoom_->follow(*about_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::chooseZoom(int percent) {
    zoom_->setPercent(percent);
    UserSettings::setZoom(zoom_->percent());
}

void MainWindow::setFullScreen(bool on) {
    actions_->fullScreen->setChecked(on);
    // Its own record of the state: without a window manager the window never learns it changed.
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        zoomBeforeFullScreen_ = zoom_->percent();
        // The form with its menu bar and status bar, at 100 %.
        const QSize screen = this->screen()->geometry().size();
        const QSizeF form(ClientAreaSize().width(),
                          ClientAreaSize().height() +
                              (menuBar()->height() + statusBar()->height()) / zoom_->factor());
        int fits = kZoomPercents.front();
        for (const int percent : kZoomPercents) {
            const QSizeF zoomed = form * (percent / 100.0);
            if (zoomed.width() <= screen.width() && zoomed.height() <= screen.height()) fits = percent;
        }
        // Zoomed while its size is still the form's, then free to take the screen's.
        zoom_->setPercent(fits);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        setGeometry(this->screen()->geometry()); // also where no window manager does it
    } else {
        showNormal();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        zoom_->setPercent(zoomBeforeFullScreen_);
        layout()->activate();
        adjustSize();
    }
}

void MainWindow::exitProgram() {
    close();
}

// Closing by "Выход" or by the frame closes the About and description windows too, so that no
// window is left and the program ends; a run in progress ends without another step or a message.
// A changed set-up is offered for saving first, and "Отмена" keeps the window.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayPutExperimentAside()) return event->ignore();
    runTimer_.end();
    if (about_) about_->close();
    if (descriptionWindow_) descriptionWindow_->close();
    energyGraph_->close();
    impacts_->close();
    event->accept();
}

} // namespace kvor::ui
