#pragma once
// Whole numbers typed into the dialog's boxes and shown in them.

#include <QString>
#include <optional>

/// The value of a decimal integer text: optional blanks around an optional
/// sign and digits, within the range of int. Anything else, the empty text
/// included, has no value.
std::optional<int> IntegerFromText(const QString& text);

/// `value` rounded up to a whole number, ignoring the tiny excess that a
/// whole number picks up on its way through a fraction of a day (29 minutes
/// stored as 29 / 1440 comes back as 29.000000000000004, and stays 29).
/// No value for a number that is not finite or lies outside the range of int.
std::optional<int> RoundedUpWhole(double value);
