#pragma once

#include "core/model_record.h"

#include <filesystem>
#include <string>

namespace kvor {

// The data file could not be opened, written or closed: which file, and the system's reason.
struct DataFileError {
    std::filesystem::path file;
    std::string reason;

    // The file's path on one line and the reason on the next, as a message box's detail.
    std::string detail() const { return file.string() + '\n' + reason; }
};

// The recording step of a screen update. When `recording` is on and at least NC0file steps have
// passed since the last record, resets FileStepCount, assembles the record in Msg and appends it
// to `file`: four labelled lines (time and angle; body 1; body 2; forces and energies), each
// ending in CR LF, then two empty lines. The file is opened and closed for every record. Throws
// DataFileError when the file cannot be written; the file is not left open.
void WriteDataRecord(ModelRecord& r, bool recording, char decimalSeparator,
                     const std::filesystem::path& file);

// The text of one record as WriteDataRecord writes it.
void BuildDataRecord(const ModelRecord& r, char decimalSeparator, std::string& msg);

// Appends `text` to `file`, creating the file and its folder when missing. The text lands whole or
// not at all: a write that fails part-way is cut back to the file's earlier end, and the bytes
// that were there before are never written again. Throws DataFileError.
void AppendToFile(const std::filesystem::path& file, std::string_view text);

} // namespace kvor
