#pragma once

class QWidget;

// Where the tool's windows appear: over the main window, not piled up in a corner of the screen. Each
// placement keeps the window on the screen's free area.

// Centres window over anchor (on its screen when anchor is null) the first time it is shown, unless it
// was placed before then. Later showings leave it where the user put it.
void CentreOnFirstShow(QWidget& window, const QWidget* anchor);
// Puts the two windows side by side, left then right, the pair centred over anchor; both are narrowed
// when the screen is too small for them.
void PlaceSideBySide(QWidget& left, QWidget& right, const QWidget& anchor);
