#pragma once

#include "DataControl.h"

class ElementDatabase;
class QuizState;

// Looks up the element whose atomic number waits in the quiz state and shows its record:
// number, symbol, name and mass in the four record boxes.
class ElementLookup {
public:
    ElementLookup(QuizState& state, ElementDatabase& database, ControlAccess& controls);

    // Queries the element of strNumber, fills the record boxes and empties strNumber. A failing
    // query, or no row for the number, raises a RuntimeError and leaves strNumber as it was.
    void GetRecord();

    const DataControl& adoElements() const { return adoElements_; }

private:
    QuizState& state_;
    DataControl adoElements_;
};
