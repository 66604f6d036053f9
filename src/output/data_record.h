#pragma once

#include "core/model_record.h"
#include "text_file.h"

#include <filesystem>
#include <string>

namespace kvor {

// The recording step of a screen update. When `recording` is on and at least NC0file steps have
// passed since the last record, resets FileStepCount, assembles the record in Msg and appends it
// to `file`: four labelled lines (time and angle; body 1; body 2; forces and energies), each
// ending in CR LF, then two empty lines. The file and its folder are created when missing, and
// the file is opened and closed for every record. A record lands whole or not at all, never
// fused with a piece another writer left at the end and never taking another writer's record
// with it (AppendTextFile); throws FileWriteError when the file cannot be written.
void WriteDataRecord(ModelRecord& r, bool recording, char decimalSeparator,
                     const std::filesystem::path& file);

// The text of one record as WriteDataRecord writes it.
void BuildDataRecord(const ModelRecord& r, char decimalSeparator, std::string& msg);

} // namespace kvor
