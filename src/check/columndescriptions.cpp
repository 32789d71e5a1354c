#include "columndescriptions.h"

#include "inifile.h"
#include "textrules.h"

namespace galewright {

namespace {

constexpr int kColumns = 45;
const char* const kKeys[] = {"Type", "Error", "Text"};

} // namespace

ColumnDescriptions ColumnDescriptions::live(const ColumnConfig& config)
{
    ColumnDescriptions descriptions;
    descriptions.live_ = &config;
    return descriptions;
}

ColumnDescriptions ColumnDescriptions::snapshot(const ColumnConfig& config)
{
    ColumnDescriptions descriptions;
    const IniFile ini = IniFile::load(config.settingsPath("Method.set"));
    descriptions.texts_.resize(kColumns);
    for (int column = 1; column <= kColumns; ++column)
        for (int kind = 0; kind < 3; ++kind)
            descriptions.texts_[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(kind)] =
                ini.value(numberToText(column), kKeys[kind]);
    return descriptions;
}

std::string ColumnDescriptions::description(int column, int kind) const
{
    if (live_)
        return live_->columnDescription(column, kind);
    if (column < 1 || column > kColumns || kind < 0 || kind > 2)
        return {};
    return texts_[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(kind)];
}

} // namespace galewright
