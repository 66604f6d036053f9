#include "step_study.h"

#include "core/energy_balance.h"
#include "core/fp_exceptions.h"
#include "output/value_panel.h"

#include <algorithm>
#include <cmath>

namespace kvor {

StudyRun::StudyRun(const StudyStart& start, int halvings)
    : r_(Plain(start.record)), options_(start.options), left_(start.steps << halvings) {
    // The study stores no track point and no data record; its counters start afresh, so that
    // neither the track's capacity nor the counters' widths limit the finer runs.
    r_.NT = 0;
    r_.StepCount = 0;
    r_.FileStepCount = 0;
    if (halvings > 0) {
        // The same model at a finer step: the step and the stiffness of spring and damper over
        // one step, which the start derives from it. Halving a double is exact.
        r_.h = std::ldexp(start.record.h, -halvings);
        r_.CK1 = r_.Kj1 / r_.h + r_.C1;
        r_.CK2 = r_.Kj2 / r_.h + r_.C2;
    }
}

// The run loop's steps without its screen updates, which change no number of the motion. The
// processor's flags are looked at once at the end, as the run loop looks at them after its plain
// steps.
long StudyRun::advance(long budget) {
    if (done()) return 0;
    const long n = std::min(budget, left_);
    fp::clearFaults();
    try {
        for (long k = 0; k < n; ++k) {
            StepEnd end = AdvanceStep(r_, options_, PlainStretches{});
            if (end == StepEnd::EqQuestion) {
                r_.EqAnswer = kAnswerYes;
                end = FinishStep(r_);
            }
            if (end == StepEnd::ScreenUpdate) r_.StepCount = 0;
        }
    } catch (const ArithmeticFault&) {
        failed_ = true;
    }
    if (fp::faultRaised()) failed_ = true;
    fp::clearFaults();
    left_ -= n;
    return n;
}

std::optional<StudyValues> StudyRun::values() const {
    if (failed_ || left_ != 0) return std::nullopt;
    try {
        ModelRecord r;
        CommitPlain(r, r_);
        // The totals as a screen update brings them up to date for the panel.
        UpdatePanelValues(r);
        real balance;
        fp::Checked([&] { balance = EnergyBalance(r); });
        return StudyValues{r.VX1, r.VY1, r.VX2, r.VY2, r.w1, r.w2, r.E, balance};
    } catch (const ModelError&) {
        fp::clearFaults();
        return std::nullopt;
    }
}

StepStudy::StepStudy(StudyStart start) : start_(std::move(start)) {
    result_.h = start_.record.h;
    result_.steps = start_.steps;
    result_.lorentzChanged = start_.lorentzChanged;
    result_.plusFmChanged = start_.plusFmChanged;
    result_.scalesChanged = start_.scalesChanged;
    result_.exactContact = start_.options.exactContact;
    run_.emplace(start_, 0);
}

bool StepStudy::advance(long budget) {
    while (run_ && budget > 0) {
        const long made = run_->advance(budget);
        budget -= made;
        made_ += made;
        if (run_->done()) finishRun();
    }
    return !run_;
}

double StepStudy::fraction() const {
    // The runs make n, 2n and 4n steps.
    const double total = 7.0 * static_cast<double>(start_.steps);
    return !run_ || total == 0 ? 1.0 : static_cast<double>(made_) / total;
}

void StepStudy::finishRun() {
    const std::optional<StudyValues> values = run_->values();
    if (halvings_ == 0) result_.T = run_->time();
    if (values) {
        for (std::size_t q = 0; q < kStudyQuantityCount; ++q)
            result_.quantities[q].y[halvings_] = (*values)[q];
    } else {
        result_.failedRun = halvings_;
    }
    if (!values || ++halvings_ == 3) {
        run_.reset();
        judge();
        return;
    }
    run_.emplace(start_, halvings_);
}

QuantityStudy JudgeQuantity(std::array<double, 3> y, double scale) {
    QuantityStudy q;
    q.y = {y[0], y[1], y[2]};
    q.scale = scale;
    const double d1 = y[0] - y[1];
    const double d2 = y[1] - y[2];
    // Differences at round-off say nothing about the step.
    const double roundOff = 1E-13 * scale;
    if (!(std::abs(d1) > roundOff && std::abs(d2) > roundOff)) {
        q.measure = Measure::RoundOff;
        return q;
    }
    // An order of at least 0.5 means that the differences shrink; one above 6 is more than a
    // fourth-order method gives, whatever the force.
    const double p = std::log2(std::abs(d1) / std::abs(d2));
    if ((d1 > 0) != (d2 > 0) || !(p >= 0.5 && p <= 6)) {
        q.measure = Measure::Erratic;
        return q;
    }
    const double growth = std::exp2(p);
    q.measure = Measure::Estimated;
    q.order = p;
    q.error = std::abs(d1) * growth / (growth - 1);
    return q;
}

// The scales of the quantities, their judgement, and the step to suggest.
void StepStudy::judge() {
    if (result_.failedRun) return;
    const ModelRecord& s = start_.record;
    const double speeds = std::max(std::abs(s.V1), std::abs(s.V2));
    const double spins = std::max(std::abs(s.Z[11]), std::abs(s.Z[12]));
    const double energies = std::abs(s.E0);
    for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
        QuantityStudy& q = result_.quantities[i];
        const double kind = i < 4 ? speeds : i < 6 ? spins : energies;
        q = JudgeQuantity({*q.y[0], *q.y[1], *q.y[2]}, std::max(std::abs(*q.y[0]), kind));
    }
    result_.step = SuggestStep(result_.quantities, s.h, s.NC0);
}

std::optional<SuggestedStep> SuggestStep(const StudyQuantities& quantities, double h, Integer NC0) {
    const auto estimated = [](const QuantityStudy& q) { return q.measure == Measure::Estimated; };
    if (!std::all_of(quantities.begin(), quantities.end(), estimated)) return std::nullopt;
    // At h·2^k each error is error·2^(k·p).
    for (int k = 6; k >= -6; --k) {
        const long nc0 = k >= 0 ? (NC0 % (1L << k) == 0 ? NC0 >> k : 0) : static_cast<long>(NC0) << -k;
        if (nc0 < 1 || nc0 > 32767) continue;
        const auto fits = [k](const QuantityStudy& q) {
            return q.error * std::exp2(k * q.order) < 1E-6 * q.scale;
        };
        if (std::all_of(quantities.begin(), quantities.end(), fits))
            return SuggestedStep{std::ldexp(h, k), static_cast<Integer>(nc0)};
    }
    return std::nullopt;
}

} // namespace kvor
