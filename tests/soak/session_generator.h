#pragma once

// Random sessions of a student at the window, as batch scripts: valid and invalid texts in the
// input boxes, check boxes, variant switches and every button, inside and outside runs, with a
// "print" after every command so that the state can be checked after each. The same seed gives
// the same script on every platform.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kvor::test {

struct SessionFiles {
    std::filesystem::path good;    // the data file
    std::filesystem::path blocked; // a folder: a data file of this name cannot be written
};

struct Session {
    std::uint64_t seed = 0;
    char separator = '.';           // the decimal separator of this user's locale
    std::vector<std::string> lines; // the script; every second line is "print"
};

// A session of 20 to 120 commands, ending with a Stop so that an active run ends.
Session GenerateSession(std::uint64_t seed, const SessionFiles& files);

} // namespace kvor::test
