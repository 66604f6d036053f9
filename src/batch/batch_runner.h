#pragma once

#include "batch_form.h"
#include "control/experiment.h"
#include "control/translated_messages.h"
#include "core/model_record.h"
#include "experiment_file.h"
#include "output/text_file.h"
#include "picture_files.h"
#include "script.h"
#include "view/track_store.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kvor {

// A script line that could not be understood, with its number (from 1).
struct BadScriptLine {
    std::size_t lineNumber;
    std::string reason;
};

// Runs a batch script against the engine as a user would work the window. Whatever the window
// would show goes to `out` as it happens: a message box as "message<TAB>text", a text printed on
// a picture as "picture1<TAB>text", a line break inside a text as the two characters \n.
//
// A command that begins a run is followed by the run, to its end. While a run is active the
// following commands are taken after each screen update, in order, up to the next "run N", which
// defers the next command by N screen updates.
//
// With `pictures` the two pictures are drawn as the window draws them and "png" saves them;
// without, only the texts printed on them are seen and "png" is a line that cannot be run.
//
// The set-up lines of an experiment file that "open" names are applied as the script's own
// lines are; the file's other lines are skipped.
class BatchRunner final : private SetupTarget {
public:
    // With a `translation` the messages and the texts printed on the pictures go to `out` in its
    // language; without, as they are written: in Russian.
    BatchRunner(std::ostream& out, ExperimentSettings settings,
                std::unique_ptr<PictureFiles> pictures = nullptr, Translation translation = {});
    ~BatchRunner() override;

    // Runs the script's lines. Throws BadScriptLine at the first line that cannot be understood;
    // the lines before it have run, none after it.
    void run(std::vector<std::string> lines);

    // Executes one command now, as the user would.
    void execute(const ScriptCommand& command);

    // Whether a file could not be written since the runner was made: a data record, a table or a
    // picture ("Ошибка записи в файл").
    bool writeFailed() const { return writeFailed_; }

    ModelRecord& record() { return record_; }
    const ExperimentText& experimentText() const { return description_; }
    BatchForm& form() { return form_; }
    Experiment& experiment();

private:
    class Surfaces;
    class Platform;
    friend class Platform;

    // SetupTarget
    void selectVariant(OptionButton variant) override;
    void setBoxText(TextBox box, std::string_view text) override;
    void setChecked(CheckBox box, bool on) override;
    void setRunEnd(const RunEnd& end) override;
    void setExactContact(bool exact) override;
    ExperimentText& description() override { return description_; }

    // "open FILE": the file's set-up lines, all read before the first is applied. A file that
    // cannot be read or understood is a line of this script that cannot be run.
    void openExperiment(const std::string& file);
    void saveExperiment(const std::string& file);

    void runWhileActive();
    // The "impact" lines of the contacts that ended since the last time, while "impacts on".
    void printImpacts();
    void printImpact(const Impact& impact);
    // Takes the commands due at this screen update of the active run.
    void commandsDuringRun();
    // The next command of the script, or nothing when it has run out.
    std::optional<ScriptCommand> nextCommand();
    void startTable(const std::string& file);
    // Adds to the table the rows of the series that came since the last time. The file is
    // written whole again outside a run, that is when the run that made them has ended.
    void extendTable();
    void saveTable();
    void savePicture(int number, const std::string& file);
    void printStepStudy();
    // "Ошибка записи в файл", with the file and the system's reason.
    void reportWriteError(const FileWriteError& failed);

    std::ostream& out_;
    Translation translation_;
    std::unique_ptr<PictureFiles> pictures_;
    ModelRecord record_;
    TrackStore track_;
    BatchForm form_;
    std::unique_ptr<Surfaces> surfaces_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<Experiment> experiment_;
    ExperimentText description_;

    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    long deferredUpdates_ = 0;
    bool answerYes_ = true;
    bool writeFailed_ = false;
    bool impactsOn_ = false;
    unsigned impactGeneration_ = 0; // of the list of impacts, whose first impactsSeen_ are seen
    std::size_t impactsSeen_ = 0;

    // The table of "csv FILE": the file, its whole text so far, whether the file lacks some of it,
    // the experiment whose rows go there now (0: the one that was under way when the command
    // came, which is not written), the generation of the series and the number of its rows taken.
    struct Table {
        std::filesystem::path file;
        std::string text;
        bool unsaved = false;
        long experiment = 0;
        unsigned generation = 0;
        std::size_t rows = 0;
    };
    std::optional<Table> table_;
};

// A text for one output line: a line break becomes the two characters \n.
std::string EscapedLine(std::string_view text);

} // namespace kvor
