#ifndef PASSWORDSTRENGTH_H
#define PASSWORDSTRENGTH_H

// The rating of a new administrator password, shared by activation and the
// password reset: 0 (not acceptable) to 4 (all four kinds of characters).
// Both texts are byte strings, converted by the caller with toLatin1Bytes(),
// so that every character outside Latin-1 counts as one "other" character.

#include <QByteArray>

namespace TarnTool {

// Shortest password that can rate above 0.
constexpr int MinimumPasswordLength = 8;

// Number of kinds of characters in the bytes (0..4): digits, upper-case
// letters, lower-case letters (ASCII only) and every other byte.
int passwordCharacterKinds(const QByteArray &password);

// 0: shorter than 8, equal to the user name or to it reversed, or one kind
// only; 1: digits plus one letter case; 2: any other pair of kinds; 3: three
// kinds; 4: all four kinds.
int evaluatePasswordStrength(const QByteArray &userName, const QByteArray &password);

} // namespace TarnTool

#endif // PASSWORDSTRENGTH_H
