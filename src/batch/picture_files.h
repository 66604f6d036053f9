#pragma once

#include "view/energy_graph_view.h"
#include "view/picture.h"

#include <memory>
#include <string>

namespace kvor {

// The two pictures drawn as the window draws them, for a script that saves them. Drawing costs
// time at every screen update, so the runner has them only when its script asks for a picture.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // Picture 1 (the trajectories) or 2 (the time graph).
    virtual Picture& picture(int number) = 0;
    // Picture `number` as it stands, its three layers composed, as the bytes of a PNG file.
    virtual std::string png(int number) = 0;
    // The energy graph of these points, as the window draws it, as the bytes of a PNG file.
    virtual std::string energyPng(const EnergyPoints& points) = 0;
};

// Pictures with the window's drawing code, with no display needed; nothing in a build without
// the window, which cannot draw.
std::unique_ptr<PictureFiles> MakePictureFiles();

} // namespace kvor
