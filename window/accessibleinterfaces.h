#pragma once

// What a screen reader is told about a number box and about a list without
// an edit field, where Qt 6.4's own accounts leave it short:
// - a screen reader reads a line of text in runs of equal text attributes,
//   and Qt's line edit reports every run as empty, so a selected "20" is read
//   as "2" and a "0" not at all: a number box reports its text as one run;
// - Qt places a line edit's characters from the middle of its cursor's
//   frame, a pixel left of where they are painted: a number box places each
//   character from where its cursor stands, however its text has scrolled;
// - Qt names a combo box by its current item, and a screen reader
//   finds no other text to read as its value, so the list itself goes
//   unnamed: such a list keeps its own accessible name and gives its current
//   item as its text.
// Everything else is told as Qt tells it for a line edit and a combo box.
// The announcer is a notification, which screen readers speak as it shows.
// A plain widget with an accessible name is a group, which a screen reader
// names as the focus enters it.
// Safe to call more than once.
void useOwnAccessibleInterfaces();
