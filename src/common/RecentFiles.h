#pragma once
#include <QString>
#include <array>

// The four most recently used files of a window, kept in the settings store
// under the window's module key, section "Files", values "File1" to "File4".
// Slots are numbered 1 to 4; an empty slot holds no file. File names are
// compared exactly, letter case included.
class RecentFiles {
public:
    static constexpr int SlotCount = 4;

    explicit RecentFiles(QString moduleKey);

    // Reads the four slots from the settings store; a missing value, "none"
    // or an empty value makes an empty slot.
    void read();

    // Puts a file at the head of the list: the file already in slot 1 changes
    // nothing; one in slot 2, 3 or 4 swaps places with slot 1; a new one goes
    // into the first empty slot, or, with all four full, the list moves up
    // one and it takes slot 4. Returns true when the list changed; only then
    // are all four slots written back (an empty one as "").
    bool add(const QString& fileName);

    // The file in slot number (1 to 4); empty when the slot holds none.
    const QString& slot(int number) const { return slots_.at(number - 1); }

    // The menu caption of slot number: "1. " followed by its file name.
    QString caption(int number) const;

private:
    QString moduleKey_;
    std::array<QString, SlotCount> slots_;
};
