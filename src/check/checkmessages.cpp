#include "checkmessages.h"

#include "textrules.h"

namespace galewright {

namespace {

// The literals are split wherever a hex escape meets a character that could
// continue it.
const std::string kTitle = "\xBC\xEC\xB2\xE9\xB4\xED\xCE\xF3"; // 检查错误
const char* const kRow = "\r\n\xD0\xD0\xA3\xBA";                // \r\n行：
const char* const kColumn = "\xA3\xAC\xC1\xD0\xA3\xBA";         // ，列：
const char* const kGoOnOrStop = "\r\n"
                                "\xB0\xB4\xA1\xBE\xC8\xB7\xC8\xCF\xA1\xBF\xBC\xCC\xD0\xF8\xBC\xEC\xB2\xE9\xA3\xBB"
                                "\xB0\xB4\xA1\xBE\xC8\xA1\xCF\xFB\xA1\xBF\xCD\xCB\xB3\xF6\xBC\xEC\xB2\xE9\xA1\xA3";
// \r\n按【确认】继续检查；按【取消】退出检查。

std::string rowAndColumn(int row, int column)
{
    std::string text = kRow;
    text += numberToText(row);
    text += kColumn;
    text += numberToText(column);
    return text;
}

} // namespace

const std::string& CheckMessages::title() { return kTitle; }

std::string CheckMessages::lengthMessage(int row, int column, std::size_t length, std::string_view limitText)
{
    std::string message = "\xB4\xED\xCE\xF3\xA3\xBA\xC4\xDA\xC8\xDD\xB3\xA4\xB6\xC8\xB3\xAC\xB9\xFD\xCF\xDE\xD6\xC6"
                          "\xA3\xA1"; // 错误：内容长度超过限制！
    message += rowAndColumn(row, column);
    message += "\r\n\xC4\xDA\xC8\xDD\xB3\xA4\xB6\xC8\xA3\xBA"; // \r\n内容长度：
    message += numberToText(static_cast<std::uint64_t>(length));
    message += "\xA3\xBB\xB3\xA4\xB6\xC8\xCF\xDE\xD6\xC6\xA3\xBA"; // ；长度限制：
    message += limitText;
    message += kGoOnOrStop;
    return message;
}

std::string CheckMessages::ruleMessage(int row, int column, std::string_view text, std::string_view typeText,
                                       std::string_view errorText, std::string_view helpText)
{
    std::string message = "\xB4\xED\xCE\xF3\xA3\xBA"; // 错误：
    message += typeText;
    message += errorText;
    message += rowAndColumn(row, column);
    message += "\r\n\xC4\xDA\xC8\xDD\xA3\xBA"; // \r\n内容：
    message += text;
    message += "\r\n\xB2\xCE\xBF\xBC\xC4\xDA\xC8\xDD\xA3\xBA"; // \r\n参考内容：
    message += helpText;
    message += "\r\n\xB0\xEF\xD6\xFA\xC7\xEB\xB2\xCE\xD5\xD5" // \r\n帮助请参照
               " Western_North_Pacific_Best_Track_Data_Format.html "
               "\xA1\xA3"; // 。
    message += kGoOnOrStop;
    return message;
}

std::string CheckMessages::summaryMessage(std::int32_t errorCount)
{
    std::string message = "\xBC\xEC\xB2\xE9\xCD\xEA\xB3\xC9\xA1\xA3\r\n"; // 检查完成。\r\n
    if (errorCount < 1) {
        message += "\xC3\xBB\xD3\xD0\xB7\xA2\xCF\xD6\xD6\xC2\xC3\xFC\xB4\xED\xCE\xF3\xA1\xA3"; // 没有发现致命错误。
    } else {
        message += "\xB9\xB2\xB7\xA2\xCF\xD6\xC1\xCB"; // 共发现了
        message += numberToText(errorCount);
        message += "\xB8\xF6\xB4\xED\xCE\xF3\xA1\xA3"; // 个错误。
    }
    return message;
}

} // namespace galewright
