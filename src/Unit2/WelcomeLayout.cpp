// The welcome window's placement: the panel fills the window but for 12-pixel margins, the
// button and the texts are centred on it.
#include "Unit2/WelcomeLayout.h"

#include <algorithm>

namespace varno {

WelcomePlacement PlaceWelcomeControls(int windowWidth, int introButtonWidth, int label1Width) {
    constexpr int kGreetingWidth = 650;
    WelcomePlacement placement{};
    placement.Panel1Width = windowWidth - 24;
    placement.IntroButtonLeft = windowWidth / 2 - introButtonWidth / 2;
    placement.Label1Left = std::max(0, placement.Panel1Width / 2 - label1Width / 2);
    placement.Label2Width = kGreetingWidth;
    const int centred = placement.Panel1Width / 2 - kGreetingWidth / 2;
    if (centred < 0) {
        // 0.9 is a little above nine tenths as a double, so a panel width that is a multiple of
        // ten gives its exact nine tenths here.
        placement.Label2Width = static_cast<int>(placement.Panel1Width * 0.9);
        placement.Label2Left = placement.Panel1Width / 2 - placement.Label2Width / 2;
    } else {
        placement.Label2Left = centred;
    }
    return placement;
}

}  // namespace varno
