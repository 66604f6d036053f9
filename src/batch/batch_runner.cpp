#include "batch_runner.h"

#include "control/energy_points.h"
#include "control/messages.h"
#include "control/step_study_text.h"
#include "host/box_table.h"
#include "output/impact_texts.h"
#include "output/series_csv.h"
#include "output/text_file.h"

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
class TextCanvas final : public BlankCanvas {
public:
    TextCanvas(std::ostream& out, std::string_view name, const Translation& translation)
        : out_(out), name_(name), translation_(translation) {}

    void print(float, float, std::string_view text) override {
        out_ << name_ << '\t' << EscapedLine(TranslatedText(text, translation_)) << '\n' << std::flush;
    }

private:
    std::ostream& out_;
    std::string_view name_;
    const Translation& translation_;
};

// A drawn layer whose printed texts also go to the output.
class ShownCanvas final : public Canvas {
public:
    ShownCanvas(Canvas& drawn, TextCanvas& text) : drawn_(drawn), text_(text) {}

    void clear() override { drawn_.clear(); }
    void setScale(float l, float t, float r, float b) override { drawn_.setScale(l, t, r, b); }
    void line(float x1, float y1, float x2, float y2, Rgb c) override { drawn_.line(x1, y1, x2, y2, c); }
    void circle(float x, float y, float radius, Rgb c) override { drawn_.circle(x, y, radius, c); }
    void point(float x, float y, Rgb c) override { drawn_.point(x, y, c); }
    void print(float x, float y, std::string_view text) override {
        text_.print(x, y, text);
        drawn_.print(x, y, text);
    }
    void dots(std::span<const Dot> run) override { drawn_.dots(run); }

private:
    Canvas& drawn_;
    TextCanvas& text_;
};

// A picture of the script: the texts printed on it go to the output as they come, and with
// pictures that are drawn, everything goes to them as well.
class ScriptPicture final : public Picture {
public:
    ScriptPicture(std::ostream& out, std::string_view name, Picture* drawn, const Translation& translation)
        : text_(out, name, translation), drawn_(drawn) {
        if (drawn_) shownBase_.emplace(drawn_->base(), text_);
    }

    Canvas& base() override { return shownBase_ ? static_cast<Canvas&>(*shownBase_) : text_; }
    Canvas& track() override { return drawn_ ? drawn_->track() : blank_; }
    Canvas& newBodies() override { return drawn_ ? drawn_->newBodies() : blank_; }
    void keepBodies() override {
        if (drawn_) drawn_->keepBodies();
    }
    void clear() override {
        if (drawn_) drawn_->clear();
    }

private:
    TextCanvas text_;
    BlankCanvas blank_;
    Picture* drawn_;
    std::optional<ShownCanvas> shownBase_;
};

} // namespace

class BatchRunner::Surfaces {
public:
    Surfaces(std::ostream& out, PictureFiles* pictures, const Translation& translation)
        : picture1(out, "picture1", pictures ? &pictures->picture(1) : nullptr, translation),
          picture2(out, "picture2", pictures ? &pictures->picture(2) : nullptr, translation) {}

    ScriptPicture picture1, picture2;
};

class BatchRunner::Platform final : public MessageHost {
public:
    explicit Platform(BatchRunner& runner) : runner_(runner) {}

    // A script's reader sees the detail as the window's user does, on a line of its own.
    void info(std::string_view text, std::string_view detail = {}) override {
        const Translation& translation = runner_.translation_;
        runner_.out_ << "message\t" << EscapedLine(TranslatedText(text, translation)) << '\n';
        if (!detail.empty())
            runner_.out_ << "detail\t" << EscapedLine(TranslatedText(detail, translation)) << '\n';
        runner_.out_ << std::flush;
        if (text == messages::kFileWriteError) runner_.writeFailed_ = true;
    }
    bool askYesNo(std::string_view text) override {
        info(text);
        const bool yes = runner_.answerYes_;
        runner_.answerYes_ = true;
        return yes;
    }
    // A script has no changes to lose: it is never asked.
    SaveAnswer askToSave(std::string_view) override { return SaveAnswer::Discard; }
    SteadyClock clock;

private:
    BatchRunner& runner_;
};

