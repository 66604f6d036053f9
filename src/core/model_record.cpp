#include "model_record.h"

#include <cmath>

namespace kvor {

void SetModelConstants(ModelRecord& r) {
    // G and Vsv go through the power function, exactly as the window always computed them, so
    // that their last bits agree with every result recorded so far.
    r.G = std::pow(10.0, -12.0) * 66.7;
    r.Vsv = std::pow(10.0, 8.0) * 2.998;
    r.Kq = 9e9;
    r.Pi = 3.141593;
}

void RefreshCentreMirrors(ModelRecord& r) {
    r.X1 = r.Z[1];
    r.X2 = r.Z[2];
    r.Y1 = r.Z[3];
    r.Y2 = r.Z[4];
    r.VX1 = r.Z[7];
    r.VX2 = r.Z[8];
    r.VY1 = r.Z[9];
    r.VY2 = r.Z[10];
}

void RefreshAllMirrors(ModelRecord& r) {
    RefreshCentreMirrors(r);
    r.phi1 = r.Z[5];
    r.phi2 = r.Z[6];
    r.w1 = r.Z[11];
    r.w2 = r.Z[12];
}

} // namespace kvor
