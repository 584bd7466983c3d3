#include "FakeControls.h"

FakeControls::FakeControls() {
    for (Option option : kModeOptions)
        selected_[option] = false;
    for (Option option : kRangeOptions)
        selected_[option] = false;
    selected_[Option::optSymbol] = true;
    selected_[Option::opt1to36] = true;
    visible_[Box::txtSymbol1] = false;
    visible_[Box::txtElement1] = false;
}
