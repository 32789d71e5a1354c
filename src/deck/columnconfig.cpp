#include "columnconfig.h"

#include "inifile.h"
#include "settingsdirectory.h"
#include "textrules.h"
#include "wholefile.h"

namespace galewright {

namespace {

constexpr int kMaxEntries = 46;
const char* const kKindKeys[] = {"Type", "Error", "Text"};

} // namespace

ColumnConfig::ColumnConfig(std::string settingsDirectory) : directory_(std::move(settingsDirectory)) {}

std::string ColumnConfig::settingsPath(const std::string& fileName) const { return joinPath(directory_, fileName); }

void ColumnConfig::readColumnSettings()
{
    widths_.clear();
    const std::string widths = bytesToText(readWholeFile(settingsPath("Width.set")));
    for (auto entry : splitTextViews(widths, ",", kMaxEntries))
        widths_.push_back(textToInt(entry));
    lengthLimits_ = splitText(bytesToText(readWholeFile(settingsPath("Byte.set"))), ",", kMaxEntries);
}

bool ColumnConfig::hasLengthLimit(int column) const
{
    return column >= 1 && column <= static_cast<int>(lengthLimits_.size());
}

int ColumnConfig::lengthLimit(int column) const
{
    return hasLengthLimit(column) ? textToInt(lengthLimits_[static_cast<std::size_t>(column - 1)]) : 0;
}

std::string ColumnConfig::lengthLimitText(int column) const
{
    return hasLengthLimit(column) ? lengthLimits_[static_cast<std::size_t>(column - 1)] : std::string();
}

std::string ColumnConfig::columnDescription(int column, int kind) const
{
    if (kind < 0 || kind > 2)
        return {};
    return IniFile::readValue(settingsPath("Method.set"), numberToText(column), kKindKeys[kind]);
}

std::string ColumnConfig::columnWidthsText(const std::vector<int>& widths)
{
    std::string text;
    for (int width : widths) {
        text += numberToText(width);
        text += ',';
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

bool ColumnConfig::saveColumnWidths(const std::vector<int>& widths) const
{
    return writeWholeFile(settingsPath("Width.set"), columnWidthsText(widths));
}

} // namespace galewright
