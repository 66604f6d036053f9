#include "batch_runner.h"

#include <chrono>

namespace kvor {

std::string EscapedLine(std::string_view text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r')
            line += "\\n";
        else
            line += text[i];
    }
    return line;
}

namespace {

// A picture without pixels: what is printed on it goes to the output, the rest is dropped.
class TextCanvas final : public Canvas {
public:
    TextCanvas(std::ostream& out, std::string_view name) : out_(out), name_(name) {}

    void clear() override {}
    void setScale(float, float, float, float) override {}
    void line(float, float, float, float, Rgb) override {}
    void circle(float, float, float, Rgb) override {}
    void point(float, float, Rgb) override {}
    void print(float, float, std::string_view text) override {
        out_ << name_ << '\t' << EscapedLine(text) << '\n' << std::flush;
    }
    void plotTrack(const TrackStore&, long) override {}

private:
    std::ostream& out_;
    std::string_view name_;
};

class SteadyClock final : public Clock {
public:
    double seconds() const override {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

class BatchRunner::Surfaces {
public:
    explicit Surfaces(std::ostream& out) : picture1(out, "picture1"), picture2(out, "picture2") {}
    TextCanvas picture1, picture2;
};

class BatchRunner::Platform final : public MessageHost, public EventHost {
public:
    explicit Platform(BatchRunner& runner) : runner_(runner) {}

    void info(std::string_view text, std::string_view = {}) override {
        runner_.out_ << "message\t" << EscapedLine(text) << '\n' << std::flush;
    }
    bool askYesNo(std::string_view text) override {
        info(text);
        const bool yes = runner_.answerYes_;
        runner_.answerYes_ = true;
        return yes;
    }
    bool processEvents() override {
        runner_.commandsDuringRun();
        return true;
    }

    SteadyClock clock;

private:
    BatchRunner& runner_;
};

BatchRunner::BatchRunner(std::ostream& out, ExperimentSettings settings)
    : out_(out), surfaces_(std::make_unique<Surfaces>(out)), platform_(std::make_unique<Platform>(*this)) {
    experiment_ = std::make_unique<Experiment>(
        record_, track_, form_, Experiment::Surfaces{surfaces_->picture1, surfaces_->picture2},
        Experiment::Platform{*platform_, *platform_, platform_->clock}, std::move(settings));
    experiment_->Form_Load();
}

BatchRunner::~BatchRunner() = default;

Experiment& BatchRunner::experiment() {
    return *experiment_;
}

void BatchRunner::run(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    // Editors on some systems begin a UTF-8 file with a byte-order mark; it is not part of the
    // first command.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (!lines_.empty() && lines_.front().starts_with(kByteOrderMark))
        lines_.front().erase(0, kByteOrderMark.size());
    next_ = 0;
    while (const auto command = nextCommand()) {
        deferredUpdates_ = 0;
        execute(*command);
    }
}

std::optional<ScriptCommand> BatchRunner::nextCommand() {
    while (next_ < lines_.size()) {
        const std::size_t lineNumber = ++next_;
        try {
            if (auto command = ParseScriptLine(lines_[lineNumber - 1])) return command;
        } catch (const ScriptError& e) {
            throw BadScriptLine{lineNumber, e.reason};
        }
    }
    return std::nullopt;
}

void BatchRunner::commandsDuringRun() {
    if (deferredUpdates_ > 1) {
        --deferredUpdates_;
        return;
    }
    deferredUpdates_ = 0;
    while (const auto command = nextCommand()) {
        if (command->kind == ScriptCommand::Kind::Run && command->count > 0) {
            deferredUpdates_ = command->count;
            return;
        }
        execute(*command);
    }
}

void BatchRunner::execute(const ScriptCommand& c) {
    using Kind = ScriptCommand::Kind;
    Experiment& experiment = *experiment_;
    switch (c.kind) {
    case Kind::Variant:
        // As an option button: its handler runs only when it becomes selected.
        if (!form_.isSelected(c.variant)) {
            form_.select(c.variant);
            if (c.variant == OptionButton::Option1)
                experiment.Option1_Click();
            else
                experiment.Option2_Click();
        }
        break;
    case Kind::Set:
        form_.setText(c.box, c.text);
        break;
    case Kind::Check:
        form_.setChecked(c.check, c.on);
        break;
    case Kind::Start:
        experiment.Command1_Click();
        break;
    case Kind::Stop:
        experiment.Command2_Click();
        break;
    case Kind::Continue:
        experiment.Command3_Click();
        break;
    case Kind::Steps:
        experiment.Command10_Click();
        break;
    case Kind::Reverse:
        experiment.Command11_Click();
        break;
    case Kind::Show:
        experiment.Command7_Click();
        break;
    case Kind::Run:
        break; // outside a run there is nothing to wait for
    case Kind::Answer:
        answerYes_ = c.on;
        break;
    case Kind::Data:
        experiment.setDataFile(c.text);
        break;
    case Kind::Print:
        for (int box = 1; box <= kTextBoxCount; ++box)
            out_ << "Text" << box << '\t' << EscapedLine(form_.text(static_cast<TextBox>(box))) << '\n';
        out_ << std::flush;
        break;
    }
}

} // namespace kvor
