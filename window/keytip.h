#pragma once

class QString;
class QWidget;

// Shows `text` as a tool tip at `control`, for a user who asked with a key
// rather than by pointing: it stays when that key is let go, where a tool tip
// hides at any key but a modifier. The next key pressed, the focus moving on
// or Escape hide it, as they hide any tool tip.
void showTipAskedByKey(QWidget* control, const QString& text);
