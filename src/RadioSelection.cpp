// Clearing a radio button that Qt's grouping would keep selected.
#include "RadioSelection.h"

#include <QRadioButton>

void SetSelected(QRadioButton& button, bool selected) {
    if (selected || !button.isChecked()) {
        button.setChecked(selected);
        return;
    }
    // The buttons of one parent exclude each other; a selected one cannot be cleared while
    // that holds, so it is let out of the group for the moment.
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(true);
}
