#pragma once

class ElementDatabase;

// Checks once, at start, that the table of elements can serve the quiz: the table exists with
// its four columns (names matched regardless of case), every atomic number in it is whole, and
// the lookup's query finds exactly one row for every atomic number 1 to 103, each with a symbol
// and a name that a right answer can match: no blanks around either, the name in proper case.
// Raises a RuntimeError that names the data source and every problem found.
void CheckElementTable(ElementDatabase& database);
