#include "data_record.h"

#include "core/number_text.h"

namespace kvor {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// How every record ends: the fourth line's end, then two empty lines.
constexpr std::string_view kRecordEnd = "\r\n\r\n\r\n";

class RecordBuilder {
public:
    RecordBuilder(std::string& msg, char decimalSeparator) : msg_(msg), separator_(decimalSeparator) {}

    // A label ends with "= "; every label but the first of a line begins with four blanks.
    RecordBuilder& field(std::string_view label, double value) {
        msg_ += label;
        AppendNumberText(msg_, value, separator_);
        return *this;
    }
    void endLine() { msg_ += kLineEnd; }

private:
    std::string& msg_;
    char separator_;
};

} // namespace

void BuildDataRecord(const ModelRecord& r, char decimalSeparator, std::string& msg) {
    msg.clear();
    RecordBuilder line(msg, decimalSeparator);
    line.field("T= ", r.Ts).field("    Alfa= ", r.AlfaDeg).endLine();
    line.field("m1= ", r.m1)
        .field("    J1= ", r.J1)
        .field("    V1= ", r.V1)
        .field("    w1= ", r.w1)
        .field("    X1= ", r.X1)
        .field("    Y1= ", r.Y1)
        .field("    VX1= ", r.VX1)
        .field("    VY1= ", r.VY1)
        .endLine();
    line.field("m2= ", r.m2)
        .field("    J2= ", r.J2)
        .field("    V2= ", r.V2)
        .field("    w2= ", r.w2)
        .field("    X2= ", r.X2)
        .field("    Y2= ", r.Y2)
        .field("    VX2= ", r.VX2)
        .field("    VY2= ", r.VY2)
        .endLine();
    line.field("F= ", r.F)
        .field("    Fc+Fj= ", r.FcFj)
        .field("    Fm= ", r.Fm)
        .field("    Fq= ", r.Fq)
        .field("    Fs= ", r.Fs)
        .field("    Vs= ", r.Vs)
        .field("    E0= ", r.E0)
        .field("    E= ", r.E)
        .endLine();
    // The first of the two empty lines; the second comes with the write.
    line.endLine();
}

void WriteDataRecord(ModelRecord& r, bool recording, char decimalSeparator,
                     const std::filesystem::path& file) {
    if (!recording || r.FileStepCount < r.NC0file) return;
    r.FileStepCount = 0;
    BuildDataRecord(r, decimalSeparator, r.Msg);
    r.Msg += kLineEnd;
    CreateFolderOf(file);
    AppendTextFile(file, r.Msg, kRecordEnd);
}

} // namespace kvor
