#pragma once
#include <QString>
#include <QStringList>

// The USA State Codes lists: 58 postal codes and names, kept in the orders
// the two lists show them (neither is sorted by the list box).
namespace statecodes {

inline constexpr int EntryCount = 58;

// "AK    Alaska": the code, four spaces, the name; ordered by code.
QStringList byCodeItems();
// "Alaska                  AK": the name left-justified in 24 characters,
// then the code; ordered by name.
QStringList byStateItems();

// Whether the window opens maximised: section "ScreenSize", key
// "USStateCodes" of the profile file is exactly "1" (default "F"). Section
// and key are matched without regard to case, as profile files are read.
bool maximisedInProfile(const QString& profilePath);
// Orvik.Ini in the configuration folder, found whatever the case of its name.
QString profilePath();

} // namespace statecodes
