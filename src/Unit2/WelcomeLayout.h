// Where the welcome window puts its panel, its button and its two texts once it is fitted.
#pragma once

namespace varno {

// The places of the welcome window's controls, in pixels of its client area and its panel.
struct WelcomePlacement {
    int Panel1Width;
    int IntroButtonLeft;
    int Label1Left;
    int Label2Width;
    int Label2Left;

    friend bool operator==(const WelcomePlacement&, const WelcomePlacement&) = default;
};

// For a window of windowWidth, a button of introButtonWidth and a title label as wide as its
// text (label1Width, which depends on the font). Each half is truncated toward zero before two
// halves are subtracted; the greeting is 650 wide unless the panel is too narrow for it, when it
// takes nine tenths of the panel.
WelcomePlacement PlaceWelcomeControls(int windowWidth, int introButtonWidth, int label1Width);

}  // namespace varno
