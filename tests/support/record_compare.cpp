#include "record_compare.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>

namespace kvor::test {

namespace {

struct Field {
    const char* name;
    real ModelRecord::*record;
    double ref::State::*reference;
};

// clang-format off
constexpr std::array kFields = {
    Field{"m10", &ModelRecord::m10, &ref::State::m10}, Field{"m20", &ModelRecord::m20, &ref::State::m20},
    Field{"q1", &ModelRecord::q1, &ref::State::q1}, Field{"q2", &ModelRecord::q2, &ref::State::q2},
    Field{"D1", &ModelRecord::D1, &ref::State::D1}, Field{"D2", &ModelRecord::D2, &ref::State::D2},
    Field{"C1", &ModelRecord::C1, &ref::State::C1}, Field{"C2", &ModelRecord::C2, &ref::State::C2},
    Field{"Kj1", &ModelRecord::Kj1, &ref::State::Kj1}, Field{"Kj2", &ModelRecord::Kj2, &ref::State::Kj2},
    Field{"Ks", &ModelRecord::Ks, &ref::State::Ks}, Field{"L2", &ModelRecord::L2, &ref::State::L2},
    Field{"h", &ModelRecord::h, &ref::State::h}, Field{"Mx", &ModelRecord::Mx, &ref::State::Mx},
    Field{"Mv", &ModelRecord::Mv, &ref::State::Mv}, Field{"Mt", &ModelRecord::Mt, &ref::State::Mt},
    Field{"MF", &ModelRecord::MF, &ref::State::MF}, Field{"MFq", &ModelRecord::MFq, &ref::State::MFq},
    Field{"X1", &ModelRecord::X1, &ref::State::X1}, Field{"X2", &ModelRecord::X2, &ref::State::X2},
    Field{"Y1", &ModelRecord::Y1, &ref::State::Y1}, Field{"Y2", &ModelRecord::Y2, &ref::State::Y2},
    Field{"phi1", &ModelRecord::phi1, &ref::State::phi1}, Field{"phi2", &ModelRecord::phi2, &ref::State::phi2},
    Field{"VX1", &ModelRecord::VX1, &ref::State::VX1}, Field{"VX2", &ModelRecord::VX2, &ref::State::VX2},
    Field{"VY1", &ModelRecord::VY1, &ref::State::VY1}, Field{"VY2", &ModelRecord::VY2, &ref::State::VY2},
    Field{"w1", &ModelRecord::w1, &ref::State::w1}, Field{"w2", &ModelRecord::w2, &ref::State::w2},
    Field{"m1", &ModelRecord::m1, &ref::State::m1}, Field{"m2", &ModelRecord::m2, &ref::State::m2},
    Field{"V1", &ModelRecord::V1, &ref::State::V1}, Field{"V2", &ModelRecord::V2, &ref::State::V2},
    Field{"J1", &ModelRecord::J1, &ref::State::J1}, Field{"J2", &ModelRecord::J2, &ref::State::J2},
    Field{"R10", &ModelRecord::R10, &ref::State::R10}, Field{"R20", &ModelRecord::R20, &ref::State::R20},
    Field{"R1", &ModelRecord::R1, &ref::State::R1}, Field{"R2", &ModelRecord::R2, &ref::State::R2},
    Field{"R12", &ModelRecord::R12, &ref::State::R12},
    Field{"DX", &ModelRecord::DX, &ref::State::DX}, Field{"DY", &ModelRecord::DY, &ref::State::DY},
    Field{"LR", &ModelRecord::LR, &ref::State::LR}, Field{"LRprev", &ModelRecord::LRprev, &ref::State::LRprev},
    Field{"Alfa", &ModelRecord::Alfa, &ref::State::Alfa},
    Field{"AlfaPrev", &ModelRecord::AlfaPrev, &ref::State::AlfaPrev},
    Field{"DAlfa", &ModelRecord::DAlfa, &ref::State::DAlfa},
    Field{"AlfaDeg", &ModelRecord::AlfaDeg, &ref::State::AlfaDeg},
    Field{"Ugol1", &ModelRecord::Ugol1, &ref::State::Ugol1}, Field{"Ugol2", &ModelRecord::Ugol2, &ref::State::Ugol2},
    Field{"Hn", &ModelRecord::Hn, &ref::State::Hn}, Field{"Lp", &ModelRecord::Lp, &ref::State::Lp},
    Field{"Def1", &ModelRecord::Def1, &ref::State::Def1}, Field{"Def2", &ModelRecord::Def2, &ref::State::Def2},
    Field{"Def1Prev", &ModelRecord::Def1Prev, &ref::State::Def1Prev},
    Field{"Def2Prev", &ModelRecord::Def2Prev, &ref::State::Def2Prev},
    Field{"LRc", &ModelRecord::LRc, &ref::State::LRc},
    Field{"DDef1", &ModelRecord::DDef1, &ref::State::DDef1}, Field{"DDef2", &ModelRecord::DDef2, &ref::State::DDef2},
    Field{"Kd1", &ModelRecord::Kd1, &ref::State::Kd1}, Field{"Kd2", &ModelRecord::Kd2, &ref::State::Kd2},
    Field{"VR1", &ModelRecord::VR1, &ref::State::VR1}, Field{"VR2", &ModelRecord::VR2, &ref::State::VR2},
    Field{"VRa", &ModelRecord::VRa, &ref::State::VRa}, Field{"VRb", &ModelRecord::VRb, &ref::State::VRb},
    Field{"CK1", &ModelRecord::CK1, &ref::State::CK1}, Field{"CK2", &ModelRecord::CK2, &ref::State::CK2},
    Field{"F1", &ModelRecord::F1, &ref::State::F1}, Field{"F2", &ModelRecord::F2, &ref::State::F2},
    Field{"FcFj", &ModelRecord::FcFj, &ref::State::FcFj}, Field{"Fj1", &ModelRecord::Fj1, &ref::State::Fj1},
    Field{"Fm", &ModelRecord::Fm, &ref::State::Fm}, Field{"Fq", &ModelRecord::Fq, &ref::State::Fq},
    Field{"Fq0", &ModelRecord::Fq0, &ref::State::Fq0}, Field{"F", &ModelRecord::F, &ref::State::F},
    Field{"FX", &ModelRecord::FX, &ref::State::FX}, Field{"FY", &ModelRecord::FY, &ref::State::FY},
    Field{"Fs", &ModelRecord::Fs, &ref::State::Fs}, Field{"Fsx", &ModelRecord::Fsx, &ref::State::Fsx},
    Field{"Fsy", &ModelRecord::Fsy, &ref::State::Fsy},
    Field{"Vt1", &ModelRecord::Vt1, &ref::State::Vt1}, Field{"Vt2", &ModelRecord::Vt2, &ref::State::Vt2},
    Field{"Vt", &ModelRecord::Vt, &ref::State::Vt}, Field{"Vw1", &ModelRecord::Vw1, &ref::State::Vw1},
    Field{"Vw2", &ModelRecord::Vw2, &ref::State::Vw2}, Field{"Vs", &ModelRecord::Vs, &ref::State::Vs},
    Field{"VsPrev", &ModelRecord::VsPrev, &ref::State::VsPrev}, Field{"SgnS", &ModelRecord::SgnS, &ref::State::SgnS},
    Field{"Ss", &ModelRecord::Ss, &ref::State::Ss},
    Field{"E0", &ModelRecord::E0, &ref::State::E0}, Field{"E", &ModelRecord::E, &ref::State::E},
    Field{"Ev", &ModelRecord::Ev, &ref::State::Ev}, Field{"Ew", &ModelRecord::Ew, &ref::State::Ew},
    Field{"Ej", &ModelRecord::Ej, &ref::State::Ej}, Field{"Es", &ModelRecord::Es, &ref::State::Es},
    Field{"Em", &ModelRecord::Em, &ref::State::Em}, Field{"Eq", &ModelRecord::Eq, &ref::State::Eq},
    Field{"EqPrev", &ModelRecord::EqPrev, &ref::State::EqPrev},
    Field{"KD0", &ModelRecord::KD0, &ref::State::KD0}, Field{"KD", &ModelRecord::KD, &ref::State::KD},
    Field{"T", &ModelRecord::T, &ref::State::T}, Field{"Ts", &ModelRecord::Ts, &ref::State::Ts},
    Field{"G", &ModelRecord::G, &ref::State::G}, Field{"Kq", &ModelRecord::Kq, &ref::State::Kq},
    Field{"Vsv", &ModelRecord::Vsv, &ref::State::Vsv}, Field{"Pi", &ModelRecord::Pi, &ref::State::Pi},
};
// clang-format on

struct VectorField {
    const char* name;
    StateVector ModelRecord::*record;
    ref::Vector ref::State::*reference;
};

constexpr std::array kVectors = {
    VectorField{"Z", &ModelRecord::Z, &ref::State::Z},
    VectorField{"DZ", &ModelRecord::DZ, &ref::State::DZ},
    VectorField{"Z0", &ModelRecord::Z0, &ref::State::Z0},
    VectorField{"RK1", &ModelRecord::RK1, &ref::State::RK1},
    VectorField{"RK2", &ModelRecord::RK2, &ref::State::RK2},
    VectorField{"RK3", &ModelRecord::RK3, &ref::State::RK3},
    VectorField{"RK4", &ModelRecord::RK4, &ref::State::RK4},
};

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void report(std::string& out, const std::string& name, double engine, double reference) {
    char line[160];
    std::snprintf(line, sizeof line, "%s: engine %.17g, reference %.17g\n", name.c_str(), engine, reference);
    out += line;
}

} // namespace

ref::State ReferenceFrom(const ModelRecord& r, bool plusFm, bool lorentz) {
    ref::State s;
    for (const Field& f : kFields) s.*f.reference = r.*f.record;
    for (const VectorField& v : kVectors)
        for (int i = 0; i <= kStateSize; ++i) (s.*v.reference)[i] = (r.*v.record)[i];
    s.StepCount = r.StepCount;
    s.FileStepCount = r.FileStepCount;
    s.NT = r.NT;
    s.BallBall = r.BallBall;
    s.BallRod = r.BallRod;
    s.plusFm = plusFm;
    s.lorentz = lorentz;
    return s;
}

void StoreInto(const ref::State& s, ModelRecord& r) {
    for (const Field& f : kFields) r.*f.record = s.*f.reference;
    for (const VectorField& v : kVectors)
        for (int i = 0; i <= kStateSize; ++i) (r.*v.record)[i] = (s.*v.reference)[i];
    r.StepCount = static_cast<Integer>(s.StepCount);
    r.FileStepCount = static_cast<Long>(s.FileStepCount);
    r.NT = static_cast<Long>(s.NT);
    r.BallBall = static_cast<Integer>(s.BallBall);
    r.BallRod = static_cast<Integer>(s.BallRod);
}

std::string Differences(const ModelRecord& r, const ref::State& s) {
    std::string out;
    for (const Field& f : kFields)
        if (!sameBits(r.*f.record, s.*f.reference)) report(out, f.name, r.*f.record, s.*f.reference);
    for (const VectorField& v : kVectors)
        for (int i = 1; i <= kStateSize; ++i)
            if (!sameBits((r.*v.record)[i], (s.*v.reference)[i]))
                report(out, std::string(v.name) + "(" + std::to_string(i) + ")", (r.*v.record)[i],
                       (s.*v.reference)[i]);
    const std::pair<const char*, std::pair<long, long>> counters[] = {
        {"StepCount", {r.StepCount, s.StepCount}},
        {"FileStepCount", {r.FileStepCount, s.FileStepCount}},
        {"NT", {r.NT, s.NT}},
        {"BallBall", {r.BallBall, s.BallBall}},
        {"BallRod", {r.BallRod, s.BallRod}},
    };
    for (const auto& [name, values] : counters)
        if (values.first != values.second)
            report(out, name, static_cast<double>(values.first), static_cast<double>(values.second));
    return out;
}

} // namespace kvor::test
