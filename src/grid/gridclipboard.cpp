#include "gridclipboard.h"

#include "decktable.h"
#include "gbkcodec.h"

namespace galewright {

namespace {

// The first character of the text that GBK has no code for.
QString firstUnencodable(QStringView text)
{
    return QString::fromStdString(GbkCodec::firstUnencodable(text.toUtf8().toStdString()));
}

bool isFieldSeparator(QChar c) { return c == u'\t' || c == u','; }

} // namespace

QString GridClipboard::copyText(const DeckTable& table, int firstRow, int lastRow, const std::vector<int>& columns)
{
    std::string text;
    for (int row = firstRow; row <= lastRow; ++row) {
        if (row > firstRow)
            text += "\r\n";
        bool first = true;
        for (const int column : columns) {
            if (!first)
                text += '\t';
            first = false;
            text += GbkCodec::toUtf8(table.dataCell(row, column));
        }
    }
    return QString::fromStdString(text);
}

GridClipboard::PastePlan GridClipboard::planPaste(QStringView text, int firstRow, int lastRow,
                                                  const std::vector<int>& columns)
{
    PastePlan plan;
    int row = firstRow;
    qsizetype lineStart = 0;
    while (lineStart < text.size() && row <= lastRow) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        const qsizetype next = lineEnd < 0 ? text.size() : lineEnd + 1;
        if (lineEnd < 0)
            lineEnd = text.size();
        // A CR ends the line with the LF after it, and also at the very end
        // of the text, where the LF may have been left off.
        if (lineEnd > lineStart && text.at(lineEnd - 1) == u'\r')
            --lineEnd;
        const QStringView line = text.mid(lineStart, lineEnd - lineStart);

        std::size_t field = 0;
        qsizetype fieldStart = 0;
        for (qsizetype i = 0; i <= line.size() && field < columns.size(); ++i) {
            const bool atEnd = i == line.size();
            if (!atEnd && !isFieldSeparator(line.at(i)))
                continue;
            // Nothing after the last separator makes no field.
            if (atEnd && fieldStart == line.size())
                break;
            const QStringView value = line.mid(fieldStart, i - fieldStart);
            const int column = columns[field];
            if (auto bytes = GbkCodec::fromUtf8(value.toUtf8().toStdString())) {
                plan.edits.push_back({row, column, std::move(*bytes)});
            } else {
                if (plan.refused.cells == 0) {
                    plan.refused.row = row;
                    plan.refused.column = column;
                    plan.refused.character = firstUnencodable(value);
                }
                ++plan.refused.cells;
            }
            ++field;
            fieldStart = i + 1;
        }
        ++row;
        lineStart = next;
    }
    return plan;
}

} // namespace galewright
