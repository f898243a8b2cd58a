// The options that persist between runs: the settings file and the directory file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace varno {

inline constexpr std::string_view kSettingsFileName = "VarnoCreatorSettings_v10.dat";
inline constexpr std::string_view kDirectoryFileName = "VarnoCreatorDir_v10.dat";

// One text written into the output near a corner, at (X, Y) pixels of the output.
// Text holds Windows-1252 bytes, as the settings file does.
struct CornerText {
    std::string Text;
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend bool operator==(const CornerText&, const CornerText&) = default;
};

enum CornerIndex : int { TopLeft = 0, TopRight = 1, BottomLeft = 2, BottomRight = 3 };
using CornerTexts = std::array<CornerText, 4>;

// Every item of the settings file, as the file carries it: the two colours as the words
// "Black" and "White" (any other word selects neither), the interpolation as 1 (nearest
// neighbour) or any other number (bilinear).
struct Settings {
    bool SkipWelcome = false;
    std::int32_t XSize = 500;
    std::int32_t YSize = 500;
    CornerTexts Corners{
        {{"1st January 2002", 10, 15}, {"08h 00m UT", 400, 15}, {"", 70, 460}, {"KVT", 430, 460}}};
    std::string TextColourWord = "Black";
    bool BorderOn = true;
    std::int32_t BorderWidth = 1;
    std::string BorderColourWord = "Black";
    std::int32_t ScreenWidth = 1024;
    std::int32_t ScreenHeight = 768;
    bool ShowPoints = false;
    bool ShowCircle = false;
    bool Flip = false;
    bool Mirror = false;
    double RotationAngle = 0.0;
    std::int32_t Interpolation = 1;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The start-up defaults: what a program without a settings file begins with.
inline Settings DefaultSettings() {
    return Settings{};
}

// The last open and save directories, each through its last separator.
struct Directories {
    std::string OpenDirectory;
    std::string SaveDirectory;

    friend bool operator==(const Directories&, const Directories&) = default;
};

}  // namespace varno
