#pragma once

// The decimal separator of the user's regional settings (LC_ALL, LC_NUMERIC,
// LANG), read once at start-up and handed to everything that reads or writes a
// number. Needs no installed system locale.
[[nodiscard]] char16_t userDecimalSeparator();
