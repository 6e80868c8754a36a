#pragma once
// The About window.

class QMdiArea;

namespace pixador {

// Shows "About Pixador" without blocking the main window (a second call brings it forward).
void OpenAboutForm(QMdiArea& area);

}  // namespace pixador