BatchRunner::BatchRunner(std::ostream& out, ExperimentSettings settings,
                         std::unique_ptr<PictureFiles> pictures, Translation translation)
    : out_(out), translation_(std::move(translation)), pictures_(std::move(pictures)),
      surfaces_(std::make_unique<Surfaces>(out, pictures_.get(), translation_)),
      platform_(std::make_unique<Platform>(*this)) {
    experiment_ = std::make_unique<Experiment>(
        record_, track_, form_, Experiment::Surfaces{surfaces_->picture1, surfaces_->picture2},
        Experiment::Platform{*platform_, platform_->clock}, std::move(settings));
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
        runWhileActive();
        extendTable();
    }
}

// The run that a command began, advanced to its end. Between two screen updates the script's
// next commands are taken, as the window takes the user's.
void BatchRunner::runWhileActive() {
    Experiment& experiment = *experiment_;
    bool ran = false;
    while (experiment.running()) {
        const RunEvent event = experiment.Advance();
        ran = true;
        printImpacts();
        switch (event.kind) {
        case RunEvent::Kind::ScreenUpdate:
            commandsDuringRun();
            break;
        case RunEvent::Kind::Question:
            experiment.AnswerEqQuestion(platform_->askYesNo(event.text));
            break;
        case RunEvent::Kind::Stopped:
            break;
        case RunEvent::Kind::Ended:
            platform_->info(event.text, event.detail);
            break;
        case RunEvent::Kind::Finished:
            out_ << "end\t" << RunEndName(event.end) << '\n' << std::flush;
            break;
        }
    }
    // A contact that the run's end cut short, as it stands.
    const auto unfinished = experiment.unfinishedImpact();
    if (ran && impactsOn_ && unfinished) printImpact(*unfinished);
}

void BatchRunner::printImpacts() {
    const Experiment& experiment = *experiment_;
    if (experiment.impactGeneration() != impactGeneration_) {
        impactGeneration_ = experiment.impactGeneration();
        impactsSeen_ = 0;
    }
    for (; impactsSeen_ < experiment.impacts().size(); ++impactsSeen_)
        if (impactsOn_) printImpact(experiment.impacts()[impactsSeen_]);
}

void BatchRunner::printImpact(const Impact& impact) {
    out_ << "impact";
    for (const std::string& text : ImpactFigures(impact, experiment_->settings().decimalSeparator))
        out_ << '\t' << text;
    out_ << '\n' << std::flush;
}

std::optional<ScriptCommand> BatchRunner::nextCommand() {
    while (next_ < lines_.size()) {
        const std::size_t lineNumber = ++next_;
        std::optional<ScriptCommand> command;
        try {
            command = ParseScriptLine(lines_[lineNumber - 1]);
        } catch (const ScriptError& e) {
            throw BadScriptLine{lineNumber, e.reason};
        }
        if (command && command->kind == ScriptCommand::Kind::Png && !pictures_)
            throw BadScriptLine{lineNumber, "png: this kvor3m-batch was built without the window's drawing "
                                            "code and cannot draw pictures"};
        if (command) return command;
    }
    return std::nullopt;
}

void BatchRunner::commandsDuringRun() {
    extendTable();
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
    case Kind::Set:
    case Kind::Check:
    case Kind::Title:
    case Kind::Note:
    case Kind::End:
    case Kind::Contact:
        ApplySetupLine(c, *this);
        break;
    case Kind::Open:
        openExperiment(c.text);
        break;
    case Kind::Save:
        saveExperiment(c.text);
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
    case Kind::Impacts:
        printImpacts(); // the contacts before the command are not its to show
        impactsOn_ = c.on;
        break;
    case Kind::Data:
        experiment.setDataFile(c.text);
        break;
    case Kind::Csv:
        startTable(c.text);
        break;
    case Kind::Png:
        savePicture(c.picture, c.text);
        break;
    case Kind::Accuracy:
        printStepStudy();
        break;
    case Kind::Print:
        for (const BoxRow& row : box_table::kBoxes) {
            out_ << "Text" << row.box << '\t';
            if (c.on) out_ << (row.names[0].empty() ? "-" : row.names[0]) << '\t';
            out_ << EscapedLine(form_.text(row.box)) << '\n';
        }
        out_ << std::flush;
        break;
    }
}

// As an option button: its handler runs only when it becomes selected.
void BatchRunner::selectVariant(OptionButton variant) {
    if (form_.isSelected(variant)) return;
    form_.select(variant);
    if (variant == OptionButton::Option1)
        experiment_->Option1_Click();
    else
        experiment_->Option2_Click();
}

