#include "session_generator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <string_view>

namespace kvor::test {

namespace {

// Draws from a Mersenne twister by plain arithmetic, which unlike the standard distributions
// gives the same numbers with every standard library.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    std::uint64_t below(std::uint64_t n) { return engine_() % n; }
    bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }
    double uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(engine_() >> 11) / 9007199254740992.0;
    }
    long whole(long low, long high) {
        return low + static_cast<long>(below(static_cast<std::uint64_t>(high - low + 1)));
    }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[below(N)];
    }

private:
    std::mt19937_64 engine_;
};

// What a user types that is no number, or no number that fits.
constexpr std::array<std::string_view, 17> kNonsense{
    "",    "abc", "1,2,3", "1e400", "-1e400", "nan",  "inf", "--1",
    " ",   "1 2", "1e",    ".",     ",",      "0x10", "٣",   "12345678901234567890e300",
    "+-0",
};

bool Readable(std::string_view typed) {
    return std::find(kNonsense.begin(), kNonsense.end(), typed) == kNonsense.end();
}

// What kind of value a box holds, and so what a user would type there.
enum class Kind {
    Exponent,
    ChargeExponent,
    VelocityExponent,
    Mass,
    Diameter,
    Friction,
    RodLength,
    Scale,
    Step,
    Count,
    FileCount,
    Angle,
    Other
};

Kind KindOf(int box) {
    switch (box) {
    case 22:
        return Kind::ChargeExponent;
    case 27:
    case 28:
        return Kind::VelocityExponent;
    case 21:
    case 23:
    case 24:
    case 25:
    case 66:
    case 67:
        return Kind::Exponent;
    case 1:
    case 11:
        return Kind::Mass;
    case 3:
    case 13:
        return Kind::Diameter;
    case 6:
        return Kind::Friction;
    case 16:
        return Kind::RodLength;
    case 26:
    case 29:
    case 30:
    case 51:
    case 61:
        return Kind::Scale;
    case 54:
        return Kind::Step;
    case 55:
        return Kind::Count;
    case 57:
        return Kind::FileCount;
    case 64:
        return Kind::Angle;
    default:
        return Kind::Other;
    }
}

class Typist {
public:
    Typist(Dice& dice, char separator) : dice_(dice), separator_(separator) {}

    // A text for the box: mostly a value that lets a run go on, sometimes one that does not.
    std::string forBox(int box) {
        if (dice_.chance(6)) return std::string(dice_.pick(kNonsense));
        switch (KindOf(box)) {
        case Kind::Exponent:
            return extremeExponent().value_or(std::to_string(dice_.whole(-2, 2)));
        case Kind::ChargeExponent:
            return extremeExponent().value_or(std::to_string(dice_.whole(-20, -3)));
        case Kind::VelocityExponent:
            if (dice_.chance(10)) return "8"; // near the speed of light
            return extremeExponent().value_or(std::to_string(dice_.whole(-2, 2)));
        case Kind::Mass:
            return dice_.chance(5) ? "0" : number(0.01, 10);
        case Kind::Diameter:
            return dice_.chance(5) ? "0" : number(0.01, 2);
        case Kind::Friction:
            return number(0, 1);
        case Kind::RodLength:
            return dice_.chance(5) ? "0" : number(0.1, 2);
        case Kind::Scale:
            if (dice_.chance(6)) return dice_.chance(50) ? "0" : "1e-300";
            return number(0.01, 100);
        case Kind::Step:
            return dice_.chance(5) ? "0" : number(1e-6, 1e-4);
        case Kind::Count:
            if (dice_.chance(2)) return "32767";
            if (dice_.chance(5)) return dice_.chance(50) ? "40000" : std::to_string(dice_.whole(-5, 0));
            return std::to_string(dice_.whole(1, 200));
        case Kind::FileCount:
            return std::to_string(dice_.whole(-1, 1000));
        case Kind::Angle:
            return number(-180, 180);
        case Kind::Other:
            break;
        }
        return dice_.chance(10) ? "0" : number(-20, 20);
    }

private:
    // A number with one to six significant digits in [low, high], written as a user would.
    std::string number(double low, double high) {
        char text[64];
        const int digits = static_cast<int>(1 + dice_.below(6));
        std::snprintf(text, sizeof text, "%.*g", digits, dice_.uniform(low, high));
        std::string typed = text;
        std::replace(typed.begin(), typed.end(), '.', separator_);
        return typed;
    }
    // Now and then an exponent at the ends of the double range.
    std::optional<std::string> extremeExponent() {
        if (!dice_.chance(5)) return std::nullopt;
        return std::to_string(dice_.chance(50) ? dice_.whole(300, 400) : dice_.whole(-400, -300));
    }

    Dice& dice_;
    char separator_;
};

// The boxes a user types into: the inputs of both bodies, the exponents, the scales and counts.
constexpr std::array<int, 38> kInputBoxes{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                          14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                                          27, 28, 29, 30, 51, 54, 55, 57, 61, 64, 66, 67};

constexpr std::array<std::string_view, 7> kButtons{"start",   "stop", "continue", "steps",
                                                   "reverse", "show", "start"};

} // namespace

Session GenerateSession(std::uint64_t seed, const SessionFiles& files) {
    Dice dice(seed);
    Session session;
    session.seed = seed;
    session.separator = dice.chance(50) ? ',' : '.';
    Typist typist(dice, session.separator);
    const auto add = [&session](std::string line) {
        session.lines.push_back(std::move(line));
        session.lines.emplace_back("print");
    };

    if (dice.chance(30)) add(dice.chance(50) ? "variant ball-rod" : "variant ball-ball");
    // Boxes last given a text that is no number: a user who sees the message types them again.
    std::vector<int> unreadable;
    const auto commands = dice.whole(20, 120);
    for (long i = 0; i < commands; ++i) {
        const auto roll = dice.below(100);
        if (roll < 34) {
            int box = dice.pick(kInputBoxes);
            if (!unreadable.empty() && dice.chance(50)) {
                box = unreadable.back();
                unreadable.pop_back();
            }
            const std::string typed = typist.forBox(box);
            if (!Readable(typed)) unreadable.push_back(box);
            add("set Text" + std::to_string(box) + " " + typed);
        } else if (roll < 44) {
            add("check Check" + std::to_string(dice.whole(1, 13)) + (dice.chance(50) ? " on" : " off"));
        } else if (roll < 47) {
            add(dice.chance(50) ? "variant ball-rod" : "variant ball-ball");
        } else if (roll < 77) {
            add(std::string(dice.pick(kButtons)));
        } else if (roll < 92) {
            add("run " + std::to_string(dice.whole(0, 20)));
        } else if (roll < 95) {
            add(dice.chance(50) ? "answer yes" : "answer no");
        } else if (roll < 98) {
            add("data " + (dice.chance(70) ? files.good : files.blocked).string());
        } else {
            // A run long enough to fill the track store: one screen update per step.
            add("set NC0 1");
            add("start");
            add("run 2300");
        }
    }
    add("stop");
    return session;
}

} // namespace kvor::test
