#pragma once

#include <string>
#include <vector>

namespace galewright {

// The column settings beside the executable: screen widths (Width.set),
// field widths that are also length limits (Byte.set) and the three texts
// of each column (Method.set, read anew on every call so edits show at once).
//
// A column without a Byte.set entry (a missing or short file) is neither
// padded on writing nor length-tested.
class ColumnConfig {
public:
    enum DescriptionKind { kType = 0, kError = 1, kText = 2 };

    ColumnConfig() = default;
    explicit ColumnConfig(std::string settingsDirectory);

    const std::string& settingsDirectory() const { return directory_; }
    std::string settingsPath(const std::string& fileName) const;

    // Reads Width.set and Byte.set: at most 46 comma-separated entries each.
    void readColumnSettings();

    // Width.set entries as integers; entry k-1 is the width of grid column k.
    const std::vector<int>& columnWidths() const { return widths_; }
    // Byte.set entries exactly as read (the check message quotes them).
    const std::vector<std::string>& lengthLimits() const { return lengthLimits_; }
    void setLengthLimits(std::vector<std::string> limits) { lengthLimits_ = std::move(limits); }

    bool hasLengthLimit(int column) const;
    int lengthLimit(int column) const; // 0 for a column without an entry
    std::string lengthLimitText(int column) const;

    std::string columnDescription(int column, int kind) const;

    // The Width.set text for the widths of columns 1..45: numbers joined by
    // commas, no trailing comma, no line end.
    static std::string columnWidthsText(const std::vector<int>& widths);
    bool saveColumnWidths(const std::vector<int>& widths) const;

private:
    std::string directory_;
    std::vector<int> widths_;
    std::vector<std::string> lengthLimits_;
};

} // namespace galewright
