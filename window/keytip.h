#pragma once

class QString;
class QWidget;

// Shows `text` as a tool tip at `control`, for a user who asked with a key
// rather than by pointing: the next key pressed hides it, Escape or one that
// edits, and so does the focus moving on.
void showTipAskedByKey(QWidget* control, const QString& text);