void BatchRunner::setBoxText(TextBox box, std::string_view text) {
    form_.setText(box, text);
}

void BatchRunner::setChecked(CheckBox box, bool on) {
    form_.setChecked(box, on);
}

void BatchRunner::setRunEnd(const RunEnd& end) {
    experiment_->setRunEnd(end);
}

void BatchRunner::setExactContact(bool exact) {
    experiment_->setExactContact(exact);
}

void BatchRunner::openExperiment(const std::string& file) {
    ExperimentFile opened;
    try {
        opened = OpenExperimentFile(file);
    } catch (const ExperimentFileError& e) {
        // The line of this script, then where in the file and why.
        throw BadScriptLine{next_, "open: " + file +
                                       (e.lineNumber ? ":" + std::to_string(e.lineNumber) : "") + ": " +
                                       e.reason};
    }
    for (const ScriptCommand& line : opened.lines) ApplySetupLine(line, *this);
}

void BatchRunner::saveExperiment(const std::string& file) {
    try {
        WriteWholeFile(file, ExperimentFileText(form_, description_, experiment_->runEnd(),
                                                experiment_->exactContact()));
    } catch (const FileWriteError& failed) {
        reportWriteError(failed);
    }
}

// The header now; the rows of each experiment that starts from here on as its screen updates come,
// each row led by the experiment's number. The file is always written whole (WriteWholeFile): it
// holds the header and then the rows up to the end of the last run, or the old file stays.
void BatchRunner::startTable(const std::string& file) {
    table_.reset();
    std::string header;
    AppendSeriesCsvHeader(header, "experiment");
    try {
        WriteWholeFile(file, header);
    } catch (const FileWriteError& failed) {
        reportWriteError(failed);
        return;
    }
    table_ = Table{file, header, false, 0, experiment_->series().generation(), 0};
}

void BatchRunner::extendTable() {
    if (!table_) return;
    const DataSeries& series = experiment_->series();
    if (series.generation() != table_->generation) {
        // Every start or reversal since the last time is an experiment, with rows or without.
        table_->experiment += static_cast<long>(series.generation() - table_->generation);
        table_->generation = series.generation();
        table_->rows = 0;
    }
    if (table_->experiment != 0 && series.size() != table_->rows) {
        AppendSeriesCsvRows(table_->text, series, table_->rows, std::to_string(table_->experiment) + ",");
        table_->rows = series.size();
        table_->unsaved = true;
    }
    // Rewritten once a run, at its end, rather than at every screen update of it.
    if (table_->unsaved && !experiment_->running()) saveTable();
}

void BatchRunner::saveTable() {
    try {
        WriteWholeFile(table_->file, table_->text);
        table_->unsaved = false;
    } catch (const FileWriteError& failed) {
        // Said once; the runs go on without the table, whose file keeps its last whole text.
        table_.reset();
        reportWriteError(failed);
    }
}

void BatchRunner::savePicture(int number, const std::string& file) {
    try {
        WriteWholeFile(file, number == 3 ? pictures_->energyPng(EnergyPointsOf(experiment_->series()))
                                         : pictures_->png(number));
    } catch (const FileWriteError& failed) {
        reportWriteError(failed);
    }
}

// The study at once, whole: "accuracy<TAB>NAME<TAB>y(h)<TAB>y(h/2)<TAB>y(h/4)<TAB>p<TAB>error" per
// quantity, "accuracy<TAB>step<TAB>H", then the notes the window shows under its table as
// "accuracy<TAB>note<TAB>text".
void BatchRunner::printStepStudy() {
    const std::optional<StudyStart> start = experiment_->studyStart();
    if (!start) return platform_->info(messages::kNothingToStudy);
    StepStudy study(*start);
    while (!study.advance(1L << 20)) {
    }
    const StudyTable table =
        StudyTableOf(study.result(), experiment_->settings().decimalSeparator, "-", false, translation_);
    for (const auto& row : table.rows) {
        out_ << "accuracy";
        for (const std::string& cell : row) out_ << '\t' << cell;
        out_ << '\n';
    }
    out_ << "accuracy\tstep\t" << table.step << '\n';
    for (const std::string& note : table.notes) out_ << "accuracy\tnote\t" << note << '\n';
    out_ << std::flush;
}

void BatchRunner::reportWriteError(const FileWriteError& failed) {
    platform_->info(messages::kFileWriteError, failed.detail());
}

} // namespace kvor
