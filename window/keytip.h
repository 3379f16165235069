#pragma once

class QContextMenuEvent;
class QMenu;
class QPoint;
class QString;
class QWidget;

// Shows `text` as the tool tip of `control` at `at`, on the screen: every
// line wider than the room on the control's screen is broken anywhere.
// Every tip the program writes goes through here.
void showTip(QWidget* control, const QPoint& at, const QString& text);

// Shows `text` as a tool tip at `control`, for a user who asked with a key
// rather than by pointing: the next key pressed hides it, Escape or one that
// edits, and so does the focus moving on.
void showTipAskedByKey(QWidget* control, const QString& text);

// Pops `menu` up where `event` asks. A menu opened with a key starts on its
// first item, which a screen reader then says; one with no item active opens
// in silence.
void popUp(QMenu* menu, const QContextMenuEvent* event);
