#pragma once

struct Outcome;

// Shows the outcome's boxes in order through the dialog service. Returns the answer to its question, true
// when it asks none.
bool ShowOutcome(const Outcome& outcome);
