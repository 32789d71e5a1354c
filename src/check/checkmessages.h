#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace galewright {

// The texts of the check run's message boxes, GBK bytes exactly as the
// user sees them. Numbers are plain decimals.
class CheckMessages {
public:
    // Title of every box of the run: 检查错误
    static const std::string& title();

    // 错误：内容长度超过限制！ ... with the Byte.set entry quoted as read.
    static std::string lengthMessage(int row, int column, std::size_t length, std::string_view limitText);
    // 错误：<Type><Error> ... 内容：<text> 参考内容：<Text> ... ; `text` is the trimmed cell text.
    static std::string ruleMessage(int row, int column, std::string_view text, std::string_view typeText,
                                   std::string_view errorText, std::string_view helpText);
    // 检查完成。 and either 没有发现致命错误。 or 共发现了<count>个错误。
    static std::string summaryMessage(std::int32_t errorCount);
};

} // namespace galewright
