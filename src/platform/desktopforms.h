#pragma once
// Habits of desktop forms that Qt's widgets lack by themselves: Enter presses the push button
// that has the focus, a box is known to assistive tools by the caption of its label, and a
// plain top-level window is announced to them as a window; a window given new content comes
// forward.

class QLabel;
class QString;
class QWidget;

namespace tsl {

// Installs the Enter key of push buttons and the window role of plain top-level windows for
// the running application, once; windows built later have them too. No button becomes a
// default button: Enter acts only on the button that has the focus.
void usedesktopforms();

// Ties a box to the label shown beside it: the label's buddy, the caption its name.
void labelbox(QLabel* label, QWidget* box);
// Names a box whose caption is made of more than one label (a column heading and a row).
void namebox(QWidget* box, const QString& name);

// Shows a window that new content was put into and makes it the active one, restored first
// when the operator had minimized it.
void bringforward(QWidget* window);

} // namespace tsl
