#pragma once

#include "checkreporter.h"
#include "columndescriptions.h"

#include <cstdio>
#include <string>

namespace galewright {

// A check reporter that answers OK to every warning and prints each
// violation at once, as a line for people or as a JSON object a line.
// Texts are decoded from GBK to UTF-8; the file name is printed as given.
class CheckPrinter : public CheckReporter {
public:
    enum class Format { kText, kJsonLines };

    CheckPrinter(std::FILE* out, Format format, std::string fileName, const ColumnDescriptions& descriptions);

    std::size_t violationCount() const { return violations_; }

    void moveCursor(int, int) override {}
    void setTextColour(int, int, int, int, std::uint32_t) override {}
    CheckAnswer showWarning(const CheckViolation& violation) override;
    void showSummary(const std::string&) override {}
    void refreshStatusBar() override {}

    // A UTF-8 text as a JSON string, quotes included. Bytes that are not
    // valid UTF-8 become U+FFFD, so the output is always valid JSON.
    static std::string jsonString(std::string_view utf8);

private:
    std::string textLine(const CheckViolation& violation) const;
    std::string jsonLine(const CheckViolation& violation) const;

    std::FILE* out_;
    Format format_;
    std::string fileName_;
    const ColumnDescriptions& descriptions_;
    std::size_t violations_ = 0;
    std::string line_;
};

} // namespace galewright
