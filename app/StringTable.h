#pragma once

#include <optional>

#include <QString>

// The program's own texts by their numeric ids: the items of the drop-down lists whose entries
// the unit's values select.
class StringTable {
public:
    // The text, or nothing when the table has no such id.
    static std::optional<QString> find(int id);
    // The text; QuenlarException "Unable to load the string with id: " + id when it is missing.
    static QString load(int id);
};
