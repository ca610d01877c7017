#pragma once

#include "fs/Result.h"

#include <QString>

// Coordinates are signed degrees in extended precision; south and west are negative. Every text below
// uses "." as the decimal point whatever the locale.

// A whole number with an optional sign. Any other text fails naming it, with the reason the error box
// shows ("'4.5' is not a valid integer value").
Result<int> ReadWholeNumber(const QString& text);
// A decimal number with an optional sign; any other text fails as above.
Result<long double> ReadDecimalNumber(const QString& text);
// As ReadDecimalNumber, but an empty text reads as 0.
Result<long double> ReadDecimalOrZero(const QString& text);

// A typed coordinate: a hemisphere or sign character (N E S W n e s w + -), then either degrees as one
// decimal number or "degrees minutes seconds". A text breaking these rules, or with fewer than three
// words in the second form, gives 0. Fails as the readings above where a number doesn't read as one.
Result<long double> ReadCoordinate(const QString& text);

// Fixed point with 18 digits after "." and at most 18 significant digits (47.500000000000000000).
QString DecimalDegreeText(long double value);
// "47 30 15.2 N": whole degrees, whole minutes, seconds with one decimal, the hemisphere letter.
QString DmsText(long double value, bool latitude);
