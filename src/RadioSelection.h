// Selecting and clearing radio buttons from a handler.
#pragma once

class QRadioButton;

// Selects or clears the button. Clearing works on the selected button of a group too, which Qt
// otherwise refuses, so that a group can be left with no button selected.
void SetSelected(QRadioButton& button, bool selected);
