#include "integration_step.h"

#include "ball_ball.h"
#include "ball_rod.h"
#include "energy_balance.h"
#include "exact_contact.h"
#include "runge_kutta.h"

namespace kvor {

template <typename Number> void IntegrateStep(BasicModelRecord<Number>& r, bool plusFm, bool exact) {
    if (exact) {
        ExactContactStep(r, plusFm);
        if (r.BallRod == 1)
            BallRodStepUpdate(r);
        else
            BallBallExactContactUpdate(r);
        return;
    }
    RungeKuttaStep(r, plusFm);
    if (r.BallRod == 1)
        BallRodStepUpdate(r);
    else
        BallBallContactUpdate(r);
}

template <typename Number> void MassesAndPotentials(BasicModelRecord<Number>& r, bool lorentz) {
    if (lorentz) {
        RelativisticMasses(r);
        BallInertia(r);
    }
    EqQuestionTerm(r);
    r.AlfaPrev = r.Alfa;
    r.LRprev = r.LR;
}

// The program's checked record, and plain doubles.
template void IntegrateStep(BasicModelRecord<real>&, bool, bool);
template void MassesAndPotentials(BasicModelRecord<real>&, bool);
template void IntegrateStep(BasicModelRecord<double>&, bool, bool);
template void MassesAndPotentials(BasicModelRecord<double>&, bool);

} // namespace kvor
